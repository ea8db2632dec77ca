// SPDX-License-Identifier: GPL-3.0-or-later
// Two game windows in one process, server and client over loopback on port 1987,
// and a raw socket standing in for a hostile or vanishing opponent.

#include "FreePort.h"
#include "UiHarness.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

const QByteArray S("\xB6", 1);

std::unique_ptr<frmMain> loggedInWindow(const QTemporaryDir &dir, const QString &name,
                                        bool reveal = false)
{
    auto window = openGame(dir.filePath(name + QStringLiteral(".txt")));
    if (reveal) {
        click(*window, QStringLiteral("cmdAbout"));
        QTest::mouseDClick(control(*window, QStringLiteral("imgAbout1")), Qt::LeftButton);
        click(*window, QStringLiteral("cmdAboutOK"));
    }
    createAndLogIn(*window, name, QStringLiteral("pw"));
    return window;
}

void listenAsServer(const frmMain &window)
{
    click(window, QStringLiteral("optGameType1"));
    click(window, QStringLiteral("cmdNext"));
}

void connectAsClient(const frmMain &window)
{
    click(window, QStringLiteral("optGameType2"));
    click(window, QStringLiteral("cmdNext"));
    typeInto(window, QStringLiteral("txtMultiplayerClientHostConnect"), QStringLiteral("127.0.0.1"));
    click(window, QStringLiteral("cmdMultiplayerClientStartGame"));
}

QStringList chatLines(const frmMain &window)
{
    return control<QPlainTextEdit>(window, QStringLiteral("txtChatBoxMsgs"))
        ->toPlainText()
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString lastChatLine(const frmMain &window)
{
    const QStringList lines = chatLines(window);
    return lines.isEmpty() ? QString() : lines.last();
}

void say(const frmMain &window, const QString &text)
{
    typeInto(window, QStringLiteral("txtChatBox"), text);
    pressEnter(window, QStringLiteral("txtChatBox"));
}

std::vector<int> shipCells(const Fleet &fleet)
{
    std::vector<int> cells;
    for (int cell = 1; cell <= 100; ++cell)
        for (int slot = 1; slot <= 5; ++slot)
            if (fleet[slot].cShipIsHit(qint16(cell))) {
                cells.push_back(cell);
                break;
            }
    return cells;
}

int firstWaterCell(const Fleet &fleet, const ShotRecord &shots)
{
    for (int cell = 1; cell <= 100; ++cell) {
        bool ship = false;
        for (int slot = 1; slot <= 5; ++slot)
            ship = ship || fleet[slot].cShipIsHit(qint16(cell));
        if (!ship && !shots.isSet(cell))
            return cell;
    }
    return 0;
}

QByteArray readFromPeer(QTcpSocket &peer, qsizetype bytes)
{
    QByteArray received;
    if (!QTest::qWaitFor([&] { return (received += peer.readAll()).size() >= bytes; }, 5000))
        qWarning("only %lld of %lld bytes arrived", qlonglong(received.size()), qlonglong(bytes));
    return received;
}

} // namespace

