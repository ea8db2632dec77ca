// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/widgets/WidgetFactory.h"

#include "main/ui/widgets/Geometry.h"
#include "main/ui/widgets/StyleColours.h"
#include "main/ui/widgets/StylePainting.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

SteelPanel::SteelPanel(QWidget *parent, const QString &name, const QString &role, int left,
                       int top, int width, int height)
    : QWidget(parent)
{
    setObjectName(name);
    setAccessibleName(role);
    setGeometry(Twips::rect(left, top, width, height));
    hide();
}

void SteelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintRoundedBox(painter, rect(), 6, StyleColours::kPanel, StyleColours::kPanelBorder, 1);
}

namespace WidgetFactory {

QWidget *panel(QWidget *parent, const QString &name, const QString &role, int left, int top,
               int width, int height)
{
    return new SteelPanel(parent, name, role, left, top, width, height);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, int left, int top,
              int width, int height)
{
    auto *widget = new QLabel(text, parent);
    widget->setObjectName(name);
    widget->setTextFormat(Qt::PlainText);
    widget->setGeometry(Twips::rect(left, top, width, height));
    return widget;
}

QLabel *title(QWidget *parent, const QString &text, int left, int top, int width)
{
    QLabel *widget = label(parent, QString(), text, left, top, width, 330);
    widget->setProperty("role", QStringLiteral("title"));
    return widget;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int left,
                    int top, int width, int height)
{
    auto *widget = new QPushButton(caption, parent);
    widget->setObjectName(name);
    widget->setAutoDefault(true); // Enter presses a focused button, as Space does
    widget->setGeometry(Twips::rect(left, top, width, height));
    return widget;
}

QRadioButton *option(QWidget *parent, const QString &name, const QString &caption, int left,
                     int top, int width, int height)
{
    auto *widget = new QRadioButton(caption, parent);
    widget->setObjectName(name);
    widget->setGeometry(Twips::rect(left, top, width, height));
    return widget;
}

void clearOptions(QButtonGroup *group)
{
    // An exclusive group cannot be emptied while exclusive.
    const QSignalBlocker silent(group);
    group->setExclusive(false);
    for (QAbstractButton *option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

void place(QWidget *field, const QString &name, QLabel *label, int left, int top, int width,
           int height)
{
    field->setObjectName(name);
    field->setGeometry(Twips::rect(left, top, width, height));
    if (label) {
        label->setBuddy(field);
        // "Username:" reads as "Username"; a language may set its colon apart or write
        // it full width ("Nom d'utilisateur :", "用户名：").
        QString spoken = label->text();
        spoken.remove(QLatin1Char(':')).remove(QChar(0xFF1A));
        field->setAccessibleName(spoken.trimmed());
    }
}

} // namespace WidgetFactory
