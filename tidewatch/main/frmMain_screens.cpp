// SPDX-License-Identifier: GPL-3.0-or-later
// The menu screens: about view, game type, difficulty, Main Menu reset and exit.

#include "LinkLabel.h"
#include "Reelpane.h"
#include "main/Artwork.h"
#include "main/DataPaths.h"
#include "main/Geometry.h"
#include "main/MenuKeys.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QUrl>

namespace {

// The frame of a classic fixed-single window, which the menu panels are centred by.
constexpr int kFrameWidthTwips = 90;
constexpr int kFrameHeightTwips = 405;

void clearOptions(QButtonGroup *group)
{
    // An exclusive group cannot be emptied while exclusive. A reset is no choice.
    const QSignalBlocker silent(group);
    group->setExclusive(false);
    for (QAbstractButton *option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

} // namespace

void frmMain::buildGameTypePanel()
{
    using namespace WidgetFactory;
    picContainerGameType = panel(this, QStringLiteral("picContainerGameType"),
                                 QStringLiteral("Select Game Type"), 0, 0, 3735, 2055);
    title(picContainerGameType, QStringLiteral("Select Game Type"), 120, 60, 3495);
    optGameType = new QButtonGroup(this);
    const QStringList captions = {QStringLiteral("Single Player"),
                                  QStringLiteral("Multiplayer (Server)"),
                                  QStringLiteral("Multiplayer (Client)")};
    for (int index = 0; index < captions.size(); ++index)
        optGameType->addButton(option(picContainerGameType,
                                      QStringLiteral("optGameType%1").arg(index), captions[index],
                                      240, 480 + index * 315, 3375, 285),
                               index);
    // Made in reading order, which Tab follows: the options, forward, then back.
    cmdNext = button(picContainerGameType, QStringLiteral("cmdNext"), QStringLiteral("Next >"),
                     2520, 1560, 1095, 375);
    cmdNext->setEnabled(false);
    cmdLogOff = button(picContainerGameType, QStringLiteral("cmdLogOff"),
                       QStringLiteral("Log Off"), 120, 1560, 1095, 375);
    MenuKeys::arrowsSelect(optGameType);
    MenuKeys::enterPresses(picContainerGameType, cmdNext);

    // Selected by click, arrow key or a screen reader's toggle: all count as a click.
    connect(optGameType, &QButtonGroup::idToggled, this,
            [this](int, bool checked) { if (checked) optGameType_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdLogOff, &QPushButton::clicked, this, &frmMain::cmdLogOff_Click);
    buildRecordsButton();
}

void frmMain::buildDifficultyPanel()
{
    using namespace WidgetFactory;
    picContainerComputerDifficulty = panel(this, QStringLiteral("picContainerComputerDifficulty"),
                                           QStringLiteral("Select Computer Difficulty"), 0, 0,
                                           3735, 2055);
    title(picContainerComputerDifficulty, QStringLiteral("Select Computer Difficulty"), 120, 60,
          3495);
    optComputerDifficulty = new QButtonGroup(this);
    const QStringList captions = GameFlow::difficultyCaptions(false);
    // Five levels between the title and the buttons.
    for (int index = 1; index <= captions.size(); ++index) {
        QRadioButton *level = option(picContainerComputerDifficulty,
                                     QStringLiteral("optComputerDifficulty%1").arg(index),
                                     captions[index - 1], 240, 390 + (index - 1) * 225, 3375, 225);
        level->setToolTip(GameFlow::levelDescription(index));
        level->setAccessibleDescription(level->toolTip());
        optComputerDifficulty->addButton(level, index);
    }
    cmdStartGame = button(picContainerComputerDifficulty, QStringLiteral("cmdStartGame"),
                          QStringLiteral("Start Game"), 2280, 1560, 1335, 375);
    cmdStartGame->setEnabled(false);
    cmdBackSinglePlayer = button(picContainerComputerDifficulty,
                                 QStringLiteral("cmdBackSinglePlayer"), QStringLiteral("< Back"),
                                 120, 1560, 1095, 375);
    MenuKeys::arrowsSelect(optComputerDifficulty);
    MenuKeys::enterPresses(picContainerComputerDifficulty, cmdStartGame);

    connect(optComputerDifficulty, &QButtonGroup::idToggled, this,
            [this](int, bool checked) { if (checked) optComputerDifficulty_Click(); });
    connect(cmdBackSinglePlayer, &QPushButton::clicked, this, &frmMain::cmdBackSinglePlayer_Click);
    connect(cmdStartGame, &QPushButton::clicked, this, &frmMain::cmdStartGame_Click);
}

void frmMain::buildAboutView()
{
    using namespace WidgetFactory;
    imgAbout1 = label(this, QStringLiteral("imgAbout1"), QString(), 3000, 2160, 1440, 1440);
    imgAbout1->setPixmap(Artwork::pixmap(QStringLiteral("about")));
    imgAbout1->setAccessibleName(QStringLiteral("Tidewatch emblem"));
    imgAbout1->installEventFilter(this);
    lblAbout1 = label(this, QStringLiteral("lblAbout1"), QStringLiteral("Orvane Tidewatch"), 4680,
                      2160, 4500, 480);
    lblAbout2 = label(this, QStringLiteral("lblAbout2"),
                      QStringLiteral("A sea battle for one or two players. Version 0.0.3"), 4680,
                      2700, 4500, 285);
    // The maker's address is the game's README on this machine: a player can open it
    // without a network, and it says who makes the game and how to play it.
    const QString readme = QUrl::fromLocalFile(DataPaths::forThisProgram().readme).toString();
    auto *webSite = new reelkit::LinkLabel(readme, this);
    place(webSite, QStringLiteral("lblWebSite"), nullptr, 4680, 3060, 4500, 285);
    webSite->fitCaptionWithin(webSite->contentsRect().width()); // an install under a long folder
    connect(webSite, &reelkit::LinkLabel::clicked, this, &frmMain::lblWebSite_Click);
    lblWebSite = webSite;
    cmdAboutOK = button(this, QStringLiteral("cmdAboutOK"), QStringLiteral("OK"), 4680, 3600,
                        1095, 375);
    cmdAboutReelpane = button(this, QStringLiteral("cmdAboutReelpane"),
                              QStringLiteral("About Reelpane"), 5895, 3600, 1800, 375);
    connect(cmdAboutOK, &QPushButton::clicked, this, &frmMain::cmdAboutOK_Click);
    connect(cmdAboutReelpane, &QPushButton::clicked, this, &frmMain::cmdAboutReelpane_Click);
}

void frmMain::PlaceMenuPanels()
{
    const int outerWidth = width() * Twips::kPerPixel + kFrameWidthTwips;
    const int outerHeight = height() * Twips::kPerPixel + kFrameHeightTwips;
    for (QWidget *panel : {picContainerLogin, picContainerGameType, picContainerComputerDifficulty,
                           picContainerMultiPlayerServer, picContainerMultiPlayerClient}) {
        if (!panel)
            continue; // not built yet: it is placed when it is
        const double left = (outerWidth - panel->width() * Twips::kPerPixel) / 2.0;
        const double top = (outerHeight - panel->height() * Twips::kPerPixel) / 2.0;
        panel->move(Twips::point(left, top));
    }
}

void frmMain::setDifficultyCaptions(const QStringList &captions)
{
    for (int index = 1; index <= captions.size(); ++index)
        optComputerDifficulty->button(index)->setText(captions[index - 1]);
}

void frmMain::clearChoices()
{
    cmdNext->setEnabled(false);
    cmdStartGame->setEnabled(false);
    clearOptions(optGameType);
    clearOptions(optComputerDifficulty);
}

void frmMain::cmdAbout_Click()
{
    mFlow.about();
}

void frmMain::cmdAboutOK_Click()
{
    mFlow.aboutClosed();
}

void frmMain::cmdAboutReelpane_Click()
{
    gifRadarAnimation->Invoke(Reelpane::DispIdAbout);
}

void frmMain::lblWebSite_Click()
{
    QDesktopServices::openUrl(QUrl(lblWebSite->text())); // what the desktop does with it is its own
}

void frmMain::imgAbout1_DblClick()
{
    mFlow.toggleReveal();
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::optGameType_Click()
{
    cmdNext->setEnabled(true);
}

void frmMain::cmdNext_Click()
{
    mFlow.next(optGameType->checkedId());
}

void frmMain::optComputerDifficulty_Click()
{
    cmdStartGame->setEnabled(true);
}

void frmMain::cmdBackSinglePlayer_Click()
{
    mFlow.backToGameType();
}

void frmMain::cmdStartGame_Click()
{
    mFlow.startSinglePlayer(optGameType->checkedId(), optComputerDifficulty->checkedId());
}

void frmMain::cmdMainMenu_Click()
{
    mFlow.mainMenu();
}