class NetworkGameTest : public QObject
{
    Q_OBJECT

private:
    // A server window in placement with a raw socket for its opponent.
    std::unique_ptr<frmMain> serverWithRawPeer(QTcpSocket &peer)
    {
        auto server = loggedInWindow(mDir, QStringLiteral("Host"));
        listenAsServer(*server);
        peer.connectToHost(QHostAddress::LocalHost, 1987);
        [&] { QVERIFY(peer.waitForConnected(5000)); }();
        [&] { QTRY_COMPARE(server->flow().state().gGamePhase, 2); }();
        return server;
    }
    // The same, with both fleets down and the battle begun.
    std::unique_ptr<frmMain> serverInBattleWithRawPeer(QTcpSocket &peer)
    {
        auto server = serverWithRawPeer(peer);
        placeFleetInFirstColumns(*server); // the Destroyer lies on 5 and 15
        click(*server, QStringLiteral("cmdFinishPlacingShips"));
        peer.write("/placeships" + S + "1" + S + "2" + S + "3" + S + "4" + S + "5" + S + "Eve");
        [&] { QTRY_COMPARE(server->flow().state().gGamePhase, 3); }();
        return server;
    }
    QTemporaryDir mDir;

private slots:
    void initTestCase() { requireFreePort(Protocol::kPort); }
    void twoPlayersPlayAWholeGame_data()
    {
        QTest::addColumn<bool>("serverFinishesFirst");
        QTest::newRow("server finishes first") << true;
        QTest::newRow("client finishes first") << false;
    }
    void twoPlayersPlayAWholeGame()
    {
        QFETCH(bool, serverFinishesFirst);
        MessageBoxWatcher boxes;
        auto server = loggedInWindow(mDir, QStringLiteral("Sally"));
        auto client = loggedInWindow(mDir, QStringLiteral("Clark"), true);
        listenAsServer(*server);
        connectAsClient(*client);
        QTRY_COMPARE(server->flow().state().gGamePhase, 2);
        QTRY_COMPARE(client->flow().state().gGamePhase, 2);
        QCOMPARE(control<QLabel>(*server, QStringLiteral("lblMultiplayerServerStatus"))->text(),
                 QStringLiteral("Status: Connected"));
        for (const frmMain *side : {server.get(), client.get()}) {
            QVERIFY(visible(*side, QStringLiteral("txtChatBox")));
            QVERIFY(visible(*side, QStringLiteral("picContainerShipPlace")));
            QCOMPARE(statusText(*side), QStringLiteral("Place Your Ships"));
        }

        say(*client, QStringLiteral("/slap"));
        QCOMPARE(lastChatLine(*client), QStringLiteral("Clark slapped Opponent"));
        QTRY_COMPARE(chatLines(*server).value(0), QStringLiteral("Clark slapped you!"));

        frmMain &first = serverFinishesFirst ? *server : *client;
        frmMain &second = serverFinishesFirst ? *client : *server;
        placeFleetInFirstColumns(first);
        click(first, QStringLiteral("cmdFinishPlacingShips"));
        QCOMPARE(statusText(first), QStringLiteral("Waiting for Opponent... (Opponent)"));
        QVERIFY(!control(first, QStringLiteral("cmdFinishPlacingShips"))->isEnabled());
        QTRY_VERIFY(second.flow().state().gOpponentShipsPlaced);
        if (&second == client.get()) // reveal mode draws the received fleet at once
            QCOMPARE(client->flow().player2Grid().cell(1).kind, CellPicture::Kind::ShipSegment);
        for (int column = 6; column <= 10; ++column)
            pressCell(second, QStringLiteral("imgPlayer1Grid"), column);
        click(second, QStringLiteral("cmdFinishPlacingShips"));
        QTRY_COMPARE(first.flow().state().gGamePhase, 3);
        QCOMPARE(second.flow().state().gGamePhase, 3);
        QCOMPARE(statusText(*server), QStringLiteral("Game Ready... Your Turn (Sally)"));
        QCOMPARE(statusText(*client), QStringLiteral("Game Ready... Opponents Turn (Sally)"));
        QCOMPARE(server->flow().state().gOpponentName, QStringLiteral("Clark"));

        say(*server, QStringLiteral("ready?"));
        QTRY_COMPARE(lastChatLine(*client), QStringLiteral("Sally: ready?"));
        say(*client, QStringLiteral("/slap"));
        QTRY_COMPARE(lastChatLine(*server), QStringLiteral("Clark slapped you!"));

        // The server sinks the client's fleet; the client only ever hits water.
        QStringList clientCues;
        client->modSound().setListener([&](const QString &cue) { clientCues << cue; });
        const std::vector<int> targets = shipCells(server->flow().state().gOpponentShips);
        for (size_t shot = 0; shot < targets.size(); ++shot) {
            QTRY_VERIFY(server->flow().state().gMyTurn);
            pressCell(*server, QStringLiteral("imgPlayer2Grid"), targets[shot]);
            if (shot + 1 == targets.size())
                break;
            QCOMPARE(statusText(*server), QStringLiteral("Opponents Turn (Clark)"));
            QTRY_COMPARE(statusText(*client), QStringLiteral("Your Turn"));
            pressCell(*client, QStringLiteral("imgPlayer2Grid"),
                      firstWaterCell(client->flow().state().gOpponentShips, client->flow().state().gOpponentShots));
        }
        QCOMPARE(statusText(*server), QStringLiteral("You Won"));
        QTRY_COMPARE(statusText(*client), QStringLiteral("Opponent Won"));
        QCOMPARE(client->flow().state().gPlayerShots.count(), 20); // the winning shot came before the end
        QTRY_VERIFY(boxes.texts().contains(QStringLiteral("Game Over. You Lose")));
        QVERIFY(boxes.texts().contains(QStringLiteral("Game Over. You Win.")));
        QTRY_VERIFY(!clientCues.isEmpty() && clientCues.last() == QStringLiteral("youlose"));
        QVERIFY(visible(*client, QStringLiteral("cmdMainMenu")));
        QVERIFY(visible(*server, QStringLiteral("cmdMainMenu")));
        QCOMPARE(client->flow().state().gGamePhase, 1);
    }

