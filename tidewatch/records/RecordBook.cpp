// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordBook.h"

#include "accounts/PlainFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>

#include <sys/stat.h>

namespace {

// No count a player can reach comes near this; a larger number marks a damaged line.
constexpr qint64 kMaxCount = 1'000'000'000'000;
constexpr int kNumberFields = 7;

// The file's word for each kind, in RecordKind order; the file keeps it whatever the language.
constexpr std::array<const char *, kRecordKinds> kKindWords = {
    "easy", "moderate", "hard", "impossible", "admiral", "network"};
// What a player reads, translated when shown.
constexpr std::array<const char *, kRecordKinds> kKindNames = {
    QT_TRANSLATE_NOOP("Levels", "Easy"),       QT_TRANSLATE_NOOP("Levels", "Moderate"),
    QT_TRANSLATE_NOOP("Levels", "Hard"),       QT_TRANSLATE_NOOP("Levels", "Impossible"),
    QT_TRANSLATE_NOOP("Levels", "Admiral"),
    //: The records' row for games played over the network
    QT_TRANSLATE_NOOP("Levels", "Network")};

// How the file is called in messages: by its own name, short enough for one line.
QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

int kindIndex(RecordKind kind)
{
    return int(kind) - 1;
}

bool readNumber(const QByteArray &field, qint64 &value)
{
    if (field.isEmpty() || field.size() > 13)
        return false;
    for (char c : field) {
        if (c < '0' || c > '9')
            return false;
    }
    value = field.toLongLong();
    return value <= kMaxCount;
}

} // namespace

QString recordKindName(RecordKind kind)
{
    const int index = kindIndex(kind);
    return index >= 0 && index < kRecordKinds
               ? QCoreApplication::translate("Levels", kKindNames[std::size_t(index)])
               : QString();
}

void Tally::add(const GameResult &game)
{
    ++played;
    shots += game.shots;
    hits += game.hits;
    switch (game.outcome) {
    case GameOutcome::Won:
        ++won;
        if (fewestShotsToWin == 0 || game.shots < fewestShotsToWin)
            fewestShotsToWin = game.shots;
        break;
    case GameOutcome::Lost: ++lost; break;
    case GameOutcome::NotFinished: ++notFinished; break;
    }
}

bool Tally::consistent() const
{
    return played == won + lost + notFinished && hits <= shots
        && (won == 0) == (fewestShotsToWin == 0) && fewestShotsToWin <= shots;
}

RecordBook::Line RecordBook::parseLine(const QByteArray &raw)
{
    Line line;
    line.raw = raw;
    QByteArray body = raw;
    if (body.endsWith('\r'))
        body.chop(1);
    // Kind, seven numbers, then the name: the rest of the line, spaces and all.
    qsizetype at = 0;
    std::array<QByteArray, kNumberFields + 1> fields;
    for (QByteArray &field : fields) {
        const qsizetype space = body.indexOf(' ', at);
        if (space < 0)
            return line;
        field = body.mid(at, space - at);
        at = space + 1;
    }
    const QByteArray name = body.mid(at);
    const auto word = std::find(kKindWords.begin(), kKindWords.end(), fields[0]);
    if (word == kKindWords.end() || name.isEmpty())
        return line;
    std::array<qint64, kNumberFields> n{};
    for (int i = 0; i < kNumberFields; ++i) {
        if (!readNumber(fields[std::size_t(i) + 1], n[std::size_t(i)]))
            return line;
    }
    const Tally tally{n[0], n[1], n[2], n[3], n[4], n[5], n[6]};
    if (!tally.consistent())
        return line;
    line.record = true;
    line.kind = RecordKind(int(word - kKindWords.begin()) + 1);
    line.player = QString::fromLatin1(name);
    line.tally = tally;
    line.raw.clear();
    return line;
}

void RecordBook::parse(const QByteArray &text)
{
    mLines.clear();
    const QList<QByteArray> raws = text.split('\n');
    for (qsizetype i = 0; i < raws.size(); ++i) {
        if (i == raws.size() - 1 && raws[i].isEmpty())
            break; // the file's last line break
        Line line = parseLine(raws[i]);
        // A second line for the same player and kind is not ours to merge: keep it.
        if (line.record) {
            for (const Line &earlier : mLines) {
                if (earlier.record && earlier.kind == line.kind && earlier.player == line.player) {
                    line.record = false;
                    line.raw = raws[i];
                    break;
                }
            }
        }
        mLines.push_back(std::move(line));
    }
}

QByteArray RecordBook::text() const
{
    QByteArray out;
    for (const Line &line : mLines) {
        if (!line.record) {
            out += line.raw;
        } else {
            const Tally &t = line.tally;
            out += QByteArray(kKindWords[std::size_t(kindIndex(line.kind))]);
            for (qint64 n : {t.played, t.won, t.lost, t.notFinished, t.fewestShotsToWin,
                             t.shots, t.hits})
                out += ' ' + QByteArray::number(n);
            out += ' ' + line.player.toLatin1();
        }
        out += '\n';
    }
    return out;
}

Tally RecordBook::tally(const QString &player, RecordKind kind) const
{
    for (const Line &line : mLines) {
        if (line.record && line.kind == kind && line.player == player)
            return line.tally;
    }
    return {};
}

void RecordBook::count(const QString &player, RecordKind kind, const GameResult &game)
{
    for (Line &line : mLines) {
        if (line.record && line.kind == kind && line.player == player) {
            line.tally.add(game);
            return;
        }
    }
    Line line;
    line.record = true;
    line.kind = kind;
    line.player = player;
    line.tally.add(game);
    mLines.push_back(std::move(line));
}

bool RecordBook::readFrom(PlainFile &plain, const QString &name, QString *error)
{
    mLines.clear();
    QFile file;
    if (!file.open(plain.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray text = file.read(kMaxFileBytes + 1);
    if (text.size() > kMaxFileBytes) {
        //: %1 is the record file's name
        *error = QCoreApplication::translate("RecordBook", "%1 is too large to be a record file").arg(name);
        return false;
    }
    parse(text);
    return true;
}

bool RecordBook::read(const QString &path, QString *error)
{
    mLines.clear();
    // Opened before it is looked at: a FIFO or a device swapped in after a look would
    // block or never end.
    const QString name = fileName(path);
    PlainFile plain(name);
    if (!plain.open(path, PlainFile::Mode::Read)) {
        struct stat info {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT)
            return true;
        *error = plain.error();
        return false;
    }
    return readFrom(plain, name, error);
}

bool RecordBook::update(const QString &path, const std::function<void(RecordBook &)> &change,
                        QString *error)
{
    const QString name = fileName(path);
    PlainFile plain(name);
    RecordBook book;
    if (!plain.open(path, PlainFile::Mode::Replace) || !plain.lockExclusive()) {
        *error = plain.error();
        return false;
    }
    if (!book.readFrom(plain, name, error))
        return false;
    change(book);
    if (!plain.replace(book.text())) {
        *error = plain.error();
        return false;
    }
    return true;
}
