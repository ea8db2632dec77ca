// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBytes.h"

#include "net/MessageReader.h"

#include <QByteArrayList>
#include <QTest>

using Protocol::Chat;
using Protocol::Fire;
using Protocol::GameOver;
using Protocol::Message;
using Protocol::PlaceShips;

namespace {

const Message kFleet = PlaceShips{{1, 3, 5, 7, 9}, "Ann"};
const Message kShot = Fire{37};
const Message kEnd = GameOver{"1"};
const Message kChat = Chat{"bob", "hi there"};
constexpr qint64 kStartMs = 1000;

QByteArrayList wires(std::initializer_list<const char *> texts)
{
    QByteArrayList arrivals;
    for (const char *text : texts)
        arrivals << wire(text);
    return arrivals;
}

QByteArrayList pieces(const QByteArray &stream, qsizetype size)
{
    QByteArrayList arrivals;
    for (qsizetype at = 0; at < stream.size(); at += size)
        arrivals << stream.mid(at, size);
    return arrivals;
}

// Feeds the arrivals gapMs apart, with the timer's checks in between, until all is quiet.
MessageReader::Result readAll(MessageReader &reader, const QByteArrayList &arrivals, qint64 gapMs = 1)
{
    MessageReader::Result all;
    qint64 now = kStartMs;
    for (const QByteArray &arrival : arrivals) {
        all.append(reader.quietCheck(now));
        all.append(reader.feed(arrival, now));
        now += gapMs;
    }
    all.append(reader.quietCheck(now - gapMs + MessageReader::kQuietMs));
    return all;
}

} // namespace

Q_DECLARE_METATYPE(QByteArrayList)

class TestMessageReader : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatThePeerSent_data();
    void readsWhatThePeerSent();
    void endsAMessageWhenTheNextBeginsOrOnceQuiet_data();
    void endsAMessageWhenTheNextBeginsOrOnceQuiet();
    void reassemblesAStreamCutAnywhere_data();
    void reassemblesAStreamCutAnywhere();
    void readsAFieldThatArrivesOneByteAtATime();
    void endsAMessageNoDigitCouldExtendAtOnce_data();
    void endsAMessageNoDigitCouldExtendAtOnce();
    void overflowsOnlyPastTheLimit_data();
    void overflowsOnlyPastTheLimit();
    void overflowsAfterTheLimitOfGarbageInSmallPieces();
    void rejectedMessagesCountTowardOverflowUntilAGoodOne();
};

