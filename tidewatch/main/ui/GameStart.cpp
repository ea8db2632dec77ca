// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/GameStart.h"

#include "main/DataPaths.h"
#include "main/Translations.h"
#include "main/WindowSystem.h"
#include "main/ui/frmMain.h"

#include <ReelkitTranslations.h>

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>

StartupFiles StartupFiles::forThisProgram()
{
    const DataPaths paths = DataPaths::forThisProgram();
    return {paths.accounts, paths.readOnlyData + QStringLiteral("/radar.gif")};
}

std::vector<Translations::Catalogue> GameCatalogues()
{
    // Qt's own catalogue first: the game's, installed last, is asked first.
    return {{QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
            {QStringLiteral("reelkit"), reelkit::translationsFolder()},
            {QStringLiteral("tidewatch"),
             DataPaths::forThisProgram().readOnlyData + QStringLiteral("/translations")}};
}

std::unique_ptr<Translations> InstallTranslations()
{
    return std::make_unique<Translations>(Translations::choose(QLocale::system().uiLanguages()),
                                          GameCatalogues());
}

std::unique_ptr<frmMain> Main(const StartupFiles &files)
{
    auto window = std::make_unique<frmMain>();
    window->flow().accounts().load(files.accounts);
    window->placeMenuPanels();
    // The flow begins with no game, no game type, the separator, two empty fleets and
    // reveal mode off: the start values of its state.
    window->startRadar(files.radar);

    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && windowSystemLetsProgramsPlaceWindows(QGuiApplication::platformName()))
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    window->repaint();
    return window;
}