    void theGameSendsExactBytes()
    {
        QTcpSocket peer;
        auto server = serverWithRawPeer(peer);
        placeFleetInFirstColumns(*server);
        click(*server, QStringLiteral("cmdFinishPlacingShips"));
        // Ship numbers 1..5 in order: the Destroyer went down last, in column 5.
        QCOMPARE(readFromPeer(peer, 26),
                 "/placeships" + S + "5" + S + "4" + S + "3" + S + "2" + S + "1" + S + "Host");
        peer.write("/placeships" + S + "6" + S + "7" + S + "8" + S + "9" + S + "10" + S + "Eve");
        QTRY_COMPARE(server->flow().state().gGamePhase, 3);
        QCOMPARE(server->flow().state().gOpponentName, QStringLiteral("Eve"));
        pressCell(*server, QStringLiteral("imgPlayer2Grid"), 37);
        QCOMPARE(readFromPeer(peer, 8), "/fire" + S + "37");
        say(*server, QStringLiteral(" hi there"));
        QCOMPARE(readFromPeer(peer, 19), "/msg" + S + "Host" + S + " hi there");
        say(*server, QStringLiteral("   ")); // empty: nothing goes out
        control<QLineEdit>(*server, QStringLiteral("txtChatBox"))->setText(QStringLiteral("\t"));
        pressEnter(*server, QStringLiteral("txtChatBox")); // a tab is text
        QCOMPARE(readFromPeer(peer, 11), "/msg" + S + "Host" + S + "\t");
        // Each line starts a fresh entry: the keys of lines already sent are not kept.
        QVERIFY(!control<QLineEdit>(*server, QStringLiteral("txtChatBox"))->isUndoAvailable());
        // Typed text never becomes protocol: a separator goes out, and shows, as '?'.
        say(*server, QString::fromUtf8("gg¶/gameover¶1"));
        QCOMPARE(readFromPeer(peer, 24), "/msg" + S + "Host" + S + "gg?/gameover?1");
        QCOMPARE(lastChatLine(*server), QStringLiteral("Host: gg?/gameover?1"));
    }

    void messagesSurviveAnyWayTheStreamIsCut()
    {
        QTcpSocket peer;
        auto server = serverWithRawPeer(peer);
        // Two messages in one write.
        peer.write("/msg" + S + "Eve" + S + "one" + "/msg" + S + "Eve" + S + "two");
        QTRY_COMPARE(chatLines(*server), QStringList({"Eve: one", "Eve: two"}));
        // One message in two writes.
        peer.write("/msg" + S + "Ev");
        peer.flush();
        QTest::qWait(10); // well within the quiet time that would end it
        peer.write("e" + S + "three");
        QTRY_COMPARE(chatLines(*server).value(2), QStringLiteral("Eve: three"));
        QCOMPARE(chatLines(*server).size(), 3);
        // A separator inside the text cuts it.
        peer.write("/msg" + S + "Eve" + S + "cut" + S + "off");
        QTRY_COMPARE(chatLines(*server).value(3), QStringLiteral("Eve: cut"));
        // Rich text stays plain.
        peer.write("/msg" + S + "<b>Eve</b>" + S + "<i>x</i>");
        QTRY_COMPARE(chatLines(*server).value(4), QStringLiteral("<b>Eve</b>: <i>x</i>"));
        // A line break cannot start a line that reads like the game's own note.
        peer.write("/msg" + S + "E\nve" + S + "hi\r\n(A message from the opponent was rejected.)");
        QTRY_COMPARE(chatLines(*server).value(5),
                     QStringLiteral("E\u240ave: hi\u240d\u240a(A message from the opponent was rejected.)"));
        // An invisible character cannot make one name pass for another.
        peer.write("/msg" + S + "E\xadve" + S + "hi\xad");
        QTRY_COMPARE(chatLines(*server).value(6), QStringLiteral("E\ufffdve: hi\ufffd"));
        QCOMPARE(chatLines(*server).size(), 7);
    }

