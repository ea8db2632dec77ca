// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the game reads its data and keeps its accounts.
//
// A build tree or a portable copy has a data/ folder beside the program: the radar
// animation and the sound cues are read from it and players.txt lives in it. An
// installed program has none (its read-only data sit in the layout's data folder,
// found relative to the program whatever the prefix: ../share/tidewatch by default,
// see cmake/InstallLayout.cmake) and cannot write beside itself, so its players.txt
// lives in the user's own data folder. A data/ folder that is there but read-only
// still holds the accounts: they stay readable, and creating one says why it cannot
// be saved instead of hiding it in another file.
//
// The README that the about view's link opens lies in doc/ beside the program in a
// build tree, and in the layout's documents folder once installed (../share/doc/tidewatch
// by default).
struct DataPaths
{
    QString readOnlyData; // folder holding radar.gif and sounds/
    QString accounts;     // the account file, players.txt
    QString readme;       // the game's README

    static DataPaths choose(const QString &programFolder, const QString &userDataFolder);
    // For this program: its own folder and QStandardPaths::AppDataLocation.
    static DataPaths forThisProgram();
};
