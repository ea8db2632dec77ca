// SPDX-License-Identifier: GPL-3.0-or-later
// bench-flood [--box-seconds N] [--play-seconds N] [--after-seconds N] [--only box|play]
//
// A peer floods a real game window with short chat lines as fast as the game takes them
// (port 1987, loopback; the window runs in a child process of this program, offscreen
// unless QT_QPA_PLATFORM says otherwise). Every 20 ms the parent asks the window for an
// accessibility read through its event loop (see GameChild.h) and times the answer.
//
//   box:  after the battle begins the peer ends the game with "/gameover", so the window
//         shows "Game Over. You Lose", and floods for --box-seconds (30); the box is then
//         closed while the flood goes on for --after-seconds (10) more.
//   play: the peer floods for --play-seconds (60) while the window is in its battle,
//         stops, and after --after-seconds the window is closed.
//
// It prints one line per scenario:
//   scenario box flood_s S rss_kb_start A rss_kb_max B rss_growth_kb C box_probe_max_ms D
//     after_close_first_ms E after_close_max_ms F after_close_over_100ms K of N flood_mb G
//   scenario play flood_s S probe_max_ms A probe_p99_ms B probes_over_100ms K of N
//     cpu_percent C after_stop_max_ms D close_ms E rss_kb_max F flood_mb G
// cpu_percent is the window process's share of one core while flooded.
#include "Flooder.h"
#include "GameChild.h"
#include "ResidentMemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr quint16 kPort = 1987;
constexpr int kProbeEveryMs = 20;
const QByteArray S("\xB6", 1);

struct Probes
{
    std::vector<qint64> ms;
    qint64 firstMs = -1;
    qint64 rssMaxKb = 0;
    qint64 max() const { return ms.empty() ? -1 : *std::max_element(ms.begin(), ms.end()); }
    qsizetype over(qint64 limit) const { return std::count_if(ms.begin(), ms.end(), [limit](qint64 m) { return m > limit; }); }
    qint64 p99() const
    {
        if (ms.empty())
            return -1;
        std::vector<qint64> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
    }
};

class Child
{
public:
    explicit Child(const QString &accountDir)
    {
        mProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        mProcess.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--game"), accountDir});
    }
    ~Child()
    {
        if (mProcess.state() != QProcess::NotRunning) {
            mProcess.kill();
            mProcess.waitForFinished(5000);
        }
    }

