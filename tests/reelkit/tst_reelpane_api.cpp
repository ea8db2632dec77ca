// SPDX-License-Identifier: LGPL-2.1-or-later
// Reelpane as a host sees it through the shared library's one header: the
// persisted properties, the change notice, the dispatch ids and the ids of the
// class, the seam that takes the place of the error dialog, and the link label.
#include "LinkLabel.h"
#include "Reelpane.h"

#include <QMetaClassInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

struct Reports
{
    QStringList labels;
    QStringList texts;

    Reports()
    {
        Reelpane::setReportHandler([this](const QString &label, const QString &text) {
            labels.append(label);
            texts.append(text);
        });
    }
    ~Reports() { Reelpane::setReportHandler({}); }
};

QString classInfo(const char *name)
{
    const QMetaObject &meta = Reelpane::staticMetaObject;
    const int index = meta.indexOfClassInfo(name);
    return index < 0 ? QString() : QString::fromLatin1(meta.classInfo(index).value());
}

} // namespace

class TestReelpaneApi : public QObject
{
    Q_OBJECT

private slots:
    void aNewControlHasTheDefaults()
    {
        Reelpane pane;
        QCOMPARE(pane.BackColor(), 0x8000000Fu);
        QCOMPARE(pane.BackStyle(), Reelpane::Opaque);
        QCOMPARE(pane.BorderStyle(), Reelpane::None);
        QCOMPARE(int(Reelpane::Transparent), 0);
        QCOMPARE(int(Reelpane::Opaque), 1);
        QCOMPARE(int(Reelpane::None), 0);
        QCOMPARE(int(Reelpane::FixedSingle), 1);
    }

    void defaultsAreLeftOutOfTheStore()
    {
        Reelpane pane;
        MemoryPropertyBag bag;
        pane.WriteProperties(bag);
        QVERIFY(bag.keys().isEmpty());
    }

    void changedValuesAreWrittenUnderTheirKeysInOrder()
    {
        Reelpane pane;
        pane.setBorderStyle(Reelpane::FixedSingle);
        pane.setBackColor(0x00336699);
        pane.setBackStyle(Reelpane::Transparent);
        MemoryPropertyBag bag;
        pane.WriteProperties(bag);
        QCOMPARE(bag.keys(), (QStringList{QStringLiteral("BackColor"), QStringLiteral("BackStyle"),
                                          QStringLiteral("BorderStyle")}));
        QCOMPARE(bag.ReadProperty(QStringLiteral("BackColor"), {}).toLongLong(), 0x00336699);
        QCOMPARE(bag.ReadProperty(QStringLiteral("BackStyle"), {}).toInt(), 0);
        QCOMPARE(bag.ReadProperty(QStringLiteral("BorderStyle"), {}).toInt(), 1);

        Reelpane restored;
        QSignalSpy notices(&restored, &Reelpane::PropertyChanged);
        restored.ReadProperties(bag);
        QCOMPARE(restored.BackColor(), 0x00336699u);
        QCOMPARE(restored.BackStyle(), Reelpane::Transparent);
        QCOMPARE(restored.BorderStyle(), Reelpane::FixedSingle);
        QCOMPARE(notices.size(), 0);
    }

    void missingKeysReadAsDefaults()
    {
        Reelpane pane;
        pane.setBackStyle(Reelpane::Transparent);
        pane.setBorderStyle(Reelpane::FixedSingle);
        pane.setBackColor(0x000000FF);
        MemoryPropertyBag bag;
        bag.insert(QStringLiteral("BorderStyle"), QVariant::fromValue(qint16(1)));
        pane.ReadProperties(bag);
        QCOMPARE(pane.BackColor(), 0x8000000Fu);
        QCOMPARE(pane.BackStyle(), Reelpane::Opaque);
        QCOMPARE(pane.BorderStyle(), Reelpane::FixedSingle);
    }

    void aStoredSystemColourSurvivesTheRoundTrip()
    {
        Reelpane pane;
        pane.setBackColor(0x80000005);
        MemoryPropertyBag bag;
        pane.WriteProperties(bag);
        Reelpane restored;
        restored.ReadProperties(bag);
        QCOMPARE(restored.BackColor(), 0x80000005u);
    }

    void everySetterNamesItsPropertyInTheChangeNotice()
    {
        Reelpane pane;
        QSignalSpy notices(&pane, &Reelpane::PropertyChanged);
        pane.setBackColor(0x00FF0000);
        pane.setBackStyle(Reelpane::Transparent);
        pane.setBorderStyle(Reelpane::FixedSingle);
        pane.Invoke(Reelpane::DispIdBackStyle, {1});
        QCOMPARE(notices.size(), 4);
        QCOMPARE(notices[0][0].toString(), QStringLiteral("BackColor"));
        QCOMPARE(notices[1][0].toString(), QStringLiteral("BackStyle"));
        QCOMPARE(notices[2][0].toString(), QStringLiteral("BorderStyle"));
        QCOMPARE(notices[3][0].toString(), QStringLiteral("BackStyle"));
    }

    void refusedValuesReachTheHostAsErrors_data()
    {
        QTest::addColumn<qint32>("dispId");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("back style 2") << Reelpane::DispIdBackStyle << QVariant(2);
        QTest::newRow("border style -1") << Reelpane::DispIdBorderStyle << QVariant(-1);
        QTest::newRow("unknown system colour") << Reelpane::DispIdBackColor << QVariant(qint64(0x80000099));
        QTest::newRow("colour above 24 bits") << Reelpane::DispIdBackColor << QVariant(qint64(0x01000000));
        QTest::newRow("not a number") << Reelpane::DispIdBackStyle << QVariant(QStringLiteral("opaque"));
    }

