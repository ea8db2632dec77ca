// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ui/BoardPanel.h"

#include "board/ui/BoardWidget.h"
#include "main/ui/widgets/Geometry.h"

BoardPanel::BoardPanel(QWidget *window, const QString &name, const QString &caption, int left,
                       BoardModel &model, const QString &gridName)
    : SteelPanel(window, name, caption, left, 1440, 4785, 5150)
    , mGrid(new BoardWidget(model, this))
{
    WidgetFactory::title(this, caption, 120, 120, 4500);
    mGrid->setObjectName(gridName);
    mGrid->setAccessibleName(caption);
    mGrid->move(Twips::point(120, 480));
}