    // The next line the window writes, waiting up to `ms`; empty on time-out.
    QByteArray line(int ms)
    {
        QElapsedTimer waited;
        waited.start();
        while (!mProcess.canReadLine()) {
            const qint64 left = ms - waited.elapsed();
            if (left <= 0 || !mProcess.waitForReadyRead(int(left)))
                return {};
        }
        return mProcess.readLine().trimmed();
    }
    bool waitFor(const QByteArray &wanted, int ms)
    {
        QElapsedTimer waited;
        waited.start();
        for (QByteArray got = line(ms); !got.isEmpty(); got = line(int(ms - waited.elapsed())))
            if (got == wanted)
                return true;
        return false;
    }
    void tell(const QByteArray &command)
    {
        mProcess.write(command + '\n');
        mProcess.waitForBytesWritten(1000);
    }
    // Probes for `ms`, one every kProbeEveryMs; an unanswered probe counts as long as it waits.
    Probes probeFor(qint64 ms)
    {
        Probes probes;
        QElapsedTimer total;
        total.start();
        while (total.elapsed() < ms) {
            QElapsedTimer one;
            one.start();
            tell("probe");
            while (!line(10'000).startsWith("probe")) {
                if (one.elapsed() >= 10'000)
                    break;
            }
            probes.ms.push_back(one.elapsed());
            if (probes.firstMs < 0)
                probes.firstMs = one.elapsed();
            probes.rssMaxKb = std::max(probes.rssMaxKb, rssKb());
            QThread::msleep(ulong(std::max<qint64>(0, kProbeEveryMs - one.elapsed())));
        }
        return probes;
    }
    qint64 rssKb() const { return residentKb(QString::number(mProcess.processId())); }
    // User and system time so far, in milliseconds.
    qint64 cpuMs() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(mProcess.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
        return ticks * 1000 / sysconf(_SC_CLK_TCK);
    }
    qint64 quitMs()
    {
        QElapsedTimer closing;
        closing.start();
        tell("quit");
        mProcess.waitForFinished(10'000);
        return closing.elapsed();
    }

private:
    QProcess mProcess;
};

// A window in its battle against the flooding peer; false when it did not get there.
bool intoBattle(Child &child, Flooder &peer)
{
    if (!child.waitFor("ready", 20'000) || !peer.connectTo(kPort) || !child.waitFor("placed", 10'000))
        return false;
    return peer.send("/placeships" + S + "1" + S + "2" + S + "3" + S + "4" + S + "5" + S + "Eve");
}

double mb(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

bool boxScenario(int floodS, int afterS)
{
    QTemporaryDir accounts;
    Child child(accounts.path());
    Flooder peer;
    if (!intoBattle(child, peer) || !peer.send("/gameover" + S + "1") || !child.waitFor("box", 10'000))
        return false;
    child.probeFor(500); // the box settles
    const qint64 rssStart = child.rssKb();
    peer.startFlood();
    const Probes during = child.probeFor(floodS * 1000LL);
    child.tell("closebox");
    const Probes after = child.probeFor(afterS * 1000LL);
    peer.close(); // a window that stopped reading would keep a plain stop waiting
    std::printf("scenario box flood_s %d rss_kb_start %lld rss_kb_max %lld rss_growth_kb %lld "
                "box_probe_max_ms %lld after_close_first_ms %lld after_close_max_ms %lld "
                "after_close_over_100ms %lld of %lld flood_mb %.1f\n",
                floodS, qlonglong(rssStart), qlonglong(std::max(during.rssMaxKb, after.rssMaxKb)),
                qlonglong(std::max(during.rssMaxKb, after.rssMaxKb) - rssStart), qlonglong(during.max()),
                qlonglong(after.firstMs), qlonglong(after.max()), qlonglong(after.over(100)),
                qlonglong(after.ms.size()), mb(peer.bytesFlooded()));
    return true;
}

bool playScenario(int floodS, int afterS)
{
    QTemporaryDir accounts;
    Child child(accounts.path());
    Flooder peer;
    if (!intoBattle(child, peer))
        return false;
    child.probeFor(500);
    const qint64 cpuStart = child.cpuMs();
    QElapsedTimer flooding;
    flooding.start();
    peer.startFlood();
    const Probes during = child.probeFor(floodS * 1000LL);
    peer.stopFlood();
    const double cpuPercent = 100.0 * double(child.cpuMs() - cpuStart) / double(flooding.elapsed());
    const Probes after = child.probeFor(afterS * 1000LL);
    std::printf("scenario play flood_s %d probe_max_ms %lld probe_p99_ms %lld probes_over_100ms %lld of %lld "
                "cpu_percent %.0f after_stop_max_ms %lld close_ms %lld rss_kb_max %lld flood_mb %.1f\n",
                floodS, qlonglong(during.max()), qlonglong(during.p99()), qlonglong(during.over(100)),
                qlonglong(during.ms.size()), cpuPercent,
                qlonglong(after.max()), qlonglong(child.quitMs()), qlonglong(during.rssMaxKb),
                mb(peer.bytesFlooded()));
    return true;
}

int argValue(const QStringList &args, const QString &name, int fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--game") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return runGameChild(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int afterS = argValue(args, QStringLiteral("--after-seconds"), 10);
    const QString only = args.value(args.indexOf(QStringLiteral("--only")) + 1);
    bool ok = true;
    if (only != QStringLiteral("play"))
        ok = boxScenario(argValue(args, QStringLiteral("--box-seconds"), 30), afterS);
    std::fflush(stdout);
    if (only != QStringLiteral("box"))
        ok = playScenario(argValue(args, QStringLiteral("--play-seconds"), 60), afterS) && ok;
    if (!ok)
        std::fprintf(stderr, "a scenario did not reach its flood: is port %u free?\n", kPort);
    return ok ? 0 : 1;
}
