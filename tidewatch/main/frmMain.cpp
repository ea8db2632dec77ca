// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/frmMain.h"

#include "Reelpane.h"
#include "board/BoardWidget.h"
#include "board/RandomSource.h"
#include "main/Artwork.h"
#include "main/DataPaths.h"
#include "main/Geometry.h"
#include "main/MessageBoxes.h"
#include "main/SeaBackdrop.h"
#include "main/WidgetFactory.h"
#include "main/WindowStyle.h"
#include "net/Winsock.h"
#include "net/discovery/GamePublisher.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

using WidgetFactory::button;
using WidgetFactory::label;

// The pictures live in a static library, whose resources the linker would drop
// unless someone asks for them by name.
static void loadPictureResources()
{
    Q_INIT_RESOURCE(tidewatch);
}

frmMain::frmMain(QWidget *parent)
    : QWidget(parent)
    , mSound(DataPaths::forThisProgram().readOnlyData + QStringLiteral("/sounds"))
    , wskMain(new Winsock(this))
    , wskGame(new Winsock(this))
    , mLink(*wskMain, *wskGame)
    , mFlow(*this, mLink)
    , state(mFlow.state())
    , player1Grid(mFlow.player1Grid())
    , player2Grid(mFlow.player2Grid())
    , hardLevel(mFlow.hardLevel())
{
    loadPictureResources();
    buildWindow();
    buildLoginPanel();
    connectSockets();
    showScreen(Screen::Login);
    // The other screens are built on their first showing, and the cues and the radar
    // wait for warmUpForPlay: the log-in screen, which opens the program, needs none of them.
}

frmMain::~frmMain() = default;

void frmMain::setRandomSource(std::unique_ptr<RandomSource> random)
{
    mFlow.setRandomSource(std::move(random));
}

void frmMain::buildWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Orvane Tidewatch"));
    setWindowIcon(QIcon(Artwork::pixmap(QStringLiteral("icon"))));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::size(10485, 7185));
    WindowStyle::applyToWindow(this);
    setAttribute(Qt::WA_OpaquePaintEvent); // paintEvent covers every pixel with the backdrop

    gifRadarAnimation = new Reelpane(this);
    gifRadarAnimation->setObjectName(QStringLiteral("gifRadarAnimation"));
    gifRadarAnimation->setAccessibleName(QStringLiteral("Radar"));
    gifRadarAnimation->setGeometry(Twips::rect(120, 120, 1095, 1095));
}

void frmMain::buildGameControls()
{
    imgTopShip = label(this, QStringLiteral("imgTopShip"), QString(), 1560, 120, 8565, 1095);
    imgTopShip->setPixmap(Artwork::pixmap(QStringLiteral("topship")));
    imgTopShip->setAccessibleName(QStringLiteral("Warship"));

    cmdMainMenu = button(this, QStringLiteral("cmdMainMenu"), QStringLiteral("Main Menu"), 120,
                         6720, 1095, 375);
    connect(cmdMainMenu, &QPushButton::clicked, this, &frmMain::cmdMainMenu_Click);

    lblStatus = label(this, QStringLiteral("lblStatus"), QString(), 4725, 6720, 5460, 375);
    lblStatus->setAlignment(Qt::AlignCenter);
    buildRecordNotice();
}

void frmMain::buildPlayScreens()
{
    buildGameControls();
    buildGameTypePanel();
    buildDifficultyPanel();
    buildServerPanel();
    buildClientPanel();
    PlaceMenuPanels();
    buildBoards();
    buildPlacementPanel();
    buildChat();
}

void frmMain::buildBoards()
{
    const auto boardPanel = [this](const QString &name, const QString &caption, int left,
                                   BoardModel &model, const QString &gridName) {
        QWidget *panel = WidgetFactory::panel(this, name, caption, left, 1440, 4785, 5150);
        WidgetFactory::title(panel, caption, 120, 120, 4500);
        auto *grid = new BoardWidget(model, panel);
        grid->setObjectName(gridName);
        grid->setAccessibleName(caption);
        grid->move(Twips::point(120, 480));
        return std::pair{panel, grid};
    };
    std::tie(picContainerPlayer1, imgPlayer1Grid)
        = boardPanel(QStringLiteral("picContainerPlayer1"), QStringLiteral("Your Fleet"), 120,
                     player1Grid, QStringLiteral("imgPlayer1Grid"));
    std::tie(picContainerPlayer2, imgPlayer2Grid)
        = boardPanel(QStringLiteral("picContainerPlayer2"), QStringLiteral("Opponent's Fleet"),
                     5400, player2Grid, QStringLiteral("imgPlayer2Grid"));

    // Without a hot spot given, Qt puts it in the middle of the picture, at any scale.
    picContainerPlayer2->setCursor(QCursor(Artwork::pixmap(QStringLiteral("cursor_crosshair"))));

    connect(imgPlayer1Grid, &BoardWidget::cellHovered, this, &frmMain::imgPlayer1Grid_MouseMove);
    connect(imgPlayer1Grid, &BoardWidget::cellPressed, this, &frmMain::imgPlayer1Grid_MouseDown);
    connect(imgPlayer2Grid, &BoardWidget::cellPressed, this, &frmMain::imgPlayer2Grid_MouseDown);
}

void frmMain::connectSockets()
{
    wskMain->setObjectName(QStringLiteral("wskMain"));
    wskGame->setObjectName(QStringLiteral("wskGame"));
    connect(wskMain, &Winsock::ConnectionRequest, this, &frmMain::wskMain_ConnectionRequest);
    connect(wskMain, &Winsock::Error, this, &frmMain::wskMain_Error);
    connect(wskGame, &Winsock::Connected, this, &frmMain::wskGame_Connect);
    connect(wskGame, &Winsock::DataArrival, this, &frmMain::wskGame_DataArrival);
    connect(wskGame, &Winsock::Error, this, &frmMain::wskGame_Error);
    connect(wskGame, &Winsock::PeerClosed, this, &frmMain::wskGame_PeerClosed);
}

void frmMain::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    SeaBackdrop::paint(painter, event->rect());
}

void frmMain::setStatus(const QString &text)
{
    lblStatus->setText(text);
}

void frmMain::warn(const QString &text)
{
    ShowWarning(this, text);
}

void frmMain::inform(const QString &text)
{
    ShowInformation(this, text);
}

void frmMain::playCue(Cue cue)
{
    mSound.PlayWave(cueName(cue));
}

bool frmMain::letEventsThrough()
{
    QPointer<frmMain> self(this);
    QCoreApplication::processEvents();
    return self && !mClosing;
}

void frmMain::StartRadar(const QString &radarFile)
{
    mRadarFile = radarFile; // loaded by warmUpForPlay, before any screen shows the radar
}

void frmMain::warmUpForPlay()
{
    // Once per run. Set first: the radar load below lets events through, and a
    // log-off and log-in among them must not load it twice.
    if (mWarmedUp)
        return;
    mWarmedUp = true;
    // Brings the audio system up now, so the first cue of a game plays at once.
    QStringList cues;
    for (const Cue cue : kAllCues)
        cues << cueName(cue);
    mSound.preload(cues);
    QString path = mRadarFile;
    gifRadarAnimation->GifLoad(path);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing ends the program at once; a handler paused in WaitSeconds sees this
    // and stops instead of playing on against a window that is going away.
    mClosing = true;
    if (mPublisher)
        mPublisher->withdraw();
    event->accept();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgAbout1 && event->type() == QEvent::MouseButtonDblClick) {
        imgAbout1_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
