// SPDX-License-Identifier: LGPL-2.1-or-later
// The marker split: where frames start, what each frame file holds, what is read
// from each chunk, and how every failure is reported.
#include "CraftedGif.h"
#include "ReportRecorder.h"
#include "dialogs/ReelkitError.h"
#include "gif/FrameElements.h"
#include "gif/modAniGif.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using reelkit::FrameElements;
using reelkit::LoadGif;
using reelkit::LoadGifHooks;

namespace {

const QString kLabel = QStringLiteral("modAniGif.LoadGif()");
const QString kNotGif = QStringLiteral("This file is not a valid *.gif file");

// "GIF89a", an 8 x 8 screen and a two-colour table whose last byte (offset 18) is 00.
QByteArray headerWithTwoColours()
{
    return QByteArray::fromHex("474946383961" "0800" "0800" "80" "00" "00" "ff0000" "00ff00");
}

// A graphic control extension without its leading 00, then an image descriptor.
QByteArray frameBody(int delay, int left, int top, const QByteArray &imageData = QByteArray::fromHex("0202440100"))
{
    QByteArray body = QByteArray::fromHex("21f904");
    body += char(0x04);
    body += char(delay & 0xFF);
    body += char(delay >> 8);
    body += QByteArray::fromHex("0000");
    body += char(0x2C);
    body += char(left & 0xFF);
    body += char(left >> 8);
    body += char(top & 0xFF);
    body += char(top >> 8);
    body += QByteArray::fromHex("0200020000");
    body += imageData;
    return body;
}

// Frames are joined as the encoder lays them out: each body follows the 00 that
// ends the previous block, and the file ends with 00 3B.
QByteArray animation(const std::vector<QByteArray> &bodies)
{
    QByteArray bytes = headerWithTwoColours();
    for (const QByteArray &body : bodies)
        bytes += body;
    bytes += QByteArray::fromHex("3b");
    return bytes;
}

// Frames of width x height whose image data codes their first row only: a file of a
// few hundred bytes that describes pictures of any size.
QByteArray oneRowFrames(int frames, int width, int height)
{
    QByteArray bytes = encodeGif(std::vector<CraftFrame>(size_t(frames), CraftFrame{1, 0, 0, width, 1}), width, height);
    QByteArray oneRow = QByteArray::fromHex("2c00000000");
    oneRow += char(width & 0xFF);
    oneRow += char(width >> 8);
    QByteArray fullHeight = oneRow;
    oneRow += QByteArray::fromHex("0100");
    fullHeight += char(height & 0xFF);
    fullHeight += char(height >> 8);
    return bytes.replace(oneRow, fullHeight);
}

// A table of `colours` colours of its own, told apart from others by `seed`.
std::vector<QRgb> localTable(int colours, int seed)
{
    std::vector<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.push_back(qRgb((seed * 37 + i * 11) & 0xFF, (seed * 91 + i * 5) & 0xFF, (i * 3) & 0xFF));
    return table;
}

} // namespace

