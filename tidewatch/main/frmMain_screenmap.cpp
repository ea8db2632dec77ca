// SPDX-License-Identifier: GPL-3.0-or-later
// Which controls each screen shows. The table is the only place that knows it; the
// flow changes the screen, and the window shows the row it names.

#include "Reelpane.h"
#include "board/BoardWidget.h"
#include "main/frmMain.h"
#include "net/discovery/GamePublisher.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

// Screen, what it shows, where the keyboard starts, and whether it is a game screen.
// A screen's controls may be built on its first showing; its row is here from the start.
const std::vector<frmMain::ScreenRow> &frmMain::screenMap()
{
    using Controls = std::vector<QWidget *>;
    static const std::vector<ScreenRow> map = {
        {Screen::Login, [](const frmMain &w) { return Controls{w.picContainerLogin}; },
         [](const frmMain &w) -> QWidget * { return w.cboPlayers; }, false},
        {Screen::About,
         [](const frmMain &w) {
             return Controls{w.lblAbout1, w.lblAbout2, w.lblWebSite, w.imgAbout1, w.cmdAboutOK,
                             w.cmdAboutReelpane};
         },
         [](const frmMain &w) -> QWidget * { return w.cmdAboutOK; }, false},
        {Screen::GameType, [](const frmMain &w) { return Controls{w.picContainerGameType}; },
         [](const frmMain &w) -> QWidget * { return w.optGameType->button(0); }, false},
        {Screen::Difficulty,
         [](const frmMain &w) { return Controls{w.picContainerComputerDifficulty}; },
         [](const frmMain &w) -> QWidget * { return w.optComputerDifficulty->button(1); }, false},
        {Screen::Server, [](const frmMain &w) { return Controls{w.picContainerMultiPlayerServer}; },
         [](const frmMain &w) -> QWidget * { return w.cmdMultiplayerServerCancel; }, false},
        {Screen::Client, [](const frmMain &w) { return Controls{w.picContainerMultiPlayerClient}; },
         [](const frmMain &w) -> QWidget * { return w.txtMultiplayerClientHostConnect; }, false},
        {Screen::Placement,
         [](const frmMain &w) {
             return Controls{w.picContainerPlayer1, w.picContainerShipPlace, w.lblStatus,
                             w.gifRadarAnimation};
         },
         [](const frmMain &w) -> QWidget * { return w.imgPlayer1Grid; }, true},
        {Screen::Battle,
         [](const frmMain &w) {
             return Controls{w.picContainerPlayer1, w.picContainerPlayer2, w.lblStatus,
                             w.gifRadarAnimation};
         },
         [](const frmMain &w) -> QWidget * { return w.imgPlayer2Grid; }, true},
        {Screen::GameOver,
         [](const frmMain &w) {
             return Controls{w.picContainerPlayer1, w.picContainerPlayer2, w.lblStatus,
                             w.lblRecordNotice, w.gifRadarAnimation, w.cmdMainMenu};
         },
         [](const frmMain &w) -> QWidget * { return w.cmdMainMenu; }, true},
    };
    return map;
}

// Every control some screen shows, of those built so far.
std::vector<QWidget *> frmMain::screenControls() const
{
    std::vector<QWidget *> controls = {imgTopShip, txtChatBoxMsgs, txtChatBox};
    for (const ScreenRow &row : screenMap())
        for (QWidget *control : row.shown(*this))
            if (std::find(controls.begin(), controls.end(), control) == controls.end())
                controls.push_back(control);
    controls.erase(std::remove(controls.begin(), controls.end(), nullptr), controls.end());
    return controls;
}

void frmMain::ensureBuilt(Screen screen)
{
    if (screen == Screen::About && !imgAbout1)
        buildAboutView();
    else if (screen != Screen::Login && screen != Screen::About && !picContainerGameType)
        buildPlayScreens();
}

void frmMain::showScreen(Screen screen)
{
    ensureBuilt(screen);
    if (screen == Screen::Server) // announced once the flow, going on from here, listens
        QMetaObject::invokeMethod(this, &frmMain::announceWaitingGame, Qt::QueuedConnection);
    else if (mPublisher)
        mPublisher->withdraw(); // the game waits no longer
    const auto row = std::find_if(screenMap().begin(), screenMap().end(),
                                  [screen](const ScreenRow &candidate) { return candidate.screen == screen; });
    std::vector<QWidget *> shown = row->shown(*this);
    const bool network = state.isNetworkGame();
    if (row->gameScreen && network)
        shown.insert(shown.end(), {txtChatBoxMsgs, txtChatBox});
    else if (row->gameScreen)
        shown.push_back(imgTopShip);
    for (QWidget *control : screenControls())
        if (std::find(shown.begin(), shown.end(), control) == shown.end())
            control->hide();
    for (QWidget *control : shown)
        control->show();
    // In a network game the keyboard starts in the chat until the game is over.
    const bool chatFirst = row->gameScreen && network && screen != Screen::GameOver;
    (chatFirst ? txtChatBox : row->firstControl(*this))->setFocus();
}
