// SPDX-License-Identifier: LGPL-2.1-or-later
// The library's own dialogs: the four-line error report, a second report while
// one is up, and the about box with its version text and links.
#include "DesktopFont.h"
#include "KeyboardFocus.h"
#include "ModalCloser.h"
#include "ReelkitTranslations.h"
#include "TextFit.h"
#include "UrlRecorder.h"
#include "Reelpane.h"
#include "Twips.h"
#include "dialogs/LibraryDocuments.h"
#include "dialogs/ReportError.h"
#include "dialogs/frmException.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUrl>

namespace {

QString shortDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString timeNow()
{
    return reelkit::timeText(QTime::currentTime(), QLocale::system());
}

void click(QWidget *dialog, const char *name)
{
    auto *target = dialog->findChild<QWidget *>(QLatin1String(name));
    QVERIFY2(target, name);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void theReportHasFourLinesInTheSystemsFormats()
    {
        const QString dateBefore = shortDate();
        const QString timeBefore = timeNow();
        const QString report = reelkit::buildReport(QStringLiteral("modAniGif.LoadGif()"),
                                                    QStringLiteral("'radar.gif' not found"));
        const QStringList lines = report.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Procedure: modAniGif.LoadGif()"));
        QVERIFY(lines[1] == QStringLiteral("Date: ") + dateBefore || lines[1] == QStringLiteral("Date: ") + shortDate());
        QVERIFY(lines[2] == QStringLiteral("Time: ") + timeBefore || lines[2] == QStringLiteral("Time: ") + timeNow());
        QCOMPARE(lines[3], QStringLiteral("Error: 'radar.gif' not found"));
        QCOMPARE(report.count(QStringLiteral("\r\n")), 3);
        QCOMPARE(report.count(QLatin1Char('\n')), 3);
    }

    void theTimeHasSecondsInEveryLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("time");
        QTest::newRow("United States") << "en_US" << "4:20:05 PM";
        QTest::newRow("Finland") << "fi_FI" << "16.20.05";
        QTest::newRow("China, zone first") << "zh_CN" << "16:20:05";
        QTest::newRow("Spain, zone in brackets") << "es_ES" << "16:20:05";
        QTest::newRow("Bulgaria, quoted text") << "bg_BG" << "16:20:05 \u0447.";
    }
    void theTimeHasSecondsInEveryLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, time);
        QCOMPARE(reelkit::timeText(QTime(16, 20, 5), QLocale(locale)), time);
    }

    void anEmptyErrorTextLeavesTheLastLineBare()
    {
        const QString report = reelkit::buildReport(QStringLiteral("Reelpane.About()"), QString());
        QVERIFY(report.endsWith(QStringLiteral("\r\nError: ")));
    }

    void aMissingFileIsReportedInTheLibrarysDialog()
    {
        Reelpane pane;
        QString missing = QStringLiteral("/no/such/radar.gif");
        QString title;
        QString shown;
        QString stored;
        bool pointerReset = false;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        whenModalShows([&](QWidget *dialog) {
            title = dialog->windowTitle();
            shown = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtException"))->toPlainText();
            stored = qobject_cast<reelkit::frmException *>(dialog)->report();
            pointerReset = QGuiApplication::overrideCursor() == nullptr;
            QCOMPARE(dialog->size(), QSize(480, 294));
            click(dialog, "cmdContinue");
        });
        pane.GifLoad(missing);
        QCOMPARE(title, QStringLiteral("Error Handler - Program Error [Reelkit.ocx]"));
        const QStringList lines = stored.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Procedure: modAniGif.LoadGif()"));
        QCOMPARE(lines[3], QStringLiteral("Error: '/no/such/radar.gif' not found"));
        QCOMPARE(shown.split(QLatin1Char('\n')), lines);
        QVERIFY(pointerReset);
        // The dialog is destroyed once closed, so the next report starts afresh.
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<reelkit::frmException *>(window));
    }

    void aSecondReportWhileOneIsUpIsAppended()
    {
        QString stored;
        whenModalShows([&](QWidget *dialog) {
            reelkit::ReportError(QStringLiteral("second failure"), QStringLiteral("Reelpane.tmrMain_Timer()"));
            stored = qobject_cast<reelkit::frmException *>(dialog)->report();
            click(dialog, "cmdContinue");
        });
        reelkit::ReportError(QStringLiteral("first failure"), QStringLiteral("Reelpane.GifLoad()"));
        const QStringList reports = stored.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(reports.size(), 2);
        QVERIFY(reports[0].startsWith(QStringLiteral("Procedure: Reelpane.GifLoad()\r\n")));
        QVERIFY(reports[0].endsWith(QStringLiteral("Error: first failure")));
        QVERIFY(reports[1].startsWith(QStringLiteral("Procedure: Reelpane.tmrMain_Timer()\r\n")));
        QVERIFY(reports[1].endsWith(QStringLiteral("Error: second failure")));
    }

    void theAboutBoxShowsTheVersionOnEveryShowing()
    {
        Reelpane pane;
        QStringList versions;
        QString title;
        for (int showing = 0; showing < 2; ++showing) {
            whenModalShows([&](QWidget *dialog) {
                title = dialog->windowTitle();
                versions.append(dialog->findChild<QLabel *>(QStringLiteral("lblVersion"))->text());
                QCOMPARE(dialog->size(), QSize(359, 255));
                click(dialog, "cmdOK");
            });
            pane.Invoke(Reelpane::DispIdAbout);
        }
        QCOMPARE(title, QStringLiteral("About Orvane Reelpane"));
        QCOMPARE(versions, (QStringList{QStringLiteral("Version 0.0.3"), QStringLiteral("Version 0.0.3")}));
    }

    // Enter presses OK and Escape closes, wherever the keyboard is in the about box (empty:
    // where it starts); they open no address. Space on a link opens it and the box stays.
    void enterInTheAboutBoxPressesOk_data()
    {
        QTest::addColumn<QString>("focusOn");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter where the keyboard starts") << QString() << int(Qt::Key_Return) << true;
        for (const char *name : {"cmdOK", "lblWebSite", "lblProductSite"}) {
            QTest::addRow("Enter on %s", name) << name << int(Qt::Key_Return) << true;
            QTest::addRow("keypad Enter on %s", name) << name << int(Qt::Key_Enter) << true;
            QTest::addRow("Escape on %s", name) << name << int(Qt::Key_Escape) << true;
        }
        QTest::newRow("Space on a link opens it") << "lblProductSite" << int(Qt::Key_Space) << false;
    }
    void enterInTheAboutBoxPressesOk()
    {
        QFETCH(QString, focusOn);
        QFETCH(int, key);
        QFETCH(bool, closes);
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "openUrl");
        const auto unsetHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
        Reelpane pane;
        QString startsOn;
        bool closed = false;
        QPointer<QWidget> about;
        whenModalShows([&](QWidget *dialog) {
            about = dialog;
            giveKeyboardTo(*dialog);
            if (!focusOn.isEmpty())
                dialog->findChild<QWidget *>(focusOn)->setFocus(Qt::TabFocusReason);
            QWidget *focused = dialog->focusWidget();
            startsOn = focused ? focused->objectName() : QString();
            QTest::keyClick(focused ? focused : dialog, Qt::Key(key));
            closed = !dialog->isVisible();
            if (dialog->isVisible())
                click(dialog, "cmdOK");
        });
        pane.About();
        QCOMPARE(startsOn, focusOn.isEmpty() ? QStringLiteral("cmdOK") : focusOn);
        QCOMPARE(closed, closes);
        QCOMPARE(recorder.opened.isEmpty(), closes);
        QVERIFY(!about); // closed: the dialog is gone
    }

    // Every text fits its place in both dialogs, in every language the library ships,
    // whatever font size the desktop gives (0: the desktop's own).
    void theDialogsFitTheirTextsAtAnyDesktopFont_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("desktopPoints");
        for (const int points : {0, 8, 10, 12, 14})
            QTest::addRow("English, desktop font %d pt", points) << QString() << points;
        for (const QString &language : QString::fromLatin1(SHIPPED_LANGUAGES).split(QLatin1Char(' ')))
            for (const int points : {8, 10, 12, 14})
                QTest::addRow("%s, desktop font %d pt", qPrintable(language), points) << language << points;
    }
    void theDialogsFitTheirTextsAtAnyDesktopFont()
    {
        QFETCH(QString, language);
        QFETCH(int, desktopPoints);
        QTranslator qt, library;
        if (!language.isEmpty()) {
            QVERIFY(qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
            QVERIFY(library.load(QStringLiteral("reelkit_") + language, reelkit::translationsFolder()));
            QCoreApplication::installTranslator(&qt);
            QCoreApplication::installTranslator(&library);
        }
        const DesktopFont desktopFont(desktopPoints);
        QStringList clipped;
        for (const bool about : {true, false}) {
            whenModalShows([&](QWidget *dialog) {
                for (const QString &text : clippedTexts(dialog))
                    clipped << dialog->objectName() + QStringLiteral(": ") + text;
                click(dialog, about ? "cmdOK" : "cmdContinue");
            });
            Reelpane pane;
            if (about)
                pane.About();
            else
                reelkit::ReportError(QStringLiteral("a failure"), QStringLiteral("Reelpane.GifLoad()"));
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

    void theLinksOpenTheirOwnCaptionsAndTheDialogStays()
    {
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "openUrl");
        Reelpane pane;
        QStringList captions;
        bool stillOpen = false;
        whenModalShows([&](QWidget *dialog) {
            for (const char *name : {"lblWebSite", "lblProductSite"}) {
                captions.append(dialog->findChild<QLabel *>(QLatin1String(name))->text());
                click(dialog, name);
            }
            stillOpen = dialog->isVisible();
            click(dialog, "cmdOK");
        });
        pane.About();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QVERIFY(stillOpen);
        QCOMPARE(captions.size(), 2);
        QCOMPARE(recorder.opened, (QList<QUrl>{QUrl(captions[0]), QUrl(captions[1])}));
        QVERIFY(captions[0] != captions[1]);
    }

    // The links lead to the library's documents on this machine: in the build tree,
    // the copy beside the library.
    void eachLinkLeadsToADocumentOnThisMachine_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("folder");
        QTest::newRow("maker's site: the folder of the library's documents") << "lblWebSite" << true;
        QTest::newRow("product page: the README") << "lblProductSite" << false;
    }
    void eachLinkLeadsToADocumentOnThisMachine()
    {
        QFETCH(QString, link);
        QFETCH(bool, folder);
        QString caption;
        whenModalShows([&](QWidget *dialog) {
            caption = dialog->findChild<QLabel *>(link)->text();
            click(dialog, "cmdOK");
        });
        Reelpane pane;
        pane.About();
        const QUrl address(caption);
        QVERIFY2(address.isLocalFile(), qPrintable(caption));
        const QFileInfo target(address.toLocalFile());
        QVERIFY2(target.isReadable(), qPrintable(caption));
        QCOMPARE(target.isDir(), folder);
        const QFileInfo readme = folder ? QFileInfo(QDir(target.filePath()).filePath(QStringLiteral("README.md"))) : target;
        QVERIFY2(readme.isFile() && readme.size() > 0, qPrintable(readme.filePath()));
    }

    void theDocumentsAreFoundBesideTheLibraryInEitherLayout_data()
    {
        QTest::addColumn<bool>("buildTree");
        QTest::addColumn<QString>("folder"); // relative to the scratch folder
        QTest::newRow("build tree: doc/ beside the library") << true << "lib/doc/";
        QTest::newRow("installed: the documents folder of the prefix") << false << "share/doc/reelkit/";
    }
    void theDocumentsAreFoundBesideTheLibraryInEitherLayout()
    {
        QFETCH(bool, buildTree);
        QFETCH(QString, folder);
        QTemporaryDir scratch;
        const QDir root(scratch.path());
        QVERIFY(root.mkpath(buildTree ? QStringLiteral("lib/doc") : QStringLiteral("lib")));
        const auto documents = reelkit::LibraryDocuments::beside(root.filePath(QStringLiteral("lib")));
        QCOMPARE(documents.folder, root.filePath(folder));
        QCOMPARE(documents.readme, root.filePath(folder + QStringLiteral("README.md")));
    }

    // The notice tells the library's licence, in one line of its label's designed size.
    void theRightsNoticeNamesTheLicenceWithinItsDesignedSize()
    {
        QString notice;
        QSize size;
        int textWidth = 0;
        whenModalShows([&](QWidget *dialog) {
            const auto *label = dialog->findChild<QLabel *>(QStringLiteral("lblCopyright"));
            notice = label->text();
            size = label->size();
            textWidth = QFontMetrics(label->font()).horizontalAdvance(notice);
            click(dialog, "cmdOK");
        });
        Reelpane pane;
        pane.About();
        QCOMPARE(notice, QStringLiteral("\u00A9 2026 Orvane. LGPL-2.1-or-later."));
        QCOMPARE(size.width(), reelkit::twipsToPixels(3915));
        QVERIFY2(textWidth <= size.width(), qPrintable(QString::number(textWidth)));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
