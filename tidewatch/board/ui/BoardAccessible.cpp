// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ui/BoardAccessible.h"

#include "board/BoardModel.h"
#include "board/ui/BoardWidget.h"
#include "board/ShipKinds.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <array>

namespace {

QString pictureName(CellPicture picture)
{
    switch (picture.kind) {
    case CellPicture::Kind::Hit: return QCoreApplication::translate("BoardAccessible", "hit");
    case CellPicture::Kind::Miss: return QCoreApplication::translate("BoardAccessible", "miss");
    case CellPicture::Kind::ShipSegment: return ShipKinds::name(picture.ship);
    case CellPicture::Kind::Water: break;
    }
    return QCoreApplication::translate("BoardAccessible", "water");
}

class CellInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CellInterface(BoardWidget *board, int index) : mBoard(board), mIndex(index) {}

    bool isValid() const override { return !mBoard.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return mBoard ? mBoard->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(mBoard.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !mBoard)
            return {};
        const QString name = BoardAccessible::cellName(mIndex, mBoard->model().cell(mIndex));
        if (mBoard->noFitCell() == mIndex)
            return name + QStringLiteral(", ") + mBoard->noFitNote();
        return name;
    }

    QRect rect() const override
    {
        if (!mBoard)
            return {};
        return {mBoard->mapToGlobal(BoardWidget::cellOrigin(mIndex)),
                QSize(BoardWidget::kCellPixels, BoardWidget::kCellPixels)};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.invisible = !mBoard || !mBoard->isVisible();
        state.disabled = !mBoard || !mBoard->isEnabled();
        state.focused = mBoard && mBoard->hasFocus() && mBoard->cursorCell() == mIndex;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && mBoard)
            mBoard->pressCell(mIndex);
    }

    int index() const { return mIndex; }
    const BoardWidget *board() const { return mBoard.data(); }

private:
    QPointer<BoardWidget> mBoard;
    int mIndex;
};

// The cells are made when first asked for and live as long as the board's interface.
class BoardInterface : public QAccessibleWidget
{
public:
    explicit BoardInterface(BoardWidget *board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardInterface() override
    {
        for (QAccessible::Id id : mCellIds)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return ShipKinds::kBoardCells; }

    QAccessibleInterface *child(int position) const override
    {
        if (position < 0 || position >= ShipKinds::kBoardCells)
            return nullptr;
        QAccessible::Id &id = mCellIds[std::size_t(position)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new CellInterface(board(), position + 1));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const CellInterface *>(child);
        return cell && cell->board() == board() ? cell->index() - 1 : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const int index = BoardWidget::cellAt(board()->mapFromGlobal(QPoint(x, y)));
        return index ? child(index - 1) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return board()->hasFocus() ? child(board()->cursorCell() - 1) : nullptr;
    }

private:
    BoardWidget *board() const { return static_cast<BoardWidget *>(widget()); }

    mutable std::array<QAccessible::Id, ShipKinds::kBoardCells> mCellIds{};
};

QAccessibleInterface *boardFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("BoardWidget"))
        if (auto *board = qobject_cast<BoardWidget *>(object))
            return new BoardInterface(board);
    return nullptr;
}

} // namespace

namespace BoardAccessible {

void install()
{
    static const bool installed = (QAccessible::installFactory(boardFactory), true);
    Q_UNUSED(installed);
}

QString cellName(int index, CellPicture picture)
{
    const int row = (index - 1) / ShipKinds::kRowLength;
    const int column = (index - 1) % ShipKinds::kRowLength + 1;
    return QChar(QLatin1Char('A').unicode() + row) + QString::number(column) + QStringLiteral(", ")
           + pictureName(picture);
}

QString noFitNote(int ship)
{
    //: Read out on the cell where the chosen ship does not fit; %1 is the ship
    return QCoreApplication::translate("BoardAccessible", "%1 does not fit here").arg(ShipKinds::name(ship));
}

} // namespace BoardAccessible
