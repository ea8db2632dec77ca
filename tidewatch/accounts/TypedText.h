// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <algorithm>

// Typed input counts as empty when nothing but spaces is left once leading and
// trailing spaces are removed; a tab is a character like any other. What is stored or
// sent keeps the spaces.
inline bool isBlank(const QString &typed)
{
    for (const QChar c : typed) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

// The account file and the wire carry a character in one byte: Latin-1 and no more.
inline bool isLatin1(QChar c)
{
    return c.unicode() <= 0xFF;
}

inline bool isLatin1(const QString &value)
{
    return std::all_of(value.begin(), value.end(), [](QChar c) { return isLatin1(c); });
}
