// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the language the game would choose for this process's environment.
#include "main/Translations.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::puts(qPrintable(Translations::choose(QLocale::system().uiLanguages())));
    return 0;
}
