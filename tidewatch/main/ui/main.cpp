// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/Translations.h"
#include "main/ui/GameStart.h"
#include "main/ui/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Ties the window to its menu entry and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvane.Tidewatch"));
    const std::unique_ptr<Translations> translations = InstallTranslations();
    const std::unique_ptr<frmMain> window = Main();
    return app.exec();
}
