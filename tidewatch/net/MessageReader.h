#pragma once

#include "net/Protocol.h"

#include <QByteArray>

#include <vector>

// Splits the byte stream of one connection back into messages. TCP keeps no message
// boundaries, so one arrival may hold several messages or part of one. A message
// ends where the next command word and its separator begin; the last one of an
// arrival is complete once it has all its fields, otherwise it waits for more bytes.
class MessageReader
{
public:
    static constexpr qsizetype kMaxBuffered = 64 * 1024;

    struct Result
    {
        std::vector<Protocol::Message> messages; // well-formed, in arrival order
        int rejected = 0;   // malformed messages dropped from this arrival
        bool overflow = false; // more than kMaxBuffered unparsed bytes: drop the peer
    };

    Result feed(const QByteArray &arrival);
    void reset();
    qsizetype buffered() const { return mBuffer.size(); }

private:
    QByteArray mBuffer;
};
