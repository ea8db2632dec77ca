// SPDX-License-Identifier: GPL-3.0-or-later
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
// escaped: a separator inside a received name or chat text cuts it. This side never
// sends one inside a field: it goes out as '?', like any character Latin-1 lacks.

#include "board/GameState.h"
#include "board/ShipKinds.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace Protocol {

constexpr quint16 kPort = 1987;
constexpr char kSeparator = kFieldSeparator;
constexpr char kUnsendable = '?'; // sent for what a text field cannot carry

// Visits a message with one lambda per kind.
template <class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

struct PlaceShips
{
    std::array<qint16, ShipKinds::kShipCount> starts{}; // start cell of ship numbers 1..5
    QString name;
    friend bool operator==(const PlaceShips &, const PlaceShips &) = default;
};
struct Fire
{
    qint16 cell = 0; // 1..100
    friend bool operator==(const Fire &, const Fire &) = default;
};
struct GameOver
{
    QString field; // only "1" ends the game
    friend bool operator==(const GameOver &, const GameOver &) = default;
};
struct Chat
{
    QString name;
    QString text;
    friend bool operator==(const Chat &, const Chat &) = default;
};

using Message = std::variant<PlaceShips, Fire, GameOver, Chat>;

// The command words and how many fields a message of each has, the command included.
// Every message starts with its word followed by a separator: that pair is what
// marks where a message begins in the stream.
struct CommandWord
{
    std::string_view word;
    int fieldCount;
};
inline constexpr std::array<CommandWord, 4> kCommands{{
    {"/placeships", 7},
    {"/fire", 2},
    {"/gameover", 2},
    {"/msg", 3},
}};
inline constexpr qsizetype kLongestCommandWord = 11; // "/placeships"

QByteArray encode(const Message &message);

// One whole message, command word first, with at least its fields (more are ignored).
// Returns nothing for an unknown command, missing fields, a number that is not
// 1..5 decimal digits, a cell outside 1..100, or a fleet that leaves the board or
// whose ships overlap.
std::optional<Message> decode(QByteArrayView message);

// Whether a conformant peer can add nothing to this last field of a message with this
// command word: a cell that one more digit would take past 100, or the end's "1".
// Such a message is complete without waiting for the next one or for quiet.
bool lastFieldIsFinal(std::string_view command, QByteArrayView lastField);

// Text <-> wire bytes. Characters outside Latin-1 become '?'.
QByteArray toWire(const QString &text);
QString fromWire(const QByteArray &bytes);

// A name or chat text as encode puts it on the wire, so the chat can show a line
// exactly as the opponent will read it.
QString asSent(const QString &text);

} // namespace Protocol
