// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the window: names and roles, the actions it can
// take, and the notices it gets when the status line changes.

#include "KeyboardFocus.h"
#include "UiHarness.h"
#include "UrlRecorder.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

QList<QPair<QObject *, QAccessible::Event>> gNotices;

void recordNotice(QAccessibleEvent *event)
{
    gNotices.append({event->object(), event->type()});
}

QAccessibleInterface *accessible(const frmMain &window, const QString &name, int child = -1)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(control(window, name));
    return child < 0 ? found : found->child(child);
}

// The game's README in the build tree, which the about view's link shows and opens.
QUrl readmeInBuildTree()
{
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/doc/README.md"));
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::unique_ptr<frmMain> inPlacement()
    {
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")));
        createAndLogIn(*window, QStringLiteral("Ann"), QStringLiteral("pw"));
        startSinglePlayer(*window, 1);
        return window;
    }

private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(recordNotice);
        // As a screen reader would: without one, Qt sends no notices at all.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }

    void controlsAndCellsAreNamedAsShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("child");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("text");
        QTest::newRow("own board") << "imgPlayer1Grid" << -1 << int(QAccessible::Table) << "Your Fleet";
        QTest::newRow("opponent board") << "imgPlayer2Grid" << -1 << int(QAccessible::Table) << "Opponent's Fleet";
        QTest::newRow("ship cell") << "imgPlayer1Grid" << 10 << int(QAccessible::Cell) << "B1, Battleship";
        QTest::newRow("hit cell") << "imgPlayer2Grid" << 23 << int(QAccessible::Cell) << "C4, hit";
        QTest::newRow("last cell") << "imgPlayer1Grid" << 99 << int(QAccessible::Cell) << "J10, water";
        QTest::newRow("cell where the ship does not fit")
            << "imgPlayer1Grid" << 60 << int(QAccessible::Cell) << "G1, water, Aircraft Carrier does not fit here";
        QTest::newRow("status line") << "lblStatus" << -1 << int(QAccessible::StaticText) << "Place Your Ships";
        QTest::newRow("web address") << "lblWebSite" << -1 << int(QAccessible::Link)
                                     << readmeInBuildTree().toString();
    }
    void controlsAndCellsAreNamedAsShown()
    {
        QFETCH(QString, name);
        QFETCH(int, child);
        auto window = inPlacement();
        pressCell(*window, QStringLiteral("imgPlayer1Grid"), 1);
        // The carrier does not fit on 61; a move to where the last row's pointer was reports nothing.
        for (int cell : {1, 61})
            hoverCell(*window, QStringLiteral("imgPlayer1Grid"), cell);
        window->flow().player2Grid().setCell(24, CellPicture::hit());
        if (name == QLatin1String("lblWebSite")) { // the about view is built when first shown
            click(*window, QStringLiteral("cmdMainMenu"));
            click(*window, QStringLiteral("cmdLogOff"));
            click(*window, QStringLiteral("cmdAbout"));
        }
        QAccessibleInterface *found = accessible(*window, name, child);
        QVERIFY(found);
        QTEST(int(found->role()), "role");
        QTEST(found->text(QAccessible::Name), "text");
        if (child >= 0)
            QCOMPARE(found->parent()->indexOfChild(found), child);
    }

    void optionsReactHoweverTheyAreChosen_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("button");
        QTest::newRow("game type, screen reader") << "optGameType2" << "toggle" << "cmdNext";
        QTest::newRow("game type, arrow key") << "optGameType0" << "arrow" << "cmdNext";
        QTest::newRow("difficulty, screen reader") << "optComputerDifficulty3" << "toggle" << "cmdStartGame";
        QTest::newRow("difficulty, arrow key") << "optComputerDifficulty1" << "arrow" << "cmdStartGame";
    }
    void optionsReactHoweverTheyAreChosen()
    {
        QFETCH(QString, option);
        QFETCH(QString, way);
        QFETCH(QString, button);
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")));
        createAndLogIn(*window, QStringLiteral("Ann"), QStringLiteral("pw"));
        if (option.startsWith(QLatin1String("optComputer"))) {
            click(*window, QStringLiteral("optGameType0"));
            click(*window, QStringLiteral("cmdNext"));
        }
        auto *chosen = control<QAbstractButton>(*window, option);
        if (way == QLatin1String("toggle")) {
            QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(chosen)->actionInterface();
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
            actions->doAction(QAccessibleActionInterface::toggleAction());
        } else {
            {
                const QSignalBlocker quiet(chosen->group()); // a selection made in code, not by the player
                chosen->setChecked(true);
            }
            QVERIFY(!control(*window, button)->isEnabled());
            QVERIFY(giveKeyboardTo(*window));
            chosen->setFocus();
            QTest::keyClick(chosen, Qt::Key_Down);
            QVERIFY(!chosen->isChecked());
        }
        QVERIFY(control(*window, button)->isEnabled());
    }

    void theStatusLineAnnouncesEachChange()
    {
        auto window = inPlacement();
        QLabel *status = control<QLabel>(*window, QStringLiteral("lblStatus"));
        gNotices.clear();
        window->flow().state().gRevealMode = true; // the computer answers at once
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        pressCell(*window, QStringLiteral("imgPlayer2Grid"), 100);
        const QPair<QObject *, QAccessible::Event> renamed{status, QAccessible::NameChanged};
        QCOMPARE(gNotices.count(renamed), 3); // "Game Ready...", "Opponents Turn", "Your Turn (Ann)"
        QCOMPARE(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), status->text());
    }

    void theWebAddressOpensFromTheKeyboardAndTheScreenReader_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("press action") << 0;
    }
    void theWebAddressOpensFromTheKeyboardAndTheScreenReader()
    {
        QFETCH(int, key);
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "openUrl");
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")));
        click(*window, QStringLiteral("cmdAbout"));
        QWidget *link = control(*window, QStringLiteral("lblWebSite"));
        QVERIFY(link->focusPolicy() & Qt::TabFocus);
        if (key)
            QTest::keyClick(link, Qt::Key(key));
        else
            accessible(*window, QStringLiteral("lblWebSite"))->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(recorder.opened, QList<QUrl>({readmeInBuildTree()}));
        QVERIFY2(QFileInfo(readmeInBuildTree().toLocalFile()).isReadable(), "the README is not beside the program");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
