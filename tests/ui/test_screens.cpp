// SPDX-License-Identifier: GPL-3.0-or-later
// The menu screens: the flow between them, the reveal switch and the Main Menu reset.

#include "DesktopFont.h"
#include "FreePort.h"
#include "KeyboardFocus.h"
#include "TextFit.h"
#include "UiHarness.h"

#include "Reelpane.h"
#include "main/Translations.h"

#include <QDialog>

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

const QStringList kScreens = {"picContainerLogin",
                              "picContainerGameType",
                              "picContainerComputerDifficulty",
                              "picContainerMultiPlayerServer",
                              "picContainerMultiPlayerClient",
                              "picContainerPlayer1",
                              "picContainerPlayer2",
                              "picContainerShipPlace",
                              "lblStatus",
                              "imgTopShip",
                              "gifRadarAnimation",
                              "cmdMainMenu",
                              "txtChatBoxMsgs",
                              "txtChatBox",
                              "lblAbout1",
                              "lblAbout2",
                              "lblWebSite",
                              "imgAbout1",
                              "cmdAboutOK",
                              "cmdAboutReelpane"};

QStringList shownScreens(const frmMain &window)
{
    QStringList shown;
    for (const QString &name : kScreens)
        if (visible(window, name))
            shown << name;
    return shown;
}

QString optionCaption(const frmMain &window, int index)
{
    return control<QAbstractButton>(window, QStringLiteral("optComputerDifficulty%1").arg(index))->text();
}

QStringList captions(const frmMain &window)
{
    QStringList all;
    for (int index = 1; index <= 5; ++index)
        all << optionCaption(window, index);
    return all;
}

bool checked(const frmMain &window, const QString &name)
{
    return control<QAbstractButton>(window, name)->isChecked();
}

} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmMain> fresh() { return openGame(mDir.filePath(QStringLiteral("players.txt"))); }
    std::unique_ptr<frmMain> loggedIn()
    {
        auto window = fresh();
        createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
        return window;
    }
    QTemporaryDir mDir;

