#include "main/GameStart.h"

#include "main/DataPaths.h"
#include "main/frmMain.h"

#include <QGuiApplication>
#include <QScreen>

StartupFiles StartupFiles::forThisProgram()
{
    const DataPaths paths = DataPaths::forThisProgram();
    return {paths.accounts, paths.readOnlyData + QStringLiteral("/radar.gif")};
}

std::unique_ptr<frmMain> Main(const StartupFiles &files)
{
    auto window = std::make_unique<frmMain>();
    window->LoadAccounts(files.accounts);
    window->PlaceMenuPanels();
    GameState &state = window->state;
    state.gGamePhase = GameState::NoGame;
    state.gGameType = GameState::NoType;
    state.gFieldSeparator = QChar(uchar(Protocol::kSeparator));
    state.gPlayerShips.clear();
    state.gOpponentShips.clear();
    window->StartRadar(files.radar);
    state.gRevealMode = false;

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    window->repaint();
    return window;
}
