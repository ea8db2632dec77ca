// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ChatLogLimits.h"

#include "net/PeerText.h"

namespace ChatLogLimits {

QString shown(const QString &line)
{
    if (line.size() <= kLineChars)
        return line;
    return PeerText::cut(line, kLineChars) + QStringLiteral(" \u2026 (line cut)");
}

bool overBudget(qsizetype characters, qsizetype lines)
{
    if (lines <= 1)
        return false; // the newest line always stays
    return lines > kLines || characters * qsizetype(sizeof(QChar)) + lines * kLineOverheadBytes > kBytes;
}

} // namespace ChatLogLimits
