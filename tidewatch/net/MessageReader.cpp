#include "net/MessageReader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

MessageReader::Match MessageReader::commandAt(QByteArrayView bytes, qsizetype pos,
                                             const Protocol::CommandWord **found)
{
    const std::string_view rest(bytes.data() + pos, std::size_t(bytes.size() - pos));
    bool partial = false;
    for (const Protocol::CommandWord &command : Protocol::kCommands) {
        const std::string_view word = command.word;
        // A cheap first test, as most slashes in hostile input start no command word.
        if (rest.size() > 1 && rest[1] != word[1])
            continue;
        if (rest.size() <= word.size()) {
            partial = partial || word.starts_with(rest);
            continue;
        }
        if (rest.starts_with(word) && rest[word.size()] == Protocol::kSeparator) {
            if (found)
                *found = &command;
            return Match::Full;
        }
    }
    return partial ? Match::Partial : Match::None;
}

// The first message start at or after `from`, or -1. A trailing stretch that may yet
// become a command word is reported in `undecided` (else -1).
qsizetype MessageReader::findBoundary(qsizetype from, qsizetype *undecided) const
{
    *undecided = -1;
    const QByteArrayView bytes(mBuffer);
    while (from < bytes.size()) {
        const void *found = std::memchr(bytes.data() + from, '/', std::size_t(bytes.size() - from));
        if (!found)
            return -1;
        const qsizetype slash = static_cast<const char *>(found) - bytes.data();
        switch (commandAt(bytes, slash)) {
        case Match::Full:
            return slash;
        case Match::Partial:
            *undecided = slash;
            return -1;
        case Match::None:
            from = slash + 1;
            break;
        }
    }
    return -1;
}

// Whether [start, end) has all its fields; only [end, size) can be a command word's beginning.
bool MessageReader::pendingIsComplete(qsizetype start, qsizetype end, int fieldCount)
{
    // A message that began in this arrival has nothing counted yet.
    if (start > 0) {
        mCountedTo = start;
        mSeparators = 0;
    }
    const QByteArrayView unseen = QByteArrayView(mBuffer).sliced(mCountedTo);
    mSeparators += int(std::min<qsizetype>(unseen.count(Protocol::kSeparator), fieldCount));
    mCountedTo = mBuffer.size();
    if (mSeparators >= fieldCount)
        return true;
    return mSeparators == fieldCount - 1 && mBuffer[end - 1] != Protocol::kSeparator;
}

void MessageReader::take(qsizetype begin, qsizetype end, Result &result)
{
    const QByteArrayView segment = QByteArrayView(mBuffer).sliced(begin, end - begin);
    std::optional<Protocol::Message> message;
    if (segment.size() <= kMaxBuffered)
        message = Protocol::decode(segment);
    if (message) {
        result.messages.push_back(std::move(*message));
        mUnmatched = 0;
        return;
    }
    ++result.rejected;
    mUnmatched += segment.size();
    if (mUnmatched > kMaxBuffered)
        result.overflow = true;
}

MessageReader::Result MessageReader::feed(const QByteArray &arrival)
{
    Result result;
    mBuffer.append(arrival);

    qsizetype start = 0;
    qsizetype scanFrom = std::max<qsizetype>(mScannedTo, 1);
    qsizetype undecided = -1;
    for (;;) {
        const qsizetype boundary = findBoundary(scanFrom, &undecided);
        if (boundary < 0)
            break;
        take(start, boundary, result);
        if (result.overflow) {
            reset();
            return result;
        }
        start = boundary;
        scanFrom = boundary + 1;
    }
    scanFrom = undecided >= 0 ? undecided : mBuffer.size();

    if (start < mBuffer.size()) {
        const Protocol::CommandWord *command = nullptr;
        switch (commandAt(mBuffer, start, &command)) {
        case Match::Full: {
            const qsizetype end = undecided >= 0 && !command->endsInFreeText ? undecided : mBuffer.size();
            if (pendingIsComplete(start, end, command->fieldCount)) {
                take(start, end, result);
                start = end;
                mCountedTo = start;
                mSeparators = 0;
            }
            break;
        }
        case Match::Partial:
            break;
        case Match::None:
            // Leading bytes that start no message; keep only what may still become one.
            take(start, scanFrom, result);
            start = scanFrom;
            mCountedTo = start;
            mSeparators = 0;
            break;
        }
    }

    if (result.overflow || mUnmatched + (mBuffer.size() - start) > kMaxBuffered) {
        result.overflow = true;
        reset();
        return result;
    }
    if (start == mBuffer.size())
        mBuffer.clear(); // also gives back the room a large arrival took
    else
        mBuffer.remove(0, start);
    mScannedTo = std::max<qsizetype>(scanFrom - start, 1);
    if (mBuffer.isEmpty()) {
        mCountedTo = 0;
        mSeparators = 0;
    } else {
        mCountedTo = std::max<qsizetype>(mCountedTo - start, 0);
    }
    return result;
}

void MessageReader::reset()
{
    mBuffer.clear();
    mScannedTo = 1;
    mCountedTo = 0;
    mSeparators = 0;
    mUnmatched = 0;
}
