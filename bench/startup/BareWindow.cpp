// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: an empty Qt window of the game window's size, nothing else.
#include "FirstPaintProbe.h"
#include "main/ui/widgets/Geometry.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintProbe probe;
    QWidget window;
    window.setFixedSize(Twips::size(10485, 7185));
    window.show();
    return app.exec();
}
