// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ChatBatch.h"

#include "net/ChatLogLimits.h"

void ChatBatch::add(const QString &line)
{
    mLines.push_back(ChatLogLimits::shown(line));
    mCharacters += mLines.back().size() + 1;
    while (ChatLogLimits::overBudget(mCharacters, qsizetype(mLines.size()))) {
        mCharacters -= mLines.front().size() + 1;
        mLines.pop_front();
    }
}

QString ChatBatch::take()
{
    QString joined;
    joined.reserve(mCharacters);
    for (auto line = mLines.begin(); line != mLines.end(); ++line) {
        if (line != mLines.begin())
            joined += QLatin1Char('\n');
        joined += *line;
    }
    mLines.clear();
    mCharacters = 0;
    return joined;
}