void TestMessageReader::readsWhatThePeerSent_data()
{
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<Messages>("messages");
    QTest::addColumn<int>("rejected");

    const QByteArray line(60000, 'w');
    const Message longChat = Chat{"bob", QString::fromLatin1(line)};
    const Message movedFleet = PlaceShips{{2, 4, 6, 8, 10}, "Ann"};

    QTest::newRow("fleet") << QByteArrayList{Protocol::encode(kFleet)} << Messages{kFleet} << 0;
    QTest::newRow("shot") << QByteArrayList{Protocol::encode(kShot)} << Messages{kShot} << 0;
    QTest::newRow("end") << QByteArrayList{Protocol::encode(kEnd)} << Messages{kEnd} << 0;
    QTest::newRow("chat") << QByteArrayList{Protocol::encode(kChat)} << Messages{kChat} << 0;
    QTest::newRow("shot and end in one arrival") << wires({"/fire|37/gameover|1"}) << Messages{kShot, kEnd} << 0;
    QTest::newRow("fleet and chat in one arrival")
        << QByteArrayList{Protocol::encode(kFleet) + Protocol::encode(kChat)} << Messages{kFleet, kChat} << 0;
    QTest::newRow("shot word in a chat name") << wires({"/msg|Sam/fire|55"}) << Messages{Chat{"Sam/fire", "55"}} << 0;
    QTest::newRow("end word in a chat name") << wires({"/msg|Zed/gameover|1"}) << Messages{Chat{"Zed/gameover", "1"}} << 0;
    QTest::newRow("shot cut in its cell") << wires({"/fire|3", "7"}) << Messages{kShot} << 0;
    QTest::newRow("chat cut in its text") << wires({"/msg|Bob|hel", "lo"}) << Messages{Chat{"Bob", "hello"}} << 0;
    QTest::newRow("chat and shot cut in the shot's word")
        << wires({"/msg|Bob|hi/f", "ire|37"}) << Messages{Chat{"Bob", "hi"}, kShot} << 0;
    QTest::newRow("fleet with an empty name")
        << wires({"/placeships|1|2|3|4|5|"}) << Messages{PlaceShips{{1, 2, 3, 4, 5}, ""}} << 0;
    QTest::newRow("empty chat text before a shot") << wires({"/msg|bob|/fire|3"}) << Messages{Chat{"bob", ""}, Fire{3}} << 0;
    QTest::newRow("three chat lines of 60 KB")
        << QByteArrayList{Protocol::encode(longChat).repeated(3)} << Messages{longChat, longChat, longChat} << 0;
    QTest::newRow("a second fleet")
        << QByteArrayList{Protocol::encode(kFleet), Protocol::encode(movedFleet)} << Messages{kFleet, movedFleet} << 0;
    QTest::newRow("separator in a chat text: a chat and a shot")
        << wires({"/msg|Bob|hi|/fire|37"}) << Messages{Chat{"Bob", "hi"}, kShot} << 0;
    QTest::newRow("fleet name cut at a separator")
        << wires({"/placeships|1|3|5|7|9|An|n"}) << Messages{PlaceShips{{1, 3, 5, 7, 9}, "An"}} << 0;
    QTest::newRow("chat name cut at a separator") << wires({"/msg|bo|b|hi"}) << Messages{Chat{"bo", "b"}} << 0;
    QTest::newRow("end with another value") << wires({"/gameover|2"}) << Messages{GameOver{"2"}} << 0;
    QTest::newRow("free text keeps a trailing slash") << wires({"/msg|bob|:-/"}) << Messages{Chat{"bob", ":-/"}} << 0;
    QTest::newRow("garbage before a message") << wires({"hello|/fire|5"}) << Messages{Fire{5}} << 1;
    QTest::newRow("unknown command spoils the message before it")
        << wires({"/fire|5/shoot|3/fire|6"}) << Messages{Fire{6}} << 1;
    QTest::newRow("bad cell dropped, next shot read") << wires({"/fire|0/fire|7"}) << Messages{Fire{7}} << 1;
    QTest::newRow("overlapping fleet") << wires({"/placeships|1|11|5|7|9|Ann"}) << Messages{} << 1;
    QTest::newRow("shot without its cell") << wires({"/fire|"}) << Messages{} << 1;
    QTest::newRow("garbage and the start of a command word") << wires({"xx/fi", "re|5"}) << Messages{Fire{5}} << 1;
}

void TestMessageReader::readsWhatThePeerSent()
{
    QFETCH(QByteArrayList, arrivals);
    QFETCH(Messages, messages);
    QFETCH(int, rejected);

    MessageReader reader;
    const MessageReader::Result result = readAll(reader, arrivals);
    QCOMPARE(result.messages, messages);
    QCOMPARE(result.rejected, rejected);
    QVERIFY(!result.overflow);
    QCOMPARE(reader.buffered(), 0);
}

void TestMessageReader::endsAMessageWhenTheNextBeginsOrOnceQuiet_data()
{
    QTest::addColumn<QByteArray>("arrival");
    QTest::addColumn<Messages>("atOnce");
    QTest::addColumn<Message>("onceQuiet");

    QTest::newRow("shot one more digit could change") << wire("/fire|3") << Messages{} << Message(Fire{3});
    QTest::newRow("shot at 10, which could become 100") << wire("/fire|10") << Messages{} << Message(Fire{10});
    QTest::newRow("shot, then chat") << wire("/fire|37/msg|bob|hi there") << Messages{kShot} << kChat;
    QTest::newRow("chat, then fleet with an empty name")
        << wire("/msg|bob|hi there/placeships|1|3|5|7|9|") << Messages{kChat} << Message(PlaceShips{{1, 3, 5, 7, 9}, ""});
}

void TestMessageReader::endsAMessageWhenTheNextBeginsOrOnceQuiet()
{
    QFETCH(QByteArray, arrival);
    QFETCH(Messages, atOnce);
    QFETCH(Message, onceQuiet);

    MessageReader reader;
    QCOMPARE(reader.quietDeadline(), std::nullopt);
    QCOMPARE(reader.feed(arrival, kStartMs).messages, atOnce);
    QCOMPARE(reader.quietDeadline(), kStartMs + MessageReader::kQuietMs);
    QCOMPARE(reader.quietCheck(kStartMs + MessageReader::kQuietMs - 1).messages, Messages{});
    QCOMPARE(reader.quietCheck(kStartMs + MessageReader::kQuietMs).messages, Messages{onceQuiet});
    QCOMPARE(reader.quietDeadline(), std::nullopt);
}

