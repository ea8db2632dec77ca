// SPDX-License-Identifier: GPL-3.0-or-later
// The window's look comes from one style of its own, which reaches every control of
// every screen and of its message boxes, and no style sheet is parsed anywhere. The
// application's style stays as it is for the library's own dialogs.

#include "UiHarness.h"

#include "main/ui/widgets/MessageBoxes.h"

#include <QTemporaryDir>

namespace {

// The name of a control in `top` that draws with another style, or of a sheet set.
QString strayControl(QWidget *top, const QStyle *style)
{
    QList<QWidget *> controls = top->findChildren<QWidget *>();
    controls << top;
    for (QWidget *widget : controls) {
        if (widget->style() != style)
            return QStringLiteral("%1 (%2)").arg(widget->objectName(), widget->metaObject()->className());
        if (!widget->styleSheet().isEmpty())
            return QStringLiteral("sheet on %1").arg(widget->objectName());
    }
    return QString();
}

} // namespace

class WindowStyleTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlDrawsWithTheWindowStyle_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"login", "combo list", "game type", "placement", "about view", "warning box", "records view"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }
    void everyControlDrawsWithTheWindowStyle()
    {
        QFETCH(QString, screen);
        QTemporaryDir dir;
        auto window = openGame(dir.filePath(QStringLiteral("players.txt")));
        const QStyle *style = window->style();
        QVERIFY(style != QApplication::style());
        QString stray = QStringLiteral("no box");
        QTimer box;
        connect(&box, &QTimer::timeout, this, [&] {
            if (auto *shown = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                stray = strayControl(shown, style);
                shown->accept();
            }
        });
        if (screen == QLatin1String("combo list"))
            control<QComboBox>(*window, QStringLiteral("cboPlayers"))->showPopup();
        if (screen == QLatin1String("game type") || screen == QLatin1String("placement")
            || screen == QLatin1String("records view"))
            createAndLogIn(*window, QStringLiteral("Lee"), QStringLiteral("pw"));
        if (screen == QLatin1String("placement"))
            startSinglePlayer(*window, 1);
        if (screen == QLatin1String("about view"))
            click(*window, QStringLiteral("cmdAbout"));
        if (screen == QLatin1String("warning box")) {
            box.start(5);
            click(*window, QStringLiteral("cmdLogin")); // "You Must Enter a Username"
        } else if (screen == QLatin1String("records view")) {
            box.start(5);
            click(*window, QStringLiteral("cmdRecords"));
            QTRY_VERIFY(stray != QLatin1String("no box"));
        } else {
            stray = strayControl(window.get(), style);
        }
        QVERIFY2(stray.isEmpty(), qPrintable(stray));
        QVERIFY(qApp->styleSheet().isEmpty());
    }
};

QTEST_MAIN(WindowStyleTest)
#include "test_window_style.moc"
