#include "net/ChatLogLimits.h"

namespace ChatLogLimits {

QString shown(const QString &line)
{
    if (line.size() <= kLineChars)
        return line;
    return line.left(kLineChars) + QStringLiteral(" \u2026 (line cut)");
}

bool overBudget(qsizetype characters, qsizetype lines)
{
    return lines > 1 && characters * qsizetype(sizeof(QChar)) + lines * kLineOverheadBytes > kBytes;
}

} // namespace ChatLogLimits
