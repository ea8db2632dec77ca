// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifLayout.h"
#include "WaveFormat.h"
#include "main/ui/SeaBackdrop.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QMovie>
#include <QPainter>
#include <QProcess>
#include <QtEndian>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>

namespace {

const QByteArray kFrameMarker("\x00\x21\xF9", 3);
constexpr qsizetype kMaxAssetBytes = 8 * 1024 * 1024; // far above any asset; guards reads

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxAssetBytes)
        return {};
    return file.readAll();
}

struct ExpectedPicture
{
    QString name;
    QSize size;
    bool transparentGround;
};

QList<ExpectedPicture> gamePictures()
{
    QList<ExpectedPicture> pictures{{QStringLiteral("icon.png"), {64, 64}, true},
                                {QStringLiteral("about.png"), {96, 96}, true},
                                {QStringLiteral("topship.png"), {571, 73}, true},
                                {QStringLiteral("water.png"), {30, 30}, false},
                                {QStringLiteral("hit.png"), {30, 30}, false},
                                {QStringLiteral("miss.png"), {30, 30}, false},
                                {QStringLiteral("cursor_crosshair.png"), {32, 32}, true},
                                {QStringLiteral("cursor_remove.png"), {32, 32}, true}};
    for (int ship = 1; ship <= 5; ++ship) {
        for (int segment = 1; segment <= ship + 1; ++segment)
            pictures.append({QStringLiteral("ship%1_%2.png").arg(ship).arg(segment), {30, 30}, false});
        pictures.append({QStringLiteral("shipicon%1.png").arg(ship), {73, 21}, true});
    }
    // Each has a twin of twice the size, for screens with two device pixels per pixel.
    for (qsizetype i = 0, plain = pictures.size(); i < plain; ++i) {
        ExpectedPicture sharp = pictures[i];
        sharp.name.insert(sharp.name.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        sharp.size *= 2;
        pictures.append(sharp);
    }
    return pictures;
}

// alias -> file of every <file> in the resource file, or empty when it is not /tidewatch's.
QMap<QString, QString> qrcEntries(const QByteArray &qrc)
{
    QMap<QString, QString> entries;
    QXmlStreamReader reader(qrc);
    bool inTidewatch = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("qresource"))
            inTidewatch = reader.attributes().value(QLatin1String("prefix")) == QLatin1String("/tidewatch");
        if (reader.name() == QLatin1String("file") && inTidewatch) {
            const QString alias = reader.attributes().value(QLatin1String("alias")).toString();
            entries.insert(alias, reader.readElementText());
        }
    }
    return reader.hasError() ? QMap<QString, QString>{} : entries;
}

enum class GifDamage { Truncated, CommentBeforeImage, NoZeroBeforeControl };

QByteArray damaged(QByteArray gif, GifDamage damage)
{
    const qsizetype firstControl = gif.indexOf(kFrameMarker) + 1;
    switch (damage) {
    case GifDamage::Truncated:
        return gif.left(gif.size() / 2);
    case GifDamage::CommentBeforeImage:
        return gif.insert(firstControl + 8, QByteArray("\x21\xFE\x01x\x00", 5));
    case GifDamage::NoZeroBeforeControl: {
        // Drop the looping block and brighten the last palette entry: the first
        // control extension now follows a non-zero byte.
        const qsizetype tableEnd = 13 + 3 * 256;
        gif.remove(tableEnd, firstControl - tableEnd);
        gif[tableEnd - 1] = '\x01';
        return gif;
    }
    }
    return gif;
}

} // namespace

class AssetsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void radarGifLayout();
    void radarGifDecodesInQMovie();
    void radarGifAcceptedByGifsicle();
    void layoutCheckFindsDamage_data();
    void layoutCheckFindsDamage();

    void soundCue_data();
    void soundCue();

    void qrcListsTheGamePictures();
    void picture_data();
    void picture();
    void shipSegmentsJoin_data();
    void shipSegmentsJoin();
    void cursorsCentreOnHotSpot();
    void backdropRepaintsExactlyItsArea_data();
    void backdropRepaintsExactlyItsArea();

private:
    QString sourcePath(const QString &relative) const { return m_source.filePath(relative); }

    QDir m_source;
    QByteArray m_radar;
    QMap<QString, QString> m_qrc;
};

void AssetsTest::initTestCase()
{
    const QString source = qEnvironmentVariable("TIDEWATCH_SOURCE_DIR");
    QVERIFY2(!source.isEmpty() && QDir(source).exists(), "TIDEWATCH_SOURCE_DIR must name the repository");
    m_source = QDir(source);
    m_radar = readSmallFile(sourcePath(QStringLiteral("data/radar.gif")));
    QVERIFY2(!m_radar.isEmpty(), "data/radar.gif is missing or unreadable");
    m_qrc = qrcEntries(readSmallFile(sourcePath(QStringLiteral("tidewatch/main/resources/tidewatch.qrc"))));
}

