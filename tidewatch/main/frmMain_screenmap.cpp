// Which controls each screen shows. The table is the only place that knows it;
// handlers change the screen through showScreen and ask currentScreen where the
// player is.

#include "Reelpane.h"
#include "main/frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

void frmMain::buildScreenMap()
{
    mScreenMap = {
        {Screen::Login, {picContainerLogin}, false},
        {Screen::About,
         {lblAbout1, lblAbout2, lblWebSite, imgAbout1, cmdAboutOK, cmdAboutReelpane},
         false},
        {Screen::GameType, {picContainerGameType}, false},
        {Screen::Difficulty, {picContainerComputerDifficulty}, false},
        {Screen::Server, {picContainerMultiPlayerServer}, false},
        {Screen::Client, {picContainerMultiPlayerClient}, false},
        {Screen::Placement,
         {picContainerPlayer1, picContainerShipPlace, lblStatus, gifRadarAnimation},
         true},
        {Screen::Battle, {picContainerPlayer1, picContainerPlayer2, lblStatus, gifRadarAnimation},
         true},
        {Screen::GameOver,
         {picContainerPlayer1, picContainerPlayer2, lblStatus, gifRadarAnimation, cmdMainMenu},
         true},
    };
    mScreenWidgets = {imgTopShip, txtChatBoxMsgs, txtChatBox};
    for (const ScreenRow &row : mScreenMap)
        for (QWidget *control : row.shown)
            if (std::find(mScreenWidgets.begin(), mScreenWidgets.end(), control)
                == mScreenWidgets.end())
                mScreenWidgets.push_back(control);
}

void frmMain::showScreen(Screen screen)
{
    mScreen = screen;
    const ScreenRow &row = mScreenMap[std::size_t(screen)];
    Q_ASSERT(row.screen == screen);
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
}
