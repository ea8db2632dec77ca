// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/WidgetFactory.h"

#include "main/Geometry.h"
#include "main/StyleColours.h"
#include "main/StylePainting.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A translucent steel panel with a rounded border, over the sea background.
class Panel : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        PaintRoundedBox(painter, rect(), 6, StyleColours::kPanel, StyleColours::kPanelBorder, 1);
    }
};

} // namespace

namespace WidgetFactory {

QWidget *panel(QWidget *parent, const QString &name, const QString &role, int left, int top,
               int width, int height)
{
    auto *widget = new Panel(parent);
    widget->setObjectName(name);
    widget->setAccessibleName(role);
    widget->setGeometry(Twips::rect(left, top, width, height));
    widget->hide();
    return widget;
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

void place(QWidget *field, const QString &name, QLabel *label, int left, int top, int width,
           int height)
{
    field->setObjectName(name);
    field->setGeometry(Twips::rect(left, top, width, height));
    if (label) {
        label->setBuddy(field);
        field->setAccessibleName(label->text().remove(QLatin1Char(':')));
    }
}

} // namespace WidgetFactory
