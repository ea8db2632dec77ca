// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the message reader; built and run by tools/fuzz-protocol.sh,
// not part of the test suite. TIDEWATCH_FUZZ_MODE picks what an input means:
//
// oracle  - the input draws a sequence of well-formed messages, the cuts of their
//           stream into arrivals and the gaps between them. A gap of any length may
//           fall where the bytes so far are no whole message, or where one ends; a gap
//           shorter than kQuietMs falls where they are a whole message whose last field
//           could still grow. The reader must give back exactly the messages drawn,
//           none rejected.
// garbage - byte 0 = how many cuts (bits 0-2) and whether a filler arrival of 'x'
//           bytes, just short of the longest message, follows the first piece (bit 3);
//           then per cut the piece's length and the gap after it in milliseconds; the
//           rest is the stream. Whatever it holds: no crash, no buffer past its bound,
//           only well-formed messages out.

#include "RandomMessages.h"

#include "net/MessageReader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <variant>

namespace {

using Result = MessageReader::Result;

bool gOracle = false;

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

// Reads like the window: one arrival, then the quiet timer if it falls due before the
// next arrival at nowMs + gapMs.
class Connection
{
public:
    void arrive(QByteArrayView bytes, qint64 gapMs)
    {
        mAll.append(mReader.feed(bytes, mNowMs));
        checkBounds();
        if (const auto deadline = mReader.quietDeadline()) {
            require(bytes.isEmpty() || *deadline == mNowMs + MessageReader::kQuietMs, "deadline follows the last byte");
            const Result early = mReader.quietCheck(*deadline - 1);
            require(early.messages.empty() && early.rejected == 0 && !early.overflow, "nothing before the deadline");
            if (*deadline <= mNowMs + gapMs)
                mAll.append(mReader.quietCheck(*deadline));
        }
        checkBounds();
        mNowMs += gapMs;
    }
    // The peer closes the line.
    const Result &finish()
    {
        mAll.append(mReader.quietCheck(mNowMs + MessageReader::kQuietMs));
        require(!mReader.quietDeadline(), "no deadline once quiet");
        return mAll;
    }
    qsizetype buffered() const { return mReader.buffered(); }

private:
    void checkBounds() const
    {
        require(mReader.buffered() <= MessageReader::kMaxBuffered, "buffer within its bound");
        require(!mReader.quietDeadline() || mReader.buffered() > 0, "deadline only while pending");
    }

    MessageReader mReader;
    Result mAll;
    qint64 mNowMs = 1'000'000;
};

// One sent message's place in the stream.
struct Sent
{
    qsizetype begin;
    qsizetype wordEnd;   // its command word is whole from here, the separator not yet
    qsizetype lastField; // its last field begins here
    qsizetype end;
    bool finalEnd;       // nothing could extend its last field
};

Sent place(const Protocol::Message &message, qsizetype begin)
{
    const QByteArray bytes = Protocol::encode(message);
    const qsizetype wordLength = bytes.indexOf(Protocol::kSeparator);
    const qsizetype lastField = bytes.lastIndexOf(Protocol::kSeparator) + 1;
    const std::string_view word(bytes.constData(), std::size_t(wordLength));
    return {begin, begin + wordLength, begin + lastField, begin + bytes.size(),
            Protocol::lastFieldIsFinal(word, QByteArrayView(bytes).sliced(lastField))};
}

// Whether the bytes up to `at`, inside or at the end of `current`, may rest for any
// time: where they are no whole message, or where a message ends. A command word cut
// after a last field that could grow merely extends that field.
bool mayRestLong(const Sent &current, const Sent *previous, qsizetype at)
{
    if (at == current.end)
        return true;
    if (at <= current.wordEnd && previous && !previous->finalEnd)
        return false;
    return at < current.lastField;
}

void runOracle(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    std::vector<Protocol::Message> sent;
    QByteArray stream;
    std::vector<Sent> places;
    for (int count = in.ConsumeIntegralInRange(1, 12); count > 0; --count) {
        sent.push_back(drawMessage(in));
        places.push_back(place(sent.back(), stream.size()));
        stream += Protocol::encode(sent.back());
    }

    Connection connection;
    std::size_t current = 0; // the message the last cut fell in
    for (qsizetype at = 0; at < stream.size();) {
        qsizetype length = stream.size() - at;
        if (in.remaining_bytes() > 0)
            length = in.ConsumeBool() ? places[current + (places[current].end == at)].end - at
                                      : in.ConsumeIntegralInRange<qsizetype>(1, length);
        at += length;
        while (places[current].end < at)
            ++current;
        const bool restLong = mayRestLong(places[current], current > 0 ? &places[current - 1] : nullptr, at);
        const qint64 gap = restLong && in.ConsumeBool()
                               ? in.ConsumeIntegralInRange<qint64>(0, 3'600'000)
                               : in.ConsumeIntegralInRange<qint64>(0, MessageReader::kQuietMs - 1);
        connection.arrive(QByteArrayView(stream).sliced(at - length, length), gap);
    }
    const Result &got = connection.finish();
    require(!got.overflow && got.rejected == 0, "nothing rejected");
    require(got.messages == sent, "exactly the messages sent");
    require(connection.buffered() == 0, "nothing left once the line closes");
}

void checkWellFormed(const Result &result)
{
    for (const Protocol::Message &message : result.messages) {
        if (const auto *shot = std::get_if<Protocol::Fire>(&message))
            require(shot->cell >= 1 && shot->cell <= 100, "cell on the board");
        if (const auto *fleet = std::get_if<Protocol::PlaceShips>(&message))
            require(shipsFitWithoutOverlap(*fleet, 5), "fleet on the board");
    }
}

void runGarbage(const std::uint8_t *data, std::size_t size)
{
    static const QByteArray filler(MessageReader::kMaxMessage - 128, 'x');
    if (size == 0)
        return;
    const std::size_t cuts = data[0] & 7u;
    const bool withFiller = (data[0] & 8u) != 0;
    if (size < 1 + 2 * cuts)
        return;
    const auto *stream = reinterpret_cast<const char *>(data + 1 + 2 * cuts);
    std::size_t remaining = size - 1 - 2 * cuts;

    Connection connection;
    for (std::size_t piece = 0; piece <= cuts; ++piece) {
        const std::uint8_t *cut = data + 1 + 2 * piece;
        const std::size_t length = piece < cuts ? std::min<std::size_t>(cut[0], remaining) : remaining;
        connection.arrive(QByteArrayView(stream, qsizetype(length)), piece < cuts ? cut[1] : 0);
        stream += length;
        remaining -= length;
        if (piece == 0 && withFiller)
            connection.arrive(filler, 1);
    }
    checkWellFormed(connection.finish());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *mode = std::getenv("TIDEWATCH_FUZZ_MODE");
    gOracle = mode && std::strcmp(mode, "oracle") == 0;
    if (!gOracle && !(mode && std::strcmp(mode, "garbage") == 0)) {
        std::fprintf(stderr, "set TIDEWATCH_FUZZ_MODE to oracle or garbage\n");
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (gOracle)
        runOracle(data, size);
    else
        runGarbage(data, size);
    return 0;
}
