// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

// Small builders for the window's controls: each gets its design name as objectName,
// its place in twips, and plain-text captions.
// A translucent steel panel with a rounded border, over the sea background; every
// screen's panel is one. It starts hidden: the screen that shows it shows it.
class SteelPanel : public QWidget
{
public:
    SteelPanel(QWidget *parent, const QString &name, const QString &role, int left, int top,
               int width, int height);

protected:
    void paintEvent(QPaintEvent *event) override;
};

namespace WidgetFactory {

QWidget *panel(QWidget *parent, const QString &name, const QString &role, int left, int top,
               int width, int height);
QLabel *label(QWidget *parent, const QString &name, const QString &text, int left, int top,
              int width, int height);
QLabel *title(QWidget *parent, const QString &text, int left, int top, int width);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int left,
                    int top, int width, int height);
QRadioButton *option(QWidget *parent, const QString &name, const QString &caption, int left,
                     int top, int width, int height);
// No option of the group chosen; a reset is no choice, so nothing hears of it.
void clearOptions(QButtonGroup *group);
// Places a field in twips and names it; `label` becomes its buddy for screen readers.
void place(QWidget *field, const QString &name, QLabel *label, int left, int top, int width,
           int height);

} // namespace WidgetFactory
