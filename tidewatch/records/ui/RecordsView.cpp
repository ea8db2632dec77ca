// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ui/RecordsView.h"

#include "records/RecordBook.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QStringList kColumns = {QStringLiteral("Played"),      QStringLiteral("Won"),
                              QStringLiteral("Lost"),        QStringLiteral("Not finished"),
                              QStringLiteral("Fewest shots"), QStringLiteral("Hits")};

QString hitShare(const Tally &tally)
{
    if (tally.shots == 0)
        return QStringLiteral("-");
    return QString::number(100.0 * double(tally.hits) / double(tally.shots), 'f', 1)
        + QStringLiteral(" %");
}

QStringList cellsOf(const Tally &tally)
{
    return {QString::number(tally.played), QString::number(tally.won),
            QString::number(tally.lost), QString::number(tally.notFinished),
            tally.won == 0 ? QStringLiteral("-") : QString::number(tally.fewestShotsToWin),
            hitShare(tally)};
}

QTableWidget *recordTable(const QString &player, const RecordBook &book, QWidget *parent)
{
    auto *table = new QTableWidget(kRecordKinds, int(kColumns.size()), parent);
    table->setObjectName(QStringLiteral("tblRecords"));
    table->setAccessibleName(QStringLiteral("Records of ") + player);
    table->setHorizontalHeaderLabels(kColumns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setTabKeyNavigation(false); // Tab leaves the table for the Close button
    QStringList rows;
    for (int kind = 1; kind <= kRecordKinds; ++kind) {
        rows << recordKindName(RecordKind(kind));
        const QStringList cells = cellsOf(book.tally(player, RecordKind(kind)));
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(kind - 1, column, item);
        }
    }
    table->setVerticalHeaderLabels(rows);
    table->resizeColumnsToContents();
    table->setCurrentCell(0, 0);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

} // namespace

RecordsView::RecordsView(const QString &player, const RecordBook &book, const QString &problem,
                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgRecords"));
    setWindowTitle(QStringLiteral("Records"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Records of ") + player, this);
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);
    if (!problem.isEmpty()) {
        auto *notice = new QLabel(problem, this);
        notice->setObjectName(QStringLiteral("lblRecordsProblem"));
        notice->setTextFormat(Qt::PlainText);
        notice->setWordWrap(true);
        layout->addWidget(notice);
    }
    QTableWidget *table = recordTable(player, book, this);
    heading->setBuddy(table);
    layout->addWidget(table);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    table->setFocus();
}

void openRecordsView(QWidget *parent, const QString &player, const QString &recordFile,
                 const QString &note, std::function<void()> closed)
{
    RecordBook book;
    QString problem;
    QStringList notes;
    if (!book.read(recordFile, &problem))
        notes << QStringLiteral("The records could not be read: %1.").arg(problem);
    if (!note.isEmpty())
        notes << note;
    auto *view = new RecordsView(player, book, notes.join(QLatin1Char('\n')), parent);
    view->setAttribute(Qt::WA_DeleteOnClose);
    if (closed)
        QObject::connect(view, &QDialog::finished, view, [closed = std::move(closed)] { closed(); });
    view->open();
}
