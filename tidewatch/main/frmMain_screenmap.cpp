// Which controls each screen shows. The table is the only place that knows it;
// handlers change the screen through showScreen and ask currentScreen where the
// player is.

#include "Reelpane.h"
#include "board/BoardWidget.h"
#include "main/frmMain.h"
#include "net/discovery/GamePublisher.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

void frmMain::buildScreenMap()
{
    // Screen, what it shows, where the keyboard starts, and whether it is a game screen.
    // A screen has its row once its controls are built (ensureBuilt).
    mScreenMap = {{Screen::Login, {picContainerLogin}, cboPlayers, false}};
    if (imgAbout1)
        mScreenMap.push_back({Screen::About,
                              {lblAbout1, lblAbout2, lblWebSite, imgAbout1, cmdAboutOK, cmdAboutReelpane},
                              cmdAboutOK,
                              false});
    if (picContainerGameType) {
        mScreenMap.insert(
            mScreenMap.end(),
            {
                {Screen::GameType, {picContainerGameType}, optGameType->button(0), false},
                {Screen::Difficulty, {picContainerComputerDifficulty}, optComputerDifficulty->button(1),
                 false},
                {Screen::Server, {picContainerMultiPlayerServer}, cmdMultiplayerServerCancel, false},
                {Screen::Client, {picContainerMultiPlayerClient}, txtMultiplayerClientHostConnect, false},
                {Screen::Placement,
                 {picContainerPlayer1, picContainerShipPlace, lblStatus, gifRadarAnimation},
                 imgPlayer1Grid,
                 true},
                {Screen::Battle, {picContainerPlayer1, picContainerPlayer2, lblStatus, gifRadarAnimation},
                 imgPlayer2Grid,
                 true},
                {Screen::GameOver,
                 {picContainerPlayer1, picContainerPlayer2, lblStatus, gifRadarAnimation, cmdMainMenu},
                 cmdMainMenu,
                 true},
            });
    }
    mScreenWidgets = {gifRadarAnimation};
    if (picContainerGameType)
        mScreenWidgets.insert(mScreenWidgets.end(), {imgTopShip, txtChatBoxMsgs, txtChatBox});
    for (const ScreenRow &row : mScreenMap)
        for (QWidget *control : row.shown)
            if (std::find(mScreenWidgets.begin(), mScreenWidgets.end(), control)
                == mScreenWidgets.end())
                mScreenWidgets.push_back(control);
}

void frmMain::ensureBuilt(Screen screen)
{
    if (screen == Screen::About && !imgAbout1)
        buildAboutView();
    else if (screen != Screen::Login && screen != Screen::About && !picContainerGameType)
        buildPlayScreens();
    else
        return;
    buildScreenMap();
}

const frmMain::ScreenRow &frmMain::screenRow(Screen screen) const
{
    const auto row = std::find_if(mScreenMap.begin(), mScreenMap.end(),
                                  [screen](const ScreenRow &candidate) { return candidate.screen == screen; });
    Q_ASSERT(row != mScreenMap.end());
    return *row;
}

void frmMain::showScreen(Screen screen)
{
    ensureBuilt(screen);
    if (screen != Screen::Server && mPublisher)
        mPublisher->withdraw(); // the game waits no longer
    mScreen = screen;
    const ScreenRow &row = screenRow(screen);
    std::vector<QWidget *> shown = row.shown;
    if (row.gameScreen && state.isNetworkGame())
        shown.insert(shown.end(), {txtChatBoxMsgs, txtChatBox});
    else if (row.gameScreen)
        shown.push_back(imgTopShip);
    for (QWidget *control : mScreenWidgets)
        if (std::find(shown.begin(), shown.end(), control) == shown.end())
            control->hide();
    for (QWidget *control : shown)
        control->show();
    // In a network game the keyboard starts in the chat until the game is over.
    const bool chatFirst = row.gameScreen && state.isNetworkGame() && screen != Screen::GameOver;
    (chatFirst ? txtChatBox : row.firstControl)->setFocus();
}
