// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

namespace reelkit {

// Where the about box's links lead: the library's documents on this machine, which a
// player can open without a network. A build tree keeps them in doc/ beside the
// library; an installed library finds them at the install layout's place relative to
// its own folder (REELKIT_INSTALL_DOCDIR, see reelkit/CMakeLists.txt), whatever the
// prefix.
struct LibraryDocuments
{
    QString folder; // the documents folder, ending in a slash
    QString readme; // the README in it

    static LibraryDocuments beside(const QString &libraryFolder);
    // For the library (or the program it is built into) that runs this code.
    static LibraryDocuments ofThisLibrary();
};

// The address of a local file or folder as a link shows it and the desktop opens it.
QString fileAddress(const QString &path);

} // namespace reelkit
