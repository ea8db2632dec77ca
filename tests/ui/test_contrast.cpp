// SPDX-License-Identifier: GPL-3.0-or-later
// Every text stays at 4.5 : 1 or more against what is painted behind it, on a light
// and on a dark desktop: the window's screens, its message boxes and the library's
// two dialogs. The text colour is the one the widget's palette paints with once
// styled; the background is the colour most painted over the widget's area.

#include "UiHarness.h"

#include "main/ui/widgets/MessageBoxes.h"

#include <QDialog>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>

#include <cmath>
#include <map>

namespace {

double luminance(QColor colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(QColor a, QColor b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The mean of the most painted band of colours: gradients and waves count as one
// background, and a thin outline or the glyphs cannot outvote it.
QColor mostPainted(const QImage &image, const QRect &area)
{
    struct Band { int count = 0; long red = 0, green = 0, blue = 0; };
    std::map<QRgb, Band> bands;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            Band &band = bands[pixel & 0xf0f0f0];
            ++band.count;
            band.red += qRed(pixel), band.green += qGreen(pixel), band.blue += qBlue(pixel);
        }
    const Band &most = std::max_element(bands.begin(), bands.end(), [](const auto &a, const auto &b) {
                           return a.second.count < b.second.count;
                       })->second;
    return QColor(int(most.red / most.count), int(most.green / most.count), int(most.blue / most.count));
}

// "ratio  control text" of the least readable text of a window.
QString leastReadable(QWidget *top)
{
    const QImage image = top->grab().toImage().convertToFormat(QImage::Format_RGB32);
    double worst = 99;
    QString where;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        QString text = qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)
                || qobject_cast<QAbstractItemView *>(widget) ? "(field)" : "";
        // A table's cells and its headers' captions: painted with these, not the widget's own.
        QPalette::ColorRole role = widget->foregroundRole();
        if (qobject_cast<QHeaderView *>(widget))
            role = QPalette::ButtonText;
        else if (qobject_cast<QTableView *>(widget))
            role = QPalette::Text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        if (!widget->isVisible() || text.isEmpty())
            continue;
        const QColor behind = mostPainted(image, QRect(widget->mapTo(top, QPoint()), widget->size()) & image.rect());
        const auto groups = widget->isEnabled() ? QList{QPalette::Active, QPalette::Inactive} : QList{QPalette::Disabled};
        for (QPalette::ColorGroup group : groups)
            if (const double ratio = contrast(widget->palette().color(group, role), behind); ratio < worst) {
                worst = ratio;
                where = QStringLiteral("%1  %2 %3").arg(ratio, 0, 'f', 2).arg(widget->objectName(), text);
            }
    }
    return where;
}

QPalette darkDesktop()
{
    const QColor light(0xe8, 0xe8, 0xe8);
    QPalette dark(light, QColor(0x3a, 0x3a, 0x3a), QColor(0x55, 0x55, 0x55), QColor(0x20, 0x20, 0x20),
                  QColor(0x30, 0x30, 0x30), light, Qt::white, QColor(0x23, 0x23, 0x23), QColor(0x2d, 0x2d, 0x2d));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return dark;
}

} // namespace

class ContrastTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsReadableOnAnyDesktop_data()
    {
        QTest::addColumn<bool>("darkPalette");
        QTest::addColumn<QString>("screen");
        for (bool dark : {false, true})
            for (const char *screen : {"login", "game type", "client", "placement", "about view", "warning box",
                                       "information box", "about dialog", "error dialog", "records view"})
                QTest::addRow("%s, %s desktop", screen, dark ? "dark" : "light") << dark << QString::fromLatin1(screen);
    }
    void everyTextIsReadableOnAnyDesktop()
    {
        QFETCH(bool, darkPalette);
        QFETCH(QString, screen);
        QApplication::setPalette(darkPalette ? darkDesktop() : QApplication::style()->standardPalette());
        QTemporaryDir dir;
        auto window = openGame(dir.filePath(QStringLiteral("players.txt")));
        QString found;
        QTimer measure; // a modal box or dialog is measured, then closed, while it is up
        connect(&measure, &QTimer::timeout, this, [&found] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                found = leastReadable(dialog);
                dialog->reject();
            }
        });
        measure.start(5);
        if (screen == QLatin1String("game type") || screen == QLatin1String("placement") || screen == QLatin1String("client")
            || screen == QLatin1String("records view"))
            createAndLogIn(*window, QStringLiteral("Lee"), QStringLiteral("pw"));
        if (screen == QLatin1String("client")) { // with the games list and its one line
            click(*window, QStringLiteral("optGameType2"));
            click(*window, QStringLiteral("cmdNext"));
        }
        if (screen == QLatin1String("placement"))
            startSinglePlayer(*window, 2);
        if (screen.startsWith(QLatin1String("about")))
            click(*window, QStringLiteral("cmdAbout"));
        if (screen == QLatin1String("about dialog"))
            click(*window, QStringLiteral("cmdAboutReelpane"));
        if (screen == QLatin1String("warning box"))
            click(*window, QStringLiteral("cmdLogin")); // "You Must Enter a Username"
        if (screen == QLatin1String("information box"))
            showInformation(window.get(), QStringLiteral("Game Over. You Win."), {});
        if (screen == QLatin1String("error dialog")) { // the radar is loaded as the player logs in
            window->startRadar(QStringLiteral("/no/such/radar.gif"));
            createAndLogIn(*window, QStringLiteral("Lee"), QStringLiteral("pw"));
        }
        if (screen == QLatin1String("records view"))
            click(*window, QStringLiteral("cmdRecords"));
        if (screen.endsWith(QLatin1String("box")) || screen == QLatin1String("records view"))
            QTRY_VERIFY(!found.isEmpty()); // boxes open without holding up the caller
        if (found.isEmpty())
            found = leastReadable(window.get());
        qInfo("%s", qPrintable(found));
        QVERIFY2(found.section(QLatin1Char(' '), 0, 0).toDouble() >= 4.5, qPrintable(found));
    }
};

QTEST_MAIN(ContrastTest)
#include "test_contrast.moc"
