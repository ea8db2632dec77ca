// SPDX-License-Identifier: LGPL-2.1-or-later
#include "dialogs/LibraryDocuments.h"

#include "control/LibraryFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

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
    return beside(thisLibraryFolder());
}

QString fileAddress(const QString &path)
{
    return QUrl::fromLocalFile(path).toString();
}

} // namespace reelkit