private slots:
    void initTestCase() { requireFreePort(Protocol::kPort); }

    // No caption, label or status text is cut off by its control's edge, in any language
    // the game ships, whatever font size the desktop gives the program (0: the
    // desktop's own). One window walks every screen and the records dialog.
    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("desktopPoints");
        for (const int points : {0, 8, 10, 12, 14})
            QTest::addRow("English, desktop font %d pt", points) << QString() << points;
        for (const QString &language : Translations::shipped())
            for (const int points : {8, 10, 12, 14})
                QTest::addRow("%s, desktop font %d pt", qPrintable(language), points) << language << points;
    }
    void everyTextFitsItsControl()
    {
        QFETCH(QString, language);
        QFETCH(int, desktopPoints);
        const Translations translations(language, GameCatalogues());
        if (!language.isEmpty())
            QCOMPARE(translations.loaded(), QStringList({"qtbase", "reelkit", "tidewatch"}));
        const DesktopFont desktopFont(desktopPoints);
        auto window = fresh();
        QStringList clipped;
        const auto look = [&](const QString &screen, const QWidget &shown) {
            for (const QString &text : clippedTexts(&shown))
                clipped << screen + QStringLiteral(": ") + text;
        };
        const std::pair<const char *, QStringList> walk[] = {
            {"log-in", {}},
            {"about view", {"cmdAbout"}},
            {"game type", {"cmdAboutOK"}}, // logged in below
            {"difficulty", {"optGameType0", "cmdNext"}},
            {"server", {"cmdBackSinglePlayer", "optGameType1", "cmdNext"}},
            {"client", {"cmdMultiplayerServerCancel", "optGameType2", "cmdNext"}},
            {"placement", {"cmdMultiplayerClientCancel", "optGameType0", "cmdNext",
                           "optComputerDifficulty1", "cmdStartGame"}},
        };
        for (const auto &[screen, clicks] : walk) {
            for (const QString &name : clicks)
                click(*window, name);
            if (QLatin1String(screen) == QLatin1String("game type"))
                createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
            look(QLatin1String(screen), *window);
        }
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        look(QStringLiteral("battle"), *window);
        click(*window, QStringLiteral("cmdMainMenu"));
        click(*window, QStringLiteral("cmdRecords"));
        const auto records = [&window] { return window->findChild<QDialog *>(QStringLiteral("dlgRecords")); };
        QTRY_VERIFY(records() && records()->isVisible());
        look(QStringLiteral("records"), *records());
        records()->reject();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

    // The keyboard starts on each screen at its first control.
    void eachScreenTakesTheKeyboardAtItsFirstControl()
    {
        auto window = fresh();
        QVERIFY(giveKeyboardTo(*window));
        const auto focused = [] {
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        };
        QCOMPARE(focused(), QStringLiteral("cboPlayers"));
        const std::pair<QStringList, QString> steps[] = {
            {{"cmdAbout"}, "cmdAboutOK"},
            {{"cmdAboutOK"}, "cboPlayers"},
            {{}, "optGameType0"}, // logged in below
            {{"optGameType0", "cmdNext"}, "optComputerDifficulty1"},
            {{"cmdBackSinglePlayer", "optGameType2", "cmdNext"}, "txtMultiplayerClientHostConnect"},
            {{"cmdMultiplayerClientCancel", "optGameType0", "cmdNext", "optComputerDifficulty1",
              "cmdStartGame"},
             "imgPlayer1Grid"},
        };
        for (const auto &[clicks, expected] : steps) {
            if (clicks.isEmpty())
                createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
            for (const QString &name : clicks)
                click(*window, name);
            QCOMPARE(focused(), expected);
        }
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        QCOMPARE(focused(), QStringLiteral("imgPlayer2Grid"));
    }
    void everyMenuScreenShowsItsOwnControls()
    {
        auto window = fresh();
        QCOMPARE(shownScreens(*window), QStringList({"picContainerLogin"}));
        click(*window, QStringLiteral("cmdAbout"));
        QCOMPARE(shownScreens(*window),
                 QStringList({"lblAbout1", "lblAbout2", "lblWebSite", "imgAbout1", "cmdAboutOK",
                              "cmdAboutReelpane"}));
        click(*window, QStringLiteral("cmdAboutOK"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerLogin"}));

        createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerGameType"}));
        QVERIFY(!control(*window, QStringLiteral("cmdNext"))->isEnabled());
        click(*window, QStringLiteral("optGameType0"));
        QVERIFY(control(*window, QStringLiteral("cmdNext"))->isEnabled());
        click(*window, QStringLiteral("cmdNext"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerComputerDifficulty"}));
        QVERIFY(!control(*window, QStringLiteral("cmdStartGame"))->isEnabled());
        click(*window, QStringLiteral("cmdBackSinglePlayer"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerGameType"}));

        click(*window, QStringLiteral("optGameType2"));
        click(*window, QStringLiteral("cmdNext"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerMultiPlayerClient"}));
        QCOMPARE(window->flow().state().gGameType, 4);
        QCOMPARE(window->flow().state().gOpponentName, QStringLiteral("Opponent"));
        click(*window, QStringLiteral("cmdMultiplayerClientCancel"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerGameType"}));
        click(*window, QStringLiteral("cmdLogOff"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerLogin"}));
    }

    void startGameLeadsIntoPlacement()
    {
        auto window = loggedIn();
        startSinglePlayer(*window, 3);
        QCOMPARE(shownScreens(*window),
                 QStringList({"picContainerPlayer1", "picContainerShipPlace", "lblStatus",
                              "imgTopShip", "gifRadarAnimation"}));
        QCOMPARE(statusText(*window), QStringLiteral("Place Your Ships"));
        QVERIFY(!control<QLabel>(*window, QStringLiteral("imgTopShip"))->pixmap().isNull());
        QCOMPARE(window->flow().state().gGameType, 2);
        QCOMPARE(window->flow().state().gDifficulty, 3);
        QCOMPARE(window->flow().state().gGamePhase, 2);
        for (int cell = 1; cell <= 100; ++cell)
            QCOMPARE(window->flow().player1Grid().cell(cell), CellPicture::water());
    }

    void backAndNextKeepTheChosenDifficulty()
    {
        auto window = loggedIn();
        click(*window, QStringLiteral("optGameType0"));
        click(*window, QStringLiteral("cmdNext"));
        click(*window, QStringLiteral("optComputerDifficulty2"));
        click(*window, QStringLiteral("cmdBackSinglePlayer"));
        click(*window, QStringLiteral("cmdNext"));
        QVERIFY(checked(*window, QStringLiteral("optComputerDifficulty2")));
        QVERIFY(control(*window, QStringLiteral("cmdStartGame"))->isEnabled());
    }

    void theRevealSwitchRenamesTheLevelsOnTheNextNext()
    {
        auto window = fresh();
        click(*window, QStringLiteral("cmdAbout"));
        QTest::mouseDClick(control(*window, QStringLiteral("imgAbout1")), Qt::LeftButton);
        QVERIFY(window->flow().state().gRevealMode);
        click(*window, QStringLiteral("cmdAboutOK"));
        createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
        click(*window, QStringLiteral("optGameType0"));
        QCOMPARE(optionCaption(*window, 1), QStringLiteral("Easy")); // not yet: Next sets them
        click(*window, QStringLiteral("cmdNext"));
        QCOMPARE(captions(*window),
                 QStringList({"No Brain", "Peanut Sized Brain", "Human", "Brainbox", "Mastermind"}));

        click(*window, QStringLiteral("cmdBackSinglePlayer"));
        click(*window, QStringLiteral("cmdLogOff"));
        click(*window, QStringLiteral("cmdAbout"));
        QTest::mouseDClick(control(*window, QStringLiteral("imgAbout1")), Qt::LeftButton);
        QVERIFY(!window->flow().state().gRevealMode);
        click(*window, QStringLiteral("cmdAboutOK"));
        click(*window, QStringLiteral("cmdLogin"));
        click(*window, QStringLiteral("cmdNext"));
        QCOMPARE(captions(*window), QStringList({"Easy", "Moderate", "Hard", "Impossible", "Admiral"}));
    }

    void theAboutViewKeepsWhatWasTyped()
    {
        auto window = fresh();
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("half typed"));
        click(*window, QStringLiteral("cmdAbout"));
        QVERIFY(!visible(*window, QStringLiteral("picContainerLogin")));
        click(*window, QStringLiteral("cmdAboutOK"));
        QCOMPARE(control<QComboBox>(*window, QStringLiteral("cboPlayers"))->currentText(),
                 QStringLiteral("half typed"));
    }

    void mainMenuResetsTheGame()
    {
        auto window = loggedIn();
        startSinglePlayer(*window, 4);
        placeFleetInFirstColumns(*window);
        click(*window, QStringLiteral("cmdFinishPlacingShips"));
        pressCell(*window, QStringLiteral("imgPlayer2Grid"), 100);
        QVERIFY(window->flow().state().gOpponentShots.count() == 1 && window->flow().state().gPlayerShots.count() == 1);
        control(*window, QStringLiteral("cmdMainMenu"))->show(); // as the end of a game does
        click(*window, QStringLiteral("cmdMainMenu"));

        QCOMPARE(shownScreens(*window), QStringList({"picContainerGameType"}));
        for (int index = 0; index <= 2; ++index)
            QVERIFY(!checked(*window, QStringLiteral("optGameType%1").arg(index)));
        for (int index = 1; index <= 4; ++index)
            QVERIFY(!checked(*window, QStringLiteral("optComputerDifficulty%1").arg(index)));
        QVERIFY(!control(*window, QStringLiteral("cmdNext"))->isEnabled());
        QVERIFY(!control(*window, QStringLiteral("cmdStartGame"))->isEnabled());
        QVERIFY(checked(*window, QStringLiteral("optSelectedShip5")));
        for (int ship = 1; ship <= 5; ++ship) {
            QVERIFY(control(*window, QStringLiteral("optSelectedShip%1").arg(ship))->isEnabled());
            QCOMPARE(window->flow().state().gPlayerShips[ship].ShipIndex(), qint16(0));
            QCOMPARE(window->flow().state().gOpponentShips[ship].ShipIndex(), qint16(0));
        }
        QVERIFY(!control(*window, QStringLiteral("cmdFinishPlacingShips"))->isEnabled());
        QCOMPARE(window->flow().state().gPlayerShots.count() + window->flow().state().gOpponentShots.count(), 0);
    }

    void serverListensAnewEachTimeItIsChosen()
    {
        auto window = loggedIn();
        MessageBoxWatcher boxes;
        for (int round = 0; round < 2; ++round) {
            click(*window, QStringLiteral("optGameType1"));
            click(*window, QStringLiteral("cmdNext"));
            QCOMPARE(shownScreens(*window), QStringList({"picContainerMultiPlayerServer"}));
            QCOMPARE(control<QLabel>(*window, QStringLiteral("lblMultiplayerServerStatus"))->text(),
                     QStringLiteral("Status: Waiting for Connection"));
            QVERIFY(control<QLabel>(*window, QStringLiteral("lblMultiplayerServerIP"))
                        ->text()
                        .startsWith(QStringLiteral("Your Computer: ")));
            QTcpSocket client;
            client.connectToHost(QHostAddress::LocalHost, 1987);
            QTRY_COMPARE(window->flow().state().gGamePhase, 2); // accepted: placement on the server
            QCOMPARE(control<QLabel>(*window, QStringLiteral("lblMultiplayerServerStatus"))->text(),
                     QStringLiteral("Status: Connected"));
            client.abort(); // the opponent leaves; the game ends and Main Menu leads back
            QTRY_VERIFY(visible(*window, QStringLiteral("cmdMainMenu")));
            click(*window, QStringLiteral("cmdMainMenu"));
            QCOMPARE(shownScreens(*window), QStringList({"picContainerGameType"}));
        }
        QCOMPARE(boxes.seen.size(), size_t(2)); // one warning per departure
    }

    void cancelLeavesTheServerListening()
    {
        auto window = loggedIn();
        click(*window, QStringLiteral("optGameType1"));
        click(*window, QStringLiteral("cmdNext"));
        click(*window, QStringLiteral("cmdMultiplayerServerCancel"));
        QCOMPARE(shownScreens(*window), QStringList({"picContainerGameType"}));
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, 1987);
        QTRY_COMPARE(window->flow().state().gGamePhase, 2);
        QVERIFY(visible(*window, QStringLiteral("picContainerShipPlace")));
        QVERIFY(!visible(*window, QStringLiteral("picContainerGameType")));
    }

    void aPortInUseIsReportedAsAWinsockError()
    {
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::Any, 1987));
        auto window = loggedIn();
        MessageBoxWatcher boxes;
        click(*window, QStringLiteral("optGameType1"));
        click(*window, QStringLiteral("cmdNext"));
        QTRY_COMPARE(boxes.seen.size(), size_t(1));
        QVERIFY(boxes.last().text.startsWith(QStringLiteral("Winsock Error: ")));
        QVERIFY(boxes.last().text.size() > QStringLiteral("Winsock Error: ").size());
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(control<QLabel>(*window, QStringLiteral("lblMultiplayerServerStatus"))->text(),
                 QStringLiteral("Status: Not Listening"));
    }

    void onlyAnEmptyHostIsRefused()
    {
        auto window = loggedIn();
        MessageBoxWatcher boxes;
        click(*window, QStringLiteral("optGameType2"));
        click(*window, QStringLiteral("cmdNext"));
        typeInto(*window, QStringLiteral("txtMultiplayerClientHostConnect"), QStringLiteral("   "));
        click(*window, QStringLiteral("cmdMultiplayerClientStartGame"));
        QCOMPARE(boxes.texts(), QStringList({"No host was entered."}));
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        // A tab is a host name like any other, for the socket to judge.
        control<QLineEdit>(*window, QStringLiteral("txtMultiplayerClientHostConnect"))->setText(QStringLiteral("\t"));
        click(*window, QStringLiteral("cmdMultiplayerClientStartGame"));
        QCOMPARE(boxes.texts().count(QStringLiteral("No host was entered.")), 1);
    }

    void theRadarPlaysInTheTopLeftCorner()
    {
        QStringList reports;
        Reelpane::setReportHandler([&](const QString &label, const QString &) { reports << label; });
        auto window = loggedIn();
        startSinglePlayer(*window, 1);
        QWidget *radar = control(*window, QStringLiteral("gifRadarAnimation"));
        QVERIFY(radar->isVisible());
        QCOMPARE(radar->geometry(), QRect(8, 8, 73, 73));
        QVERIFY(Reelpane::LastFrame() >= 7); // the shipped radar has at least eight frames
        QVERIFY(reports.isEmpty());
        Reelpane::setReportHandler({});
    }

    void aMissingRadarIsReportedAndTheGameGoesOn()
    {
        QStringList reports;
        Reelpane::setReportHandler([&](const QString &label, const QString &text) {
            reports << label + QStringLiteral(": ") + text;
        });
        const QString missing = mDir.filePath(QStringLiteral("no-radar.gif"));
        auto window = openGame(mDir.filePath(QStringLiteral("players.txt")), missing);
        QVERIFY(reports.isEmpty()); // the radar is loaded on leaving the log-in screen
        createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
        Reelpane::setReportHandler({});
        QCOMPARE(reports, QStringList({"modAniGif.LoadGif(): '" + missing + "' not found"}));
        QVERIFY(visible(*window, QStringLiteral("picContainerGameType")));
    }

    void aboutReelpaneShowsTheLibrarysDialog()
    {
        auto window = fresh();
        click(*window, QStringLiteral("cmdAbout"));
        QString seenTitle;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            seenTitle = QApplication::activeModalWidget()->windowTitle();
            qobject_cast<QDialog *>(QApplication::activeModalWidget())->reject();
        });
        click(*window, QStringLiteral("cmdAboutReelpane"));
        QCOMPARE(seenTitle, QStringLiteral("About Orvane Reelpane"));
        QVERIFY(visible(*window, QStringLiteral("cmdAboutOK")));
    }

    void controlsAreNamedForScreenReaders()
    {
        auto window = loggedIn();
        QCOMPARE(control(*window, QStringLiteral("cboPlayers"))->accessibleName(), QStringLiteral("Username"));
        QCOMPARE(control(*window, QStringLiteral("txtPassword"))->accessibleName(), QStringLiteral("Password"));
        QCOMPARE(control(*window, QStringLiteral("txtMultiplayerClientHostConnect"))->accessibleName(),
                 QStringLiteral("Server Computer"));
        QCOMPARE(control(*window, QStringLiteral("picContainerGameType"))->accessibleName(),
                 QStringLiteral("Select Game Type"));
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
