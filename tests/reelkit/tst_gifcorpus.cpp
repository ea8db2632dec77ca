// SPDX-License-Identifier: LGPL-2.1-or-later
// Real GIF files from public decoders' test suites: each one loads without a
// crash into as many frames as the marker split finds, with the delays and
// offsets the file holds where the split reads them from the right place.
#include "CraftedGif.h"
#include "ReportRecorder.h"
#include "gif/FrameDecoder.h"
#include "gif/FrameElements.h"
#include "gif/modAniGif.h"

#include <QFile>
#include <QTest>

using reelkit::FrameElements;
using reelkit::LoadGifHooks;

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(REELKIT_TEST_DATA "/") + name;
}

struct ManifestRow
{
    QList<int> delays;
    QList<QPoint> offsets;
};

ManifestRow manifestRow(const QString &file)
{
    QFile manifest(dataPath(QStringLiteral("manifest.tsv")));
    if (!manifest.open(QIODevice::ReadOnly))
        return {};
    while (!manifest.atEnd()) {
        const QList<QByteArray> fields = manifest.readLine().trimmed().split('\t');
        if (fields.size() < 4 || QString::fromLatin1(fields[0]) != file)
            continue;
        ManifestRow row;
        for (const QByteArray &delay : fields[2].split(','))
            row.delays.append(delay.toInt());
        for (const QByteArray &offset : fields[3].split(',')) {
            const QList<QByteArray> xy = offset.split(':');
            row.offsets.append(QPoint(xy.value(0).toInt(), xy.value(1).toInt()));
        }
        return row;
    }
    return {};
}

LoadGifHooks quietHooks()
{
    LoadGifHooks hooks;
    hooks.pumpEvents = [] { return true; };
    return hooks;
}

} // namespace