    // While "Game Over. You Lose" is up the game stops reading once it holds its bound,
    // so a flooding peer is held back by TCP; once the box closes, all of it is shown.
    void aFloodBehindAMessageBoxWaitsInTheKernel()
    {
        QTcpSocket peer;
        auto server = serverInBattleWithRawPeer(peer);
        const QByteArray line = "/msg" + S + "Eve" + S + QByteArray(60 * 1024, 'f');
        constexpr int kLines = 512; // 30 MiB, far beyond what the kernel buffers
        QElapsedTimer boxUp;
        qint64 unsentWhileUp = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!boxUp.isValid()) {
                boxUp.start();
                for (int i = 0; i < kLines; ++i)
                    peer.write(line);
                peer.write("/msg" + S + "Eve" + S + "last");
            } else if (boxUp.elapsed() > 1000) {
                unsentWhileUp = peer.bytesToWrite();
                box->accept();
            }
        });
        poll.start(5);
        peer.write("/gameover" + S + "1");
        QTRY_VERIFY_WITH_TIMEOUT(unsentWhileUp >= 0, 10000);
        QVERIFY2(unsentWhileUp > 8 * 1024 * 1024, qPrintable(QString::number(unsentWhileUp)));
        QTRY_COMPARE_WITH_TIMEOUT(lastChatLine(*server), QStringLiteral("Eve: last"), 30000);
    }

    void hostileMessagesAreRejectedAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("unknown command") << QByteArray("/nuke" + S + "1" + "/fire" + S + "50"); // ended by the next
        QTest::newRow("fire without a number") << QByteArray("/fire" + S + "x7" + "/msg" + S);
        QTest::newRow("cell 0") << QByteArray("/fire" + S + "0");
        QTest::newRow("cell 101") << QByteArray("/fire" + S + "101");
        QTest::newRow("cell far out") << QByteArray("/fire" + S + "4294967297");
        QTest::newRow("ship off the board") << QByteArray("/placeships" + S + "95" + S + "2" + S + "3"
                                                          + S + "4" + S + "5" + S + "Eve");
        QTest::newRow("ships overlap") << QByteArray("/placeships" + S + "1" + S + "1" + S + "3"
                                                     + S + "4" + S + "5" + S + "Eve");
        QTest::newRow("fleet cut short by a shot") << QByteArray("/placeships" + S + "1" + S + "2" + S + "3"
                                                                 + S + "4" + S + "5" + "/fire" + S + "50");
        QTest::newRow("shot while placing") << QByteArray("/fire" + S + "50");
        QTest::newRow("end while placing") << QByteArray("/gameover" + S + "1");
    }
    void hostileMessagesAreRejectedAndChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QTcpSocket peer;
        auto server = serverWithRawPeer(peer);
        peer.write(bytes);
        QTRY_COMPARE(chatLines(*server), QStringList({"(A message from the opponent was rejected.)"}));
        QVERIFY(!server->flow().state().gOpponentShipsPlaced);
        QCOMPARE(server->flow().state().gPlayerShots.count(), 0);
        for (int cell = 1; cell <= 100; ++cell)
            QCOMPARE(server->flow().player1Grid().cell(cell), CellPicture::water());
        QCOMPARE(server->flow().state().gGamePhase, 2);
    }

    // Bytes a conformant peer may send, cut as the network may cut them, are read as meant.
    void aConformantPeerIsReadAsItMeant_data()
    {
        QTest::addColumn<QList<QByteArray>>("arrivals");
        QTest::addColumn<int>("shotCell");
        QTest::addColumn<QString>("chatLine");
        QTest::newRow("last field split") << QList<QByteArray>({"/fire" + S + "3", "7"}) << 37 << QString();
        QTest::newRow("command word in a name")
            << QList<QByteArray>({"/msg" + S + "Zed/gameover" + S + "1"}) << 0
            << QStringLiteral("Zed/gameover: 1");
        const QByteArray longText(60 * 1024, 'w');
        QTest::newRow("long lines") << QList<QByteArray>(3, "/msg" + S + "Bob" + S + longText) << 0
                                    << QStringLiteral("Bob: ") + QString(3995, QLatin1Char('w'))
                                           + QStringLiteral(" \u2026 (line cut)");
    }
    void aConformantPeerIsReadAsItMeant()
    {
        QFETCH(QList<QByteArray>, arrivals);
        QFETCH(int, shotCell);
        QFETCH(QString, chatLine);
        QTcpSocket peer;
        auto server = serverInBattleWithRawPeer(peer);
        for (const QByteArray &arrival : arrivals) {
            peer.write(arrival);
            QVERIFY(peer.waitForBytesWritten(1000));
            QTest::qWait(10); // apart, but well within the quiet time
        }
        if (shotCell > 0)
            QTRY_VERIFY(server->flow().state().gPlayerShots.isSet(shotCell));
        else
            QTRY_COMPARE(chatLines(*server), QStringList(arrivals.size(), chatLine));
        QCOMPARE(server->flow().state().gPlayerShots.count(), shotCell > 0 ? 1 : 0);
        QCOMPARE(server->flow().state().gGamePhase, 3);
        QCOMPARE(peer.state(), QAbstractSocket::ConnectedState);
    }

    void aSecondFleetReplacesTheFirstOnlyWhilePlacing_data()
    {
        QTest::addColumn<bool>("inBattle");
        QTest::newRow("while placing") << false;
        QTest::newRow("in the battle") << true;
    }
    void aSecondFleetReplacesTheFirstOnlyWhilePlacing()
    {
        QFETCH(bool, inBattle);
        QTcpSocket peer;
        auto server = inBattle ? serverInBattleWithRawPeer(peer) : serverWithRawPeer(peer);
        if (!inBattle)
            peer.write("/placeships" + S + "1" + S + "2" + S + "3" + S + "4" + S + "5" + S + "Eve");
        QTRY_VERIFY(server->flow().state().gOpponentShipsPlaced);
        peer.write("/placeships" + S + "41" + S + "42" + S + "43" + S + "44" + S + "45" + S + "Mal"
                   + "/msg" + S + "Mal" + S + "moved");
        QTRY_VERIFY(chatLines(*server).contains(QStringLiteral("Mal: moved")));
        QCOMPARE(chatLines(*server).contains(QStringLiteral("(A message from the opponent was rejected.)")),
                 inBattle);
        QCOMPARE(server->flow().state().gOpponentShips[1].ShipIndex(), qint16(inBattle ? 1 : 41));
        QCOMPARE(server->flow().state().gOpponentShips[5].cShipIsHit(5), inBattle);
        QCOMPARE(server->flow().state().gOpponentName, QString(inBattle ? "Eve" : "Mal"));
    }

    void aRepeatedShotCountsNoSecondHit()
    {
        QTcpSocket peer;
        auto server = serverInBattleWithRawPeer(peer);
        peer.write("/fire" + S + "5");
        QTRY_COMPARE(server->flow().state().gPlayerShips[1].hitCount(), qint16(1));
        peer.write("/fire" + S + "5");
        peer.write("/msg" + S + "Eve" + S + "done");
        QTRY_COMPARE(chatLines(*server).value(0), QStringLiteral("Eve: done"));
        QCOMPARE(server->flow().state().gPlayerShips[1].hitCount(), qint16(1));
        QVERIFY(!server->flow().state().gPlayerShips[1].IsDestroyed());
    }

    void aFloodOfGarbageCostsTheConnection()
    {
        MessageBoxWatcher boxes;
        QTcpSocket peer;
        auto server = serverWithRawPeer(peer);
        const QByteArray garbage(2 * 1024 * 1024, 'z'); // more than the longest message
        peer.write(garbage);
        QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QAbstractSocket::UnconnectedState, 10000);
        QTRY_VERIFY(!boxes.seen.empty());
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(server->flow().state().gGamePhase, 1);
        QVERIFY(visible(*server, QStringLiteral("cmdMainMenu")));
    }

    // Repeated ends open one box; the connection left open then touches neither the
    // placement nor the battle of a single-player game, which places as any other.
    void anOldConnectionCannotTouchALaterSinglePlayerGame()
    {
        MessageBoxWatcher boxes;
        QTcpSocket peer;
        auto server = serverInBattleWithRawPeer(peer);
        for (int repeat = 0; repeat < 3; ++repeat)
            peer.write("/gameover" + S + "1");
        QTRY_VERIFY(visible(*server, QStringLiteral("cmdMainMenu")));
        QTRY_COMPARE(chatLines(*server), QStringList({"(A message from the opponent was rejected.)"}));
        click(*server, QStringLiteral("cmdMainMenu"));
        startSinglePlayer(*server, 1);
        peer.write("/fire" + S + "5" + "/msg" + S + "Eve" + S + "placing");
        QTRY_VERIFY(chatLines(*server).contains(QStringLiteral("Eve: placing")));
        placeFleetInFirstColumns(*server);
        click(*server, QStringLiteral("cmdFinishPlacingShips"));
        QCOMPARE(server->flow().screen(), Screen::Battle);
        peer.write("/fire" + S + "5" + "/gameover" + S + "1" + "/msg" + S + "Eve" + S + "still here");
        QTRY_VERIFY(chatLines(*server).contains(QStringLiteral("Eve: still here")));
        QCOMPARE(server->flow().state().gPlayerShots.count(), 0);
        QCOMPARE(server->flow().state().gGamePhase, 3);
        QCOMPARE(boxes.texts(), QStringList({"Game Over. You Lose"}));
    }

    // A connection that comes after a Cancel starts a game only from a menu where
    // one could be chosen; anywhere else it is closed and nothing changes.
    void aLateConnectionStartsAGameOnlyFromTheMenus_data()
    {
        QTest::addColumn<QStringList>("clicksAfterCancel");
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<bool>("welcome");
        QTest::newRow("game type") << QStringList() << Screen::Placement << true;
        QTest::newRow("client screen") << QStringList({"optGameType2", "cmdNext"})
                                       << Screen::Placement << true;
        QTest::newRow("log-in") << QStringList({"cmdLogOff"}) << Screen::Login << false;
        QTest::newRow("about") << QStringList({"cmdLogOff", "cmdAbout"}) << Screen::About << false;
        QTest::newRow("difficulty") << QStringList({"optGameType0", "cmdNext"})
                                    << Screen::Difficulty << false;
        QTest::newRow("single-player game")
            << QStringList({"optGameType0", "cmdNext", "optComputerDifficulty1", "cmdStartGame"})
            << Screen::Placement << false;
    }
    void aLateConnectionStartsAGameOnlyFromTheMenus()
    {
        QFETCH(QStringList, clicksAfterCancel);
        QFETCH(Screen, screen);
        QFETCH(bool, welcome);
        auto server = loggedInWindow(mDir, QStringLiteral("Host"));
        listenAsServer(*server);
        click(*server, QStringLiteral("cmdMultiplayerServerCancel"));
        for (const QString &name : clicksAfterCancel)
            click(*server, name);
        const int gameType = server->flow().state().gGameType;
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, 1987);
        QVERIFY(peer.waitForConnected(5000));
        if (welcome) {
            QTRY_COMPARE(server->flow().state().gGamePhase, 2);
            QCOMPARE(server->flow().state().gGameType, 3);
            QVERIFY(visible(*server, QStringLiteral("txtChatBox")));
        } else {
            QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
            QCOMPARE(server->flow().state().gGameType, gameType);
        }
        QCOMPARE(server->flow().screen(), screen);
    }

    void aVanishingOpponentEndsTheGame_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<bool>("backOnTheMenu");
        QTest::newRow("in placement") << 2 << false;
        QTest::newRow("in battle") << 3 << false;
        QTest::newRow("after the end") << 1 << false;
        QTest::newRow("back on the menu") << 1 << true;
    }
    void aVanishingOpponentEndsTheGame()
    {
        QFETCH(int, phase);
        QFETCH(bool, backOnTheMenu);
        MessageBoxWatcher boxes;
        QTcpSocket peer;
        auto server = phase == 2 ? serverWithRawPeer(peer) : serverInBattleWithRawPeer(peer);
        if (phase == 1) {
            peer.write("/gameover" + S + "1");
            QTRY_COMPARE(server->flow().state().gGamePhase, 1);
            QTRY_COMPARE(boxes.seen.size(), size_t(1));
        }
        if (backOnTheMenu)
            click(*server, QStringLiteral("cmdMainMenu"));
        // A game under way stops with a box; once none is, a line in the chat log says it.
        const size_t boxesAfter = boxes.seen.size() + (phase == 1 ? 0 : 1);
        peer.disconnectFromHost();
        if (phase == 1)
            QTRY_COMPARE(lastChatLine(*server), QStringLiteral("(The opponent has closed the connection.)"));
        QTRY_COMPARE(boxes.seen.size(), boxesAfter);
        QCOMPARE(boxes.last().icon, phase == 1 ? QMessageBox::Information : QMessageBox::Warning);
        QCOMPARE(server->flow().state().gGamePhase, 1);
        if (backOnTheMenu) {
            QCOMPARE(server->flow().screen(), Screen::GameType);
            return;
        }
        QVERIFY(visible(*server, QStringLiteral("cmdMainMenu")));
        say(*server, QStringLiteral("anyone?")); // sending now is skipped quietly
        QCOMPARE(boxes.seen.size(), boxesAfter);
        click(*server, QStringLiteral("cmdMainMenu"));
        QVERIFY(visible(*server, QStringLiteral("picContainerGameType")));
    }
};

QTEST_MAIN(NetworkGameTest)
#include "test_network_game.moc"
