// SPDX-License-Identifier: GPL-3.0-or-later
// The window speaks the desktop's language: the game, started under a desktop's
// locale settings, shows its log-in screen in that language, and under C or an
// English locale exactly the texts it is written in.

#include "main/ui/GameStart.h"
#include "main/ui/frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const char kShowLogIn[] = "--show-log-in";

// The child: the game as it starts, printing what its log-in screen reads.
int showLogIn(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const auto translations = InstallTranslations();
    QTemporaryDir folder;
    StartupFiles files = StartupFiles::forThisProgram();
    files.accounts = folder.filePath(QStringLiteral("players.txt"));
    const auto window = Main(files);
    const QWidget *panel = window->findChild<QWidget *>(QStringLiteral("picContainerLogin"));
    if (!panel)
        return 1;
    for (const QWidget *control : panel->findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<const QLabel *>(control))
            text = label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(control))
            text = button->text();
        else
            text = control->accessibleName();
        if (!text.isEmpty())
            std::printf("%s\n", text.toUtf8().constData());
    }
    return 0;
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void theLogInScreenSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("shown");
        const QStringList english = {"Login", "Username:", "Username", "Password:", "Password",
                                     "Create Player", "About", "Exit"};
        const QStringList german = {"Anmeldung", "Name:", "Name", "Passwort:", "Passwort",
                                    "Spieler anlegen", "Über", "Beenden"};
        QTest::newRow("C") << QStringList{"LC_ALL=C"} << english;
        QTest::newRow("POSIX") << QStringList{"LANG=POSIX"} << english;
        QTest::newRow("en_US.UTF-8") << QStringList{"LANG=en_US.UTF-8"} << english;
        QTest::newRow("en_GB before German") << QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"} << english;
        QTest::newRow("de_DE.UTF-8") << QStringList{"LANG=de_DE.UTF-8"} << german;
        QTest::newRow("German by LANGUAGE") << QStringList{"LANGUAGE=de", "LANG=C.UTF-8"} << german;
    }
    void theLogInScreenSpeaksTheDesktopsLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, shown);
        QProcessEnvironment desktop = QProcessEnvironment::systemEnvironment();
        for (const char *setting : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            desktop.remove(QLatin1String(setting));
        for (const QString &setting : environment)
            desktop.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        QProcess game;
        game.setProcessEnvironment(desktop);
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        game.start(QCoreApplication::applicationFilePath(), {QLatin1String(kShowLogIn)});
        QVERIFY2(game.waitForStarted(), qPrintable(QCoreApplication::applicationFilePath() + QStringLiteral(" did not start: ") + game.errorString()));
        QVERIFY(game.waitForFinished(30000));
        QCOMPARE(game.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(game.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), shown);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], kShowLogIn) == 0)
        return showLogIn(argc, argv);
    QApplication app(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_language.moc"
