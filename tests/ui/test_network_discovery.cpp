// SPDX-License-Identifier: GPL-3.0-or-later
// Games announced and found on the network. The daemon tests run inside with-avahi.sh,
// which gives them a D-Bus system bus and an Avahi daemon of their own on a private
// loopback; the test without one runs where the system bus does not exist.

#include "UiHarness.h"

#include <QListWidget>
#include <QProcess>
#include <QSysInfo>
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

// Other computers' announcements, each made by an avahi-publish of its own; all are
// withdrawn when this goes.
class Publishers
{
public:
    ~Publishers() { withdraw(); }

    // Starts avahi-publish with `arguments`; false where it did not start.
    bool start(const QStringList &arguments)
    {
        mRunning.push_back(std::make_unique<QProcess>());
        mRunning.back()->start(QStringLiteral("avahi-publish"), arguments);
        return mRunning.back()->waitForStarted();
    }
    // `host` empty: this computer; a host with no address record never resolves.
    bool game(const QString &name, const QString &player, const QString &host = {}, int port = 1987)
    {
        const QStringList onHost = host.isEmpty() ? QStringList() : QStringList{QStringLiteral("-H"), host};
        return start(QStringList{QStringLiteral("-s")} + onHost
                     + QStringList{name, QStringLiteral("_tidewatch._tcp"), QString::number(port),
                                   QStringLiteral("player=") + player});
    }
    bool host(const QString &name, const QString &address)
    {
        return start({QStringLiteral("-a"), QStringLiteral("-R"), name, address});
    }
    void withdraw()
    {
        for (const auto &publisher : mRunning) {
            publisher->kill();
            publisher->waitForFinished();
        }
        mRunning.clear();
    }

private:
    std::vector<std::unique_ptr<QProcess>> mRunning;
};
// A daemon answers in well under a second; this bound only ends a test whose daemon
// never does, and leaves room for a machine busy with the rest of the suite.
constexpr int kHeardWithinMs = 30000;
const char *const kNoPublisher = "avahi-publish did not start: install avahi-utils";

// Runs `program` to its end; empty when it ran and succeeded, else what went wrong.
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return program + QStringLiteral(" did not start: install it (tools/check.sh does)");
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

