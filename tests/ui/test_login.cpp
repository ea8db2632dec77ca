// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the log-in panel, driven through the real window.

#include "UiHarness.h"

#include "Reelpane.h"

#include <QFile>
#include <QTemporaryDir>

class LoginTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmMain> startWith(const QByteArray &accountFileContent)
    {
        const QString path = mDir->filePath(QStringLiteral("players.txt"));
        QFile::remove(path);
        if (!accountFileContent.isNull()) {
            QFile file(path);
            // Owner-only, as the game makes it: a file others may read is reported.
            file.open(QIODevice::WriteOnly);
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            file.write(accountFileContent);
        }
        return openGame(path);
    }
    QByteArray accountFile() const
    {
        QFile file(mDir->filePath(QStringLiteral("players.txt")));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    std::unique_ptr<QTemporaryDir> mDir;

private slots:
    void init() { mDir = std::make_unique<QTemporaryDir>(); }

    void startUpStateIsTheGameAtRest()
    {
        const auto window = startWith(QByteArray());
        const GameState &state = window->flow().state();
        QCOMPARE(state.gGamePhase, 1);
        QCOMPARE(state.gGameType, 1);
        QCOMPARE(state.gDifficulty, 0);
        QVERIFY(!state.gMyTurn);
        QVERIFY(!state.gRevealMode);
        QCOMPARE(state.gFieldSeparator, QChar(182));
        QCOMPARE(state.gPlayerCount, qint16(0));
        QCOMPARE(state.gPlayerShots.count() + state.gOpponentShots.count(), 0);
        for (int slot = 1; slot <= 5; ++slot) {
            for (const Fleet *fleet : {&state.gPlayerShips, &state.gOpponentShips}) {
                QCOMPARE((*fleet)[slot].ShipIndex(), qint16(0));
                QVERIFY(!(*fleet)[slot].IsDestroyed());
            }
        }
        QCOMPARE(control<QComboBox>(*window, QStringLiteral("cboPlayers"))->count(), 0);
        QCOMPARE(control<QAbstractButton>(*window, QStringLiteral("cmdLogin"))->text(),
                 QStringLiteral("Create Player"));
    }

    void windowIsFixedWithTheLogInPanelAlone()
    {
        const auto window = startWith(QByteArray());
        QCOMPARE(window->windowTitle(), QStringLiteral("Orvane Tidewatch"));
        QCOMPARE(window->size(), QSize(699, 479));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->isVisible());
        QVERIFY(!QPixmap(QStringLiteral(":/tidewatch/water.png")).isNull());
        const QWidget *login = control(*window, QStringLiteral("picContainerLogin"));
        QVERIFY(login->isVisible());
        // Whatever controls exist by now, none shows outside the log-in panel.
        for (const QWidget *shown : window->findChildren<QWidget *>()) {
            const bool besideTheLogIn = shown != login && !login->isAncestorOf(shown) && !shown->isAncestorOf(login);
            QVERIFY2(!(besideTheLogIn && shown->isVisible()), qPrintable(shown->objectName()));
        }
    }

    void leavingTheLogInScreenBringsTheCuesUp()
    {
        const auto window = startWith(QByteArray());
        const QStringList cues = {"hit", "sunk", "miss", "clap", "youlose", "slap"};
        for (const QString &cue : cues)
            QVERIFY2(!window->modSound().isLoaded(cue), qPrintable(cue)); // the log-in screen plays none
        createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw"));
        for (const QString &cue : cues)
            QVERIFY2(window->modSound().isLoaded(cue), qPrintable(cue));
    }

    void menuPanelsShareOneSpotRightOfAndBelowTheMiddle()
    {
        const auto window = startWith(QByteArray());
        const QPoint login = control(*window, QStringLiteral("picContainerLogin"))->pos();
        createAndLogIn(*window, QStringLiteral("Pat"), QStringLiteral("pw")); // builds the others
        for (const char *name : {"picContainerGameType", "picContainerComputerDifficulty",
                                 "picContainerMultiPlayerServer", "picContainerMultiPlayerClient"})
            QCOMPARE(control(*window, QString::fromLatin1(name))->pos(), login);
        const QSize panel = control(*window, QStringLiteral("picContainerLogin"))->size();
        QCOMPARE(panel, QSize(249, 137));
        QVERIFY(login.x() >= (699 - panel.width()) / 2);
        QVERIFY(login.y() >= (479 - panel.height()) / 2);
        QVERIFY(login.x() + panel.width() <= 699 && login.y() + panel.height() <= 479);
    }

    void accountsLoadInFileOrderAndIncompleteLastOneIsIgnored()
    {
        const auto window = startWith("Ann\r\napple\r\n Bob \r\nbanana\nCy\r\ncherry\r\nDora\r\n");
        const GameState &state = window->flow().state();
        QCOMPARE(state.gPlayerCount, qint16(3));
        QCOMPARE(state.gPlayerNames, QStringList({"Ann", " Bob ", "Cy"}));
        QCOMPARE(state.gPlayerPasswords, QStringList({"apple", "banana", "cherry"}));
        auto *combo = control<QComboBox>(*window, QStringLiteral("cboPlayers"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(1), QStringLiteral(" Bob "));
    }

    void creatingAnAccountAppendsItAndStaysOnTheLogInPanel()
    {
        const auto window = startWith("Ann\r\napple\r\n");
        MessageBoxWatcher boxes;
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("  Sam "));
        typeInto(*window, QStringLiteral("txtPassword"), QStringLiteral("sea"));
        QCOMPARE(control<QAbstractButton>(*window, QStringLiteral("cmdLogin"))->text(),
                 QStringLiteral("Create Player"));
        click(*window, QStringLiteral("cmdLogin"));
        QVERIFY(boxes.seen.empty());
        QCOMPARE(control<QAbstractButton>(*window, QStringLiteral("cmdLogin"))->text(),
                 QStringLiteral("Login"));
        QCOMPARE(accountFile(), QByteArray("Ann\r\napple\r\n  Sam \r\nsea\r\n"));
        QCOMPARE(window->flow().state().gPlayerCount, qint16(2));
        QVERIFY(visible(*window, QStringLiteral("picContainerLogin")));
        QVERIFY(window->flow().state().gPlayerName.isEmpty());

        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(window->flow().state().gPlayerName, QStringLiteral("  Sam "));
        QVERIFY(!visible(*window, QStringLiteral("picContainerLogin")));
        QVERIFY(visible(*window, QStringLiteral("picContainerGameType")));
    }

    void enterInThePasswordBoxActsAsTheButton()
    {
        const auto window = startWith(QByteArray());
        MessageBoxWatcher boxes;
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("Kim"));
        typeInto(*window, QStringLiteral("txtPassword"), QStringLiteral("k1"));
        pressEnter(*window, QStringLiteral("txtPassword"));
        QCOMPARE(window->flow().state().gPlayerNames, QStringList({"Kim"}));
        QVERIFY(window->flow().state().gPlayerName.isEmpty()); // created, not logged in
        pressEnter(*window, QStringLiteral("txtPassword"));
        QCOMPARE(window->flow().state().gPlayerName, QStringLiteral("Kim"));
        QVERIFY(boxes.seen.empty());
    }

    void refusalsWarnWithAnExclamation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("warning");
        QTest::newRow("blank name") << "   " << "pw" << "You Must Enter a Username";
        QTest::newRow("blank password") << "Lee" << "  " << "You Must Enter a Password";
        QTest::newRow("name tested first") << "" << "" << "You Must Enter a Username";
        QTest::newRow("wrong password") << "Ann" << "APPLE"
                                        << "The Entered Password is Incorrect or Invalid";
    }
    void refusalsWarnWithAnExclamation()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, warning);
        const auto window = startWith("Ann\r\napple\r\n");
        MessageBoxWatcher boxes;
        typeInto(*window, QStringLiteral("cboPlayers"), name);
        typeInto(*window, QStringLiteral("txtPassword"), password);
        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(boxes.seen.size(), size_t(1));
        QCOMPARE(boxes.last().text, warning);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(window->flow().state().gPlayerCount, qint16(1));
        QCOMPARE(accountFile(), QByteArray("Ann\r\napple\r\n"));
        QVERIFY(window->flow().state().gPlayerName.isEmpty());
    }

    void aLineBreakInANameIsRefusedAndNothingIsWritten()
    {
        const auto window = startWith("Ann\r\napple\r\n");
        MessageBoxWatcher boxes;
        control<QComboBox>(*window, QStringLiteral("cboPlayers"))->setEditText(QStringLiteral("Two\nLines"));
        typeInto(*window, QStringLiteral("txtPassword"), QStringLiteral("pw"));
        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(boxes.seen.size(), size_t(1));
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(window->flow().state().gPlayerCount, qint16(1));
        QCOMPARE(accountFile(), QByteArray("Ann\r\napple\r\n"));
    }

    // The name stays as typed: no completion, in any case.
    void aNameThatIsPartOrCaseOfAnotherIsANewAccount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("other case") << QStringLiteral("bob");
        QTest::newRow("beginning of another") << QStringLiteral("Bob");
    }
    void aNameThatIsPartOrCaseOfAnotherIsANewAccount()
    {
        QFETCH(QString, typed);
        const auto window = startWith("Bobby\r\nb1\r\nBOB\r\nb0\r\n");
        MessageBoxWatcher boxes;
        typeInto(*window, QStringLiteral("cboPlayers"), typed);
        QCOMPARE(control<QComboBox>(*window, QStringLiteral("cboPlayers"))->currentText(), typed);
        QCOMPARE(control<QAbstractButton>(*window, QStringLiteral("cmdLogin"))->text(),
                 QStringLiteral("Create Player"));
        typeInto(*window, QStringLiteral("txtPassword"), QStringLiteral("b2"));
        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(window->flow().state().gPlayerNames, QStringList({"Bobby", "BOB", typed}));
        QVERIFY(boxes.seen.empty());
    }

    void eitherPasswordOfADuplicateNameLogsIn_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("first") << "one";
        QTest::newRow("second") << "two";
    }
    void eitherPasswordOfADuplicateNameLogsIn()
    {
        QFETCH(QString, password);
        const auto window = startWith("Dup\r\none\r\nDup\r\ntwo\r\n");
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("Dup"));
        typeInto(*window, QStringLiteral("txtPassword"), password);
        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(window->flow().state().gPlayerName, QStringLiteral("Dup"));
    }

    void pickingFromTheListUpdatesTheCaption()
    {
        const auto window = startWith("Ann\r\napple\r\nBob\r\nb\r\n");
        auto *combo = control<QComboBox>(*window, QStringLiteral("cboPlayers"));
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("nobody"));
        QCOMPARE(control<QAbstractButton>(*window, QStringLiteral("cmdLogin"))->text(),
                 QStringLiteral("Create Player"));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(control<QAbstractButton>(*window, QStringLiteral("cmdLogin"))->text(),
                 QStringLiteral("Login"));
    }

    void logOffThenLogInAsAnotherReplacesTheName()
    {
        const auto window = startWith("Ann\r\napple\r\nBob\r\nb\r\n");
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("Ann"));
        typeInto(*window, QStringLiteral("txtPassword"), QStringLiteral("apple"));
        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(window->flow().state().gPlayerName, QStringLiteral("Ann"));
        click(*window, QStringLiteral("cmdLogOff"));
        QVERIFY(window->flow().state().gPlayerName.isEmpty());
        QVERIFY(visible(*window, QStringLiteral("picContainerLogin")));
        QVERIFY(!visible(*window, QStringLiteral("picContainerGameType")));
        QCOMPARE(control<QComboBox>(*window, QStringLiteral("cboPlayers"))->currentText(),
                 QStringLiteral("Ann")); // typed text is kept
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("Bob"));
        typeInto(*window, QStringLiteral("txtPassword"), QStringLiteral("b"));
        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(window->flow().state().gPlayerName, QStringLiteral("Bob"));
    }

    void anAccountThatCannotBeSavedIsNotAddedEither()
    {
        // A file stands where the data folder should be, so nothing can be written.
        QFile blocker(mDir->filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto window = openGame(mDir->filePath(QStringLiteral("data/players.txt")));
        MessageBoxWatcher boxes;
        typeInto(*window, QStringLiteral("cboPlayers"), QStringLiteral("Ann"));
        typeInto(*window, QStringLiteral("txtPassword"), QStringLiteral("apple"));
        click(*window, QStringLiteral("cmdLogin"));
        QCOMPARE(boxes.seen.size(), size_t(1));
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QVERIFY(boxes.last().text.contains(QStringLiteral("could not be saved")));
        QCOMPARE(window->flow().state().gPlayerCount, qint16(0));
        QCOMPARE(control<QComboBox>(*window, QStringLiteral("cboPlayers"))->count(), 0);
        QCOMPARE(control<QAbstractButton>(*window, QStringLiteral("cmdLogin"))->text(),
                 QStringLiteral("Create Player"));
    }

    void aMissingDataFolderIsCreatedWithTheFirstAccount()
    {
        const QString path = mDir->filePath(QStringLiteral("fresh/data/players.txt"));
        auto window = openGame(path);
        createAndLogIn(*window, QStringLiteral("Neo"), QStringLiteral("m"));
        QCOMPARE(window->flow().state().gPlayerName, QStringLiteral("Neo"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Neo\r\nm\r\n"));
        QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
    }
};

QTEST_MAIN(LoginTest)
#include "test_login.moc"
