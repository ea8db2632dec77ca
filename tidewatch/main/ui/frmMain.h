// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/modSound.h"
#include "main/GameFlow.h"
#include "main/ShellView.h"
#include "main/ui/ScreenMap.h"
#include "net/WinsockLink.h"

#include <QWidget>

class Winsock;

// The game's only window. Its screens are panels shown one at a time; each panel owns
// its controls and talks to the flow itself, and every control carries its design name
// as objectName, so tests and screen readers find it. The window owns the panels, the
// flow, the sockets and the cues, builds the controls every game screen shares, and
// shows what the flow tells it.
class frmMain : public QWidget, private ShellView
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The flow's state, boards and subsystems, which tests drive and read.
    GameFlow &flow() { return mFlow; }
    CuePlayer &modSound() { return mSound; }

    // Start-up steps that need the window. The radar file is loaded when the player
    // leaves the log-in screen.
    void placeMenuPanels();
    void startRadar(const QString &radarFile);

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Construction. The start builds the window and the log-in screen; the about view
    // and the screens of play follow on first showing.
    void buildWindow();
    void buildPlayScreens();
    void buildGameControls();
    void connectSockets();
    void ensureBuilt(Screen screen);
    // Brings up what the log-in screen does not need (sound cues, radar) once the
    // player leaves it. Call it last in a handler: the radar load lets events through.
    void warmUpForPlay();

    // ShellView
    void showScreen(Screen screen) override;
    void setStatus(const QString &text) override;
    void warn(const QString &text, std::function<void()> closed) override;
    void inform(const QString &text, std::function<void()> closed) override;
    void playCue(Cue cue) override;
    void setDifficultyCaptions(const QStringList &captions) override;
    void clearChoices() override;
    void showRecords(const QString &player, const QString &recordFile, const QString &note,
                     std::function<void()> closed) override;
    void setRecordNotice(const QString &text) override;

    CuePlayer mSound;
    Winsock *wskMain = nullptr;
    Winsock *wskGame = nullptr;
    WinsockLink mLink;
    WindowParts mParts; // the views among them are made before the flow they serve
    GameFlow mFlow;
    QString mRadarFile;
    bool mWarmedUp = false;
};
