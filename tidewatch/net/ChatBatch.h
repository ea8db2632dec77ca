// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <deque>

// Chat lines gathered while a batch of messages is applied, so the log takes them in one
// append instead of laying itself out once per line. It keeps only the newest lines
// that the log could keep itself, so a flood costs no more than a full log.
class ChatBatch
{
public:
    void add(const QString &line); // one line, its peer text made safe by PeerText; cut as the log shows it
    bool isEmpty() const { return mLines.empty(); }
    QString take();                // the lines joined by '\n', oldest first; empties the batch

private:
    std::deque<QString> mLines;
    qsizetype mCharacters = 0; // the log's count: each line's text and its line end
};
