// SPDX-License-Identifier: GPL-3.0-or-later
// readme-screenshot OUT.png: plays the opening of a single-player battle in the real
// window, through the same clicks a player makes, and saves what the screen shows of
// the window. Needs a real display (tools/make-screenshot.sh runs it under Xvfb).
// The random source is fixed, so each run plays the same game (only the radar moves on).

#include "UiHarness.h"
#include "core/ScriptedRandom.h"

#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The player's fleet, largest ship first (the order placement offers them), by top cell.
constexpr int kFleetTopCells[] = {12, 25, 38, 70, 57};
constexpr int kMoreShots[] = {1, 23, 45, 67, 89, 34, 100, 91};

// Shots at the first cells of the computer's larger ships, so the picture shows fire.
QList<int> shotsAtComputerFleet(frmMain &window)
{
    QList<int> shots;
    for (int slot = 3; slot <= 5; ++slot) {
        const clsShip &ship = window.flow().state().gOpponentShips[slot];
        for (int cell = 0; cell < slot; ++cell)
            shots << ship.ShipIndex() + 10 * cell;
    }
    return shots;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QApplication::arguments().size() != 2) {
        std::fprintf(stderr, "usage: readme-screenshot OUT.png\n");
        return 2;
    }
    QTemporaryDir accounts;
    const std::unique_ptr<frmMain> window = openGame(accounts.filePath(QStringLiteral("players.txt")));
    window->flow().setRandomSource(std::make_unique<ScriptedRandom>());
    MessageBoxWatcher boxes;

    createAndLogIn(*window, QStringLiteral("Admiral"), QStringLiteral("anchor"));
    startSinglePlayer(*window, 2);
    for (const int cell : kFleetTopCells)
        pressCell(*window, QStringLiteral("imgPlayer1Grid"), cell);
    click(*window, QStringLiteral("cmdFinishPlacingShips"));

    QList<int> shots = shotsAtComputerFleet(*window);
    for (const int cell : kMoreShots)
        if (!shots.contains(cell))
            shots << cell;
    for (const int cell : shots)
        pressCell(*window, QStringLiteral("imgPlayer2Grid"), cell); // the computer answers each
    QTest::qWait(500); // a few radar frames

    const QPixmap shot = window->screen()->grabWindow(window->winId());
    if (!boxes.seen.empty() || shot.isNull() || !shot.save(QApplication::arguments().at(1))) {
        std::fprintf(stderr, "readme-screenshot: the battle did not go as planned\n");
        return 1;
    }
    std::printf("%dx%d device pixels\n", shot.width(), shot.height());
    return 0;
}
