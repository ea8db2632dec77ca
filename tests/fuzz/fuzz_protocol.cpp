// libFuzzer target for the message reader; built and run by tools/fuzz-protocol.sh,
// not part of the test suite. TIDEWATCH_FUZZ_MODE picks what an input means:
//
// oracle  - the input draws a sequence of well-formed messages, the cuts of their
//           stream into arrivals and the gaps between them; gaps of kQuietMs or more
//           fall only where a message ends. The reader must give back exactly the
//           messages drawn, none rejected.
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
    const Result &finish()
    {
        mAll.append(mReader.quietCheck(mNowMs + MessageReader::kQuietMs));
        require(mReader.buffered() == 0 && !mReader.quietDeadline(), "nothing pending once quiet");
        return mAll;
    }

private:
    void checkBounds() const
    {
        require(mReader.buffered() <= MessageReader::kMaxBuffered, "buffer within its bound");
        require(mReader.quietDeadline().has_value() == (mReader.buffered() > 0), "deadline while pending");
    }

    MessageReader mReader;
    Result mAll;
    qint64 mNowMs = 1'000'000;
};

void runOracle(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    std::vector<Protocol::Message> sent;
    QByteArray stream;
    std::vector<qsizetype> ends;
    for (int count = in.ConsumeIntegralInRange(1, 12); count > 0; --count) {
        sent.push_back(drawMessage(in));
        stream += Protocol::encode(sent.back());
        ends.push_back(stream.size());
    }

    Connection connection;
    std::size_t nextEnd = 0;
    for (qsizetype at = 0; at < stream.size();) {
        while (ends[nextEnd] <= at)
            ++nextEnd;
        qsizetype length = stream.size() - at;
        if (in.remaining_bytes() > 0)
            length = in.ConsumeBool() ? ends[nextEnd] - at : in.ConsumeIntegralInRange<qsizetype>(1, length);
        at += length;
        const bool atEnd = at == ends[nextEnd];
        const qint64 gap = in.ConsumeIntegralInRange<qint64>(0, atEnd ? 3 * MessageReader::kQuietMs
                                                                       : MessageReader::kQuietMs - 1);
        connection.arrive(QByteArrayView(stream).sliced(at - length, length), gap);
    }
    const Result &got = connection.finish();
    require(!got.overflow && got.rejected == 0, "nothing rejected");
    require(got.messages == sent, "exactly the messages sent");
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
