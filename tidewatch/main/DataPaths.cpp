// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kAccountFile = QStringLiteral("players.txt");
const QString kReadme = QStringLiteral("README.md");

} // namespace

DataPaths DataPaths::choose(const QString &programFolder, const QString &userDataFolder)
{
    const QDir program(programFolder);
    const QString beside = program.filePath(QStringLiteral("data"));
    const bool hasDataBeside = QFileInfo(beside).isDir();
    const QString readOnly = hasDataBeside
        ? beside
        : QDir::cleanPath(program.filePath(QString::fromUtf8(TIDEWATCH_DATA_RELDIR)));
    const QString accountFolder = hasDataBeside ? beside : userDataFolder;
    const QString docBeside = program.filePath(QStringLiteral("doc"));
    const QString documents = QFileInfo(docBeside).isDir()
        ? docBeside
        : QDir::cleanPath(program.filePath(QString::fromUtf8(TIDEWATCH_DOC_RELDIR)));
    return {readOnly, QDir(accountFolder).filePath(kAccountFile), QDir(documents).filePath(kReadme)};
}

DataPaths DataPaths::forThisProgram()
{
    return choose(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
