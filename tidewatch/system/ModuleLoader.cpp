// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

QFunctionPointer resolveModuleSymbol(const QString &name, const char *symbol, QString *why)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QStringList candidates{
        programFolder.filePath(name),
        programFolder.filePath(QString::fromUtf8(TIDEWATCH_PLUGIN_RELDIR) + QLatin1Char('/') + name)};
    QStringList reasons;
    for (const QString &candidate : candidates) {
        QLibrary library(candidate); // going out of scope does not unload it
        if (const QFunctionPointer found = library.resolve(symbol))
            return found;
        reasons << library.errorString();
    }
    if (why)
        *why = reasons.join(QStringLiteral("; "));
    return nullptr;
}
