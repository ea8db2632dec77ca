// SPDX-License-Identifier: GPL-3.0-or-later
// The game exactly as tidewatch/main/main.cpp starts it, plus the first-paint probe.
#include "FirstPaintProbe.h"
#include "main/GameStart.h"
#include "main/Translations.h"
#include "main/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintProbe probe;
    const std::unique_ptr<Translations> translations = InstallTranslations();
    const std::unique_ptr<frmMain> window = Main();
    return app.exec();
}