void AssetsTest::radarGifLayout()
{
    QString error;
    const std::optional<GifLayout> layout = parseGifLayout(m_radar, &error);
    QVERIFY2(layout, qPrintable(error));
    QCOMPARE(layout->version, QByteArray("GIF89a"));
    QCOMPARE(layout->width, 73);
    QCOMPARE(layout->height, 73);
    QVERIFY(layout->globalColourCount > 0);
    QVERIFY(layout->images.size() >= 8);
    for (const GifImageBlock &image : layout->images) {
        QVERIFY(image.hasControl);
        QVERIFY(image.delayHundredths > 0);
        QVERIFY(!image.localColourTable);
        QVERIFY(image.width > 0 && image.left + image.width <= layout->width);
        QVERIFY(image.height > 0 && image.top + image.height <= layout->height);
    }
    QCOMPARE(layout->controlExtensions, layout->images.size());
    QCOMPARE(layout->controlsNotBeforeImage, 0);
    QCOMPARE(layout->controlsWithoutLeadingZero, 0);
    // A reader that cuts at every 00 21 F9 must find exactly one cut per frame.
    QCOMPARE(countBytePattern(m_radar, kFrameMarker), qsizetype(layout->controlExtensions));
}

void AssetsTest::radarGifDecodesInQMovie()
{
    const std::optional<GifLayout> layout = parseGifLayout(m_radar, nullptr);
    QVERIFY(layout);
    QMovie movie(sourcePath(QStringLiteral("data/radar.gif")));
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), int(layout->images.size()));
    QList<QImage> frames;
    for (int frame = 0; frame < movie.frameCount(); ++frame) {
        QVERIFY2(movie.jumpToFrame(frame), qPrintable(QStringLiteral("frame %1").arg(frame)));
        QCOMPARE(movie.currentImage().size(), QSize(73, 73));
        frames << movie.currentImage().convertToFormat(QImage::Format_RGB32);
    }
    QVERIFY2(frames.first() != frames.at(frames.size() / 2), "the sweep does not move");
}

void AssetsTest::radarGifAcceptedByGifsicle()
{
    QProcess info;
    info.start(QStringLiteral("gifsicle"), {QStringLiteral("--info"), sourcePath(QStringLiteral("data/radar.gif"))});
    QVERIFY2(info.waitForStarted(), "gifsicle did not start: is it installed? (tools/check.sh installs it)");
    QVERIFY(info.waitForFinished(60000));
    const QByteArray complaints = info.readAllStandardError();
    QVERIFY2(complaints.isEmpty(), complaints.constData());
    QCOMPARE(info.exitStatus(), QProcess::NormalExit);
    QCOMPARE(info.exitCode(), 0);
    QVERIFY(info.readAllStandardOutput().contains("logical screen 73x73"));
}

void AssetsTest::layoutCheckFindsDamage_data()
{
    QTest::addColumn<GifDamage>("damage");
    QTest::newRow("truncated") << GifDamage::Truncated;
    QTest::newRow("comment between control and image") << GifDamage::CommentBeforeImage;
    QTest::newRow("control after a non-zero byte") << GifDamage::NoZeroBeforeControl;
}

void AssetsTest::layoutCheckFindsDamage()
{
    QFETCH(GifDamage, damage);
    const std::optional<GifLayout> layout = parseGifLayout(damaged(m_radar, damage), nullptr);
    switch (damage) {
    case GifDamage::Truncated:
        QVERIFY(!layout);
        break;
    case GifDamage::CommentBeforeImage:
        QVERIFY(layout);
        QCOMPARE(layout->controlsNotBeforeImage, 1);
        QVERIFY(!layout->images.first().hasControl);
        break;
    case GifDamage::NoZeroBeforeControl:
        QVERIFY(layout);
        QCOMPARE(layout->controlsWithoutLeadingZero, 1);
        break;
    }
}

void AssetsTest::soundCue_data()
{
    QTest::addColumn<QString>("cue");
    for (const char *cue : {"hit", "sunk", "miss", "clap", "youlose", "slap"})
        QTest::newRow(cue) << QString::fromLatin1(cue);
}

