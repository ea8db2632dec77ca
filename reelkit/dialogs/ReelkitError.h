// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace reelkit {

// A failure inside the library whose text ends up in the error report.
class ReelkitError : public std::runtime_error
{
public:
    explicit ReelkitError(const QString &text) : std::runtime_error(text.toStdString()) {}
};

} // namespace reelkit
