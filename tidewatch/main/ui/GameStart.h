// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main/Translations.h"

#include <QString>

#include <memory>

class frmMain;

// The files start-up reads; the game finds them as DataPaths says.
struct StartupFiles
{
    QString accounts;
    QString radar;

    static StartupFiles forThisProgram();
};

// Prepares and shows the game window; the event loop takes over from there.
std::unique_ptr<frmMain> Main(const StartupFiles &files = StartupFiles::forThisProgram());

// Shows Qt's dialogs, Reelkit's and the game's texts in the desktop's language, for as
// long as the result lives. Called before the window is built, so every text it sets
// is already translated.
std::unique_ptr<Translations> InstallTranslations();
// Qt's, Reelkit's and the game's catalogues, where this program finds them.
std::vector<Translations::Catalogue> GameCatalogues();
