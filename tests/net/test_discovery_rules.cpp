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

// A pool driven as the daemon would: each service heard is answered at once, the fakes
// at `fakeAddress` (never, where it is empty) and Sally at hers, while time passes a
// slow limit at a time.
struct Network
{
    SightingPool pool;
    QString fakeAddress;
    qint64 nowMs = 0;

    void hear(const QString &name)
    {
        pool.heard(key(name));
        for (int step = 0; step < 1000; ++step, nowMs += SightingPool::kSlowMs) {
            for (const ServiceKey &one : pool.startResolving(nowMs)) {
                const QString address = one.name == "Sally" ? QStringLiteral("10.0.0.5") : fakeAddress;
                if (!address.isEmpty())
                    pool.resolved(one, {one.name, one.name, QStringLiteral("host"), address});
            }
            if (!pool.waiting())
                return;
        }
        QFAIL("services wait for ever");
    }
    bool listsSally() const
    {
        const std::vector<NetworkGame> games = pool.games();
        return std::any_of(games.begin(), games.end(), [](const NetworkGame &game) { return game.player == "Sally"; });
    }
};

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
        QTest::addColumn<int>("listed");
        QTest::newRow("a flood from one other computer") << 1000 << "10.0.0.66" << 64;
        QTest::newRow("a flood from Sally's own address") << 100 << "10.0.0.5" << 64;
        QTest::newRow("a full list, then Sally") << 64 << "10.0.0.66" << 64;
        QTest::newRow("fakes that never resolve") << 70 << "" << 1;
    }
    void aRealGameFindsRoomAmongFakes()
    {
        QFETCH(int, fakes);
        QFETCH(QString, fakeAddress);
        QFETCH(int, listed);
        Network network{{}, fakeAddress};
        for (int fake = 0; fake < fakes; ++fake)
            network.hear(QString::number(fake));
        network.hear(QStringLiteral("Sally"));
        QCOMPARE(int(network.pool.games().size()), listed);
        QVERIFY(network.listsSally());
        // A new browse hears every fake again: those crowded out stay out.
        for (int fake = 0; fake < fakes; ++fake)
            network.hear(QString::number(fake));
        QVERIFY(network.listsSally());
        for (int fake = 0; fake < fakes; ++fake)
            network.pool.withdrawn(key(QString::number(fake)));
        QCOMPARE(int(network.pool.games().size()), 1);
    }
};

QTEST_GUILESS_MAIN(DiscoveryRulesTest)
#include "test_discovery_rules.moc"