// How many games the daemon knows of, as `avahi-browse` lists them; -1 where it did not run.
int announcedGames()
{
    QProcess browse;
    browse.start(QStringLiteral("avahi-browse"), {QStringLiteral("-tp"), QStringLiteral("_tidewatch._tcp")});
    if (!browse.waitForStarted() || !browse.waitForFinished())
        return -1;
    return int(("\n" + browse.readAllStandardOutput()).count("\n+;"));
}
const char *const kNoBrowser = "avahi-browse did not start: install avahi-utils";

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
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sally")), kHeardWithinMs);

        click(*server, QStringLiteral("cmdMultiplayerServerCancel"));
        QTRY_VERIFY_WITH_TIMEOUT(!lists(*client, QStringLiteral("Sally")), 5000);
        QCOMPARE(listed(*client), QStringList{QStringLiteral("Looking for games...")});

        click(*server, QStringLiteral("cmdNext"));
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sally")), kHeardWithinMs);
        // Picked with the keyboard, as a mouse player double-clicks it.
        auto *list = control<QListWidget>(*client, QStringLiteral("lstNetworkGames"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(control<QLineEdit>(*client, QStringLiteral("txtMultiplayerClientHostConnect"))->text(),
                 QStringLiteral("127.0.0.1"));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(server->flow().state().gGamePhase, 2);
        QTRY_COMPARE(client->flow().state().gGamePhase, 2);
        QCOMPARE(server->flow().state().gGameType, 3);
        QCOMPARE(client->flow().state().gGameType, 4);
    }

    void twoPlayersOfOneNameAreBothListed()
    {
        // Another computer's "Sam" got the name first.
        Publishers other;
        QVERIFY2(other.start({QStringLiteral("-s"), QStringLiteral("Sam"), QStringLiteral("_tidewatch._tcp"),
                              QStringLiteral("1987")}),
                 kNoPublisher);
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sam")), kHeardWithinMs);
        auto server = playerOnScreen(mDir, QStringLiteral("Sam"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(listed(*client).filter(QRegularExpression(QStringLiteral("^Sam on "))).size(), 2, kHeardWithinMs);
    }

    void aHostileAnnouncementIsShownAsOneShortLine()
    {
        Publishers other;
        QVERIFY2(other.game(QStringLiteral("Mallory"), QStringLiteral("<b>Eve</b>\nsays\t") + QString(200, QLatin1Char('x'))),
                 kNoPublisher);
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        // Its line break and tab shown as marks, cut to forty characters.
        const QString shown = QStringLiteral("<b>Eve</b>\u240Asays\u2409") + QString(24, QLatin1Char('x'));
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QRegularExpression::escape(shown)), kHeardWithinMs);
        QCOMPARE(listed(*client).filter(QStringLiteral("Eve")).size(), 1);
    }

    // Every fake is heard, and those that resolve listed, before the real game "Sally"
    // comes: by then the list holds as many as it ever will.
    void aRealGameIsListedAmidAFloodOfFakes_data()
    {
        QTest::addColumn<QString>("fakeHost");
        QTest::addColumn<int>("fakes");
        QTest::addColumn<int>("rows");
        QTest::newRow("fakes on this computer") << QString() << 100 << 64;
        QTest::newRow("fakes on another computer") << "fakehost.local" << 70 << 64;
        QTest::newRow("fakes whose host has no address") << "nosuchhost.local" << 70 << 1;
    }
    void aRealGameIsListedAmidAFloodOfFakes()
    {
        QFETCH(QString, fakeHost);
        QFETCH(int, fakes);
        QFETCH(int, rows);
        int most = 0; // outlives the window that counts into it
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        auto *list = control<QListWidget>(*client, QStringLiteral("lstNetworkGames"));
        connect(list->model(), &QAbstractItemModel::rowsInserted, list, [&] { most = std::max(most, list->count()); });
        Publishers flood;
        QVERIFY2(flood.host(QStringLiteral("fakehost.local"), QStringLiteral("127.0.0.2")), kNoPublisher);
        for (int fake = 0; fake < fakes; ++fake)
            QVERIFY(flood.game(QStringLiteral("%1 %2").arg(QTest::currentDataTag()).arg(fake), QStringLiteral("Fake"),
                               fakeHost));
        QVERIFY2(announcedGames() >= 0, kNoBrowser);
        QTRY_COMPARE_WITH_TIMEOUT(announcedGames(), fakes, 20000);
        if (rows > 1)
            QTRY_COMPARE_WITH_TIMEOUT(list->count(), rows, 20000); // full before Sally comes
        auto server = playerOnScreen(mDir, QStringLiteral("Sally"), 1);
        const QString sally = QStringLiteral("Sally on %1 (127.0.0.1)").arg(QSysInfo::machineHostName());
        QTRY_VERIFY_WITH_TIMEOUT(listed(*client).contains(sally), 30000);
        QCOMPARE(list->count(), rows);
        QCOMPARE(most, rows);
        // The window still answers: a click on Sally's row offers her address.
        QListWidgetItem *sallys = list->findItems(sally, Qt::MatchExactly).value(0);
        list->scrollToItem(sallys);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(sallys).center());
        QCOMPARE(control<QLineEdit>(*client, QStringLiteral("txtMultiplayerClientHostConnect"))->text(),
                 QStringLiteral("127.0.0.1"));
        flood.withdraw();
        QTRY_COMPARE_WITH_TIMEOUT(listed(*client), QStringList{sally}, kHeardWithinMs);
    }

    // Beside a real "Sally" on this computer, one more announcement; "%1" is this
    // computer's name.
    void rowsTellGamesApartAndShowOnlyJoinableOnes_data()
    {
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QStringList>("rows");
        const QString sally = QStringLiteral("Sally on %1 (127.0.0.1)");
        QTest::newRow("the same player on another computer")
            << "Yan" << "Sally" << "fakehost.local" << 1987 << QStringList{"Sally on fakehost (127.0.0.2)", sally};
        QTest::newRow("the same player in another service")
            << "Zed" << "Sally" << "" << 1987
            << QStringList{sally + ", announced as \u201cSally\u201d", sally + ", announced as \u201cZed\u201d"};
        QTest::newRow("a trailing space")
            << "Sally " << "Sally " << "" << 1987
            << QStringList{sally + ", announced as \u201cSally\u201d",
                           "Sally  on %1 (127.0.0.1), announced as \u201cSally \u201d"};
        QTest::newRow("another port") << "Porty" << "Sally" << "" << 4444 << QStringList{sally};
        QTest::newRow("a right-to-left override")
            << "Eve" << "Eve\u202e" << "" << 1987 << QStringList{"Eve\ufffd on %1 (127.0.0.1)", sally};
        QTest::newRow("a zero-width space")
            << "Sa lly" << "Sa\u200blly" << "" << 1987 << QStringList{"Sa\ufffdlly on %1 (127.0.0.1)", sally};
        QTest::newRow("a right-to-left name")
            << "Sarah" << "\u05e9\u05e8\u05d4" << "" << 1987
            << QStringList{"\u2068\u05e9\u05e8\u05d4\u2069 on %1 (127.0.0.1)", sally};
    }
    void rowsTellGamesApartAndShowOnlyJoinableOnes()
    {
        QFETCH(QString, service);
        QFETCH(QString, player);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QStringList, rows);
        for (QString &row : rows)
            row.replace(QStringLiteral("%1"), QSysInfo::machineHostName());
        rows.sort();
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        Publishers other;
        QVERIFY2(other.host(QStringLiteral("fakehost.local"), QStringLiteral("127.0.0.2")), kNoPublisher);
        QVERIFY(other.game(service, player, host, port));
        QTRY_COMPARE_WITH_TIMEOUT(announcedGames(), 1, kHeardWithinMs); // heard before Sally
        auto server = playerOnScreen(mDir, QStringLiteral("Sally"), 1);
        const auto shown = [&] {
            QStringList sorted = listed(*client);
            sorted.sort();
            return sorted;
        };
        QTRY_COMPARE_WITH_TIMEOUT(shown(), rows, kHeardWithinMs);
        QTest::qWait(500); // nothing more comes late
        QCOMPARE(shown(), rows);
    }

    void theListFollowsTheDaemonGoingAndComingBack()
    {
        auto server = playerOnScreen(mDir, QStringLiteral("Sally"), 1);
        auto client = playerOnScreen(mDir, QStringLiteral("Clark"), 2);
        QTRY_VERIFY_WITH_TIMEOUT(lists(*client, QStringLiteral("Sally")), kHeardWithinMs);
        QCOMPARE(run(QStringLiteral("avahi-daemon"), {QStringLiteral("--kill")}), QString());
        QTRY_COMPARE(listed(*client), QStringList{QStringLiteral("Games on the network cannot be listed here.")});
        QCOMPARE(run(QStringLiteral("avahi-daemon"), {QStringLiteral("--no-drop-root"), QStringLiteral("--no-chroot"),
                                                     QStringLiteral("--daemonize"), QStringLiteral("--syslog")}),
                 QString());
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
        QTRY_COMPARE(server->flow().state().gGamePhase, 2);
        QTRY_COMPARE(client->flow().state().gGamePhase, 2);
        QVERIFY2(boxes.seen.empty(), qPrintable(boxes.texts().join(QLatin1Char('\n'))));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(NetworkDiscoveryTest)
#include "test_network_discovery.moc"
