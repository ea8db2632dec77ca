// SPDX-License-Identifier: LGPL-2.1-or-later
// The animation: each frame stays up for its own delay, in both display modes,
// per control, and an interval of 0 stops the ticking. Steps are driven by
// calling the stepper directly and reading the interval it set.
#include "CraftedGif.h"
#include "ReportRecorder.h"
#include "control/ReelpanePrivate.h"
#include "gif/FrameDecoder.h"
#include "gif/modAniGif.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Reelpane::enumBackStyle)
Q_DECLARE_METATYPE(Reelpane::enumBorderStyle)

namespace {

reelkit::FrameStepper &stepperOf(Reelpane &pane)
{
    return ReelpanePrivate::get(&pane)->stepper;
}

reelkit::FrameElements &elementsOf(Reelpane &pane)
{
    return ReelpanePrivate::get(&pane)->imgMain;
}

QList<int> visibleElements(Reelpane &pane)
{
    QList<int> visible;
    for (qsizetype i = 0; i < elementsOf(pane).count(); ++i)
        if (elementsOf(pane).at(i).Visible)
            visible.append(int(i));
    return visible;
}

} // namespace

class TestReelpaneAnimation : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_threeFrames;
    QString m_oneFrame;
    QString m_zeroDelays;
    QString m_fastFrames;

    static void addModes()
    {
        QTest::addColumn<Reelpane::enumBackStyle>("style");
        QTest::newRow("opaque") << Reelpane::Opaque;
        QTest::newRow("transparent") << Reelpane::Transparent;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_threeFrames = writeFile(m_dir, QStringLiteral("three.gif"),
                                  encodeGif({CraftFrame{10, 0, 0, 4, 4, 1}, CraftFrame{20, 2, 1, 4, 4, 2},
                                             CraftFrame{30, 4, 2, 4, 4, 3}}));
        m_oneFrame = writeFile(m_dir, QStringLiteral("one.gif"), encodeGif({CraftFrame{25, 0, 0, 4, 4, 2}}));
        m_zeroDelays = writeFile(m_dir, QStringLiteral("zero.gif"),
                                 encodeGif({CraftFrame{0}, CraftFrame{0}}));
        m_fastFrames = writeFile(m_dir, QStringLiteral("fast.gif"),
                                 encodeGif({CraftFrame{1}, CraftFrame{1}, CraftFrame{1}}));
    }

    void aNewControlDoesNotTick()
    {
        Reelpane pane;
        QVERIFY(!stepperOf(pane).isEnabled());
        QVERIFY(!stepperOf(pane).isTicking());
        ReportRecorder recorder;
        pane.GifContinue();
        QVERIFY(stepperOf(pane).isEnabled());
        QCOMPARE(stepperOf(pane).interval(), 0);
        QVERIFY(!stepperOf(pane).isTicking());
        QCOMPARE(recorder.reports.size(), size_t(0));
    }

    void eachFrameStaysUpForItsOwnDelay_data() { addModes(); }
    void eachFrameStaysUpForItsOwnDelay()
    {
        QFETCH(Reelpane::enumBackStyle, style);
        Reelpane pane;
        pane.setBackStyle(style);
        QString file = m_threeFrames;
        pane.GifLoad(file);
        reelkit::FrameStepper &stepper = stepperOf(pane);
        QVERIFY(stepper.isTicking());
        QCOMPARE(stepper.currentFrame(), 0);
        QList<int> intervals{stepper.interval()};
        QList<int> frames{stepper.currentFrame()};
        for (int step = 0; step < 5; ++step) {
            stepper.tick();
            intervals.append(stepper.interval());
            frames.append(stepper.currentFrame());
        }
        QCOMPARE(intervals, (QList<int>{100, 200, 300, 100, 200, 300}));
        QCOMPARE(frames, (QList<int>{0, 1, 2, 0, 1, 2}));
        QVERIFY(stepper.isTicking());
    }

    void opaqueModePaintsTheFrameAtTheTopLeftAndShowsNoElement()
    {
        Reelpane pane;
        pane.resize(20, 20);
        QString file = m_threeFrames;
        pane.GifLoad(file);
        QSignalSpy painted(&stepperOf(pane), &reelkit::FrameStepper::paintFrame);
        stepperOf(pane).tick();
        QCOMPARE(painted.size(), 1);
        QCOMPARE(painted[0][0].toInt(), 1);
        QVERIFY(visibleElements(pane).isEmpty());
        const QImage shown = pane.grab().toImage();
        QCOMPARE(shown.pixel(0, 0), craftedColour(2));
        QCOMPARE(shown.pixel(3, 3), craftedColour(2));
        QVERIFY(shown.pixel(10, 10) != craftedColour(2));
    }

    // Frames are held indexed and converted where painted: each one paints the
    // pixels Qt's own reader decodes for it.
    void everyFramePaintsTheColoursQtDecodes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("sub-rectangles at offsets") << QStringLiteral("dispose_bgnd_transparency.gif");
        QTest::newRow("interlaced, transparent") << QStringLiteral("first_frame_transparency.gif");
        QTest::newRow("local colour tables") << QStringLiteral("moon_impact.gif");
    }

    void everyFramePaintsTheColoursQtDecodes()
    {
        QFETCH(QString, file);
        QString path = QStringLiteral(REELKIT_TEST_DATA "/") + file;
        reelkit::FrameElements reference;
        reelkit::LoadGifHooks hooks;
        hooks.decoderFor = reelkit::qtFrameDecoder;
        QVERIFY(reelkit::LoadGif(path, reference, hooks));
        Reelpane pane;
        pane.resize(160, 120);
        pane.GifLoad(path);
        for (qsizetype frame = 0; frame < reference.count(); ++frame) {
            QCOMPARE(elementsOf(pane).at(frame).Picture.format(), QImage::Format_Indexed8);
            stepperOf(pane).tick();
            const QImage shown = pane.grab().toImage().convertToFormat(QImage::Format_RGB32);
            // Every frame is smaller than the control: its corner shows the back colour.
            QImage expected(shown.size(), QImage::Format_RGB32);
            expected.fill(shown.pixel(shown.width() - 1, shown.height() - 1));
            QPainter(&expected).drawImage(0, 0, reference.at(stepperOf(pane).currentFrame()).Picture);
            QCOMPARE(shown, expected);
        }
    }

    // A frame far larger than the control: only the shown part is converted for the
    // screen, and it paints exactly as the whole frame clipped to the control would.
    void aHugeFrameCostsOnlyItsShownPart_data()
    {
        QTest::addColumn<Reelpane::enumBorderStyle>("border");
        QTest::addColumn<QSize>("shownPart");
        QTest::newRow("no border") << Reelpane::None << QSize(40, 30);
        QTest::newRow("single border") << Reelpane::FixedSingle << QSize(38, 28);
    }

    void aHugeFrameCostsOnlyItsShownPart()
    {
        QFETCH(Reelpane::enumBorderStyle, border);
        QFETCH(QSize, shownPart);
        QString path = writeFile(m_dir, QStringLiteral("huge.gif"),
                                 encodeGif({CraftFrame{10, 0, 0, 3000, 2000, 1, -1, true}, CraftFrame{10}}, 3000, 2000));
        Reelpane pane;
        pane.resize(40, 30);
        pane.setBorderStyle(border);
        pane.GifLoad(path);
        stepperOf(pane).tick();
        stepperOf(pane).tick();
        const QImage shown = pane.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage &frame = elementsOf(pane).at(0).Picture;
        const int inset = border == Reelpane::FixedSingle ? 1 : 0;
        QCOMPARE(shown.copy(QRect(QPoint(inset, inset), shownPart)),
                 frame.copy(QRect(QPoint(0, 0), shownPart)).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(ReelpanePrivate::get(&pane)->paintCache.heldPixels(), qint64(shownPart.width()) * shownPart.height());
    }

    void transparentModeShowsOneElementAtItsOffset()
    {
        Reelpane pane;
        pane.resize(20, 20);
        pane.setBackStyle(Reelpane::Transparent);
        QString file = m_threeFrames;
        pane.GifLoad(file);
        QCOMPARE(visibleElements(pane), QList<int>{});
        stepperOf(pane).tick();
        QCOMPARE(visibleElements(pane), QList<int>{1});
        stepperOf(pane).tick();
        QCOMPARE(visibleElements(pane), QList<int>{2});
        const QImage shown = pane.grab().toImage();
        QCOMPARE(shown.pixel(4, 2), craftedColour(3));
        QCOMPARE(shown.pixel(7, 5), craftedColour(3));
        stepperOf(pane).tick();
        QCOMPARE(visibleElements(pane), QList<int>{0});
    }

    void pauseAndContinueResumeWithTheNextFrame()
    {
        Reelpane pane;
        QString file = m_threeFrames;
        pane.GifLoad(file);
        stepperOf(pane).tick();
        pane.GifPause();
        QVERIFY(!stepperOf(pane).isTicking());
        QCOMPARE(stepperOf(pane).currentFrame(), 1);
        pane.GifContinue();
        QVERIFY(stepperOf(pane).isTicking());
        QCOMPARE(stepperOf(pane).interval(), 200);
        stepperOf(pane).tick();
        QCOMPARE(stepperOf(pane).currentFrame(), 2);
    }

    void aDelayOfZeroStopsTheTicking()
    {
        Reelpane pane;
        QString file = m_zeroDelays;
        pane.GifLoad(file);
        QVERIFY(stepperOf(pane).isEnabled());
        QCOMPARE(stepperOf(pane).interval(), 0);
        QVERIFY(!stepperOf(pane).isTicking());
        QSignalSpy fired(&stepperOf(pane), &reelkit::FrameStepper::timerFired);
        for (int pass = 0; pass < 20; ++pass)
            QCoreApplication::processEvents();
        QCOMPARE(fired.size(), 0);
        pane.GifPause();
        pane.GifContinue();
        QVERIFY(!stepperOf(pane).isTicking());
    }

    void aOneFrameFileRepaintsItsOnlyFrame()
    {
        Reelpane pane;
        QString file = m_oneFrame;
        pane.GifLoad(file);
        QCOMPARE(Reelpane::LastFrame(), 0);
        stepperOf(pane).tick();
        QCOMPARE(stepperOf(pane).currentFrame(), 0);
        QCOMPARE(stepperOf(pane).interval(), 250);
    }

    void eachControlStepsThroughItsOwnFrames()
    {
        Reelpane three;
        Reelpane one;
        QString threeFile = m_threeFrames;
        QString oneFile = m_oneFrame;
        three.GifLoad(threeFile);
        one.GifLoad(oneFile);
        QCOMPARE(Reelpane::LastFrame(), 0);
        QCOMPARE(reelkit::gLastFrame, 0);
        three.setBackStyle(Reelpane::Transparent);
        QList<int> frames;
        for (int step = 0; step < 4; ++step) {
            stepperOf(three).tick();
            frames.append(stepperOf(three).currentFrame());
        }
        QCOMPARE(frames, (QList<int>{1, 2, 0, 1}));
    }

    void aMissingFileStopsTheAnimationOnItsFrameAndContinueResumes()
    {
        Reelpane pane;
        QString file = m_threeFrames;
        pane.GifLoad(file);
        stepperOf(pane).tick();
        ReportRecorder recorder;
        QString missing = m_dir.filePath(QStringLiteral("missing.gif"));
        pane.GifLoad(missing);
        QCOMPARE(recorder.reports.size(), size_t(1));
        QCOMPARE(recorder.reports[0].label, QStringLiteral("modAniGif.LoadGif()"));
        QVERIFY(!stepperOf(pane).isTicking());
        QCOMPARE(stepperOf(pane).currentFrame(), 1);
        pane.GifContinue();
        QVERIFY(stepperOf(pane).isTicking());
        stepperOf(pane).tick();
        QCOMPARE(stepperOf(pane).currentFrame(), 2);
    }

    void aLoadThatStopsMidwayStepsOnlyThroughTheFramesPresent()
    {
        Reelpane pane;
        QString file = m_threeFrames;
        pane.GifLoad(file);
        QByteArray bytes = encodeGif({CraftFrame{10}, CraftFrame{20}, CraftFrame{30}, CraftFrame{40}});
        // Break the third frame's image descriptor so that its decoding fails.
        const qsizetype third = bytes.indexOf(QByteArray::fromHex("0021f9"),
                                              bytes.indexOf(QByteArray::fromHex("0021f9"), 30) + 1);
        bytes[third + 9] = '\x7f';
        QString broken = writeFile(m_dir, QStringLiteral("broken.gif"), bytes);
        ReportRecorder recorder;
        pane.GifLoad(broken);
        QCOMPARE(recorder.reports.size(), size_t(1));
        QCOMPARE(elementsOf(pane).count(), 2);
        // The library-wide count still holds the last completed load's value.
        QCOMPARE(Reelpane::LastFrame(), 2);
        QList<int> frames;
        for (int step = 0; step < 4; ++step) {
            stepperOf(pane).tick();
            frames.append(stepperOf(pane).currentFrame());
        }
        QCOMPARE(frames, (QList<int>{1, 0, 1, 0}));
        QCOMPARE(recorder.reports.size(), size_t(1));
    }

    void theTimerDrivesTheStepsOnTheEventLoop()
    {
        Reelpane pane;
        QString file = m_fastFrames;
        pane.GifLoad(file);
        QSignalSpy fired(&stepperOf(pane), &reelkit::FrameStepper::timerFired);
        QTRY_VERIFY(fired.size() >= 3);
        QVERIFY(stepperOf(pane).isTicking());
    }

    void aFailedStepIsReportedAndTheTimerKeepsRunning()
    {
        Reelpane pane;
        QString file = m_threeFrames;
        pane.GifLoad(file);
        elementsOf(pane).at(1).Tag = QStringLiteral("not a number");
        ReportRecorder recorder;
        ReelpanePrivate::get(&pane)->tmrMain_Timer();
        QCOMPARE(recorder.reports.size(), size_t(1));
        QCOMPARE(recorder.reports[0].label, QStringLiteral("Reelpane.tmrMain_Timer()"));
        QVERIFY(stepperOf(pane).isTicking());
        QCOMPARE(stepperOf(pane).interval(), 100);
    }
};

QTEST_MAIN(TestReelpaneAnimation)
#include "tst_reelpane_anim.moc"
