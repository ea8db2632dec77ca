// SPDX-License-Identifier: GPL-3.0-or-later
// bench-reader: feeds the message reader a longest chat line (1 MiB) and a stream of
// short shots, each in one arrival and in pieces, best of three runs, and prints
//   case NAME bytes N pieces P ns_per_byte X
// The cost per byte should not grow with the size of the pieces' message. Then, for a
// lone message of each kind, how long after its last byte the reader hands it on:
//   latency NAME ms X
// which is the quiet time wherever the last field could still grow.

#include "net/MessageReader.h"

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

double nanosecondsPerByte(const QByteArray &stream, qsizetype pieceSize)
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        MessageReader reader;
        qint64 now = 0;
        std::size_t messages = 0;
        const auto started = std::chrono::steady_clock::now();
        for (qsizetype at = 0; at < stream.size(); at += pieceSize)
            messages += reader.feed(QByteArrayView(stream).sliced(at, std::min(pieceSize, stream.size() - at)), ++now).messages.size();
        messages += reader.quietCheck(now + MessageReader::kQuietMs).messages.size();
        const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - started;
        if (messages == 0)
            std::fprintf(stderr, "no message read\n");
        best = std::min(best, spent.count() / double(stream.size()));
    }
    return best;
}

// Milliseconds from the message's arrival until the reader gives it, by the reader's clock.
qint64 latencyMs(const Protocol::Message &message)
{
    MessageReader reader;
    if (!reader.feed(Protocol::encode(message), 0).messages.empty())
        return 0;
    const qint64 due = reader.quietDeadline().value_or(-1);
    if (due < 0 || reader.quietCheck(due).messages.empty())
        std::fprintf(stderr, "message not read\n");
    return due;
}

} // namespace

int main()
{
    const QByteArray chatStart = Protocol::encode(Protocol::Chat{"bob", ""});
    const QByteArray longChat = chatStart + QByteArray(MessageReader::kMaxMessage - chatStart.size(), 'a');
    const QByteArray shots = Protocol::encode(Protocol::Fire{37}).repeated(MessageReader::kMaxMessage / 8);
    const struct { const char *name; const QByteArray &stream; qsizetype pieceSize; } cases[] = {
        {"long-chat-whole", longChat, longChat.size()},
        {"long-chat-bytewise", longChat, 1},
        {"shots-whole", shots, shots.size()},
        {"shots-bytewise", shots, 1},
    };
    for (const auto &test : cases)
        std::printf("case %s bytes %lld pieces %lld ns_per_byte %.1f\n", test.name, qlonglong(test.stream.size()),
                    qlonglong((test.stream.size() + test.pieceSize - 1) / test.pieceSize),
                    nanosecondsPerByte(test.stream, test.pieceSize));

    const struct { const char *name; Protocol::Message message; } lone[] = {
        {"chat-line", Protocol::Chat{"bob", "hi there"}},
        {"shot-1-to-10", Protocol::Fire{7}},
        {"shot-11-to-100", Protocol::Fire{37}},
        {"fleet", Protocol::PlaceShips{{1, 3, 5, 7, 9}, "Ann"}},
        {"end", Protocol::GameOver{"1"}},
    };
    for (const auto &test : lone)
        std::printf("latency %s ms %lld\n", test.name, qlonglong(latencyMs(test.message)));
    return 0;
}
