// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/Protocol.h"

#include "accounts/TypedText.h"
#include "board/Fleet.h"
#include "board/ShipKinds.h"

#include <QByteArrayList>
#include <QVarLengthArray>

#include <algorithm>

namespace Protocol {

namespace {

// Positions in kCommands.
enum CommandIndex : std::size_t { kPlaceShips, kFire, kGameOver, kChat };

constexpr int kShips = ShipKinds::kShipCount;
constexpr int kCells = ShipKinds::kBoardCells;
constexpr int kMaxDigits = 5;
constexpr int kMostFields = [] {
    int most = 0;
    for (const CommandWord &command : kCommands)
        most = std::max(most, command.fieldCount);
    return most;
}();
using Fields = QVarLengthArray<QByteArrayView, kMostFields>;

QByteArray commandWord(std::size_t index)
{
    const std::string_view word = kCommands[index].word;
    return QByteArray(word.data(), qsizetype(word.size()));
}

QByteArray join(std::size_t command, const QByteArrayList &fields)
{
    QByteArray bytes = commandWord(command);
    for (const QByteArray &field : fields) {
        bytes += kSeparator;
        bytes += field;
    }
    return bytes;
}

// Decimal digits only, at most five: no sign, no space, no overflow.
std::optional<int> parseNumber(QByteArrayView field, int lowest, int highest)
{
    if (field.isEmpty() || field.size() > kMaxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// A fleet as the board would take it: every ship on the board, none over another.
bool fleetFitsBoard(const std::array<qint16, kShips> &starts)
{
    Fleet fleet;
    for (int ship = 1; ship <= kShips; ++ship) {
        const qint16 start = starts[std::size_t(ship - 1)];
        if (!fleet[ship].CanDrawShip(start, ship, nullptr, fleet))
            return false;
        fleet[ship].CreateShip(start, ship, nullptr, false);
    }
    return true;
}

std::optional<Message> decodeFields(std::size_t command, const Fields &fields)
{
    switch (command) {
    case kPlaceShips: {
        PlaceShips fleet;
        for (int ship = 0; ship < kShips; ++ship) {
            const auto start = parseNumber(fields[ship + 1], 1, kCells);
            if (!start)
                return std::nullopt;
            fleet.starts[std::size_t(ship)] = qint16(*start);
        }
        if (!fleetFitsBoard(fleet.starts))
            return std::nullopt;
        fleet.name = QString::fromLatin1(fields[6]);
        return fleet;
    }
    case kFire: {
        const auto cell = parseNumber(fields[1], 1, kCells);
        if (!cell)
            return std::nullopt;
        return Fire{qint16(*cell)};
    }
    case kGameOver:
        return GameOver{QString::fromLatin1(fields[1])};
    case kChat:
        break;
    }
    return Chat{QString::fromLatin1(fields[1]), QString::fromLatin1(fields[2])};
}

// A name or chat text never ends its own field: what is typed cannot become protocol.
QByteArray textField(const QString &text)
{
    return toWire(text).replace(kSeparator, kUnsendable);
}

} // namespace

QByteArray encode(const Message &message)
{
    return std::visit(Overloaded{
        [](const PlaceShips &fleet) {
            QByteArrayList fields;
            for (const qint16 start : fleet.starts)
                fields << QByteArray::number(start);
            fields << textField(fleet.name);
            return join(kPlaceShips, fields);
        },
        [](const Fire &shot) { return join(kFire, {QByteArray::number(shot.cell)}); },
        [](const GameOver &end) { return join(kGameOver, {toWire(end.field)}); },
        [](const Chat &line) { return join(kChat, {textField(line.name), textField(line.text)}); },
    }, message);
}

bool lastFieldIsFinal(std::string_view command, QByteArrayView lastField)
{
    if (command == "/gameover")
        return lastField == "1";
    if (command != "/fire" || lastField.isEmpty() || lastField.size() > 3 || lastField.front() == '0')
        return false;
    int cell = 0;
    for (const char digit : lastField) {
        if (digit < '0' || digit > '9')
            return false;
        cell = cell * 10 + (digit - '0');
    }
    return cell * 10 > kCells && cell <= kCells;
}

std::optional<Message> decode(QByteArrayView message)
{
    Fields fields;
    qsizetype fieldStart = 0;
    while (fields.size() < kMostFields) {
        const qsizetype separator = message.indexOf(kSeparator, fieldStart);
        if (separator < 0) {
            fields.append(message.sliced(fieldStart));
            break;
        }
        fields.append(message.sliced(fieldStart, separator - fieldStart));
        fieldStart = separator + 1;
    }

    for (std::size_t command = 0; command < kCommands.size(); ++command) {
        const std::string_view word = kCommands[command].word;
        if (fields[0] != QByteArrayView(word.data(), qsizetype(word.size())))
            continue;
        if (fields.size() < kCommands[command].fieldCount)
            return std::nullopt;
        return decodeFields(command, fields);
    }
    return std::nullopt;
}

QByteArray toWire(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLatin1(c)) {
            bytes += char(c.unicode());
            continue;
        }
        // A character beyond the 16-bit range is two code units but still one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes += kUnsendable;
    }
    return bytes;
}

QString fromWire(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QString asSent(const QString &text)
{
    return fromWire(textField(text));
}

} // namespace Protocol
