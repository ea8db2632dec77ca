// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/Winsock.h"

#include <QSignalSpy>
#include <QTest>

// Without the network library the game still runs: only the calls that need a socket
// fail, later and with the reason.
class TestWinsockModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Winsock::setModuleName(QStringLiteral("libtidewatch_net_absent")); }
    void aMissingLibraryFailsOnlyTheCallsThatNeedASocket_data();
    void aMissingLibraryFailsOnlyTheCallsThatNeedASocket();
};

void TestWinsockModule::aMissingLibraryFailsOnlyTheCallsThatNeedASocket_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<bool>("fails");
    QTest::newRow("Listen") << "Listen" << true;
    QTest::newRow("Connect") << "Connect" << true;
    QTest::newRow("Accept") << "Accept" << true;
    QTest::newRow("SendData, GetData, Close") << "SendData" << false;
}

void TestWinsockModule::aMissingLibraryFailsOnlyTheCallsThatNeedASocket()
{
    QFETCH(QString, call);
    QFETCH(bool, fails);
    Winsock socket;
    QSignalSpy errors(&socket, &Winsock::Error);
    if (call == QLatin1String("Listen"))
        socket.Listen();
    else if (call == QLatin1String("Connect"))
        socket.Connect();
    else if (call == QLatin1String("Accept"))
        socket.Accept(3);
    else {
        socket.SendData("shot");
        QVERIFY(socket.GetData(4).isEmpty());
        socket.Close();
    }
    QCOMPARE(errors.size(), 0); // never from inside the call
    QCoreApplication::sendPostedEvents();
    QCOMPARE(errors.size(), fails ? 1 : 0);
    QCOMPARE(socket.State(), int(fails ? Winsock::sckError : Winsock::sckClosed));
    if (fails)
        QVERIFY(errors.first().first().toString().startsWith(
            QStringLiteral("The network library libtidewatch_net_absent could not be loaded: ")));
}

QTEST_GUILESS_MAIN(TestWinsockModule)
#include "test_winsock_module.moc"
