// SPDX-License-Identifier: LGPL-2.1-or-later
// Every text the library shows comes from its catalogue under the context lupdate
// files it in, and a name put into a translated text is never read as a placeholder.
#include "ReportRecorder.h"
#include "dialogs/ReportError.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmException.h"
#include "gif/FrameElements.h"
#include "gif/modAniGif.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// Answers every text with its context in brackets, so a test sees which catalogue
// entry a shown text came from.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("[%1] %2").arg(QString::fromUtf8(context), QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

QString shownText(QWidget *dialog, const QString &name)
{
    if (name.isEmpty())
        return dialog->windowTitle();
    if (auto *label = dialog->findChild<QLabel *>(name))
        return label->text();
    if (auto *button = dialog->findChild<QAbstractButton *>(name))
        return button->text();
    return QStringLiteral("<no %1>").arg(name);
}

QString reportOf(const QByteArray &bytes, const QString &fileName)
{
    QTemporaryDir folder;
    QString path = folder.filePath(fileName);
    if (!bytes.isNull()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QStringLiteral("<cannot write %1>").arg(path);
    }
    ReportRecorder recorder;
    reelkit::FrameElements elements;
    reelkit::LoadGif(path, elements);
    if (recorder.reports.size() != 1)
        return QStringLiteral("<%1 reports>").arg(recorder.reports.size());
    // The folder differs from run to run; the row names the file alone.
    return recorder.reports.front().text.replace(folder.path() + QLatin1Char('/'), QString());
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&m_translator)); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }

    void dialogTextsComeFromTheCatalogue_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("element"); // empty: the window title
        QTest::addColumn<QString>("shown");
        QTest::newRow("about title")
            << true << QString() << QStringLiteral("[reelkit::frmAbout] About Orvane Reelpane");
        QTest::newRow("product name stays a name")
            << true << QStringLiteral("lblAppName") << QStringLiteral("Orvane Reelpane");
        QTest::newRow("version filled at load")
            << true << QStringLiteral("lblVersion") << QStringLiteral("[reelkit::frmAbout] Version 0.0.3");
        QTest::newRow("continue") << false << QStringLiteral("cmdContinue")
                                  << QStringLiteral("[reelkit::frmException] &Continue");
    }

    void dialogTextsComeFromTheCatalogue()
    {
        QFETCH(bool, about);
        QFETCH(QString, element);
        QFETCH(QString, shown);
        std::unique_ptr<QDialog> dialog;
        if (about) {
            dialog = std::make_unique<reelkit::frmAbout>();
            dialog->show(); // the version label is filled when the dialog is shown
        } else {
            dialog = std::make_unique<reelkit::frmException>();
        }
        QCOMPARE(shownText(dialog.get(), element), shown);
    }

    void reportLinesComeFromTheCatalogue_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("start");
        QTest::newRow("procedure") << 0 << QStringLiteral("[ReelkitReport] Procedure: modAniGif.LoadGif()");
        QTest::newRow("date") << 1 << QStringLiteral("[ReelkitReport] Date: ");
        QTest::newRow("time") << 2 << QStringLiteral("[ReelkitReport] Time: ");
        QTest::newRow("error keeps a %2 of its own")
            << 3 << QStringLiteral("[ReelkitReport] Error: '%2.gif' not found");
    }

    void reportLinesComeFromTheCatalogue()
    {
        QFETCH(int, line);
        QFETCH(QString, start);
        const QStringList lines = reelkit::buildReport(QStringLiteral("modAniGif.LoadGif()"),
                                                       QStringLiteral("'%2.gif' not found"))
                                      .split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[line].startsWith(start), qPrintable(lines[line]));
    }

    void failureTextsComeFromTheCatalogue_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing file") << QByteArray() << QStringLiteral("radar.gif")
                                      << QStringLiteral("[ReelkitGif] 'radar.gif' not found");
        QTest::newRow("missing file named like a placeholder")
            << QByteArray() << QStringLiteral("%1 %2.gif") << QStringLiteral("[ReelkitGif] '%1 %2.gif' not found");
        QTest::newRow("not a GIF") << QByteArray("PNG\x00\x21\xF9", 6) << QStringLiteral("radar.gif")
                                   << QStringLiteral("[ReelkitGif] This file is not a valid *.gif file");
        // A last frame of one byte: its delay field lies past the end.
        QTest::newRow("frame cut short")
            << QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x21\xF9\x04\x00", 17) << QStringLiteral("radar.gif")
            << QStringLiteral("[ReelkitGif] The frame data ends before its [ReelkitGif] delay field (frame block of 1 "
                              "bytes)");
    }

    void failureTextsComeFromTheCatalogue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fileName);
        QFETCH(QString, text);
        QCOMPARE(reportOf(bytes, fileName), text);
    }

private:
    MarkingTranslator m_translator;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
