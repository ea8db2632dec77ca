// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

namespace reelkit {

// The folder of the file that holds Reelkit's code: libreelkit.so by its full path,
// or the program that links Reelkit's objects. The library's own data (documents,
// translations) are found relative to it, whatever the install prefix.
QString thisLibraryFolder();

} // namespace reelkit
