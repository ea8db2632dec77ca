// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/GameRecording.h"

#include "accounts/PlainFile.h"
#include "board/BoardProcedures.h"
#include "board/ShipKinds.h"
#include "board/GameState.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kRecordFile = QStringLiteral("records.txt");

} // namespace

QString recordFileBeside(const QString &accountFile)
{
    return QFileInfo(accountFile).dir().filePath(kRecordFile);
}

bool recordableGame(const GameState &state)
{
    if (state.gGameType == GameState::SinglePlayer)
        return state.gGamePhase == GameState::Battle && state.gDifficulty >= 1
            && state.gDifficulty <= int(RecordKind::Admiral);
    return state.isNetworkGame() && state.gGamePhase != GameState::NoGame;
}

RecordKind kindOfGame(const GameState &state)
{
    return state.isNetworkGame() ? RecordKind::Network : RecordKind(state.gDifficulty);
}

GameResult resultOfGame(const GameState &state, GameOutcome outcome)
{
    GameResult result;
    result.outcome = outcome;
    for (int cell = 1; cell <= ShipKinds::kBoardCells; ++cell) {
        if (!state.gOpponentShots.isSet(cell))
            continue;
        ++result.shots;
        if (IsShipAt(qint16(cell), state.gOpponentShips))
            ++result.hits;
    }
    return result;
}

bool countGame(const QString &recordFile, const GameState &state, GameOutcome outcome,
               QString *error)
{
    if (!recordableGame(state) || state.gPlayerName.isEmpty())
        return false;
    return makeFolderOf(recordFile, error) && RecordBook::update(recordFile, [&](RecordBook &book) {
        book.count(state.gPlayerName, kindOfGame(state), resultOfGame(state, outcome));
    }, error);
}
