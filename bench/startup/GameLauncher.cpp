// SPDX-License-Identifier: GPL-3.0-or-later
// The game exactly as tidewatch/main/ui/main.cpp starts it, plus the first-paint probe.
#include "FirstPaintProbe.h"
#include "main/Translations.h"
#include "main/ui/GameStart.h"
#include "main/ui/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintProbe probe;
    const std::unique_ptr<Translations> translations = InstallTranslations();
    const std::unique_ptr<frmMain> window = Main();
    return app.exec();
}
