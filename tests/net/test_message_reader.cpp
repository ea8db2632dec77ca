#include "MessageBytes.h"

#include "net/MessageReader.h"

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

// Where the last field of an encoded message begins.
qsizetype lastFieldStart(const QByteArray &bytes)
{
    return bytes.lastIndexOf(Protocol::kSeparator) + 1;
}

} // namespace

class TestMessageReader : public QObject
{
    Q_OBJECT

private slots:
    void readsWholeArrivals_data();
    void readsWholeArrivals();
    void reassemblesMessagesSplitInTwo_data();
    void reassemblesMessagesSplitInTwo();
    void takesALastFieldAsFarAsItArrived();
    void readsAFieldThatArrivesOneByteAtATime();
    void overflowsAfter64KiBOfGarbageInSmallPieces();
    void rejectedMessagesCountTowardOverflowUntilAGoodOne();
    void overflowsOnAMessageLongerThanTheLimit();
};

void TestMessageReader::readsWholeArrivals_data()
{
    QTest::addColumn<QByteArray>("arrival");
    QTest::addColumn<Messages>("messages");
    QTest::addColumn<int>("rejected");
    QTest::addColumn<int>("buffered");

    QTest::newRow("fleet") << Protocol::encode(kFleet) << Messages{kFleet} << 0 << 0;
    QTest::newRow("shot") << Protocol::encode(kShot) << Messages{kShot} << 0 << 0;
    QTest::newRow("end") << Protocol::encode(kEnd) << Messages{kEnd} << 0 << 0;
    QTest::newRow("chat") << Protocol::encode(kChat) << Messages{kChat} << 0 << 0;
    QTest::newRow("shot and end in one arrival") << wire("/fire|37/gameover|1") << Messages{kShot, kEnd} << 0 << 0;
    QTest::newRow("fleet and chat in one arrival")
        << Protocol::encode(kFleet) + Protocol::encode(kChat) << Messages{kFleet, kChat} << 0 << 0;
    QTest::newRow("chat text cut at a separator") << wire("/msg|bob|a|b") << Messages{Chat{"bob", "a"}} << 0 << 0;
    QTest::newRow("fleet name cut at a separator")
        << wire("/placeships|1|3|5|7|9|An|n") << Messages{PlaceShips{{1, 3, 5, 7, 9}, "An"}} << 0 << 0;
    QTest::newRow("chat name cut at a separator") << wire("/msg|bo|b|hi") << Messages{Chat{"bo", "b"}} << 0 << 0;
    QTest::newRow("end with another value") << wire("/gameover|2") << Messages{GameOver{"2"}} << 0 << 0;
    QTest::newRow("garbage before a message") << wire("hello|/fire|5") << Messages{Fire{5}} << 1 << 0;
    QTest::newRow("only garbage") << wire("hello|world") << Messages{} << 1 << 0;
    QTest::newRow("unknown command spoils the message before it")
        << wire("/fire|5/shoot|3/fire|6") << Messages{Fire{6}} << 1 << 0;
    QTest::newRow("bad cell dropped, next shot read") << wire("/fire|0/fire|7") << Messages{Fire{7}} << 1 << 0;
    QTest::newRow("overlapping fleet") << wire("/placeships|1|11|5|7|9|Ann") << Messages{} << 1 << 0;
    QTest::newRow("missing field before next message")
        << wire("/msg|bob/fire|3") << Messages{Fire{3}} << 1 << 0;
    QTest::newRow("incomplete message waits") << wire("/msg|bob") << Messages{} << 0 << 8;
    QTest::newRow("empty last field waits") << wire("/fire|") << Messages{} << 0 << 6;
    QTest::newRow("start of a command word waits") << wire("/fi") << Messages{} << 0 << 3;
    QTest::newRow("garbage before the start of a command word") << wire("xx/fi") << Messages{} << 1 << 3;
    QTest::newRow("free text keeps a trailing slash") << wire("/msg|bob|:-/") << Messages{Chat{"bob", ":-/"}} << 0 << 0;
    QTest::newRow("shot holds back what may be the next command")
        << wire("/fire|37/game") << Messages{kShot} << 0 << 5;
}

void TestMessageReader::readsWholeArrivals()
{
    QFETCH(QByteArray, arrival);
    QFETCH(Messages, messages);
    QFETCH(int, rejected);
    QFETCH(int, buffered);

    MessageReader reader;
    const MessageReader::Result result = reader.feed(arrival);
    QCOMPARE(result.messages, messages);
    QCOMPARE(result.rejected, rejected);
    QVERIFY(!result.overflow);
    QCOMPARE(reader.buffered(), buffered);
}

