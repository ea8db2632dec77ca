#include "main/FirstControl.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QWidget>

namespace {

bool takesTabFocus(const QWidget *widget, const QWidget *part)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()
           && (widget == part || widget->isVisibleTo(part));
}

QWidget *selectedOptionOf(QWidget *widget)
{
    const auto *option = qobject_cast<QAbstractButton *>(widget);
    QButtonGroup *group = option ? option->group() : nullptr;
    QAbstractButton *selected = group && group->exclusive() ? group->checkedButton() : nullptr;
    return selected && selected->isEnabled() ? selected : widget;
}

} // namespace

QWidget *FirstControl(QWidget *part)
{
    if (!part || takesTabFocus(part, part))
        return part;
    for (QWidget *next = part->nextInFocusChain(); next && next != part; next = next->nextInFocusChain())
        if (part->isAncestorOf(next) && takesTabFocus(next, part))
            return selectedOptionOf(next);
    return nullptr;
}
