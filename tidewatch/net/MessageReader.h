#pragma once

#include "net/Protocol.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// Splits the byte stream of one connection back into messages. TCP keeps no message
// boundaries, so one arrival may hold several messages or part of one. A message
// ends where the next command word and its separator begin; the last one of an
// arrival is complete once it has all its fields, otherwise it waits for more bytes.
// An empty last field also waits: the byte that fills it may still be on its way.
// So does a trailing "/fi" after a shot or an end message, which may be the next
// command word cut in two (the winner sends its last shot and the end back to back);
// after free text such bytes may just as well end the text, and stay with it.
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
    enum class Match { None, Partial, Full };

    static Match commandAt(QByteArrayView bytes, qsizetype pos, const Protocol::CommandWord **command = nullptr);
    qsizetype findBoundary(qsizetype from, qsizetype *undecided) const;
    bool pendingIsComplete(qsizetype start, qsizetype end, int fieldCount);
    void take(qsizetype begin, qsizetype end, Result &result);

    // Every byte is looked at a bounded number of times however the stream is cut,
    // so these remember how far the scans of earlier arrivals got.
    QByteArray mBuffer;         // the message under way, from its first byte
    qsizetype mScannedTo = 1;   // no message starts in [1, mScannedTo)
    qsizetype mCountedTo = 0;   // separators in [0, mCountedTo) are in mSeparators
    int mSeparators = 0;
    qsizetype mUnmatched = 0;   // bytes dropped since the last well-formed message
};
