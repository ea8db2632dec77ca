// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/modSound.h"
#include "main/GameFlow.h"
#include "main/GameView.h"
#include "net/WinsockLink.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class BoardWidget;
class GamePublisher;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Reelpane;
class Winsock;

// The game's only window. Its screens are panels shown and hidden in turn; every
// control carries its design name as objectName, so tests and screen readers find it.
// The game itself is the flow: each handler reads its controls and makes one call
// into it, and the window shows what the flow tells it. The handlers live beside their
// subsystem: accounts/, board/, battle/, net/, main/.
class frmMain : public QWidget, private GameView
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

private:
    CuePlayer mSound;
    Winsock *wskMain = nullptr;
    Winsock *wskGame = nullptr;
    WinsockLink mLink;
    GameFlow mFlow;

public:
    // The flow's state and boards, which the window shows and tests read.
    GameState &state;
    BoardModel &player1Grid;   // own board
    BoardModel &player2Grid;   // opponent board
    HardLevelFields &hardLevel;

    CuePlayer &modSound() { return mSound; }
    // Tests replace the clock-seeded generator with a script.
    void setRandomSource(std::unique_ptr<RandomSource> random);

    // Start-up steps that need the window. New accounts are appended to the file read.
    // The radar file is loaded when the player leaves the log-in screen.
    void LoadAccounts(const QString &accountFile);
    void PlaceMenuPanels();
    void StartRadar(const QString &radarFile);

    Screen currentScreen() const { return mFlow.screen(); }

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
    void ensureBuilt(Screen screen);
    // Brings up what the log-in screen does not need (sound cues, radar) once the
    // player leaves it. Call it last in a handler: the radar load lets events through.
    void warmUpForPlay();

    // What the flow tells the window.
    void showScreen(Screen screen) override;
    void setStatus(const QString &text) override;
    void warn(const QString &text) override;
    void inform(const QString &text) override;
    void playCue(Cue cue) override;
    bool letEventsThrough() override;
    bool pause(int seconds) override;
    void setDifficultyCaptions(const QStringList &captions) override;
    void clearChoices() override;
    void showRecords(const QString &player, const QString &recordFile, const QString &note) override;
    void setRecordNotice(const QString &text) override;
    void addAccountName(const QString &name) override;
    void setLoginCaption(const QString &caption) override;
    void showPlacementChoices(const PlacementChoices &choices) override;
    void setPlacementCursor(PlacementCursor cursor) override;
    void setNoFit(int cell, int ship) override;
    void setServerStatus(const QString &text) override;
    void setServerAddress(const QString &text) override;
    void appendChatLines(const QString &lines) override;

    // Log-in and accounts.
    void cboPlayers_Change();
    void cmdLogin_Click();
    void cmdLogOff_Click();

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
    void buildRecordNotice();
    void cmdRecords_Click();

    // Placement.
    void optSelectedShip_Click(int index);
    void imgPlayer1Grid_MouseMove(int index);
    void imgPlayer1Grid_MouseDown(int index);
    void cmdPlaceForMe_Click();
    void cmdFinishPlacingShips_Click();

    // Battle.
    void imgPlayer2Grid_MouseDown(int index);

    // Network connection and chat.
    void wskMain_ConnectionRequest(qintptr requestID);
    void wskMain_Error(const QString &description);
    void announceWaitingGame();
    void wskGame_Connect();
    void wskGame_DataArrival(qint64 bytesTotal);
    void wskGame_PeerClosed();
    void wskGame_Error(const QString &description);
    void cmdMultiplayerClientStartGame_Click();
    void cmdMultiplayerServerCancel_Click();
    void cmdMultiplayerClientCancel_Click();
    void txtChatBox_Enter();

    // Which controls each screen shows: one row per screen, whole from the start.
    struct ScreenRow
    {
        Screen screen;
        std::vector<QWidget *> (*shown)(const frmMain &);
        QWidget *(*firstControl)(const frmMain &); // takes the keyboard when the screen shows
        bool gameScreen; // adds the top ship in a single-player game, the chat in a network one
    };
    static const std::vector<ScreenRow> &screenMap();
    std::vector<QWidget *> screenControls() const;

    QString mRadarFile;
    GamePublisher *mPublisher = nullptr; // announces the server screen's waiting game
    bool mWarmedUp = false;
    bool mClosing = false;

    // Window-level controls.
    Reelpane *gifRadarAnimation = nullptr;
    QLabel *imgTopShip = nullptr;
    QPlainTextEdit *txtChatBoxMsgs = nullptr;
    QLineEdit *txtChatBox = nullptr;
    QPushButton *cmdMainMenu = nullptr;
    QLabel *lblStatus = nullptr;
    QLabel *lblRecordNotice = nullptr;

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
    QButtonGroup *optSelectedShipGroup = nullptr; // ids 0 "Clear Ship", 1..5 ships
    std::array<QRadioButton *, 6> optSelectedShip{}; // [1..5]; [0] unused
    QRadioButton *optSelectedShipClear = nullptr;
    QPushButton *cmdPlaceForMe = nullptr;
    QPushButton *cmdFinishPlacingShips = nullptr;
};
