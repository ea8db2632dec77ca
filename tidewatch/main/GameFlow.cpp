// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/GameFlow.h"

#include "accounts/LoginView.h"
#include "board/BoardProcedures.h"
#include "board/FleetPlacement.h"
#include "board/PlacementView.h"
#include "board/RandomSource.h"
#include "main/ShellView.h"
#include "net/NetworkView.h"
#include "net/PeerText.h"
#include "records/GameRecording.h"
#include "records/RecordBook.h"


namespace {

// A level's name is the records' (recordKindName); reveal mode shows another.
struct DifficultyCaption
{
    const char *reveal;
    const char *plays; // the same level under either caption
};
constexpr DifficultyCaption kDifficultyCaptions[] = {
    {QT_TRANSLATE_NOOP("GameFlow", "No Brain"),
     QT_TRANSLATE_NOOP("GameFlow", "Fires at random and may fire at the same cell twice.")},
    {QT_TRANSLATE_NOOP("GameFlow", "Peanut Sized Brain"),
     QT_TRANSLATE_NOOP("GameFlow", "Fires at random, never at the same cell twice.")},
    {QT_TRANSLATE_NOOP("GameFlow", "Human"),
     QT_TRANSLATE_NOOP("GameFlow",
                       "Searches at random and, after a hit, follows the ship along its column.")},
    {QT_TRANSLATE_NOOP("GameFlow", "Brainbox"), QT_TRANSLATE_NOOP("GameFlow", "Never misses.")},
    {QT_TRANSLATE_NOOP("GameFlow", "Mastermind"),
     QT_TRANSLATE_NOOP("GameFlow",
                       "Fires where a ship most likely lies, by every hit, miss and sinking it has seen.")},
};

} // namespace

GameFlow::GameFlow(const GameViews &views, GameLink &link, std::function<qint64()> clock)
    : mShell(views.shell)
    , mPlacementView(views.placement)
    , mRandom(std::make_unique<ClockSeededRandom>())
    , mSteps(std::make_unique<WallClockStepTimer>())
    , mAccounts(*this, views.login)
    , mPlacement(mState, views.placement, mPlayer1Grid)
    , mBattle(*this, mPlayer1Grid, mPlayer2Grid, mHardLevel, mAdmiralSight,
              {[this](qint16 cell) { mNetwork.sendShot(cell); },
               [this] { mNetwork.sendGameOver(); }})
    , mNetwork(*this, views.server, views.chat, link, mBattle, mPlayer2Grid, std::move(clock))
{
}

GameFlow::~GameFlow() = default;

void GameFlow::setRandomSource(std::unique_ptr<RandomSource> random)
{
    mRandom = std::move(random);
}

void GameFlow::setStepTimer(std::unique_ptr<StepTimer> timer)
{
    mSteps = std::move(timer);
}

void GameFlow::windowClosed()
{
    mSteps->stop();
}

void GameFlow::enterPhase(GameState::Phase phase)
{
    if (mState.gGamePhase == GameState::PlacingShips)
        mPlacementView.setPlacementCursor(PlacementCursor::Arrow);
    mState.gGamePhase = phase;
}

// Every game places afresh: flags left by an earlier network game must not freeze
// the new fleet. The side of a network game is the connection's.
void GameFlow::startPlacement(qint32 gameType)
{
    mState.gGameType = gameType;
    mState.gShipsPlaced = false;
    mState.gOpponentShipsPlaced = false;
    ClearGrid(mPlayer1Grid);
    mShell.setRecordNotice({});
    enterPhase(GameState::PlacingShips);
    mPlacementView.setNoFit(0, 0);
    setStatus(PlacementFlow::title());
    showScreen(Screen::Placement);
}

void GameFlow::startBattle(bool myTurn, const QString &status)
{
    enterPhase(GameState::Battle);
    setTurn(myTurn);
    setStatus(status);
    showScreen(Screen::Battle);
}

void GameFlow::endGame(GameOutcome outcome)
{
    // Keeping the record never holds up the game: a file that cannot be written
    // leaves the old record as it was, and the player is told why.
    QString error;
    if (!countGame(recordFileBeside(mAccounts.accountFile()), mState, outcome, &error)
        && !error.isEmpty()) {
        mUncounted.add(mState.gPlayerName, error);
        mShell.setRecordNotice(UncountedGames::endOfGameLine(error));
    }
    enterPhase(GameState::NoGame);
}

// Until the other player's fleet names them.
QString GameFlow::unnamedOpponent()
{
    //: The other player's name until their fleet arrives
    return tr("Opponent");
}

QString GameFlow::opponentShown() const
{
    return PeerText::shownName(mState.gOpponentName);
}

