// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Resolves `symbol` in the library `name` (no suffix), looked for beside the program
// in a build tree and in the installed plugin folder otherwise. A loaded library stays
// loaded for the rest of the run. Null when neither copy loads; `why` then holds the
// loader's reasons.
QFunctionPointer resolveModuleSymbol(const QString &name, const char *symbol, QString *why = nullptr);
