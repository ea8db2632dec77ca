#pragma once

#include <QWidget>

class BoardModel;

// Shows a board's 10 x 10 cells from its model and reports presses and pointer
// moves by cell index (1..100). Any mouse button counts as a press.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCellPixels = 30;

    BoardWidget(BoardModel &model, QWidget *parent = nullptr);

    // Cell index under a point of this widget, 0 when none.
    static int cellAt(QPoint position);
    // Top-left corner of a cell inside this widget.
    static QPoint cellOrigin(int index);

signals:
    void cellPressed(int index);
    void cellHovered(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    BoardModel &mModel;
};
