// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBytes.h"

#include "net/Protocol.h"

#include <QTest>

using Protocol::Chat;
using Protocol::Fire;
using Protocol::GameOver;
using Protocol::Message;
using Protocol::PlaceShips;

class TestProtocol : public QObject
{
    Q_OBJECT

private slots:
    void encodesEachMessageByteForByte_data();
    void encodesEachMessageByteForByte();
    void decodesWellFormedMessages_data();
    void decodesWellFormedMessages();
    void rejectsMalformedMessages_data();
    void rejectsMalformedMessages();
};

void TestProtocol::encodesEachMessageByteForByte_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("shot at 37 is eight bytes") << Message(Fire{37}) << QByteArray("/fire\xB6" "37");
    QTest::newRow("shot at 100") << Message(Fire{100}) << QByteArray("/fire\xB6" "100");
    QTest::newRow("end is eleven bytes") << Message(GameOver{"1"}) << QByteArray("/gameover\xB6" "1");
    QTest::newRow("fleet") << Message(PlaceShips{{1, 3, 5, 7, 9}, "Ann"})
                           << QByteArray("/placeships\xB6" "1\xB6" "3\xB6" "5\xB6" "7\xB6" "9\xB6" "Ann");
    QTest::newRow("chat") << Message(Chat{"bob", " hi there"}) << QByteArray("/msg\xB6" "bob\xB6" " hi there");
    QTest::newRow("Latin-1 is one byte") << Message(Chat{QString::fromUtf8("Zoë"), QString::fromUtf8("½")})
                                         << QByteArray("/msg\xB6" "Zo\xEB\xB6\xBD");
    QTest::newRow("outside Latin-1 is '?'")
        << Message(Chat{QString::fromUtf8("€"), QString::fromUtf8("a\U0001F600b")}) << QByteArray("/msg\xB6?\xB6" "a?b");
    // Typed text never becomes protocol: "gg" S "/gameover" S "1" would end the game.
    QTest::newRow("separator in chat text") << Message(Chat{"bob", QString::fromUtf8("gg¶/gameover¶1")})
                                            << QByteArray("/msg\xB6" "bob\xB6" "gg?/gameover?1");
    QTest::newRow("separator in chat name") << Message(Chat{QString::fromUtf8("b¶b"), "hi"})
                                            << QByteArray("/msg\xB6" "b?b\xB6" "hi");
    QTest::newRow("separator in fleet name") << Message(PlaceShips{{1, 3, 5, 7, 9}, QString::fromUtf8("¶Ann")})
                                             << QByteArray("/placeships\xB6" "1\xB6" "3\xB6" "5\xB6" "7\xB6" "9\xB6" "?Ann");
}

void TestProtocol::encodesEachMessageByteForByte()
{
    QFETCH(Message, message);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Protocol::encode(message), bytes);
}

void TestProtocol::decodesWellFormedMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Message>("message");

    QTest::newRow("shot") << wire("/fire|37") << Message(Fire{37});
    QTest::newRow("shot with leading zeros") << wire("/fire|00042") << Message(Fire{42});
    QTest::newRow("end") << wire("/gameover|1") << Message(GameOver{"1"});
    QTest::newRow("end with another value") << wire("/gameover|2") << Message(GameOver{"2"});
    QTest::newRow("fleet on the last rows")
        << wire("/placeships|90|79|68|57|46|Ann") << Message(PlaceShips{{90, 79, 68, 57, 46}, "Ann"});
    QTest::newRow("chat") << wire("/msg|bob|hello") << Message(Chat{"bob", "hello"});
    QTest::newRow("empty chat text") << wire("/msg|bob|") << Message(Chat{"bob", ""});
    QTest::newRow("Latin-1 text") << QByteArray("/msg\xB6Zo\xEB\xB6x") << Message(Chat{QString::fromUtf8("Zoë"), "x"});
}

void TestProtocol::decodesWellFormedMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Message, message);
    const auto decoded = Protocol::decode(bytes);
    QVERIFY(decoded.has_value());
    QCOMPARE(*decoded, message);
}

void TestProtocol::rejectsMalformedMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("unknown command") << wire("/shoot|5");
    QTest::newRow("command in other case") << wire("/Fire|5");
    QTest::newRow("command without separator") << wire("/fire");
    QTest::newRow("shot without cell") << wire("/fire|");
    QTest::newRow("fleet without name") << wire("/placeships|1|2|3|4|5");
    QTest::newRow("chat without text") << wire("/msg|bob");
    QTest::newRow("end without field") << wire("/gameover");
    QTest::newRow("cell 0") << wire("/fire|0");
    QTest::newRow("cell 101") << wire("/fire|101");
    QTest::newRow("cell -1") << wire("/fire|-1");
    QTest::newRow("cell +5") << wire("/fire|+5");
    QTest::newRow("cell 3x") << wire("/fire|3x");
    QTest::newRow("cell with space") << wire("/fire| 5");
    QTest::newRow("cell of six digits") << wire("/fire|000005");
    QTest::newRow("huge cell") << wire("/fire|99999999999999999999");
    QTest::newRow("fleet start 0") << wire("/placeships|0|2|3|4|5|Ann");
    QTest::newRow("fleet start not a number") << wire("/placeships|1|2|x|4|5|Ann");
    QTest::newRow("destroyer runs off the board") << wire("/placeships|91|2|3|4|5|Ann");
    QTest::newRow("battleship runs off the board") << wire("/placeships|1|2|3|4|51|Ann");
    QTest::newRow("ships overlap") << wire("/placeships|1|11|3|4|5|Ann");
    QTest::newRow("ships overlap further down") << wire("/placeships|1|2|3|4|44|Ann");
}

void TestProtocol::rejectsMalformedMessages()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!Protocol::decode(bytes).has_value());
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "test_protocol.moc"