void TestMessageReader::reassemblesMessagesSplitInTwo_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<Messages>("messages");

    // Any cut before a message's last field begins, or between two messages, must be
    // undone. Free text is only ever last here: bytes after it could belong to it.
    const std::vector<std::pair<const char *, Messages>> streams{
        {"fleet", {kFleet}}, {"shot", {kShot}}, {"end", {kEnd}}, {"chat", {kChat}},
        {"shot then end", {kShot, kEnd}}, {"end then shot", {kEnd, kShot}},
        {"shot then fleet", {kShot, kFleet}}, {"shot then chat", {kShot, kChat}},
    };
    for (const auto &[name, messages] : streams) {
        QByteArray stream;
        std::vector<qsizetype> cuts;
        for (const Message &message : messages) {
            const QByteArray bytes = Protocol::encode(message);
            for (qsizetype cut = std::max<qsizetype>(stream.size(), 1); cut <= stream.size() + lastFieldStart(bytes); ++cut)
                cuts.push_back(cut);
            stream += bytes;
        }
        for (const qsizetype cut : cuts)
            QTest::addRow("%s, cut at %d", name, int(cut)) << stream.first(cut) << stream.sliced(cut) << messages;
    }
}

void TestMessageReader::reassemblesMessagesSplitInTwo()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(Messages, messages);

    MessageReader reader;
    MessageReader::Result result = reader.feed(first);
    const MessageReader::Result rest = reader.feed(second);
    result.messages.insert(result.messages.end(), rest.messages.begin(), rest.messages.end());
    QCOMPARE(result.messages, messages);
    QCOMPARE(result.rejected + rest.rejected, 0);
    QVERIFY(!result.overflow && !rest.overflow);
    QCOMPARE(reader.buffered(), 0);
}

void TestMessageReader::takesALastFieldAsFarAsItArrived()
{
    MessageReader reader;
    const auto first = reader.feed(wire("/fire|3"));
    QCOMPARE(first.messages, Messages{Fire{3}});
    const auto second = reader.feed("7");
    QVERIFY(second.messages.empty());
    QCOMPARE(second.rejected, 1);
}

void TestMessageReader::readsAFieldThatArrivesOneByteAtATime()
{
    MessageReader reader;
    const QByteArray name(60000, 'n');
    QVERIFY(reader.feed(wire("/msg|")).messages.empty());
    for (const char byte : name) {
        const auto result = reader.feed(QByteArray(1, byte));
        QVERIFY(result.messages.empty() && result.rejected == 0 && !result.overflow);
    }
    const auto result = reader.feed(wire("|hi"));
    QCOMPARE(result.messages, (Messages{Chat{QString::fromLatin1(name), "hi"}}));
    QCOMPARE(reader.buffered(), 0);
}

void TestMessageReader::overflowsAfter64KiBOfGarbageInSmallPieces()
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
    for (int i = 0; i < 1024; ++i) {
        const auto result = reader.feed(piece);
        QVERIFY(result.messages.empty());
        QVERIFY(reader.buffered() <= MessageReader::kMaxBuffered);
        if (result.overflow) {
            QCOMPARE(reader.buffered(), 0);
            if (firstOverflow < 0)
                firstOverflow = i;
            ++overflows;
        }
    }
    QCOMPARE(firstOverflow, 64); // 65 KiB is the first amount over 64 KiB
    QCOMPARE(overflows, 1024 / 65);

    reader.reset();
    QCOMPARE(reader.feed(wire("/fire|5")).messages, Messages{Fire{5}});
}

void TestMessageReader::rejectedMessagesCountTowardOverflowUntilAGoodOne()
{
    const QByteArray bad = wire("/fire|0");
    MessageReader flooded;
    const auto flood = flooded.feed(bad.repeated(10000));
    QVERIFY(flood.overflow);
    QCOMPARE(flooded.buffered(), 0);

    MessageReader interrupted;
    const QByteArray half = bad.repeated(9000);
    const auto result = interrupted.feed(half + wire("/fire|5") + half + wire("/fire|6"));
    QVERIFY(!result.overflow);
    QCOMPARE(result.messages, (Messages{Fire{5}, Fire{6}}));
    QCOMPARE(result.rejected, 18000);
}

void TestMessageReader::overflowsOnAMessageLongerThanTheLimit()
{
    MessageReader reader;
    const QByteArray start = wire("/msg|bob");
    QVERIFY(!reader.feed(start).overflow);
    const auto result = reader.feed(QByteArray(MessageReader::kMaxBuffered, 'a') + wire("|text"));
    QVERIFY(result.overflow);
    QVERIFY(result.messages.empty());
    QCOMPARE(reader.buffered(), 0);
}

QTEST_GUILESS_MAIN(TestMessageReader)
#include "test_message_reader.moc"
