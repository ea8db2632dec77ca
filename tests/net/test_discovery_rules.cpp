// SPDX-License-Identifier: GPL-3.0-or-later
// What the games list takes from the network, without a daemon: which addresses, and
// how a flood of announcements is kept within bounds.

#include "net/discovery/AnnouncedAddress.h"
#include "net/discovery/SightingPool.h"

#include <QTest>

namespace {

ServiceKey key(const QString &name)
{
    return {1, 0, name, QStringLiteral("local")};
}

// Answers every resolve the pool starts, at `nowMs`, for as long as it starts some; a
// service from `silent` is never answered.
void answer(SightingPool &pool, qint64 nowMs, const QHash<QString, QString> &addresses, const QSet<QString> &silent)
{
    for (std::vector<ServiceKey> started = pool.startResolving(nowMs); !started.empty();
         started = pool.startResolving(nowMs)) {
        bool answered = false;
        for (const ServiceKey &one : started) {
            if (silent.contains(one.name))
                continue;
            pool.resolved(one, {one.name, one.name, QStringLiteral("host"), addresses.value(one.name)});
            answered = true;
        }
        if (!answered)
            return;
    }
}

// Lets time pass, a slow limit at a time, for as long as the pool lets services wait;
// a pool that never lets them through fails here.
void answerUntilNoneWait(SightingPool &pool, const QHash<QString, QString> &addresses, const QSet<QString> &silent)
{
    for (qint64 now = 0; pool.waiting(); now += SightingPool::kSlowMs) {
        answer(pool, now, addresses, silent);
        QVERIFY2(now < 1000 * SightingPool::kSlowMs, "services wait for ever");
    }
}

bool listsSally(const SightingPool &pool)
{
    const std::vector<NetworkGame> games = pool.games();
    return std::any_of(games.begin(), games.end(), [](const NetworkGame &game) { return game.player == "Sally"; });
}

} // namespace

class DiscoveryRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void anAnnouncedAddressIsTakenOnlyForOneHost_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("taken");
        QTest::newRow("private IPv4") << "192.168.1.4" << true;
        QTest::newRow("loopback") << "127.0.0.1" << true;
        QTest::newRow("link-local IPv6") << "fe80::1" << true;
        QTest::newRow("IPv4 unspecified") << "0.0.0.0" << false;
        QTest::newRow("IPv4 multicast") << "224.0.0.251" << false;
        QTest::newRow("broadcast") << "255.255.255.255" << false;
        QTest::newRow("IPv6 unspecified") << "::" << false;
        QTest::newRow("IPv6 multicast") << "ff02::fb" << false;
        QTest::newRow("IPv4-mapped broadcast") << "::ffff:255.255.255.255" << false;
        QTest::newRow("a host name") << "evil.example" << false;
        QTest::newRow("trailing text") << "10.0.0.1 x" << false;
        QTest::newRow("text after a nul") << QStringLiteral("10.0.0.1") + QChar(0) + "x" << false;
    }
    void anAnnouncedAddressIsTakenOnlyForOneHost()
    {
        QFETCH(QString, address);
        QFETCH(bool, taken);
        QCOMPARE(AnnouncedAddress::namesOneHost(address), taken);
    }

    // Fakes are heard first, then the real game "Sally"; every fake answers at once
    // unless it never resolves. The time is then moved on past the slow limit.
    void aRealGameFindsRoomAmongFakes_data()
    {
        QTest::addColumn<int>("fakes");
        QTest::addColumn<QString>("fakeAddress");
        QTest::addColumn<bool>("fakesResolve");
        QTest::addColumn<int>("listed");
        QTest::newRow("a flood from one other computer") << 1000 << "10.0.0.66" << true << 64;
        QTest::newRow("a flood from Sally's own address") << 100 << "10.0.0.5" << true << 64;
        QTest::newRow("a full list, then Sally") << 64 << "10.0.0.66" << true << 64;
        QTest::newRow("fakes that never resolve") << 70 << "" << false << 1;
    }
    void aRealGameFindsRoomAmongFakes()
    {
        QFETCH(int, fakes);
        QFETCH(QString, fakeAddress);
        QFETCH(bool, fakesResolve);
        QFETCH(int, listed);
        SightingPool pool;
        QHash<QString, QString> addresses{{"Sally", "10.0.0.5"}};
        QSet<QString> silent;
        for (int fake = 0; fake < fakes; ++fake) {
            const QString name = QStringLiteral("fake%1").arg(fake);
            addresses.insert(name, fakeAddress);
            if (!fakesResolve)
                silent.insert(name);
            pool.heard(key(name));
            answer(pool, 0, addresses, silent);
        }
        pool.heard(key(QStringLiteral("Sally")));
        answerUntilNoneWait(pool, addresses, silent);
        QCOMPARE(int(pool.games().size()), listed);
        QVERIFY(listsSally(pool));
        QVERIFY(pool.missed().unresolved || pool.missed().crowdedOut);

        // A new browse hears every fake again: those crowded out stay out.
        for (int fake = 0; fake < fakes; ++fake)
            pool.heard(key(QStringLiteral("fake%1").arg(fake)));
        answerUntilNoneWait(pool, addresses, silent);
        QVERIFY(listsSally(pool));

        // Once every fake is withdrawn, Sally alone is left.
        for (int fake = 0; fake < fakes; ++fake)
            pool.withdrawn(key(QStringLiteral("fake%1").arg(fake)));
        QCOMPARE(int(pool.games().size()), 1);
    }
};

QTEST_GUILESS_MAIN(DiscoveryRulesTest)
#include "test_discovery_rules.moc"
