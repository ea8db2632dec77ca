// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/frmMain.h"

#include "Reelpane.h"
#include "accounts/ui/LoginPanel.h"
#include "board/ui/BoardPanel.h"
#include "board/ui/BoardWidget.h"
#include "board/ui/PlacementPanel.h"
#include "main/DataPaths.h"
#include "main/ui/AboutView.h"
#include "main/ui/DifficultyPanel.h"
#include "main/ui/GameTypePanel.h"
#include "main/ui/SeaBackdrop.h"
#include "main/ui/widgets/Artwork.h"
#include "main/ui/widgets/Geometry.h"
#include "main/ui/widgets/MessageBoxes.h"
#include "main/ui/widgets/WidgetFactory.h"
#include "main/ui/widgets/WindowStyle.h"
#include "net/Winsock.h"
#include "net/ui/ChatPane.h"
#include "net/ui/ClientPanel.h"
#include "net/ui/ServerPanel.h"
#include "records/ui/RecordsControls.h"
#include "records/ui/RecordsView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// The frame of a classic fixed-single window, which the menu panels are centred by.
constexpr int kFrameWidthTwips = 90;
constexpr int kFrameHeightTwips = 405;

} // namespace

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
    , mParts{new LoginPanel(this, mFlow), new PlacementPanel(this, mFlow),
             new ServerPanel(this, mFlow), new ChatPane(this, mFlow)}
    , mFlow({*this, *mParts.login, *mParts.placement, *mParts.server, *mParts.chat}, mLink)
{
    loadPictureResources();
    buildWindow();
    connect(mParts.login, &LoginPanel::submitted, this, [this] {
        if (mFlow.screen() != Screen::Login)
            warmUpForPlay();
    });
    connect(mParts.login, &LoginPanel::aboutClicked, this, [this] { mFlow.about(); });
    connect(mParts.login, &LoginPanel::exitClicked, this, &QWidget::close);
    connectSockets();
    showScreen(Screen::Login);
    // The other screens are built on their first showing, and the cues and the radar
    // wait for warmUpForPlay: the log-in screen, which opens the program, needs none of them.
}

frmMain::~frmMain() = default;

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

    mParts.radar = new Reelpane(this);
    mParts.radar->setObjectName(QStringLiteral("gifRadarAnimation"));
    mParts.radar->setAccessibleName(tr("Radar"));
    mParts.radar->setGeometry(Twips::rect(120, 120, 1095, 1095));
}

void frmMain::buildGameControls()
{
    using WidgetFactory::label;
    mParts.topShip = label(this, QStringLiteral("imgTopShip"), QString(), 1560, 120, 8565, 1095);
    mParts.topShip->setPixmap(Artwork::pixmap(QStringLiteral("topship")));
    mParts.topShip->setAccessibleName(tr("Warship"));

    mParts.mainMenu = WidgetFactory::button(this, QStringLiteral("cmdMainMenu"),
                                            tr("Main Menu"), 120, 6720, 1095, 375);
    connect(mParts.mainMenu, &QPushButton::clicked, this, [this] { mFlow.mainMenu(); });

    mParts.status = label(this, QStringLiteral("lblStatus"), QString(), 4725, 6720, 5460, 375);
    mParts.status->setAlignment(Qt::AlignCenter);
    mParts.recordNotice = RecordsControls::recordNotice(this);
}

void frmMain::buildPlayScreens()
{
    buildGameControls();
    mParts.gameType = new GameTypePanel(this, mFlow);
    mParts.difficulty = new DifficultyPanel(this, mFlow, *mParts.gameType);
    mParts.server->build();
    mParts.client = new ClientPanel(this, mFlow);
    placeMenuPanels();
    mParts.ownBoard = new BoardPanel(this, QStringLiteral("picContainerPlayer1"),
                                     tr("Your Fleet"), 120, mFlow.player1Grid(),
                                     QStringLiteral("imgPlayer1Grid"));
    mParts.opponentBoard = new BoardPanel(this, QStringLiteral("picContainerPlayer2"),
                                          tr("Opponent's Fleet"), 5400,
                                          mFlow.player2Grid(), QStringLiteral("imgPlayer2Grid"));
    // Without a hot spot given, Qt puts it in the middle of the picture, at any scale.
    mParts.opponentBoard->setCursor(QCursor(Artwork::pixmap(QStringLiteral("cursor_crosshair"))));
    connect(mParts.opponentBoard->grid(), &BoardWidget::cellPressed, this,
            [this](int index) { mFlow.battle().playerFires(index); });
    mParts.placement->build(*mParts.ownBoard);
    mParts.chat->build();
}

