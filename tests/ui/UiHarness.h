// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the real game window the way a player does: clicks, key presses and mouse
// moves on its controls, found by their design names. Message boxes are read and
// closed as they open.

#include "board/ui/BoardWidget.h"
#include "main/ui/GameStart.h"
#include "main/ui/frmMain.h"
#include "net/Protocol.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>
#include <random>

struct SeenBox
{
    QMessageBox::Icon icon;
    QString text;
};

// Records and closes every message box that becomes the active modal window.
class MessageBoxWatcher : public QObject
{
public:
    MessageBoxWatcher()
    {
        connect(&mPoll, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen.push_back({box->icon(), box->text()});
                box->accept();
            }
        });
        mPoll.start(5);
    }
    SeenBox last() const { return seen.empty() ? SeenBox{QMessageBox::NoIcon, {}} : seen.back(); }
    QStringList texts() const
    {
        QStringList all;
        for (const SeenBox &box : seen)
            all << box.text;
        return all;
    }
    std::vector<SeenBox> seen;

private:
    QTimer mPoll;
};

inline QString shippedRadar()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/data/radar.gif");
}

// Starts the game as the program does, with its accounts in a file of the test's own.
inline std::unique_ptr<frmMain> openGame(const QString &accountFile, const QString &radar = shippedRadar())
{
    return Main({accountFile, radar});
}

template <typename T = QWidget>
T *control(const frmMain &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// A player's action is over when the window has answered it: the computer's reply has
// come and the boxes it opened are closed (boxes block the window, not the handler).
inline void answered(const frmMain &window)
{
    const GameFlow &flow = const_cast<frmMain &>(window).flow();
    QTest::qWaitFor([&flow] {
        return !flow.waiting() && !qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    });
}

inline void click(const frmMain &window, const QString &name)
{
    QAbstractButton *button = control<QAbstractButton>(window, name);
    // An option reacts on its indicator and caption only, not on the empty rest of its row.
    const QPoint spot = button->isCheckable() ? QPoint(8, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, spot);
    answered(window);
}

// A control the window has not built yet (screens are built on first showing) is not shown.
inline bool visible(const frmMain &window, const QString &name)
{
    const QWidget *found = window.findChild<QWidget *>(name);
    return found && found->isVisible();
}

inline QString statusText(const frmMain &window)
{
    return control<QLabel>(window, QStringLiteral("lblStatus"))->text();
}

inline QPoint cellCentre(int index)
{
    return BoardWidget::cellOrigin(index) + QPoint(BoardWidget::kCellPixels / 2, BoardWidget::kCellPixels / 2);
}

inline void pressCell(const frmMain &window, const QString &grid, int index,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(control(window, grid), button, {}, cellCentre(index));
    QTest::mouseRelease(control(window, grid), button, {}, cellCentre(index));
    answered(window);
}

// The move reaches the window as the window system sends it: moving the pointer itself
// is what Wayland forbids a program.
inline void hoverCell(const frmMain &window, const QString &grid, int index)
{
    const QWidget *board = control(window, grid);
    QTest::mouseMove(window.windowHandle(), board->mapTo(&window, cellCentre(index)));
}

inline void typeInto(const frmMain &window, const QString &name, const QString &text)
{
    QWidget *field = control(window, name);
    if (auto *combo = qobject_cast<QComboBox *>(field))
        field = combo->lineEdit();
    auto *edit = qobject_cast<QLineEdit *>(field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline void pressEnter(const frmMain &window, const QString &name)
{
    QTest::keyClick(control(window, name), Qt::Key_Return);
    answered(window);
}

// Creates an account and logs in with it, through the log-in panel.
inline void createAndLogIn(const frmMain &window, const QString &name, const QString &password)
{
    typeInto(window, QStringLiteral("cboPlayers"), name);
    typeInto(window, QStringLiteral("txtPassword"), password);
    click(window, QStringLiteral("cmdLogin")); // "Create Player"
    click(window, QStringLiteral("cmdLogin")); // "Login"
}

// From the game-type screen to placement of a single-player game at a level.
inline void startSinglePlayer(const frmMain &window, int difficulty)
{
    click(window, QStringLiteral("optGameType0"));
    click(window, QStringLiteral("cmdNext"));
    click(window, QStringLiteral("optComputerDifficulty%1").arg(difficulty));
    click(window, QStringLiteral("cmdStartGame"));
}

// Places the five ships in columns 1..5 from the top, through real presses.
inline void placeFleetInFirstColumns(const frmMain &window)
{
    for (int column = 1; column <= 5; ++column)
        pressCell(window, QStringLiteral("imgPlayer1Grid"), column);
}
