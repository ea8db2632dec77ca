// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Which connection the game socket carries. What is received is tagged with it, so that
// what an earlier connection sent, still held behind a message box or a backlog, is
// dropped instead of reaching the game of the connection that replaced it.
class ConnectionGeneration
{
public:
    using Tag = quint64;

    // The socket's connection is gone, or about to be replaced by a new one.
    void replace() { ++mCurrent; }
    Tag current() const { return mCurrent; }
    bool isCurrent(Tag tag) const { return tag == mCurrent; }

private:
    Tag mCurrent = 0;
};
