#include "main/frmMain.h"

#include "Reelpane.h"
#include "battle/RandomSource.h"
#include "board/BoardWidget.h"
#include "main/Artwork.h"
#include "main/DataPaths.h"
#include "main/Geometry.h"
#include "main/MessageBoxes.h"
#include "main/ModalGate.h"
#include "main/SeaBackdrop.h"
#include "main/WidgetFactory.h"
#include "main/WindowStyle.h"
#include "net/Winsock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using WidgetFactory::button;
using WidgetFactory::label;

namespace {

const QStringList kCues = {QStringLiteral("hit"),  QStringLiteral("sunk"),
                           QStringLiteral("miss"), QStringLiteral("clap"),
                           QStringLiteral("youlose"), QStringLiteral("slap")};

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
    , mRandom(std::make_unique<ClockSeededRandom>())
    , mGate(new ModalGate(this))
{
    loadPictureResources();
    buildWindow();
    buildLoginPanel();
    connectSockets();
    buildScreenMap();
    showScreen(Screen::Login);
    // The other screens are built on their first showing, and the cues and the radar
    // wait for warmUpForPlay: the log-in screen, which opens the program, needs none of them.
}

frmMain::~frmMain() = default;

void frmMain::setRandomSource(std::unique_ptr<RandomSource> random)
{
    mRandom = std::move(random);
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

void frmMain::buildChat()
{
    txtChatBoxMsgs = new QPlainTextEdit(this);
    txtChatBoxMsgs->setReadOnly(true);
    // Nobody undoes a log; kept on, every line added or dropped would be kept for ever.
    txtChatBoxMsgs->setUndoRedoEnabled(false);
    txtChatBoxMsgs->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtChatBoxMsgs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    WidgetFactory::place(txtChatBoxMsgs, QStringLiteral("txtChatBoxMsgs"), nullptr, 1560, 120,
                         8535, 765);
    txtChatBoxMsgs->setAccessibleName(QStringLiteral("Chat log"));

    txtChatBox = new QLineEdit(this);
    WidgetFactory::place(txtChatBox, QStringLiteral("txtChatBox"), nullptr, 1560, 960, 8535, 285);
    txtChatBox->setAccessibleName(QStringLiteral("Chat message"));
    connect(txtChatBox, &QLineEdit::returnPressed, this, &frmMain::txtChatBox_Enter);
}

void frmMain::connectSockets()
{
    wskMain = new Winsock(this);
    wskMain->setObjectName(QStringLiteral("wskMain"));
    wskGame = new Winsock(this);
    wskGame->setObjectName(QStringLiteral("wskGame"));
    connect(wskMain, &Winsock::ConnectionRequest, this, &frmMain::wskMain_ConnectionRequest);
    connect(wskMain, &Winsock::Error, this, &frmMain::wskMain_Error);
    connect(wskGame, &Winsock::Connected, this, &frmMain::wskGame_Connect);
    connect(wskGame, &Winsock::DataArrival, this, &frmMain::wskGame_DataArrival);
    connect(wskGame, &Winsock::Error, this, &frmMain::socketError);
    connect(wskGame, &Winsock::PeerClosed, this, &frmMain::wskGame_PeerClosed);
    mGate->setRoomCallback([this] { wskGame->RaiseDataArrival(); });

    mClock.start();
    mQuietTimer = new QTimer(this);
    mQuietTimer->setSingleShot(true);
    mQuietTimer->setTimerType(Qt::PreciseTimer);
    connect(mQuietTimer, &QTimer::timeout, this, &frmMain::quietTimer_Timer);
}

void frmMain::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    SeaBackdrop::paint(painter, event->rect());
}

void frmMain::warn(const QString &text)
{
    mGate->boxOpened();
    ShowWarning(this, text);
    mGate->boxClosed();
}

void frmMain::inform(const QString &text)
{
    mGate->boxOpened();
    ShowInformation(this, text);
    mGate->boxClosed();
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
    mSound.preload(kCues);
    QString path = mRadarFile;
    gifRadarAnimation->GifLoad(path);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing ends the program at once; a handler paused in WaitSeconds sees this
    // and stops instead of playing on against a window that is going away.
    mClosing = true;
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
