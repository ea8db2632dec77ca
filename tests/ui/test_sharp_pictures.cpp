// SPDX-License-Identifier: GPL-3.0-or-later
// Run at QT_SCALE_FACTOR=2 (set by CTest): every picture of the window must be its
// @2x artwork, pixel for pixel, not the 1x picture scaled up.

#include "UiHarness.h"
#include "board/ui/CellArt.h"

#include <QDir>
#include <QRadioButton>
#include <QTemporaryDir>

class SharpPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsFromDoubleSizeArtwork_data();
    void drawsFromDoubleSizeArtwork();
};

namespace {

QPixmap labelPicture(const frmMain &window, const QString &name)
{
    return control<QLabel>(window, name)->pixmap();
}

// The screens of play are built when the player logs in.
void placing(const frmMain &window)
{
    createAndLogIn(window, QStringLiteral("Sharp"), QStringLiteral("eyes"));
    startSinglePlayer(window, 1);
}

// The removal cursor shows only while "Clear Ship" is chosen and the mouse is on the board.
QPixmap removalCursor(const frmMain &window)
{
    placing(window);
    click(window, QStringLiteral("optSelectedShipClear"));
    hoverCell(window, QStringLiteral("imgPlayer1Grid"), 45);
    return control(window, QStringLiteral("picContainerPlayer1"))->cursor().pixmap();
}

} // namespace

void SharpPicturesTest::drawsFromDoubleSizeArtwork_data()
{
    QTest::addColumn<QString>("artwork");
    using Picture = std::function<QPixmap(const frmMain &)>;
    QTest::addColumn<Picture>("picture");
    QTest::newRow("icon") << "icon" << Picture([](const frmMain &w) {
        return w.windowIcon().pixmap(QSize(64, 64));
    });
    QTest::newRow("top ship") << "topship" << Picture([](const frmMain &w) {
        placing(w);
        return labelPicture(w, QStringLiteral("imgTopShip"));
    });
    QTest::newRow("about") << "about" << Picture([](const frmMain &w) {
        click(w, QStringLiteral("cmdAbout"));
        return labelPicture(w, QStringLiteral("imgAbout1"));
    });
    QTest::newRow("ship icon") << "shipicon4" << Picture([](const frmMain &w) {
        placing(w);
        return labelPicture(w, QStringLiteral("imgShipPicture4"));
    });
    QTest::newRow("crosshair cursor") << "cursor_crosshair" << Picture([](const frmMain &w) {
        placing(w);
        return control(w, QStringLiteral("picContainerPlayer2"))->cursor().pixmap();
    });
    QTest::newRow("removal cursor") << "cursor_remove" << Picture(removalCursor);
    QTest::newRow("hit cell") << "hit" << Picture([](const frmMain &) {
        return CellArt::instance().pixmapFor(CellPicture::hit());
    });
    QTest::newRow("ship cell") << "ship3_2" << Picture([](const frmMain &) {
        return CellArt::instance().pixmapFor(CellPicture::shipSegment(3, 2));
    });
}

void SharpPicturesTest::drawsFromDoubleSizeArtwork()
{
    QFETCH(QString, artwork);
    QFETCH(std::function<QPixmap(const frmMain &)>, picture);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QTemporaryDir folder;
    const std::unique_ptr<frmMain> window = openGame(folder.filePath(QStringLiteral("players.txt")));
    const QPixmap shown = picture(*window);
    const QStringList sharpFiles = QDir(QStringLiteral(":/tidewatch")).entryList({artwork + QStringLiteral("@2x.*")});
    QCOMPARE(sharpFiles.size(), 1);
    const QImage sharp(QStringLiteral(":/tidewatch/") + sharpFiles.first());
    QVERIFY(!sharp.isNull());
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    // Compared premultiplied, as a pixmap holds them: undoing the premultiplication
    // rounds differently from one processor's instruction set to the next.
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             sharp.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QTEST_MAIN(SharpPicturesTest)
#include "test_sharp_pictures.moc"
