// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class RecordBook;

// One player's records in a modal view, like a game's high-score table: a row per
// level and one for network games. The table is read cell by cell by a screen reader
// and walked with the arrow keys; Escape or Close ends the view.
class RecordsView : public QDialog
{
    Q_OBJECT

public:
    RecordsView(const QString &player, const RecordBook &book, const QString &problem,
                QWidget *parent);

    // The view's title, and the caption of the button that opens it.
    static QString title();
};

// Reads the record file and shows the player's records, with `note` on games they lack,
// blocking the window until the view is closed; then `closed` runs.
void openRecordsView(QWidget *parent, const QString &player, const QString &recordFile,
                 const QString &note, std::function<void()> closed);
