#pragma once

#include "battle/AdmiralLevel.h"
#include "battle/ComputerOpponent.h"
#include "board/BoardModel.h"
#include "board/modSound.h"
#include "main/GameState.h"
#include "main/Screen.h"
#include "net/ChatBatch.h"
#include "net/Inbound.h"
#include "net/MessageReader.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class BoardWidget;
enum class GameOutcome : int;
class ModalGate;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class RandomSource;
class Reelpane;
class Winsock;

// The game's only window. Its screens are panels shown and hidden in turn; every
// control carries its design name as objectName, so tests and screen readers find it.
// The handlers live beside their subsystem: accounts/, board/, battle/, net/, main/.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    GameState state;
    HardLevelFields hardLevel; // the Hard computer's memory, kept between games
    AdmiralSight admiralSight; // what the Admiral has seen of this game
    BoardModel player1Grid;    // own board
    BoardModel player2Grid;    // opponent board

    CuePlayer &modSound() { return mSound; }
    // Tests replace the clock-seeded generator with a script.
    void setRandomSource(std::unique_ptr<RandomSource> random);

    // Start-up steps that need the window. New accounts are appended to the file read.
    // The radar file is loaded when the player leaves the log-in screen.
    void LoadAccounts(const QString &accountFile);
    void PlaceMenuPanels();
    void StartRadar(const QString &radarFile);

    // The screen showing; every screen change goes through showScreen.
    Screen currentScreen() const { return mScreen; }

    static constexpr quint16 kGamePort = 1987;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction, one part of the window each. The start builds the window and the
    // log-in screen; the about view and the screens of play follow on first showing.
    void buildWindow();
    void buildLoginPanel();
    void buildAboutView();
    void buildPlayScreens();
    void buildGameControls();
    void buildGameTypePanel();
    void buildDifficultyPanel();
    void buildServerPanel();
    void buildClientPanel();
    void buildBoards();
    void buildPlacementPanel();
    void buildChat();
    void connectSockets();
    void buildScreenMap();

    // Screens: one of them shows, as the screen map says.
    void showScreen(Screen screen);
    void ensureBuilt(Screen screen);

    // The game's own message boxes; socket events wait while one is up.
    void warn(const QString &text);
    void inform(const QString &text);
    // Brings up what the log-in screen does not need (sound cues, radar) once the
    // player leaves it. Call it last in a handler: the radar load lets events through.
    void warmUpForPlay();

    // Log-in and accounts.
    void cboPlayers_Change();
    void cmdLogin_Click();
    void cmdLogOff_Click();
    void createAccount();
    void logIn();

    // Menu screens.
    void cmdAbout_Click();
    void cmdAboutOK_Click();
    void cmdAboutReelpane_Click();
    void lblWebSite_Click();
    void imgAbout1_DblClick();
    void cmdExit_Click();
    void optGameType_Click();
    void cmdNext_Click();
    void optComputerDifficulty_Click();
    void cmdBackSinglePlayer_Click();
    void cmdStartGame_Click();
    void cmdMainMenu_Click();

    // Records.
    void buildRecordsButton();
    void cmdRecords_Click();
    void countGameEnd(GameOutcome outcome);

    // Placement.
    void imgPlayer1Grid_MouseMove(int index);
    void imgPlayer1Grid_MouseDown(int index);
    void cmdFinishPlacingShips_Click();
    void cmdPlaceForMe_Click();
    void selectNextShip();
    qint16 GetSelectedShipType() const;
    qint16 GetNextShipType() const;
    bool placementOpen() const;
    void beginPlacement();

    // Battle.
    void imgPlayer2Grid_MouseDown(int index);
    bool singlePlayerShot(qint16 cell); // false when the window closed meanwhile
    void networkShot(qint16 cell);
    void EndOfGameTest();
    bool WaitSeconds(int seconds); // false when the window closed meanwhile

    // Network connection, protocol and chat.
    void wskMain_ConnectionRequest(qintptr requestID);
    void wskMain_Error(const QString &description);
    bool connectionWelcome() const;
    void wskGame_Connect();
    void wskGame_DataArrival(qint64 bytesTotal);
    void quietTimer_Timer();
    void takeWhatIsQuiet(qint64 quietAt, qint64 readAtMost);
    void deliver(MessageReader::Result result);
    void applyBatch(const Inbound::Batch &batch);
    void forgetConnection(); // drops what the socket's connection sent and is not yet applied
    void wskGame_PeerClosed();
    void socketError(const QString &description);
    void cmdMultiplayerClientStartGame_Click();
    void cmdMultiplayerServerCancel_Click();
    void cmdMultiplayerClientCancel_Click();
    void EnterPlacementScreen(qint32 gameType);
    void applyReceived(const Protocol::Message &message);
    bool receivable(const Protocol::Message &message) const;
    void CheckGameReady();
    void receive(const Protocol::PlaceShips &message);
    void receive(const Protocol::Fire &message);
    void receive(const Protocol::GameOver &message);
    void receive(const Protocol::Chat &message);
    void connectionLost(const QString &warning);
    void txtChatBox_Enter();
    void appendChatLine(const QString &line); // at once; received chat waits in mChatBatch
                                               // for the end of its batch
    void flushChat();
    void send(const Protocol::Message &message);

    CuePlayer mSound;
    std::unique_ptr<RandomSource> mRandom;
    MessageReader mReader;
    ChatBatch mChatBatch;          // lines waiting for the log's next append
    QElapsedTimer mClock;          // the reader's time
    QTimer *mQuietTimer = nullptr; // fires when the line has been quiet long enough
    QString mAccountFile;
    QString mRadarFile;
    bool mWarmedUp = false;
    bool mClosing = false;
    bool mConnectionUp = false;
    ConnectionGeneration mConnection; // tags what is received with the connection it came from
    ModalGate *mGate = nullptr;

    struct ScreenRow
    {
        Screen screen;
        std::vector<QWidget *> shown;
        QWidget *firstControl; // takes the keyboard when the screen shows
        bool gameScreen; // adds the top ship in a single-player game, the chat in a network one
    };
    const ScreenRow &screenRow(Screen screen) const;
    std::vector<ScreenRow> mScreenMap; // one row per screen whose controls are built
    std::vector<QWidget *> mScreenWidgets; // every control some screen shows
    Screen mScreen = Screen::Login;

    // Window-level controls.
    Reelpane *gifRadarAnimation = nullptr;
    QLabel *imgTopShip = nullptr;
    QPlainTextEdit *txtChatBoxMsgs = nullptr;
    QLineEdit *txtChatBox = nullptr;
    QPushButton *cmdMainMenu = nullptr;
    QLabel *lblStatus = nullptr;

    // About view.
    QLabel *lblAbout1 = nullptr;
    QLabel *lblAbout2 = nullptr;
    QLabel *lblWebSite = nullptr;
    QLabel *imgAbout1 = nullptr;
    QPushButton *cmdAboutOK = nullptr;
    QPushButton *cmdAboutReelpane = nullptr;

    // Log-in panel.
    QWidget *picContainerLogin = nullptr;
    QComboBox *cboPlayers = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdLogin = nullptr;
    QPushButton *cmdExit = nullptr;
    QPushButton *cmdAbout = nullptr;

    // Game-type panel.
    QWidget *picContainerGameType = nullptr;
    QButtonGroup *optGameType = nullptr; // ids 0 single, 1 server, 2 client
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdLogOff = nullptr;
    QPushButton *cmdRecords = nullptr;

    // Difficulty panel.
    QWidget *picContainerComputerDifficulty = nullptr;
    QButtonGroup *optComputerDifficulty = nullptr; // ids 1..5
    QPushButton *cmdStartGame = nullptr;
    QPushButton *cmdBackSinglePlayer = nullptr;

    // Server and client panels.
    QWidget *picContainerMultiPlayerServer = nullptr;
    QLabel *lblMultiplayerServerIP = nullptr;
    QLabel *lblMultiplayerServerStatus = nullptr;
    QPushButton *cmdMultiplayerServerStartGame = nullptr;
    QPushButton *cmdMultiplayerServerCancel = nullptr;
    QWidget *picContainerMultiPlayerClient = nullptr;
    QLineEdit *txtMultiplayerClientHostConnect = nullptr;
    QLabel *lblMultiplayerClientStatus = nullptr;
    QPushButton *cmdMultiplayerClientStartGame = nullptr;
    QPushButton *cmdMultiplayerClientCancel = nullptr;

    // Boards and placement.
    QWidget *picContainerPlayer1 = nullptr;
    QWidget *picContainerPlayer2 = nullptr;
    BoardWidget *imgPlayer1Grid = nullptr;
    BoardWidget *imgPlayer2Grid = nullptr;
    QWidget *picContainerShipPlace = nullptr;
    QButtonGroup *optSelectedShipGroup = nullptr;
    std::array<QRadioButton *, 6> optSelectedShip{}; // [1..5]; [0] unused
    QRadioButton *optSelectedShipClear = nullptr;
    QPushButton *cmdPlaceForMe = nullptr;
    QPushButton *cmdFinishPlacingShips = nullptr;

    Winsock *wskMain = nullptr;
    Winsock *wskGame = nullptr;
};
