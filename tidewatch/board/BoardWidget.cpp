#include "board/BoardWidget.h"

#include "board/BoardModel.h"
#include "board/CellArt.h"
#include "board/ShipKinds.h"

#include <QMouseEvent>
#include <QPainter>

BoardWidget::BoardWidget(BoardModel &model, QWidget *parent)
    : QWidget(parent)
    , mModel(model)
{
    setFixedSize(ShipKinds::kRowLength * kCellPixels, ShipKinds::kRowLength * kCellPixels);
    setMouseTracking(true);
    mModel.setChangeListener([this](int index) { update(QRect(cellOrigin(index), QSize(kCellPixels, kCellPixels))); });
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

void BoardWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const CellArt &art = CellArt::instance();
    for (int index = 1; index <= ShipKinds::kBoardCells; ++index)
        painter.drawPixmap(cellOrigin(index), art.pixmapFor(mModel.cell(index)));
}

void BoardWidget::mousePressEvent(QMouseEvent *event)
{
    if (const int index = cellAt(event->position().toPoint()))
        emit cellPressed(index);
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
