// SPDX-License-Identifier: LGPL-2.1-or-later
#include "dialogs/LibraryDocuments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <dlfcn.h>

namespace reelkit {

LibraryDocuments LibraryDocuments::beside(const QString &libraryFolder)
{
    const QDir library(libraryFolder);
    const QString buildTree = library.filePath(QStringLiteral("doc"));
    const QString folder = QFileInfo(buildTree).isDir()
        ? buildTree
        : QDir::cleanPath(library.filePath(QString::fromUtf8(REELKIT_DOC_RELDIR)));
    return {folder + QLatin1Char('/'), QDir(folder).filePath(QStringLiteral("README.md"))};
}

LibraryDocuments LibraryDocuments::ofThisLibrary()
{
    // The file that holds this very function: libreelkit.so by its full path, or a
    // program that links Reelkit's objects, named as it was started (maybe not by a
    // path at all), whose folder the application knows better.
    Dl_info self{};
    const bool found = dladdr(reinterpret_cast<void *>(&LibraryDocuments::ofThisLibrary), &self) && self.dli_fname;
    const QFileInfo file(found ? QString::fromLocal8Bit(self.dli_fname) : QString());
    return beside(file.isAbsolute() ? file.canonicalPath() : QCoreApplication::applicationDirPath());
}

QString fileAddress(const QString &path)
{
    return QUrl::fromLocalFile(path).toString();
}

} // namespace reelkit
