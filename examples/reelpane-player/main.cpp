// SPDX-License-Identifier: LGPL-2.1-or-later
// reelpane-player FILE.gif: plays an animated GIF in a window of its size with Reelpane.

#include <Reelpane.h>

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: reelpane-player FILE.gif\n");
        return 2;
    }
    QString file = arguments.at(1);

    Reelpane pane;
    pane.setWindowTitle(QFileInfo(file).fileName());
    // The header's screen size; a file that is not a GIF still opens, and Reelpane reports it.
    const QSize size = QImageReader(file).size();
    pane.resize(size.isValid() ? size : QSize(200, 200));
    pane.show();
    pane.GifLoad(file);
    return app.exec();
}
