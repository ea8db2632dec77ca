// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ChatLogLimits.h"

#include "net/PeerText.h"

#include <QCoreApplication>

namespace ChatLogLimits {

QString shown(const QString &line)
{
    if (line.size() <= kLineChars)
        return line;
    //: The end of a chat log line too long to show whole; %1 is its beginning
    return QCoreApplication::translate("ChatLogLimits", "%1 … (line cut)").arg(PeerText::cut(line, kLineChars));
}

bool overBudget(qsizetype characters, qsizetype lines)
{
    if (lines <= 1)
        return false; // the newest line always stays
    return lines > kLines || characters * qsizetype(sizeof(QChar)) + lines * kLineOverheadBytes > kBytes;
}

} // namespace ChatLogLimits
