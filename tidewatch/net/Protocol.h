#pragma once

// The game's wire format, over one TCP connection on port 1987.
//
//   message  = command *( S field )      S = the byte 0xB6, no terminator
//   "/placeships" S start1 S start2 S start3 S start4 S start5 S name
//   "/fire"       S cell
//   "/gameover"   S "1"
//   "/msg"        S name S text
//
// Numbers are decimal digits. Text is Latin-1, one byte per character, and is not
// escaped: a separator inside a name or chat text cuts it on receipt.

#include <QByteArray>
#include <QString>

#include <array>
#include <variant>

namespace Protocol {

constexpr quint16 kPort = 1987;
constexpr char kSeparator = '\xB6';

struct PlaceShips
{
    std::array<qint16, 5> starts{}; // start cell of ship numbers 1..5
    QString name;
};
struct Fire
{
    qint16 cell = 0; // 1..100
};
struct GameOver
{
    QString field; // only "1" ends the game
};
struct Chat
{
    QString name;
    QString text;
};

using Message = std::variant<PlaceShips, Fire, GameOver, Chat>;

QByteArray encode(const Message &message);

// Text <-> wire bytes. Characters outside Latin-1 become '?'.
QByteArray toWire(const QString &text);
QString fromWire(const QByteArray &bytes);

} // namespace Protocol
