// SPDX-License-Identifier: GPL-3.0-or-later
// Games announced and found on the network. The daemon tests run inside with-avahi.sh,
// which gives them a D-Bus system bus and an Avahi daemon of their own on a private
// loopback; the test without one runs where the system bus does not exist.

#include "UiHarness.h"

#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QStringList warnings;
QtMessageHandler testHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Sound warns where there is no audio device; what is asked here is the network's silence.
    if ((type == QtWarningMsg || type == QtCriticalMsg)
        && (text.contains(QLatin1String("dbus"), Qt::CaseInsensitive) || text.contains(QLatin1String("avahi"), Qt::CaseInsensitive)))
        warnings << text;
    testHandler(type, context, text);
}

std::unique_ptr<frmMain> playerOnScreen(const QTemporaryDir &dir, const QString &name, int gameType)
{
    static int accounts = 0;
    auto window = openGame(dir.filePath(QStringLiteral("players%1.txt").arg(++accounts)));
    createAndLogIn(*window, name, QStringLiteral("pw"));
    click(*window, QStringLiteral("optGameType%1").arg(gameType));
    click(*window, QStringLiteral("cmdNext"));
    return window;
}

QStringList listed(const frmMain &window)
{
    QStringList rows;
    const auto *list = control<QListWidget>(window, QStringLiteral("lstNetworkGames"));
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

bool lists(const frmMain &window, const QString &player)
{
    return listed(window).filter(QRegularExpression(QStringLiteral("^") + player + QStringLiteral(" on "))).size() > 0;
}

} // namespace

class NetworkDiscoveryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;

private slots:
    void initTestCase() { testHandler = qInstallMessageHandler(recordWarnings); }

    void aWaitingGameIsListedLiveAndPickingItStartsTheGame()
    {
        auto server = playerOnScreen(mDir, QStringLiteral("Sally"), 1);
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sally")), 10000);

        click(*server, QStringLiteral("cmdMultiplayerServerCancel"));
        QTRY_VERIFY_WITH_TIMEOUT(!lists(*client, QStringLiteral("Sally")), 5000);
        QCOMPARE(listed(*client), QStringList{QStringLiteral("Looking for games...")});

        click(*server, QStringLiteral("cmdNext"));
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sally")), 10000);
        // Picked with the keyboard, as a mouse player double-clicks it.
        auto *list = control<QListWidget>(*client, QStringLiteral("lstNetworkGames"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(control<QLineEdit>(*client, QStringLiteral("txtMultiplayerClientHostConnect"))->text(),
                 QStringLiteral("127.0.0.1"));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(server->state.gGamePhase, 2);
        QTRY_COMPARE(client->state.gGamePhase, 2);
        QCOMPARE(server->state.gGameType, 3);
        QCOMPARE(client->state.gGameType, 4);
    }

    void twoPlayersOfOneNameAreBothListed()
    {
        // Another computer's "Sam" got the name first.
        QProcess other;
        other.start(QStringLiteral("avahi-publish"), {QStringLiteral("-s"), QStringLiteral("Sam"),
                                                      QStringLiteral("_tidewatch._tcp"), QStringLiteral("1987")});
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sam")), 10000);
        auto server = playerOnScreen(mDir, QStringLiteral("Sam"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(listed(*client).filter(QRegularExpression(QStringLiteral("^Sam on "))).size(), 2, 10000);
        other.kill();
        other.waitForFinished();
    }

    void aHostileAnnouncementIsShownAsOneShortLine()
    {
        QProcess other;
        other.start(QStringLiteral("avahi-publish"),
                    {QStringLiteral("-s"), QStringLiteral("Mallory"), QStringLiteral("_tidewatch._tcp"), QStringLiteral("1987"),
                     QStringLiteral("player=<b>Eve</b>\nsays\t") + QString(200, QLatin1Char('x'))});
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        // Its line break and tab shown as marks, cut to forty characters.
        const QString shown = QStringLiteral("<b>Eve</b>\u240Asays\u2409") + QString(24, QLatin1Char('x'));
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QRegularExpression::escape(shown)), 10000);
        QCOMPARE(listed(*client).filter(QStringLiteral("Eve")).size(), 1);
        other.kill();
        other.waitForFinished();
    }

    void theListFollowsTheDaemonGoingAndComingBack()
    {
        auto server = playerOnScreen(mDir, QStringLiteral("Sally"), 1);
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sally")), 10000);
        QCOMPARE(QProcess::execute(QStringLiteral("avahi-daemon"), {QStringLiteral("--kill")}), 0);
        QTRY_COMPARE(listed(*client), QStringList{QStringLiteral("Games on the network cannot be listed here.")});
        QCOMPARE(QProcess::execute(QStringLiteral("avahi-daemon"), {QStringLiteral("--no-drop-root"), QStringLiteral("--no-chroot"),
                                                                   QStringLiteral("--daemonize"), QStringLiteral("--syslog")}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sally")), 15000);
    }

    void withoutADaemonTheGameIsAsBefore()
    {
        MessageBoxWatcher boxes;
        auto server = playerOnScreen(mDir, QStringLiteral("Sally"), 1);
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        QTRY_COMPARE(listed(*client), QStringList{QStringLiteral("Games on the network cannot be listed here.")});
        typeInto(*client, QStringLiteral("txtMultiplayerClientHostConnect"), QStringLiteral("localhost"));
        click(*client, QStringLiteral("cmdMultiplayerClientStartGame"));
        QTRY_COMPARE(server->state.gGamePhase, 2);
        QTRY_COMPARE(client->state.gGamePhase, 2);
        QVERIFY2(boxes.seen.empty(), qPrintable(boxes.texts().join(QLatin1Char('\n'))));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(NetworkDiscoveryTest)
#include "test_network_discovery.moc"
