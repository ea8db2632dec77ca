// SPDX-License-Identifier: LGPL-2.1-or-later
// Decoding one frame file: the picture is the frame's own rectangle, in the
// file's colours, transparent where the frame says so, rows in the right order.
#include "CraftedGif.h"
#include "dialogs/ReelkitError.h"
#include "gif/FrameDecoder.h"

#include <QTest>

using reelkit::FrameDecoder;

Q_DECLARE_METATYPE(FrameDecoder)

class TestFrameDecoder : public QObject
{
    Q_OBJECT

private:
    static QImage decodeWhole(QByteArrayView frameFile) { return reelkit::gifFrameDecoder(frameFile)({}); }

    static void addDecoders()
    {
        QTest::addColumn<FrameDecoder>("decode");
        QTest::newRow("reelkit") << FrameDecoder(decodeWhole);
        QTest::newRow("qt") << FrameDecoder(reelkit::decodeFrameWithQt);
    }

private slots:
    void thePictureIsTheFramesRectangleInItsColours_data() { addDecoders(); }
    void thePictureIsTheFramesRectangleInItsColours()
    {
        QFETCH(FrameDecoder, decode);
        const QByteArray file = encodeGif({CraftFrame{5, 3, 4, 7, 5, 2}}, 16, 16);
        const QImage picture = decode(file);
        QCOMPARE(picture.size(), QSize(7, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(picture.pixel(x, y), craftedColour(2));
    }

    void theTransparentIndexBecomesTransparent_data() { addDecoders(); }
    void theTransparentIndexBecomesTransparent()
    {
        QFETCH(FrameDecoder, decode);
        CraftFrame frame{0, 0, 0, 4, 4, 1};
        frame.transparentIndex = 1;
        const QImage picture = decode(encodeGif({frame}));
        QVERIFY(picture.hasAlphaChannel());
        QCOMPARE(qAlpha(picture.pixel(2, 2)), 0);
    }

    void interlacedRowsLandInTheirPlace_data() { addDecoders(); }
    void interlacedRowsLandInTheirPlace()
    {
        QFETCH(FrameDecoder, decode);
        CraftFrame frame{0, 0, 0, 3, 11, 1};
        frame.interlaced = true;
        const QImage picture = decode(encodeGif({frame}));
        QCOMPARE(picture.size(), QSize(3, 11));
        for (int y = 0; y < 11; ++y)
            QCOMPARE(picture.pixel(0, y), craftedColour(y % 4));
    }

    void theMissingTerminatorAndTrailerOfALastFrameAreTolerated_data() { addDecoders(); }
    void theMissingTerminatorAndTrailerOfALastFrameAreTolerated()
    {
        QFETCH(FrameDecoder, decode);
        QByteArray file = encodeGif({CraftFrame{0, 0, 0, 3, 1, 2}});
        QVERIFY(file.endsWith(QByteArray::fromHex("003b")));
        file.chop(2);
        const QImage picture = decode(file);
        QCOMPARE(picture.size(), QSize(3, 1));
        QCOMPARE(picture.pixel(2, 0), craftedColour(2));
    }

    void onlyTheFirstImageIsDecoded_data() { addDecoders(); }
    void onlyTheFirstImageIsDecoded()
    {
        QFETCH(FrameDecoder, decode);
        const QImage picture = decode(encodeGif({CraftFrame{0, 0, 0, 2, 2, 1}, CraftFrame{0, 0, 0, 5, 5, 2}}));
        QCOMPARE(picture.size(), QSize(2, 2));
        QCOMPARE(picture.pixel(1, 1), craftedColour(1));
    }

    // What the header leaves behind is kept for every frame: a stream cut anywhere
    // into header and chunk decodes to the same indexed picture as the whole.
    void aStreamCutAnywhereDecodesAsTheWhole_data()
    {
        QTest::addColumn<QByteArray>("file");
        CraftFrame transparent{0, 0, 0, 9, 7, 2};
        transparent.transparentIndex = 1;
        transparent.interlaced = true;
        QTest::newRow("plain") << encodeGif({CraftFrame{0, 1, 1, 6, 5, 3}});
        QTest::newRow("interlaced, transparent, then a second image") << encodeGif({transparent, CraftFrame{}});
    }

    void aStreamCutAnywhereDecodesAsTheWhole()
    {
        QFETCH(QByteArray, file);
        const QImage whole = decodeWhole(file);
        QCOMPARE(whole.format(), QImage::Format_Indexed8);
        QCOMPARE(whole.colorCount(), 4); // the crafted table: every index its code size allows
        for (qsizetype cut = 0; cut <= file.size(); ++cut)
            QCOMPARE(reelkit::gifFrameDecoder(file.first(cut))(file.sliced(cut)), whole);
    }

    void aStreamWithoutImageIsRejected_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("header only") << QByteArray::fromHex("474946383961" "0100" "0100" "00" "00" "00" "3b");
        QTest::newRow("not a GIF") << QByteArray("hello world, no picture here");
        QTest::newRow("garbage after the header")
            << QByteArray::fromHex("474946383961" "0100" "0100" "00" "00" "00" "f9ff01020304");
        QTest::newRow("image of zero width")
            << QByteArray::fromHex("474946383961" "0100" "0100" "80" "00" "00" "000000ffffff"
                                   "2c" "00000000" "0000" "0100" "00" "020244" "01" "00" "3b");
    }

    void aStreamWithoutImageIsRejected()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(reelkit::ReelkitError, decodeWhole(bytes));
        QVERIFY_THROWS_EXCEPTION(reelkit::ReelkitError, reelkit::decodeFrameWithQt(bytes));
    }

    void aHugeFrameRectangleIsRefusedBeforeAnyAllocation()
    {
        const QByteArray bytes = QByteArray::fromHex("474946383961" "0100" "0100" "80" "00" "00" "000000ffffff"
                                                     "2c" "00000000" "ffff" "ffff" "00" "020244" "01" "00" "3b");
        try {
            decodeWhole(bytes);
            QFAIL("a 65535 x 65535 frame was accepted");
        } catch (const reelkit::ReelkitError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("too large")), error.what());
        }
    }
};

QTEST_GUILESS_MAIN(TestFrameDecoder)
#include "tst_framedecoder.moc"
