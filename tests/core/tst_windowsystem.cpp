// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/WindowSystem.h"

#include <QTest>

class WindowSystemTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyWaylandKeepsPlacingToTheCompositor_data();
    void onlyWaylandKeepsPlacingToTheCompositor();
};

void WindowSystemTest::onlyWaylandKeepsPlacingToTheCompositor_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("programPlaces");
    QTest::newRow("X11") << "xcb" << true;
    QTest::newRow("offscreen") << "offscreen" << true;
    QTest::newRow("no platform yet") << "" << true;
    QTest::newRow("Wayland") << "wayland" << false;
    QTest::newRow("Wayland over EGL") << "wayland-egl" << false;
    QTest::newRow("Wayland over GLX") << "wayland-xcomposite-glx" << false;
}

void WindowSystemTest::onlyWaylandKeepsPlacingToTheCompositor()
{
    QFETCH(QString, platform);
    QFETCH(bool, programPlaces);
    QCOMPARE(windowSystemLetsProgramsPlaceWindows(platform), programPlaces);
}

QTEST_GUILESS_MAIN(WindowSystemTest)
#include "tst_windowsystem.moc"