class TestGifCorpus : public QObject
{
    Q_OBJECT

private slots:
    void everyFileSplitsAndLoads_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("split");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<QString>("report");
        const QString notGif = QStringLiteral("This file is not a valid *.gif file");
        auto row = [](const char *file, int split, int loaded, const QString &report = {}) {
            QTest::newRow(file) << QString::fromLatin1(file) << split << loaded << report;
        };
        row("porsche.gif", 0, 1, notGif);
        row("treescap-interlaced.gif", 0, 1, notGif);
        row("test_extents.gif", 0, 1, notGif);
        row("gifgrid.gif", 1, 1);
        row("x-trans.gif", 1, 1);
        row("gifplayer-muybridge.gif", 380, 380);
        row("moon_impact.gif", 14, 14);
        row("anim-gr.gif", 2, 2);
        row("beacon.gif", 2, 2);
        row("beacon_icc.gif", 2, 2);
        row("sample_big.gif", 259, 259);
        row("waves.gif", 10, 10);
        row("dispose_bgnd_transparency.gif", 10, 10);
        row("dispose_prev.gif", 4, 4);
        row("iss634.gif", 42, 42);
        row("chi.gif", 31, 31);
        row("chi_truncated.gif", 21, 21);
        row("hopper.gif", 1, 1);
        // The marker inside frame 0's pixels cuts a middle chunk that holds no image.
        row("palette_not_needed_for_second_frame.gif", 3, 1, QStringLiteral("*"));
        row("missing_background.gif", 4, 4);
        row("transparent_dispose.gif", 3, 3);
        row("first_frame_transparency.gif", 1, 1);
    }

    void everyFileSplitsAndLoads()
    {
        QFETCH(QString, file);
        QFETCH(int, split);
        QFETCH(int, loaded);
        QFETCH(QString, report);
        QString path = dataPath(file);
        QVERIFY(QFile::exists(path));

        std::vector<QByteArray> frameFiles;
        {
            ReportRecorder recorder;
            FrameElements elements;
            LoadGifHooks hooks = quietHooks();
            hooks.decoderFor = RecordingDecoder{&frameFiles};
            reelkit::LoadGif(path, elements, hooks);
        }
        QCOMPARE(int(frameFiles.size()), split);

        ReportRecorder recorder;
        FrameElements elements;
        const bool passed = reelkit::LoadGif(path, elements, quietHooks());
        QCOMPARE(passed, split > 0);
        QCOMPARE(int(elements.count()), loaded);
        if (report.isEmpty()) {
            QCOMPARE(recorder.reports.size(), size_t(0));
            QCOMPARE(reelkit::gLastFrame, loaded - 1);
        } else {
            QCOMPARE(recorder.reports.size(), size_t(1));
            QCOMPARE(recorder.reports[0].label, QStringLiteral("modAniGif.LoadGif()"));
            if (report != QLatin1String("*"))
                QCOMPARE(recorder.reports[0].text, report);
        }
        for (qsizetype i = 0; i < elements.count() && split > 0; ++i)
            QVERIFY(!elements.at(i).Picture.isNull());
    }

    void delaysAndOffsetsMatchTheFile_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"gifgrid.gif", "x-trans.gif", "gifplayer-muybridge.gif", "moon_impact.gif",
                                 "beacon.gif", "waves.gif", "dispose_bgnd_transparency.gif", "iss634.gif",
                                 "chi.gif", "missing_background.gif", "transparent_dispose.gif"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void delaysAndOffsetsMatchTheFile()
    {
        QFETCH(QString, file);
        const ManifestRow manifest = manifestRow(file);
        QVERIFY(!manifest.delays.isEmpty());
        QString path = dataPath(file);
        FrameElements elements;
        ReportRecorder recorder;
        QVERIFY(reelkit::LoadGif(path, elements, quietHooks()));
        QCOMPARE(int(elements.count()), manifest.delays.size());
        for (qsizetype i = 0; i < elements.count(); ++i) {
            QCOMPARE(elements.at(i).Tag, QString::number(manifest.delays[i] * 10));
            const QPoint offset = i == 0 ? QPoint(0, 0) : manifest.offsets[i] * 15;
            QCOMPARE(QPoint(elements.at(i).Left, elements.at(i).Top), offset);
        }
    }

    // Both decoders must agree on every frame's own rectangle, which also checks
    // the crop of Qt's whole-screen image against giflib's frame rectangle.
    void giflibAndQtDecodeTheSameFramePictures_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"dispose_bgnd_transparency.gif", "missing_background.gif", "transparent_dispose.gif",
                                 "first_frame_transparency.gif", "x-trans.gif", "moon_impact.gif", "waves.gif"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void giflibAndQtDecodeTheSameFramePictures()
    {
        QFETCH(QString, file);
        QString path = dataPath(file);
        FrameElements withGiflib;
        FrameElements withQt;
        ReportRecorder recorder;
        LoadGifHooks qtHooks = quietHooks();
        qtHooks.decoderFor = reelkit::qtFrameDecoder;
        QVERIFY(reelkit::LoadGif(path, withGiflib, quietHooks()));
        QVERIFY(reelkit::LoadGif(path, withQt, qtHooks));
        QCOMPARE(recorder.reports.size(), size_t(0));
        QCOMPARE(withGiflib.count(), withQt.count());
        for (qsizetype i = 0; i < withGiflib.count(); ++i) {
            const QImage a = withGiflib.at(i).Picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage b = withQt.at(i).Picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(a.size(), b.size());
            QVERIFY2(a == b, qPrintable(QStringLiteral("frame %1 differs").arg(i)));
        }
    }

    void theFirstFrameIsItsOwnRectangleNotTheScreen()
    {
        // first_frame_transparency.gif: a 75 x 50 screen whose only image is narrower, at left 25.
        const QImage picture = [] {
            FrameElements elements;
            QString path = dataPath(QStringLiteral("first_frame_transparency.gif"));
            reelkit::LoadGif(path, elements, quietHooks());
            return elements.at(0).Picture;
        }();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() <= 75 - 25);
        QCOMPARE(picture.height(), 50);
    }

    void aTruncatedLastFrameKeepsTheRowsDecodedSoFar()
    {
        QString path = dataPath(QStringLiteral("chi_truncated.gif"));
        QString whole = dataPath(QStringLiteral("chi.gif"));
        FrameElements truncated;
        FrameElements complete;
        ReportRecorder recorder;
        QVERIFY(reelkit::LoadGif(path, truncated, quietHooks()));
        QVERIFY(reelkit::LoadGif(whole, complete, quietHooks()));
        QCOMPARE(truncated.count(), 21);
        for (qsizetype i = 0; i < 20; ++i)
            QCOMPARE(truncated.at(i).Picture, complete.at(i).Picture);
        const QImage partial = truncated.at(20).Picture;
        QCOMPARE(partial.size(), complete.at(20).Picture.size());
        QCOMPARE(partial.pixel(0, 0), complete.at(20).Picture.pixel(0, 0));
        QVERIFY(partial != complete.at(20).Picture);
    }
};

QTEST_GUILESS_MAIN(TestGifCorpus)
#include "tst_gifcorpus.moc"