void GameFlow::setTurn(bool myTurn)
{
    mState.gMyTurn = myTurn;
}

void GameFlow::showScreen(Screen screen)
{
    mScreen = screen;
    mShell.showScreen(screen);
}

void GameFlow::setStatus(const QString &text)
{
    mShell.setStatus(text);
}

void GameFlow::showBox(const BoxOpener &open, std::function<void()> then)
{
    mNetwork.gate().boxOpened();
    open([this, then = std::move(then)] {
        mNetwork.gate().boxClosed();
        if (then)
            then();
    });
}

void GameFlow::warn(const QString &text, std::function<void()> then)
{
    showBox([this, &text](std::function<void()> closed) { mShell.warn(text, std::move(closed)); },
            std::move(then));
}

void GameFlow::inform(const QString &text, std::function<void()> then)
{
    showBox([this, &text](std::function<void()> closed) { mShell.inform(text, std::move(closed)); },
            std::move(then));
}

void GameFlow::playCue(Cue cue)
{
    mShell.playCue(cue);
}

void GameFlow::later(int seconds, std::function<void()> step)
{
    mSteps->start(seconds, std::move(step));
}

bool GameFlow::waiting() const
{
    return mSteps->isActive();
}

QStringList GameFlow::difficultyCaptions(bool reveal)
{
    QStringList captions;
    for (int level = 1; level <= int(std::size(kDifficultyCaptions)); ++level)
        captions << (reveal ? tr(kDifficultyCaptions[level - 1].reveal) : recordKindName(RecordKind(level)));
    return captions;
}

void GameFlow::showRecords()
{
    showBox([this](std::function<void()> closed) {
        mShell.showRecords(mState.gPlayerName, recordFileBeside(mAccounts.accountFile()),
                           mUncounted.note(mState.gPlayerName), std::move(closed));
    }, {});
}

QString GameFlow::levelDescription(int level)
{
    if (level < 1 || level > int(std::size(kDifficultyCaptions)))
        return {};
    return tr(kDifficultyCaptions[level - 1].plays);
}

void GameFlow::about()
{
    showScreen(Screen::About);
}

void GameFlow::aboutClosed()
{
    showScreen(Screen::Login);
}

void GameFlow::toggleReveal()
{
    mState.gRevealMode = !mState.gRevealMode;
}

void GameFlow::next(int gameType)
{
    switch (GameState::typeOfOption(gameType)) {
    case GameState::SinglePlayer:
        mShell.setDifficultyCaptions(difficultyCaptions(mState.gRevealMode));
        showScreen(Screen::Difficulty);
        break;
    case GameState::Server:
        mState.gGameType = GameState::Server;
        showScreen(Screen::Server);
        mNetwork.listen();
        mState.gOpponentName = unnamedOpponent();
        break;
    case GameState::Client:
        mState.gGameType = GameState::Client;
        showScreen(Screen::Client);
        mState.gOpponentName = unnamedOpponent();
        break;
    default:
        break;
    }
}

void GameFlow::backToGameType()
{
    showScreen(Screen::GameType);
}

void GameFlow::startSinglePlayer(int gameType, int difficulty)
{
    if (difficulty >= 1)
        mState.gDifficulty = difficulty;
    const qint32 type = GameState::typeOfOption(gameType);
    if (type == GameState::Server || type == GameState::Client)
        return;
    startPlacement(GameState::SinglePlayer);
}

void GameFlow::finishPlacing()
{
    // Only a fleet being placed can be finished: after a game has ended, or once a
    // network fleet has gone out, the button must not start anything.
    if (!mPlacement.isOpen())
        return;
    if (mState.gGameType == GameState::SinglePlayer) {
        mPlacementView.setNoFit(0, 0);
        ClearGrid(mPlayer2Grid);
        placeComputerFleet(mState.gOpponentShips, mPlayer2Grid, mState.gRevealMode, *mRandom);
        startBattle(true, tr("Game Ready... Your Turn"));
        mBattle.computerBegins();
    } else if (mState.isNetworkGame()) {
        mPlacementView.setPlacementCursor(PlacementCursor::Arrow);
        mPlacement.sent();
        ClearGrid(mPlayer2Grid);
        if (mState.gRevealMode)
            ReDrawShips(mState.gOpponentShips);
        mNetwork.sendFleet();
        mNetwork.CheckGameReady();
    }
}

void GameFlow::placeForMe()
{
    mPlacement.placeForMe(*mRandom);
}

void GameFlow::mainMenu()
{
    mShell.clearChoices();
    mState.gPlayerShips.clear();
    mState.gOpponentShips.clear();
    mPlacement.reset();
    mState.gPlayerShots.clear();
    mState.gOpponentShots.clear();
    showScreen(Screen::GameType);
}