class TestLoadGif : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FrameElements m_elements;

    bool load(const QByteArray &bytes, std::vector<QByteArray> &frameFiles, const QString &name = QStringLiteral("a.gif"))
    {
        QString path = writeFile(m_dir, name, bytes);
        LoadGifHooks hooks;
        hooks.decoderFor = RecordingDecoder{&frameFiles};
        hooks.pumpEvents = [] { return true; };
        return LoadGif(path, m_elements, hooks);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_elements = FrameElements();
        reelkit::gLastFrame = -7;
    }

    void theMarkerAfterAColourTableEndingInZeroOpensTheFirstFrame()
    {
        const QByteArray bytes = animation({frameBody(3, 0, 0)});
        QCOMPARE(bytes.indexOf(QByteArray::fromHex("0021f9")), 18);
        ReportRecorder recorder;
        std::vector<QByteArray> files;
        QVERIFY(load(bytes, files));
        QCOMPARE(recorder.reports.size(), size_t(0));
        QCOMPARE(files.size(), size_t(1));
        // One marker: the frame file is the whole file but its last two bytes.
        QCOMPARE(files[0], bytes.first(bytes.size() - 2));
        QCOMPARE(m_elements.count(), 1);
        QCOMPARE(m_elements.at(0).Tag, QStringLiteral("30"));
        QCOMPARE(reelkit::gLastFrame, 0);
    }

    void eachFrameFileIsTheHeaderFollowedByItsOwnChunk()
    {
        const QByteArray bytes = animation({frameBody(1, 0, 0), frameBody(2, 1, 1), frameBody(4, 2, 2)});
        std::vector<QByteArray> files;
        QVERIFY(load(bytes, files));
        QCOMPARE(files.size(), size_t(3));
        const QByteArray header = bytes.first(20);
        const qsizetype m1 = bytes.indexOf(QByteArray::fromHex("0021f9"), 19);
        const qsizetype m2 = bytes.indexOf(QByteArray::fromHex("0021f9"), m1 + 1);
        QCOMPARE(files[0], bytes.first(m1 + 2));
        QCOMPARE(files[1], header + bytes.mid(m1 + 2, m2 - m1));
        QCOMPARE(files[2], header + bytes.mid(m2 + 2, bytes.size() - 2 - (m2 + 2)));
        QCOMPARE(m_elements.count(), 3);
        QCOMPARE(reelkit::gLastFrame, 2);
    }

    void delaysBecomeMillisecondTags_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("tag");
        QTest::newRow("zero") << 0 << QStringLiteral("0");
        QTest::newRow("ten hundredths") << 10 << QStringLiteral("100");
        QTest::newRow("one hundredth") << 1 << QStringLiteral("10");
        QTest::newRow("largest field") << 0xFFFF << QStringLiteral("655350");
    }

    void delaysBecomeMillisecondTags()
    {
        QFETCH(int, delay);
        QFETCH(QString, tag);
        std::vector<QByteArray> files;
        QVERIFY(load(animation({frameBody(5, 0, 0), frameBody(delay, 0, 0)}), files));
        QCOMPARE(m_elements.count(), 2);
        QCOMPARE(m_elements.at(1).Tag, tag);
    }

    void framesFromTheSecondOnArePlacedAtTheirOffsetInTwips()
    {
        m_elements.at(0).Left = 300;
        m_elements.at(0).Top = 45;
        std::vector<QByteArray> files;
        QVERIFY(load(animation({frameBody(1, 99, 99), frameBody(1, 1, 2), frameBody(1, 0, 0), frameBody(1, 16, 8)}),
                     files));
        QCOMPARE(m_elements.count(), 4);
        QCOMPARE(m_elements.at(0).Left, 300);
        QCOMPARE(m_elements.at(0).Top, 45);
        QCOMPARE(m_elements.at(1).Left, 300 + 15);
        QCOMPARE(m_elements.at(1).Top, 45 + 30);
        QCOMPARE(m_elements.at(3).Left, 300 + 240);
        QCOMPARE(m_elements.at(3).Top, 45 + 120);
        for (qsizetype i = 1; i < m_elements.count(); ++i)
            QVERIFY(!m_elements.at(i).Visible);
    }

    void aMarkerInsideImageDataIsTakenAsAFrameBoundary()
    {
        const QByteArray dataWithMarker =
            QByteArray::fromHex("02" "10" "4400" "21f9" "0102030405060708090a0b0c" "00");
        std::vector<QByteArray> files;
        QVERIFY(load(animation({frameBody(1, 0, 0, dataWithMarker), frameBody(2, 0, 0)}), files));
        QCOMPARE(files.size(), size_t(3));
        QCOMPARE(m_elements.count(), 3);
    }

    // The last chunk runs from the F9 of the last marker to the third-last byte of the
    // file: a marker with fewer than two bytes after it opens no frame; with two, the
    // chunk is the F9 alone, a frame too short for its delay.
    void aLastMarkerNearTheEndOpensAFrameOnlyWithTwoBytesAfterIt_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("oneByteChunk");
        QTest::newRow("marker is the last three bytes") << QByteArray::fromHex("0021f9") << false;
        QTest::newRow("one byte after the marker") << QByteArray::fromHex("0021f900") << false;
        QTest::newRow("two bytes after the marker") << QByteArray::fromHex("0021f9003b") << true;
    }

    void aLastMarkerNearTheEndOpensAFrameOnlyWithTwoBytesAfterIt()
    {
        QFETCH(QByteArray, tail);
        QFETCH(bool, oneByteChunk);
        QByteArray bytes = headerWithTwoColours() + frameBody(1, 0, 0);
        bytes.chop(1);
        bytes += tail;
        std::vector<QByteArray> files;
        ReportRecorder recorder;
        QVERIFY(load(bytes, files));
        QCOMPARE(files.size(), size_t(1));
        QCOMPARE(m_elements.count(), 1);
        QCOMPARE(recorder.reports.size(), size_t(oneByteChunk ? 1 : 0));
        if (oneByteChunk) {
            QCOMPARE(recorder.reports[0].text,
                     QStringLiteral("The frame data ends before its delay field (frame block of 1 bytes)"));
            QCOMPARE(reelkit::gLastFrame, -7);
        } else {
            QCOMPARE(reelkit::gLastFrame, 0);
        }
    }

    void aSecondLoadRemovesTheFirstFilesFrames()
    {
        std::vector<QByteArray> files;
        QVERIFY(load(animation({frameBody(1, 0, 0), frameBody(2, 0, 0), frameBody(3, 0, 0), frameBody(4, 0, 0)}),
                     files, QStringLiteral("four.gif")));
        QCOMPARE(m_elements.count(), 4);
        QVERIFY(load(animation({frameBody(7, 0, 0), frameBody(8, 0, 0)}), files, QStringLiteral("two.gif")));
        QCOMPARE(m_elements.count(), 2);
        QCOMPARE(m_elements.at(0).Tag, QStringLiteral("70"));
        QCOMPARE(m_elements.at(1).Tag, QStringLiteral("80"));
        QCOMPARE(reelkit::gLastFrame, 1);
    }

    void aMissingFileIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such file") << QStringLiteral("/no/such/dir/radar.gif");
        QTest::newRow("empty name") << QString();
    }

    void aMissingFileIsReportedAndChangesNothing()
    {
        QFETCH(QString, name);
        m_elements.append();
        ReportRecorder recorder;
        QVERIFY(!LoadGif(name, m_elements));
        QCOMPARE(recorder.reports.size(), size_t(1));
        QCOMPARE(recorder.reports[0].label, kLabel);
        QCOMPARE(recorder.reports[0].text, QLatin1Char('\'') + name + QStringLiteral("' not found"));
        QCOMPARE(m_elements.count(), 2);
        QCOMPARE(reelkit::gLastFrame, -7);
    }

    void aFileWithoutSignatureOrMarkerIsNotAGif_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("GIF without marker") << QByteArray("GIF89a no marker here;");
        QTest::newRow("marker without GIF") << (QByteArray("PNG89a") + QByteArray::fromHex("0021f904000000003b"));
        QTest::newRow("marker at the very start") << QByteArray::fromHex("0021f9474946");
    }

    void aFileWithoutSignatureOrMarkerIsNotAGif()
    {
        QFETCH(QByteArray, bytes);
        m_elements.append();
        ReportRecorder recorder;
        std::vector<QByteArray> files;
        QVERIFY(!load(bytes, files));
        QCOMPARE(recorder.reports.size(), size_t(1));
        QCOMPARE(recorder.reports[0].label, kLabel);
        QCOMPARE(recorder.reports[0].text, kNotGif);
        QCOMPARE(files.size(), size_t(0));
        QCOMPARE(m_elements.count(), 1);
        QCOMPARE(reelkit::gLastFrame, -7);
    }

    void aChunkTooShortForItsFieldsIsReportedNotReadPastItsEnd_data()
    {
        QTest::addColumn<QByteArray>("shortChunkTail");
        QTest::addColumn<QString>("field");
        // The chunk of the second frame is F9 followed by these bytes up to the next marker's 00 21.
        QTest::newRow("no delay") << QByteArray() << QStringLiteral("delay");
        QTest::newRow("no left position") << QByteArray::fromHex("0405000000") << QStringLiteral("left position");
        QTest::newRow("no top position") << QByteArray::fromHex("04050000002c0100") << QStringLiteral("top position");
    }

    void aChunkTooShortForItsFieldsIsReportedNotReadPastItsEnd()
    {
        QFETCH(QByteArray, shortChunkTail);
        QFETCH(QString, field);
        QByteArray bytes = headerWithTwoColours() + frameBody(1, 0, 0);
        bytes += QByteArray::fromHex("21f9") + shortChunkTail + QByteArray::fromHex("00") + frameBody(2, 0, 0)
                 + QByteArray::fromHex("3b");
        ReportRecorder recorder;
        std::vector<QByteArray> files;
        QVERIFY(load(bytes, files));
        QCOMPARE(recorder.reports.size(), size_t(1));
        QCOMPARE(recorder.reports[0].label, kLabel);
        QVERIFY2(recorder.reports[0].text.contains(field), qPrintable(recorder.reports[0].text));
        QCOMPARE(m_elements.count(), 1);
        QCOMPARE(reelkit::gLastFrame, -7);
    }

    void aRejectedFrameIsReportedAndTheFramesBeforeItStay()
    {
        QString path = writeFile(m_dir, QStringLiteral("three.gif"),
                                 animation({frameBody(1, 0, 0), frameBody(2, 0, 0), frameBody(3, 0, 0)}));
        int calls = 0;
        LoadGifHooks hooks;
        hooks.pumpEvents = [] { return true; };
        hooks.decoderFor = [&calls](QByteArrayView) {
            return [&calls](QByteArrayView) {
                if (++calls == 2)
                    throw reelkit::ReelkitError(QStringLiteral("decoder says no"));
                return QImage(1, 1, QImage::Format_RGB32);
            };
        };
        ReportRecorder recorder;
        QVERIFY(LoadGif(path, m_elements, hooks));
        QCOMPARE(recorder.reports.size(), size_t(1));
        QCOMPARE(recorder.reports[0].label, kLabel);
        QCOMPARE(recorder.reports[0].text, QStringLiteral("decoder says no"));
        QCOMPARE(m_elements.count(), 1);
        QCOMPARE(m_elements.at(0).Tag, QStringLiteral("10"));
        QCOMPARE(reelkit::gLastFrame, -7);
    }

    void noWorkFileIsWrittenAndAUsersTempGifIsLeftAlone()
    {
        QTemporaryDir workDir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir.path()));
        writeFile(workDir, QStringLiteral("temp.gif"), QByteArray("the user's own file"));
        QString path = writeFile(m_dir, QStringLiteral("real.gif"),
                                 encodeGif({CraftFrame{1}, CraftFrame{2}, CraftFrame{3}}));
        const bool loaded = LoadGif(path, m_elements);
        QDir::setCurrent(previous);
        QVERIFY(loaded);
        QCOMPARE(m_elements.count(), 3);
        QCOMPARE(QDir(workDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("temp.gif")});
        QFile kept(workDir.filePath(QStringLiteral("temp.gif")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the user's own file"));
    }

    void aLoadEndsAtOnceWhenItsControlIsGone()
    {
        QString path = writeFile(m_dir, QStringLiteral("gone.gif"),
                                 animation({frameBody(1, 0, 0), frameBody(2, 0, 0), frameBody(3, 0, 0)}));
        std::vector<QByteArray> files;
        LoadGifHooks hooks;
        hooks.decoderFor = RecordingDecoder{&files};
        hooks.pumpEvents = [] { return false; };
        QVERIFY(LoadGif(path, m_elements, hooks));
        QCOMPARE(files.size(), size_t(1));
        QCOMPARE(reelkit::gLastFrame, -7);
    }

    void framesBeyondThePictureBudgetAreRefusedBeforeDecoding_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("refused");
        QTest::newRow("4 frames of 8192 x 8192: the whole budget") << 4 << false;
        QTest::newRow("5 frames of 8192 x 8192") << 5 << true;
        QTest::newRow("15 frames of 8192 x 8192") << 15 << true;
    }

    void framesBeyondThePictureBudgetAreRefusedBeforeDecoding()
    {
        QFETCH(int, frames);
        QFETCH(bool, refused);
        const QByteArray bytes = oneRowFrames(frames, 8192, 8192);
        QVERIFY(bytes.size() < 150 * frames);
        std::vector<QByteArray> files;
        ReportRecorder recorder;
        QCOMPARE(load(bytes, files), !refused);
        QCOMPARE(recorder.reports.size(), size_t(refused ? 1 : 0));
        QCOMPARE(files.size(), size_t(refused ? 0 : frames));
        if (refused)
            QVERIFY(recorder.reports[0].text.startsWith(QStringLiteral("The frames need more than")));
    }

    // A frame's colour table is held at the size its pixels can use, and once for all
    // the frames of a file that use it.
    void framesHoldLittleMoreThanAByteAPixel_data()
    {
        QTest::addColumn<QByteArray>("file");
        std::vector<CraftFrame> ownTables{CraftFrame{1, 0, 0, 64, 64, 2}};
        std::vector<CraftFrame> globalBetweenLocal = ownTables;
        for (int f = 1; f <= 30; ++f) {
            CraftFrame small{1, f, f, 16, 16, 3};
            small.localTable = localTable(8, f);
            ownTables.push_back(small);
            CraftFrame shared{1, f, f, 32, 32, 1};
            if (f % 2)
                shared.localTable = localTable(256, 0);
            globalBetweenLocal.push_back(shared);
        }
        QTest::newRow("small frames, each with a small table of its own") << encodeGif(ownTables, 64, 64);
        QTest::newRow("frames of the global table between frames of one local table")
            << encodeGif(globalBetweenLocal, 64, 64);
    }

    void framesHoldLittleMoreThanAByteAPixel()
    {
        QFETCH(QByteArray, file);
        QString path = writeFile(m_dir, QStringLiteral("tables.gif"), file);
        LoadGifHooks hooks;
        hooks.pumpEvents = [] { return true; };
        ReportRecorder recorder;
        QVERIFY(LoadGif(path, m_elements, hooks));
        QCOMPARE(recorder.reports.size(), size_t(0));
        QCOMPARE(m_elements.count(), 31);
        qint64 pixels = 0;
        for (qsizetype i = 0; i < m_elements.count(); ++i)
            pixels += qint64(m_elements.at(i).Picture.width()) * m_elements.at(i).Picture.height();
        const double bytesPerPixel = double(m_elements.pictureBytes()) / double(pixels);
        QVERIFY2(bytesPerPixel <= 1.1, qPrintable(QString::number(bytesPerPixel)));
    }

    void theFrameCounterStopsAt32767_data()
    {
        QTest::addColumn<int>("markers");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("32767 markers") << 32767 << false;
        QTest::newRow("32768 markers") << 32768 << true;
    }

    void theFrameCounterStopsAt32767()
    {
        QFETCH(int, markers);
        QFETCH(bool, overflows);
        QByteArray bytes = headerWithTwoColours();
        for (int i = 0; i < markers; ++i)
            bytes += QByteArray::fromHex("21f904000100" "0000" "2c0000000001000100" "00");
        bytes += QByteArray::fromHex("00003b");
        std::vector<QByteArray> files;
        ReportRecorder recorder;
        QVERIFY(load(bytes, files));
        QCOMPARE(recorder.reports.size(), size_t(overflows ? 1 : 0));
        if (overflows) {
            QVERIFY(recorder.reports[0].text.startsWith(QStringLiteral("Overflow")));
            QCOMPARE(m_elements.count(), 32767);
            QCOMPARE(reelkit::gLastFrame, -7);
        } else {
            QCOMPARE(m_elements.count(), 32767);
            QCOMPARE(reelkit::gLastFrame, 32766);
        }
    }
};

QTEST_GUILESS_MAIN(TestLoadGif)
#include "tst_loadgif.moc"
