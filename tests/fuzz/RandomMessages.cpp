// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomMessages.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>

#include <string_view>

namespace {

constexpr int kShips = 5;
constexpr qsizetype kLongestText = 64 * 1024;
constexpr std::string_view kWords[] = {"/placeships", "/fire", "/gameover", "/msg", "/slap", "/"};

QString drawText(FuzzedDataProvider &in)
{
    QByteArray bytes;
    const int parts = in.ConsumeIntegralInRange(0, 8);
    for (int part = 0; part < parts; ++part) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0: {
            const std::string_view word = kWords[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)];
            bytes.append(word.data(), qsizetype(word.size()));
            break;
        }
        case 1:
            bytes += QByteArray::number(in.ConsumeIntegralInRange(0, 1000));
            break;
        case 2:
            bytes += QByteArray(in.ConsumeIntegralInRange(1, 3), ' ');
            break;
        case 3: {
            const char byte = in.ConsumeIntegral<char>();
            bytes += byte == Protocol::kSeparator ? '?' : byte;
            break;
        }
        case 4: // now and then a long line
            bytes = bytes.repeated(in.ConsumeIntegralInRange(2, 256)).left(kLongestText);
            break;
        }
    }
    return QString::fromLatin1(bytes);
}

Protocol::PlaceShips drawFleet(FuzzedDataProvider &in)
{
    Protocol::PlaceShips fleet;
    for (int ship = 1; ship <= kShips; ++ship) {
        const int row = in.ConsumeIntegralInRange(0, 9 - ship);
        int column = in.ConsumeIntegralInRange(0, 9);
        // At most four columns hold other ships, so this ends.
        do {
            fleet.starts[std::size_t(ship - 1)] = qint16(row * 10 + column + 1);
            column = (column + 1) % 10;
        } while (!shipsFitWithoutOverlap(fleet, ship));
    }
    fleet.name = drawText(in);
    return fleet;
}

} // namespace

Protocol::Message drawMessage(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return drawFleet(in);
    case 1:
        return Protocol::Fire{in.ConsumeIntegralInRange<qint16>(1, 100)};
    case 2:
        return Protocol::GameOver{"1"};
    default: {
        QString name = drawText(in);
        return Protocol::Chat{std::move(name), drawText(in)};
    }
    }
}

bool shipsFitWithoutOverlap(const Protocol::PlaceShips &fleet, int count)
{
    bool taken[101] = {};
    for (int ship = 1; ship <= count; ++ship) {
        const int start = fleet.starts[std::size_t(ship - 1)];
        for (int cell = start; cell <= start + 10 * ship; cell += 10) {
            if (cell < 1 || cell > 100 || taken[cell])
                return false;
            taken[cell] = true;
        }
    }
    return true;
}
