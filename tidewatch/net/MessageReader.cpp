// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/MessageReader.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

// Arrivals are read in pieces of this size, so the buffer never holds much more than
// one message however large an arrival is.
constexpr qsizetype kPiece = 64 * 1024;

// The command word that ends right before `separator` and begins at or after `from`.
// One at most: no command word ends in another.
const Protocol::CommandWord *wordBefore(QByteArrayView bytes, qsizetype from, qsizetype separator)
{
    for (const Protocol::CommandWord &command : Protocol::kCommands) {
        const auto length = qsizetype(command.word.size());
        const qsizetype begin = separator - length;
        if (begin >= from && std::string_view(bytes.data() + begin, std::size_t(length)) == command.word)
            return &command;
    }
    return nullptr;
}

} // namespace

MessageReader::Result MessageReader::feed(QByteArrayView arrival, qint64 nowMs)
{
    Result result;
    if (arrival.isEmpty())
        return result;
    mLastByteMs = nowMs;
    for (qsizetype from = 0; from < arrival.size(); from += kPiece) {
        mBuffer.append(arrival.sliced(from, std::min(kPiece, arrival.size() - from)));
        scan(result);
        takeIfFinal(result);
        if (!result.overflow && mUnmatched + mBuffer.size() > kMaxBuffered)
            result.overflow = true;
        if (result.overflow) {
            reset();
            break;
        }
    }
    return result;
}

MessageReader::Result MessageReader::quietCheck(qint64 nowMs)
{
    Result result;
    if (!pendingIsWhole() || nowMs - mLastByteMs < kQuietMs)
        return result;
    take(0, mBuffer.size(), result);
    forgetPending();
    if (result.overflow)
        reset();
    return result;
}

std::optional<qint64> MessageReader::quietDeadline() const
{
    if (!pendingIsWhole())
        return std::nullopt;
    return mLastByteMs + kQuietMs;
}

// All its fields are there; only the last one could still grow.
bool MessageReader::pendingIsWhole() const
{
    return mStart == Start::Command && mLastField >= 0;
}

void MessageReader::Result::append(Result &&later)
{
    messages.insert(messages.end(), std::make_move_iterator(later.messages.begin()),
                    std::make_move_iterator(later.messages.end()));
    rejected += later.rejected;
    overflow = overflow || later.overflow;
}

void MessageReader::reset()
{
    forgetPending();
    mUnmatched = 0;
}

// Only a separator can end a command word that starts a message, so the scan jumps
// from one separator to the next and takes every message that one completes.
void MessageReader::scan(Result &result)
{
    qsizetype start = 0;
    while (mScanned < mBuffer.size()) {
        const char *bytes = mBuffer.constData();
        const void *found = std::memchr(bytes + mScanned, Protocol::kSeparator, std::size_t(mBuffer.size() - mScanned));
        if (!found) {
            mScanned = mBuffer.size();
            break;
        }
        const qsizetype separator = static_cast<const char *>(found) - bytes;
        mScanned = separator + 1;
        const qsizetype next = separatorAt(start, separator);
        if (next < 0)
            continue;
        take(start, next, result);
        if (result.overflow)
            return;
        start = next;
    }

    if (start == mBuffer.size()) {
        mBuffer.clear(); // also gives back the room a long message took
    } else if (start > 0) {
        mBuffer.remove(0, start);
    }
    mScanned -= start;
    if (mLastField >= 0)
        mLastField -= start;
}

// Updates the pending message for the separator at `separator`; returns where a next
// message begins, or -1.
qsizetype MessageReader::separatorAt(qsizetype messageStart, qsizetype separator)
{
    const QByteArrayView bytes(mBuffer);
    if (mStart == Start::Undecided) {
        const Protocol::CommandWord *command = wordBefore(bytes, messageStart, separator);
        if (command && separator - messageStart == qsizetype(command->word.size())) {
            openCommand(*command, separator);
            return -1;
        }
        // Bytes that start no message run up to the next command word.
        mStart = Start::Garbage;
        mLastField = messageStart + 1;
    }
    if (mStart == Start::Command && mLastField < 0) {
        if (++mSeparators == mFieldCount - 1)
            mLastField = separator + 1;
        return -1;
    }
    const Protocol::CommandWord *command = wordBefore(bytes, mLastField, separator);
    if (!command)
        return -1; // a separator inside the last field only cuts that field
    openCommand(*command, separator);
    return separator - qsizetype(command->word.size());
}

// A shot at 37 cannot become a shot at 370: it need not wait for quiet, nor for the
// separator of the message after it once that one's first byte, '/', is here.
void MessageReader::takeIfFinal(Result &result)
{
    while (pendingIsWhole() && !result.overflow) {
        const QByteArrayView lastField = QByteArrayView(mBuffer).sliced(mLastField);
        const qsizetype slash = lastField.indexOf('/');
        const qsizetype end = mLastField + (slash < 0 ? lastField.size() : slash);
        if (!Protocol::lastFieldIsFinal(mCommand->word, lastField.first(end - mLastField)))
            return;
        take(0, end, result);
        QByteArray next = mBuffer.sliced(end);
        forgetPending();
        if (next.isEmpty())
            return;
        mBuffer = std::move(next);
        scan(result);
    }
}

void MessageReader::openCommand(const Protocol::CommandWord &command, qsizetype separator)
{
    mStart = Start::Command;
    mCommand = &command;
    mFieldCount = command.fieldCount;
    mSeparators = 1;
    mLastField = mSeparators == mFieldCount - 1 ? separator + 1 : -1;
}

void MessageReader::take(qsizetype begin, qsizetype end, Result &result)
{
    if (end - begin > kMaxMessage) {
        result.overflow = true;
        return;
    }
    std::optional<Protocol::Message> message = Protocol::decode(QByteArrayView(mBuffer).sliced(begin, end - begin));
    if (message) {
        result.messages.push_back(std::move(*message));
        mUnmatched = 0;
        return;
    }
    ++result.rejected;
    mUnmatched += end - begin;
    if (mUnmatched > kMaxMessage)
        result.overflow = true;
}

void MessageReader::forgetPending()
{
    mBuffer.clear();
    mScanned = 0;
    mStart = Start::Undecided;
    mCommand = nullptr;
    mFieldCount = 0;
    mSeparators = 0;
    mLastField = -1;
}