void TestMessageReader::reassemblesAStreamCutAnywhere_data()
{
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<qint64>("gapMs");
    QTest::addColumn<Messages>("messages");

    // Cut once at every byte with a short gap; between messages also with a quiet one.
    const std::vector<std::pair<const char *, Messages>> streams{
        {"fleet, chat", {kFleet, kChat}},
        {"shot, end", {kShot, kEnd}},
        {"end, shot", {kEnd, kShot}},
        {"chat, shot", {kChat, kShot}},
        {"command words in names", {Chat{"Sam/fire", "55"}, PlaceShips{{1, 3, 5, 7, 9}, "Zed/msg"}, kShot}},
        {"empty last fields", {Chat{"", ""}, PlaceShips{{1, 3, 5, 7, 9}, ""}, Chat{"bob", ""}}},
    };
    for (const auto &[name, messages] : streams) {
        QByteArray stream;
        std::vector<qsizetype> ends;
        for (const Message &message : messages)
            ends.push_back((stream += Protocol::encode(message)).size());
        for (qsizetype cut = 1; cut < stream.size(); ++cut) {
            const QByteArrayList arrivals{stream.first(cut), stream.sliced(cut)};
            QTest::addRow("%s, cut at %d", name, int(cut)) << arrivals << qint64(1) << messages;
            if (std::find(ends.begin(), ends.end(), cut) != ends.end())
                QTest::addRow("%s, quiet at %d", name, int(cut)) << arrivals << MessageReader::kQuietMs << messages;
        }
    }
    // Any pause where the bytes are no whole message yet; a resent segment's inside a last field.
    QTest::newRow("1 s inside a command word") << wires({"/fi", "re|96"}) << qint64(1000) << Messages{Fire{96}};
    QTest::newRow("1 s before a separator") << wires({"/fire", "|96"}) << qint64(1000) << Messages{Fire{96}};
    QTest::newRow("1 s inside the fleet's first number")
        << wires({"/placeships|1", "1|3|5|7|9|Ann"}) << qint64(1000) << Messages{PlaceShips{{11, 3, 5, 7, 9}, "Ann"}};
    QTest::newRow("1 s inside a chat name") << wires({"/msg|Bo", "b|hi"}) << qint64(1000) << Messages{Chat{"Bob", "hi"}};
    QTest::newRow("200 ms inside a shot at 100") << wires({"/fire|1", "00"}) << qint64(200) << Messages{Fire{100}};
    QTest::newRow("200 ms inside a chat text") << wires({"/msg|Bob|hel", "lo"}) << qint64(200) << Messages{Chat{"Bob", "hello"}};
}

void TestMessageReader::reassemblesAStreamCutAnywhere()
{
    QFETCH(QByteArrayList, arrivals);
    QFETCH(qint64, gapMs);
    QFETCH(Messages, messages);

    MessageReader reader;
    const MessageReader::Result result = readAll(reader, arrivals, gapMs);
    QCOMPARE(result.messages, messages);
    QCOMPARE(result.rejected, 0);
    QVERIFY(!result.overflow);
    QCOMPARE(reader.buffered(), 0);
}

void TestMessageReader::endsAMessageNoDigitCouldExtendAtOnce_data()
{
    QTest::addColumn<QByteArray>("arrival");
    QTest::addColumn<Messages>("atOnce");
    QTest::newRow("shot at 37") << wire("/fire|37") << Messages{kShot};
    QTest::newRow("shot at 100") << wire("/fire|100") << Messages{Fire{100}};
    QTest::newRow("shot, then end") << wire("/fire|37/gameover|1") << Messages{kShot, kEnd};
    QTest::newRow("end, then a word begun") << wire("/gameover|1/ga") << Messages{kEnd};
}

void TestMessageReader::endsAMessageNoDigitCouldExtendAtOnce()
{
    QFETCH(QByteArray, arrival);
    QFETCH(Messages, atOnce);
    MessageReader reader;
    QCOMPARE(reader.feed(arrival, kStartMs).messages, atOnce);
    QCOMPARE(reader.quietDeadline(), std::nullopt);
}

