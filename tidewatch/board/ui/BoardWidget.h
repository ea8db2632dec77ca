// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class BoardModel;

// Shows a board's 10 x 10 cells from its model and reports presses and pointer
// moves by cell index (1..100), and the pointer leaving it. Any mouse button counts
// as a press.
// From the keyboard a focused board shows a cursor cell: the arrow keys move it,
// each move reports the pointer over the new cell, and Space or Enter presses it and
// then reports the pointer there again, as the mouse's next move would.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCellPixels = 30;

    explicit BoardWidget(BoardModel &model, QWidget *parent = nullptr);

    // Cell index under a point of this widget, 0 when none.
    static int cellAt(QPoint position);
    // Top-left corner of a cell inside this widget.
    static QPoint cellOrigin(int index);

    const BoardModel &model() const { return mModel; }
    int cursorCell() const { return mCursor; }
    // A press on a cell from outside the mouse: the keyboard or a screen reader.
    void pressCell(int index);

    // The cell where the chosen ship does not fit, 0 for none. The cursor cell is
    // drawn crossed there, and a screen reader hears `note` after the cell's name.
    void setNoFit(int index, const QString &note);
    int noFitCell() const { return mNoFit; }
    QString noFitNote() const { return mNoFitNote; }

signals:
    void cellPressed(int index);
    void cellHovered(int index);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void moveCursor(int rowStep, int columnStep);
    void setCursorCell(int index);
    void announceCursor();
    void cellChanged(int index);

    BoardModel &mModel;
    int mCursor = 1;
    int mNoFit = 0;
    QString mNoFitNote;
};
