// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ui/BoardWidget.h"

#include "board/ui/BoardAccessible.h"
#include "board/BoardModel.h"
#include "board/ui/CellArt.h"
#include "board/ShipKinds.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {

QRect cellRect(int index)
{
    return {BoardWidget::cellOrigin(index), QSize(BoardWidget::kCellPixels, BoardWidget::kCellPixels)};
}

// A light frame inside a dark one, so the cursor shows on water, ships and hits alike.
void drawCursor(QPainter &painter, const QRect &cell)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 2));
    painter.drawRect(cell.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor(0xff, 0xd8, 0x4a), 2));
    painter.drawRect(cell.adjusted(3, 3, -3, -3));
}

// Where the chosen ship does not fit: a red frame crossed out, readable on any cell.
void drawNoFitCursor(QPainter &painter, const QRect &cell)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 4));
    painter.drawRect(cell.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(QColor(0xff, 0x4a, 0x3d), 2));
    const QRect inner = cell.adjusted(3, 3, -3, -3);
    painter.drawRect(inner);
    painter.drawLine(inner.topLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomLeft());
}

} // namespace

BoardWidget::BoardWidget(BoardModel &model, QWidget *parent)
    : QWidget(parent)
    , mModel(model)
{
    BoardAccessible::install();
    setFixedSize(ShipKinds::kRowLength * kCellPixels, ShipKinds::kRowLength * kCellPixels);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    mModel.setChangeListener([this](int index) { cellChanged(index); });
}

int BoardWidget::cellAt(QPoint position)
{
    const int column = position.x() / kCellPixels;
    const int row = position.y() / kCellPixels;
    if (position.x() < 0 || position.y() < 0 || column >= ShipKinds::kRowLength
        || row >= ShipKinds::kRowLength)
        return 0;
    return row * ShipKinds::kRowLength + column + 1;
}

QPoint BoardWidget::cellOrigin(int index)
{
    const int zeroBased = index - 1;
    return {(zeroBased % ShipKinds::kRowLength) * kCellPixels,
            (zeroBased / ShipKinds::kRowLength) * kCellPixels};
}

void BoardWidget::pressCell(int index)
{
    if (!ShipKinds::isCell(index))
        return;
    setCursorCell(index);
    emit cellPressed(index);
}

void BoardWidget::setNoFit(int index, const QString &note)
{
    const int cell = ShipKinds::isCell(index) ? index : 0;
    const QString shownNote = cell ? note : QString();
    if (cell == mNoFit && shownNote == mNoFitNote)
        return;
    const int was = mNoFit;
    mNoFit = cell;
    mNoFitNote = shownNote;
    if (was)
        cellChanged(was);
    if (mNoFit && mNoFit != was)
        cellChanged(mNoFit);
}

void BoardWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const CellArt &art = CellArt::instance();
    for (int index = 1; index <= ShipKinds::kBoardCells; ++index)
        painter.drawPixmap(cellOrigin(index), art.pixmapFor(mModel.cell(index)));
    if (hasFocus() && mCursor == mNoFit)
        drawNoFitCursor(painter, cellRect(mCursor));
    else if (hasFocus())
        drawCursor(painter, cellRect(mCursor));
}

void BoardWidget::mousePressEvent(QMouseEvent *event)
{
    pressCell(cellAt(event->position().toPoint()));
}

// The second press of a double-click is no press of its own: its first press has
// already been reported.
void BoardWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void BoardWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (const int index = cellAt(event->position().toPoint()))
        emit cellHovered(index);
}

void BoardWidget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit pointerLeft();
}

void BoardWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: moveCursor(0, -1); break;
    case Qt::Key_Right: moveCursor(0, 1); break;
    case Qt::Key_Up: moveCursor(-1, 0); break;
    case Qt::Key_Down: moveCursor(1, 0); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) { // holding the key must not fire a salvo
            const QPointer<BoardWidget> self(this);
            emit cellPressed(mCursor);
            if (self) // the press may have ended the game and closed the window
                emit cellHovered(mCursor);
        }
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BoardWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(cellRect(mCursor));
    if (event->reason() == Qt::MouseFocusReason)
        return; // the press that gave the focus picks its own cell
    // After the board's own focus notice, so a screen reader ends on the cell.
    QMetaObject::invokeMethod(this, &BoardWidget::announceCursor, Qt::QueuedConnection);
}

void BoardWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(cellRect(mCursor));
}

void BoardWidget::moveCursor(int rowStep, int columnStep)
{
    const int row = (mCursor - 1) / ShipKinds::kRowLength + rowStep;
    const int column = (mCursor - 1) % ShipKinds::kRowLength + columnStep;
    if (row < 0 || column < 0 || row >= ShipKinds::kRowLength || column >= ShipKinds::kRowLength)
        return;
    setCursorCell(row * ShipKinds::kRowLength + column + 1);
    emit cellHovered(mCursor);
}

void BoardWidget::setCursorCell(int index)
{
    if (index == mCursor)
        return;
    update(cellRect(mCursor));
    mCursor = index;
    update(cellRect(mCursor));
    announceCursor();
}

void BoardWidget::announceCursor()
{
    if (!hasFocus())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(mCursor - 1);
    QAccessible::updateAccessibility(&focus);
}

void BoardWidget::cellChanged(int index)
{
    update(cellRect(index));
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    renamed.setChild(index - 1);
    QAccessible::updateAccessibility(&renamed);
}