    void refusedValuesReachTheHostAsErrors()
    {
        QFETCH(qint32, dispId);
        QFETCH(QVariant, value);
        Reelpane pane;
        QSignalSpy notices(&pane, &Reelpane::PropertyChanged);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, pane.Invoke(dispId, {value}));
        QCOMPARE(notices.size(), 0);
        QCOMPARE(pane.BackStyle(), Reelpane::Opaque);
        QCOMPARE(pane.BorderStyle(), Reelpane::None);
        QCOMPARE(pane.BackColor(), 0x8000000Fu);
    }

    void theDispatchIdsReachTheirMembers()
    {
        QCOMPARE(Reelpane::DispIdAbout, -552);
        QCOMPARE(Reelpane::DispIdGifLoad, 0x60030003);
        QCOMPARE(Reelpane::DispIdGifPause, 0x60030004);
        QCOMPARE(Reelpane::DispIdGifContinue, 0x60030005);
        QCOMPARE(Reelpane::DispIdBackColor, 0x68030002);
        QCOMPARE(Reelpane::DispIdBackStyle, 0x68030001);
        QCOMPARE(Reelpane::DispIdBorderStyle, 0x68030000);

        Reelpane pane;
        pane.Invoke(Reelpane::DispIdBackColor, {qint64(0x00102030)});
        QCOMPARE(pane.Invoke(Reelpane::DispIdBackColor).toUInt(), 0x00102030u);
        pane.Invoke(Reelpane::DispIdBorderStyle, {1});
        QCOMPARE(pane.Invoke(Reelpane::DispIdBorderStyle).toInt(), 1);
        QCOMPARE(pane.Invoke(Reelpane::DispIdBackStyle).toInt(), 1);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, pane.Invoke(0x12345678));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, pane.Invoke(Reelpane::DispIdGifLoad));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, pane.Invoke(Reelpane::DispIdGifPause, {1}));
    }

    void gifLoadThroughDispatchReportsAMissingFile()
    {
        Reports reports;
        Reelpane pane;
        pane.Invoke(Reelpane::DispIdGifLoad, {QStringLiteral("nowhere.gif")});
        pane.Invoke(Reelpane::DispIdGifPause);
        pane.Invoke(Reelpane::DispIdGifContinue);
        QCOMPARE(reports.labels, QStringList{QStringLiteral("modAniGif.LoadGif()")});
        QCOMPARE(reports.texts, QStringList{QStringLiteral("'nowhere.gif' not found")});
    }

    void aLoadedFileSetsTheLibraryWideFrameCount()
    {
        Reports reports;
        Reelpane pane;
        QString file = QStringLiteral(REELKIT_TEST_DATA "/dispose_bgnd_transparency.gif");
        pane.GifLoad(file);
        QVERIFY(reports.labels.isEmpty());
        QCOMPARE(Reelpane::LastFrame(), 9);
    }

    void theClassCarriesItsRegistrationIds()
    {
        QCOMPARE(classInfo("ClassID"), QStringLiteral("{1F4B23E6-9101-4401-A8BB-2D9AC641FD99}"));
        QCOMPARE(classInfo("InterfaceID"), QStringLiteral("{55479BF5-60F8-409A-B22E-9A5989F67D59}"));
        QCOMPARE(classInfo("EventsID"), QStringLiteral("{9D201E57-74C6-43D6-A448-D466D609F6DC}"));
        QCOMPARE(classInfo("TypeLibID"), QStringLiteral("{D8F97DCA-0919-42C1-86D7-5DBD6584C9D0}"));
        QCOMPARE(classInfo("ProgID"), QStringLiteral("Reelkit.Reelpane"));
    }

    void theOpaqueSurfaceIsClearedToTheBackColourWithItsBorder()
    {
        Reelpane pane;
        pane.resize(10, 10);
        pane.setBackColor(0x00FF0000);
        QImage shown = pane.grab().toImage();
        QCOMPARE(QColor(shown.pixel(5, 5)), QColor(0, 0, 255));
        pane.setBorderStyle(Reelpane::FixedSingle);
        shown = pane.grab().toImage();
        QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::black));
        QCOMPARE(QColor(shown.pixel(5, 5)), QColor(0, 0, 255));
    }

    // A link shows its whole address, a long one in a smaller font, down to 6 points.
    void aLinkShowsItsWholeCaptionWithinItsRoom_data()
    {
        QTest::addColumn<int>("folderLength");
        QTest::addColumn<bool>("smaller");
        QTest::addColumn<bool>("fits");
        QTest::newRow("an address that fits keeps its font") << 20 << false << true;
        QTest::newRow("a longer address takes a smaller font") << 40 << true << true;
        QTest::newRow("an address too long for 6 points stops there") << 400 << true << false;
    }
    void aLinkShowsItsWholeCaptionWithinItsRoom()
    {
        QFETCH(int, folderLength);
        QFETCH(bool, smaller);
        QFETCH(bool, fits);
        reelkit::LinkLabel link(QStringLiteral("file:///") + QString(folderLength, QLatin1Char('d')));
        QFont design = link.font();
        design.setPointSize(9);
        link.setFont(design);
        const int room = QFontMetrics(design).horizontalAdvance(QStringLiteral("file:///") + QString(30, QLatin1Char('d')));
        link.fitCaptionWithin(room);
        QCOMPARE(link.font().pointSize() < 9, smaller);
        QVERIFY(link.font().pointSize() >= 6);
        QCOMPARE(QFontMetrics(link.font()).horizontalAdvance(link.text()) <= room, fits);
    }
};

QTEST_MAIN(TestReelpaneApi)
#include "tst_reelpane_api.moc"