void TestMessageReader::readsAFieldThatArrivesOneByteAtATime()
{
    MessageReader reader;
    const QByteArray name(60000, 'n');
    qint64 now = kStartMs;
    QVERIFY(reader.feed(wire("/msg|"), now).messages.empty());
    for (const char byte : name) {
        const auto result = reader.feed(QByteArray(1, byte), ++now);
        QVERIFY(result.messages.empty() && result.rejected == 0 && !result.overflow);
    }
    QVERIFY(reader.feed(wire("|hi"), ++now).messages.empty());
    const auto result = reader.quietCheck(now + MessageReader::kQuietMs);
    QCOMPARE(result.messages, (Messages{Chat{QString::fromLatin1(name), "hi"}}));
    QCOMPARE(reader.buffered(), 0);
}

void TestMessageReader::overflowsOnlyPastTheLimit_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<qsizetype>("pieceSize");
    QTest::addColumn<bool>("overflow");

    constexpr qsizetype kLongest = MessageReader::kMaxMessage;
    QTest::newRow("longest chat in one arrival") << kLongest << 2 * kLongest << false;
    QTest::newRow("longest chat, next word cut") << kLongest << kLongest + 3 << false;
    QTest::newRow("longest chat in pieces of 1 KiB") << kLongest << qsizetype(1024) << false;
    QTest::newRow("a byte longer in one arrival") << kLongest + 1 << 2 * kLongest << true;
    QTest::newRow("a byte longer in pieces of 1 KiB") << kLongest + 1 << qsizetype(1024) << true;
}

void TestMessageReader::overflowsOnlyPastTheLimit()
{
    QFETCH(qsizetype, size);
    QFETCH(qsizetype, pieceSize);
    QFETCH(bool, overflow);

    const QByteArray start = wire("/msg|bob|");
    const Message line = Chat{"bob", QString(size - start.size(), 'a')};
    MessageReader reader;
    const MessageReader::Result result = readAll(reader, pieces(Protocol::encode(line) + wire("/fire|5"), pieceSize));
    QCOMPARE(result.overflow, overflow);
    QCOMPARE(result.messages, overflow ? Messages{} : (Messages{line, Fire{5}}));
    QCOMPARE(reader.buffered(), 0);
}

void TestMessageReader::overflowsAfterTheLimitOfGarbageInSmallPieces()
{
    // No command word and separator anywhere, but plenty of their beginnings.
    const QByteArray pattern = wire("/fir/ms|junk/gameove|x/placeship/");
    QByteArray piece;
    while (piece.size() < 1024)
        piece += pattern;
    piece.truncate(1024);

    MessageReader reader;
    int firstOverflow = -1;
    int overflows = 0;
    for (int i = 0; i < 2100; ++i) {
        const auto result = reader.feed(piece, kStartMs + i);
        QVERIFY(result.messages.empty());
        QVERIFY(reader.buffered() <= MessageReader::kMaxBuffered);
        if (result.overflow) {
            QCOMPARE(reader.buffered(), 0);
            if (firstOverflow < 0)
                firstOverflow = i;
            ++overflows;
        }
    }
    QCOMPARE(firstOverflow, 1024); // 1025 KiB is the first amount over 1 MiB
    QCOMPARE(overflows, 2100 / 1025);

    reader.reset();
    QCOMPARE(readAll(reader, wires({"/fire|5"})).messages, Messages{Fire{5}});
}

void TestMessageReader::rejectedMessagesCountTowardOverflowUntilAGoodOne()
{
    const QByteArray bad = wire("/fire|0");
    MessageReader flooded;
    QVERIFY(flooded.feed(bad.repeated(150000), kStartMs).overflow);
    QCOMPARE(flooded.buffered(), 0);

    MessageReader interrupted;
    const QByteArray half = bad.repeated(140000);
    const auto result = readAll(interrupted, {half + wire("/fire|5") + half + wire("/fire|6")});
    QVERIFY(!result.overflow);
    QCOMPARE(result.messages, (Messages{Fire{5}, Fire{6}}));
    QCOMPARE(result.rejected, 280000);
}

QTEST_GUILESS_MAIN(TestMessageReader)
#include "test_message_reader.moc"
