// SPDX-License-Identifier: GPL-3.0-or-later
// bench-startup [--runs N]
//
// Starts bench-startup-game (the game's own start-up with a first-paint probe) and
// bench-startup-bare (an empty window of the same size) in turn, N times each
// (default 15), and prints the medians:
//   startup_ms A bare_ms B ratio R rss_kb M bare_rss_kb N rss_ratio Q
// Start-up time runs from just before the process is started to the end of its
// window's first paint; memory is the resident set two seconds after that paint.
// Needs an X display (for example under xvfb-run); the programs use the xcb platform.
#include "MonotonicClock.h"
#include "ResidentMemory.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kSettleMs = 2000;
constexpr int kPaintTimeoutMs = 20000;

struct Sample
{
    double startupMs = 0;
    qint64 rssKb = 0;
};

std::optional<Sample> measure(const QString &program, const QString &workDir)
{
    QProcess child;
    child.setProgram(program);
    child.setWorkingDirectory(workDir); // the radar load leaves its work file there
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    const long long startedNs = MonotonicClock::nanoseconds();
    child.start();
    std::optional<Sample> sample;
    QByteArray output;
    while (!output.contains('\n') && child.waitForReadyRead(kPaintTimeoutMs))
        output += child.readAllStandardOutput();
    if (output.startsWith("painted ")) {
        const long long paintedNs = output.mid(8).trimmed().toLongLong();
        QThread::msleep(kSettleMs);
        if (child.state() == QProcess::Running)
            sample = Sample{double(paintedNs - startedNs) / 1e6, residentKb(QString::number(child.processId()))};
    }
    child.terminate();
    if (!child.waitForFinished(5000)) {
        child.kill();
        child.waitForFinished(5000);
    }
    if (!sample)
        std::fprintf(stderr, "%s did not paint its window\n", qPrintable(program));
    return sample;
}

template <typename T>
double median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? double(values[middle]) : (values[middle - 1] + values[middle]) / 2.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int runs = 15;
    if (const qsizetype at = args.indexOf(QStringLiteral("--runs")); at > 0)
        runs = std::max(1, args.value(at + 1).toInt());
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench-startup needs an X display, e.g. xvfb-run -a %s\n", argv[0]);
        return 2;
    }
    const QString folder = QCoreApplication::applicationDirPath();
    const QString game = folder + QStringLiteral("/bench-startup-game");
    const QString bare = folder + QStringLiteral("/bench-startup-bare");
    QTemporaryDir workDir;

    std::vector<double> gameMs, bareMs;
    std::vector<qint64> gameKb, bareKb;
    for (int run = 0; run < runs; ++run) {
        const std::optional<Sample> ofGame = measure(game, workDir.path());
        const std::optional<Sample> ofBare = measure(bare, workDir.path());
        if (!ofGame || !ofBare)
            return 1;
        gameMs.push_back(ofGame->startupMs);
        gameKb.push_back(ofGame->rssKb);
        bareMs.push_back(ofBare->startupMs);
        bareKb.push_back(ofBare->rssKb);
    }
    const double startupMs = median(gameMs), bareStartupMs = median(bareMs);
    const double rssKb = median(gameKb), bareRssKb = median(bareKb);
    std::printf("startup_ms %.1f bare_ms %.1f ratio %.2f rss_kb %.0f bare_rss_kb %.0f rss_ratio %.2f\n",
                startupMs, bareStartupMs, startupMs / bareStartupMs, rssKb, bareRssKb,
                rssKb / bareRssKb);
    return 0;
}
