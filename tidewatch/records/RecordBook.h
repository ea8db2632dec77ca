// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/GameOutcome.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

class PlainFile;

// The kinds of game a record is kept for: the computer's levels 1..5, then network.
enum class RecordKind : int { Easy = 1, Moderate, Hard, Impossible, Admiral, Network };
constexpr int kRecordKinds = 6;
QString recordKindName(RecordKind kind); // "Easy" .. "Admiral", "Network", translated

// A game's end with the local player's own shots and hits.
struct GameResult
{
    GameOutcome outcome = GameOutcome::NotFinished;
    qint64 shots = 0;
    qint64 hits = 0;
};

// One account's results in one kind of game. Played counts every game counted:
// won, lost and not finished (cut off by a lost connection).
struct Tally
{
    qint64 played = 0;
    qint64 won = 0;
    qint64 lost = 0;
    qint64 notFinished = 0;
    qint64 fewestShotsToWin = 0; // 0 until the first win
    qint64 shots = 0;
    qint64 hits = 0;

    void add(const GameResult &game);
    bool consistent() const;
    bool operator==(const Tally &) const = default;
};

// The record file: one line per account and kind of game,
//   KIND PLAYED WON LOST NOT-FINISHED FEWEST-SHOTS SHOTS HITS NAME
// in 8-bit text (the name, the rest of the line, exactly as in the account file).
// A line that is damaged or not ours is skipped and written back as it was.
class RecordBook
{
public:
    // The file is hostile input: a file larger than this is not read, and not
    // overwritten either, so nothing in it is lost.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    // A missing file is an empty book. False with `error` when the file cannot be
    // read: anything but a plain file (a symbolic link too), or one too large.
    bool read(const QString &path, QString *error);
    // Reads the file afresh under its lock (another copy of the game may share it),
    // lets `change` alter the book and puts the result in the file's place, owner-only.
    // False with `error` when that cannot be done: the file is then as it was, byte
    // for byte, and so is a read-only file or a file of the folder that is read-only.
    static bool update(const QString &path, const std::function<void(RecordBook &)> &change,
                       QString *error);

    Tally tally(const QString &player, RecordKind kind) const;
    void count(const QString &player, RecordKind kind, const GameResult &game);

    QByteArray text() const;
    void parse(const QByteArray &text);

private:
    struct Line
    {
        QByteArray raw;   // kept for a line that is not a record
        bool record = false;
        RecordKind kind = RecordKind::Easy;
        QString player;
        Tally tally;
    };
    static Line parseLine(const QByteArray &raw);
    bool readFrom(PlainFile &plain, const QString &name, QString *error);
    std::vector<Line> mLines;
};