void frmMain::connectSockets()
{
    wskMain->setObjectName(QStringLiteral("wskMain"));
    wskGame->setObjectName(QStringLiteral("wskGame"));
    NetworkFlow &network = mFlow.network();
    connect(wskMain, &Winsock::ConnectionRequest, this, [this, &network](qintptr requestID) {
        network.connectionRequested(requestID);
        mParts.server->withdraw(); // nobody else can join now
    });
    connect(wskMain, &Winsock::Error, this, [this, &network](const QString &description) {
        network.listenerFailed(description);
        if (!mLink.listening())
            mParts.server->withdraw();
    });
    connect(wskGame, &Winsock::Connected, this, [&network] { network.connected(); });
    connect(wskGame, &Winsock::DataArrival, this,
            [&network](qint64 bytesTotal) { network.dataArrived(bytesTotal); });
    connect(wskGame, &Winsock::Error, this,
            [&network](const QString &description) { network.socketFailed(description); });
    connect(wskGame, &Winsock::peerClosed, this, [&network] { network.peerClosed(); });
}

void frmMain::placeMenuPanels()
{
    const int outerWidth = width() * Twips::kPerPixel + kFrameWidthTwips;
    const int outerHeight = height() * Twips::kPerPixel + kFrameHeightTwips;
    QWidget *const panels[] = {mParts.login, mParts.gameType, mParts.difficulty, mParts.server,
                               mParts.client};
    for (QWidget *panel : panels) {
        if (!panel)
            continue; // not built yet: it is placed when it is
        const double left = (outerWidth - panel->width() * Twips::kPerPixel) / 2.0;
        const double top = (outerHeight - panel->height() * Twips::kPerPixel) / 2.0;
        panel->move(Twips::point(left, top));
    }
}

void frmMain::ensureBuilt(Screen screen)
{
    if (screen == Screen::About && !mParts.about)
        mParts.about = new AboutView(this, mFlow, *mParts.radar);
    else if (screen != Screen::Login && screen != Screen::About && !mParts.gameType)
        buildPlayScreens();
}

void frmMain::showScreen(Screen screen)
{
    ensureBuilt(screen);
    if (screen == Screen::Server) { // announced once the flow, going on from here, listens
        QMetaObject::invokeMethod(this, [this] {
            if (mFlow.screen() == Screen::Server && mLink.listening())
                mParts.server->announce(mFlow.state().gPlayerName);
        }, Qt::QueuedConnection);
    } else {
        mParts.server->withdraw(); // the game waits no longer
    }
    ScreenMap::show(mParts, screen, mFlow.state().isNetworkGame());
}

void frmMain::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    SeaBackdrop::paint(painter, event->rect());
}

void frmMain::setStatus(const QString &text)
{
    mParts.status->setText(text);
}

void frmMain::warn(const QString &text, std::function<void()> closed)
{
    showWarning(this, text, std::move(closed));
}

void frmMain::inform(const QString &text, std::function<void()> closed)
{
    showInformation(this, text, std::move(closed));
}

void frmMain::playCue(Cue cue)
{
    mSound.PlayWave(cueName(cue));
}

void frmMain::setDifficultyCaptions(const QStringList &captions)
{
    mParts.difficulty->setCaptions(captions);
}

void frmMain::clearChoices()
{
    mParts.gameType->clearChoice();
    mParts.difficulty->clearChoice();
}

void frmMain::showRecords(const QString &player, const QString &recordFile, const QString &note,
                          std::function<void()> closed)
{
    // Opened from the game-type screen, whose Records button has the keyboard by now:
    // the screen's choice takes it back, so the first arrow key after the view moves it.
    openRecordsView(this, player, recordFile, note, [this, closed = std::move(closed)] {
        mParts.gameType->focusChoice();
        if (closed)
            closed();
    });
}

void frmMain::setRecordNotice(const QString &text)
{
    mParts.recordNotice->setText(text);
}

void frmMain::startRadar(const QString &radarFile)
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
    mParts.radar->GifLoad(path);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing ends the program at once: the computer's shot or a step still to come
    // must not play on against a window that is going away.
    mFlow.windowClosed();
    mParts.server->withdraw();
    event->accept();
}
