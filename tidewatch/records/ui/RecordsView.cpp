// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ui/RecordsView.h"

#include "main/ui/widgets/WindowStyle.h"
#include "records/RecordBook.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Column headers, translated when the table is made.
constexpr const char *kColumns[] = {
    QT_TRANSLATE_NOOP("RecordsView", "Played"),       QT_TRANSLATE_NOOP("RecordsView", "Won"),
    QT_TRANSLATE_NOOP("RecordsView", "Lost"),         QT_TRANSLATE_NOOP("RecordsView", "Not finished"),
    QT_TRANSLATE_NOOP("RecordsView", "Fewest shots"),
    //: Column header: the share of shots that hit
    QT_TRANSLATE_NOOP("RecordsView", "Hits")};

QStringList columnHeaders()
{
    QStringList headers;
    for (const char *column : kColumns)
        headers << QCoreApplication::translate("RecordsView", column);
    return headers;
}

QString recordsOf(const QString &player)
{
    //: The records view's heading; %1 is the player's name
    return QCoreApplication::translate("RecordsView", "Records of %1").arg(player);
}

QString hitShare(const Tally &tally)
{
    if (tally.shots == 0)
        return QStringLiteral("-");
    //: A share of shots, as in "37.5 %"
    return QCoreApplication::translate("RecordsView", "%1 %")
        .arg(QString::number(100.0 * double(tally.hits) / double(tally.shots), 'f', 1));
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
    const QStringList headers = columnHeaders();
    auto *table = new QTableWidget(kRecordKinds, int(headers.size()), parent);
    table->setObjectName(QStringLiteral("tblRecords"));
    table->setAccessibleName(recordsOf(player));
    table->setHorizontalHeaderLabels(headers);
    // Read, not edited: the highlight is a whole row, one at a time, while the current
    // cell still moves with the arrow keys, so a screen reader reads each cell.
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table for the Close button
    QStringList rows;
    for (int kind = 1; kind <= kRecordKinds; ++kind) {
        rows << recordKindName(RecordKind(kind));
        const QStringList cells = cellsOf(book.tally(player, RecordKind(kind)));
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
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
    WindowStyle::applyToBox(this); // dark like the game's boxes, before its controls are made
    setWindowTitle(title());
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(recordsOf(player), this);
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

QString RecordsView::title()
{
    //: Title of the records view and caption of the button that opens it
    return tr("Records");
}

void openRecordsView(QWidget *parent, const QString &player, const QString &recordFile,
                 const QString &note, std::function<void()> closed)
{
    RecordBook book;
    QString problem;
    QStringList notes;
    if (!book.read(recordFile, &problem))
        notes << RecordsView::tr("The records could not be read: %1.").arg(problem);
    if (!note.isEmpty())
        notes << note;
    auto *view = new RecordsView(player, book, notes.join(QLatin1Char('\n')), parent);
    view->setAttribute(Qt::WA_DeleteOnClose);
    if (closed)
        QObject::connect(view, &QDialog::finished, view, [closed = std::move(closed)] { closed(); });
    view->open();
}
