// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main/ui/widgets/WidgetFactory.h"

class BoardModel;
class BoardWidget;

// One board on its panel under its caption: the own fleet or the opponent's.
class BoardPanel final : public SteelPanel
{
public:
    BoardPanel(QWidget *window, const QString &name, const QString &caption, int left,
               BoardModel &model, const QString &gridName);

    BoardWidget *grid() const { return mGrid; }

private:
    BoardWidget *mGrid = nullptr;
};
