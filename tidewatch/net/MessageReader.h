// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/Protocol.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

// Splits the byte stream of one connection back into messages. The format has no
// delimiter and TCP keeps no boundaries, so an arrival may hold several messages or a
// piece of one, cut anywhere.
//
// A message begins at a command word followed by the separator, but only where the
// message before it already has all its fields: until then command words are text,
// so "/msg S Sam/fire S 55" is a chat from "Sam/fire". A message ends where the next
// one begins, or where its last field can grow no more (a shot at 11..100, the end's
// "1"). A separator inside chat text still cuts it: the chat text "hi" S "/fire" S "37"
// gives the very bytes of the chat "hi" followed by a shot at 37.
//
// Time only decides where a last field could still grow (a shot at 1..10, a chat text,
// the name ending a fleet): there the message ends once the line has been quiet for
// kQuietMs after its last byte, long enough for a lost segment to be sent again.
// Bytes that are no whole message yet (a command word not finished, a field missing)
// wait for the rest however long it takes; only the bound below limits them.
//
// Time is the caller's, in milliseconds from a clock that never goes back (such as
// QElapsedTimer), so the reader needs no event loop and tests need no sleeping:
//   - feed(bytes, now) on every arrival; it completes the messages that the next one
//     has ended or that can grow no more, never one by time;
//   - after every call, arm one single-shot timer for quietDeadline(), or stop it when
//     that is empty; when it fires, feed what the socket already holds, then call
//     quietCheck(now), which completes the pending message once it is due; when the
//     peer closes the line, quietCheck(now + kQuietMs) completes what it sent last;
//   - on overflow drop the connection; the reader is then empty again. reset() when a
//     new connection begins.
class MessageReader
{
public:
    static constexpr qint64 kQuietMs = 250;
    static constexpr qsizetype kMaxMessage = 1024 * 1024;
    // The most held between calls: a longest message and the next one's command word.
    static constexpr qsizetype kMaxBuffered = kMaxMessage + Protocol::kLongestCommandWord;

    struct Result
    {
        std::vector<Protocol::Message> messages; // well-formed, in stream order
        int rejected = 0;      // malformed messages dropped
        bool overflow = false; // more than kMaxMessage bytes without a well-formed message

        void append(Result &&later);
    };

    Result feed(QByteArrayView arrival, qint64 nowMs);
    Result quietCheck(qint64 nowMs);
    // When quietCheck will complete the pending message; empty while no message with
    // all its fields is pending.
    std::optional<qint64> quietDeadline() const;
    void reset();
    qsizetype buffered() const { return mBuffer.size(); }

private:
    enum class Start { Undecided, Command, Garbage };

    void scan(Result &result);
    qsizetype separatorAt(qsizetype messageStart, qsizetype separator);
    void openCommand(const Protocol::CommandWord &command, qsizetype separator);
    void take(qsizetype begin, qsizetype end, Result &result);
    void forgetPending();
    void takeIfFinal(Result &result);
    bool pendingIsWhole() const;

    // Each byte is looked at once: mScanned remembers how far earlier arrivals got.
    QByteArray mBuffer;        // the pending message, from its first byte
    qsizetype mScanned = 0;
    Start mStart = Start::Undecided;
    const Protocol::CommandWord *mCommand = nullptr; // of the pending message, once known
    int mFieldCount = 0;       // of the pending command, the command included
    int mSeparators = 0;       // seen in it before its last field
    qsizetype mLastField = -1; // where a next message may begin, once known
    qint64 mLastByteMs = 0;
    qsizetype mUnmatched = 0;  // bytes dropped since the last well-formed message
};
