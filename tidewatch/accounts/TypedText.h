// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Typed input counts as empty when nothing but spaces is left once leading and
// trailing spaces are removed; a tab is a character like any other. What is stored or
// sent keeps the spaces.
inline bool IsBlank(const QString &typed)
{
    for (const QChar c : typed) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}
