// SPDX-License-Identifier: LGPL-2.1-or-later
#include "control/LibraryFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <dlfcn.h>

namespace reelkit {

QString thisLibraryFolder()
{
    // A program that links Reelkit's objects is named as it was started (maybe not
    // by a path at all), so its folder comes from the application instead.
    Dl_info self{};
    const bool found = dladdr(reinterpret_cast<void *>(&thisLibraryFolder), &self) && self.dli_fname;
    const QFileInfo file(found ? QString::fromLocal8Bit(self.dli_fname) : QString());
    return file.isAbsolute() ? file.canonicalPath() : QCoreApplication::applicationDirPath();
}

} // namespace reelkit