void AssetsTest::soundCue()
{
    QFETCH(QString, cue);
    QString error;
    const std::optional<WaveFormat> wave
        = parseWave(readSmallFile(sourcePath(QStringLiteral("data/sounds/%1.wav").arg(cue))), &error);
    QVERIFY2(wave, qPrintable(error));
    QCOMPARE(wave->formatTag, 1);
    QCOMPARE(wave->channels, 1);
    QCOMPARE(wave->bitsPerSample, 16);
    QCOMPARE(wave->blockAlign, 2);
    QVERIFY(wave->sampleRate == 22050 || wave->sampleRate == 44100);
    QVERIFY(!wave->data.isEmpty() && wave->data.size() % 2 == 0);

    const qsizetype samples = wave->data.size() / 2;
    const double seconds = double(samples) / wave->sampleRate;
    QVERIFY2(seconds >= 0.3 && seconds <= 2.0, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (qsizetype i = 0; i < samples; ++i)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wave->data.constData() + 2 * i))));
    QVERIFY2(peak > 16384, "too quiet: not normalised");
    QVERIFY2(peak < 32767, "clipped");
}

void AssetsTest::qrcListsTheGamePictures()
{
    QStringList expected;
    for (const ExpectedPicture &picture : gamePictures())
        expected << picture.name;
    expected.sort();
    QCOMPARE(m_qrc.keys(), expected);
}

void AssetsTest::picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparentGround");
    for (const ExpectedPicture &picture : gamePictures())
        QTest::newRow(qPrintable(picture.name)) << picture.name << picture.size << picture.transparentGround;
}

void AssetsTest::picture()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparentGround);
    QCOMPARE(m_qrc.value(name), name);
    const QImage image(sourcePath(QStringLiteral("tidewatch/main/resources/") + name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    // Side views and cursors lie on whatever is behind them; cells and the backdrop cover it.
    QCOMPARE(qAlpha(image.pixel(0, 0)) == 0, transparentGround);
}

void AssetsTest::shipSegmentsJoin_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    for (int ship = 1; ship <= 5; ++ship)
        for (int segment = 1; segment <= ship; ++segment)
            QTest::newRow(qPrintable(QStringLiteral("ship%1 %2/%3").arg(ship).arg(segment).arg(segment + 1)))
                << QStringLiteral("ship%1_%2.png").arg(ship).arg(segment)
                << QStringLiteral("ship%1_%2.png").arg(ship).arg(segment + 1);
}

// Segments stacked top to bottom form one hull: at every border the centre column is ship,
// not water, on both sides, while the cells' outer columns stay water.
void AssetsTest::shipSegmentsJoin()
{
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    const QString folder = sourcePath(QStringLiteral("tidewatch/main/resources/"));
    const QImage water(folder + QStringLiteral("water.png"));
    const QImage top(folder + upper);
    const QImage bottom(folder + lower);
    QVERIFY(!water.isNull() && !top.isNull() && !bottom.isNull());
    QVERIFY(top.pixel(15, 29) != water.pixel(15, 29));
    QVERIFY(bottom.pixel(15, 0) != water.pixel(15, 0));
    QCOMPARE(top.pixel(0, 15), water.pixel(0, 15));
    QCOMPARE(bottom.pixel(29, 15), water.pixel(29, 15));
}

void AssetsTest::cursorsCentreOnHotSpot()
{
    for (const char *name : {"cursor_crosshair.png", "cursor_remove.png"}) {
        const QImage cursor(sourcePath(QStringLiteral("tidewatch/main/resources/") + QLatin1String(name)));
        QVERIFY2(!cursor.isNull(), name);
        // The game puts the hot spot at the middle pixel, so the drawing must be centred there.
        QVERIFY2(qAlpha(cursor.pixel(16, 16)) > 128, name);
        QCOMPARE(qAlpha(cursor.pixel(2, 2)), 0);
    }
}

// The window repaints pieces of its backdrop; a piece must match the whole painting
// pixel for pixel and leave everything around it alone.
void AssetsTest::backdropRepaintsExactlyItsArea_data()
{
    QTest::addColumn<QRect>("area");
    QTest::newRow("a band of swell") << QRect(0, 100, 699, 12);
    QTest::newRow("under the radar") << QRect(8, 8, 73, 73);
    QTest::newRow("across the range rings") << QRect(560, 330, 139, 149);
    QTest::newRow("one pixel") << QRect(350, 240, 1, 1);
}

void AssetsTest::backdropRepaintsExactlyItsArea()
{
    QFETCH(QRect, area);
    const auto painted = [](const QRect &clip) {
        QImage picture(SeaBackdrop::kSize, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        QPainter painter(&picture);
        painter.setClipRect(clip);
        SeaBackdrop::paint(painter, clip);
        return picture;
    };
    const QImage whole = painted(QRect(QPoint(0, 0), SeaBackdrop::kSize));
    QImage piece = painted(area);
    QCOMPARE(piece.copy(area), whole.copy(area));
    QPainter(&piece).fillRect(area, Qt::magenta);
    QImage untouched(SeaBackdrop::kSize, QImage::Format_RGB32);
    untouched.fill(Qt::magenta);
    QCOMPARE(piece, untouched);
}

QTEST_MAIN(AssetsTest)
#include "tst_assets.moc"
