// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/widgets/MenuKeys.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace {

// Qt's own arrow handling moves the choice only from a checked option; with none
// checked (a fresh screen, or after a reset) it moves a bare highlight.
class ArrowSelection : public QObject
{
public:
    explicit ArrowSelection(QButtonGroup *group) : QObject(group), mGroup(group) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int step = stepFor(static_cast<QKeyEvent *>(event)->key());
        auto *from = qobject_cast<QAbstractButton *>(watched);
        if (step == 0 || !from)
            return false;
        if (QAbstractButton *to = neighbour(from, step)) {
            to->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            to->setChecked(true);
        }
        return true;
    }

private:
    static int stepFor(int key)
    {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left: return -1;
        case Qt::Key_Down:
        case Qt::Key_Right: return 1;
        default: return 0;
        }
    }

    // The next usable option in reading order, top to bottom; none past either end.
    QAbstractButton *neighbour(QAbstractButton *from, int step) const
    {
        QList<QAbstractButton *> options = mGroup->buttons();
        std::stable_sort(options.begin(), options.end(), [](QAbstractButton *a, QAbstractButton *b) {
            return a->y() < b->y();
        });
        for (qsizetype at = options.indexOf(from) + step; at >= 0 && at < options.size(); at += step)
            if (options[at]->isEnabled() && options[at]->isVisible())
                return options[at];
        return nullptr;
    }

    QButtonGroup *mGroup;
};

class ForwardOnEnter : public QObject
{
public:
    ForwardOnEnter(QWidget *panel, QPushButton *forward) : QObject(panel), mForward(forward) {}

protected:
    // A key the focused control left alone comes up to the panel: buttons take Enter
    // themselves, options and text boxes pass it on.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (mForward->isEnabled() && mForward->isVisible())
            mForward->click();
        return true;
    }

private:
    QPushButton *mForward;
};

} // namespace

namespace MenuKeys {

void arrowsSelect(QButtonGroup *group)
{
    auto *filter = new ArrowSelection(group);
    for (QAbstractButton *option : group->buttons())
        option->installEventFilter(filter);
}

void enterPresses(QWidget *panel, QPushButton *forward)
{
    panel->installEventFilter(new ForwardOnEnter(panel, forward));
}

} // namespace MenuKeys
