// SPDX-License-Identifier: LGPL-2.1-or-later
#include "control/ReelkitTranslations.h"

#include "control/LibraryFolder.h"

#include <QDir>
#include <QFileInfo>

namespace reelkit {

QString translationsFolder()
{
    const QDir library(thisLibraryFolder());
    const QString buildTree = library.filePath(QStringLiteral("translations"));
    return QFileInfo(buildTree).isDir()
        ? buildTree
        : QDir::cleanPath(library.filePath(QString::fromUtf8(REELKIT_TRANSLATIONS_RELDIR)));
}

} // namespace reelkit
