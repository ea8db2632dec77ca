// libFuzzer target for the message reader and the message grammar; built and run by
// tools/fuzz-protocol.sh, not part of the test suite.
//
// Input: byte 0 = how many cuts (bits 0-2) and whether a filler arrival of 'x' bytes,
// just short of the 64 KiB limit, follows the first piece (bit 3: lets short inputs
// reach the limit), then one byte per cut giving the length of that piece; the rest is
// the stream, fed to one reader piece by piece. Each message read must survive being
// encoded and read again unchanged.

#include "net/MessageReader.h"
#include "net/Protocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool fleetIsOnBoardWithoutOverlap(const Protocol::PlaceShips &fleet)
{
    bool taken[101] = {};
    for (int ship = 1; ship <= 5; ++ship) {
        const int start = fleet.starts[std::size_t(ship - 1)];
        for (int cell = start; cell <= start + 10 * ship; cell += 10) {
            if (cell < 1 || cell > 100 || taken[cell])
                return false;
            taken[cell] = true;
        }
    }
    return true;
}

void checkMessage(const Protocol::Message &message)
{
    if (const auto *shot = std::get_if<Protocol::Fire>(&message))
        require(shot->cell >= 1 && shot->cell <= 100);
    if (const auto *fleet = std::get_if<Protocol::PlaceShips>(&message))
        require(fleetIsOnBoardWithoutOverlap(*fleet));

    // Followed by another message, so that an empty last field is complete too.
    const Protocol::Message follower = Protocol::Fire{1};
    MessageReader again;
    const auto reread = again.feed(Protocol::encode(message) + Protocol::encode(follower));
    require(reread.rejected == 0 && !reread.overflow);
    require(reread.messages.size() == 2);
    require(reread.messages[0] == message && reread.messages[1] == follower);
}

void checkResult(const MessageReader &reader, const MessageReader::Result &result)
{
    require(result.rejected >= 0);
    require(reader.buffered() <= MessageReader::kMaxBuffered);
    if (result.overflow)
        require(reader.buffered() == 0);
    for (const Protocol::Message &message : result.messages)
        checkMessage(message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t cuts = data[0] & 7u;
    const bool filler = (data[0] & 8u) != 0;
    if (size < 1 + cuts)
        return 0;
    const auto *stream = reinterpret_cast<const char *>(data + 1 + cuts);
    std::size_t remaining = size - 1 - cuts;

    MessageReader reader;
    for (std::size_t piece = 0; piece <= cuts; ++piece) {
        const std::size_t length = piece < cuts ? std::min<std::size_t>(data[1 + piece], remaining) : remaining;
        checkResult(reader, reader.feed(QByteArray(stream, qsizetype(length))));
        stream += length;
        remaining -= length;
        if (piece == 0 && filler)
            checkResult(reader, reader.feed(QByteArray(MessageReader::kMaxBuffered - 128, 'x')));
    }
    return 0;
}
