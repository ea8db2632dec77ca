// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

class QDialog;

// The window's look over Fusion: light text over translucent steel panels, steel
// buttons with a yellow focus border, light fields. Every text colour is set here, so
// the desktop's palette, light or dark, changes none of them. Given to a window, the
// style follows every control made in it; the application's style stays as it is, so
// the library's own dialogs keep their look.
class WindowStyle : public QProxyStyle
{
public:
    // The game window, before its controls are made.
    static void applyToWindow(QWidget *window);
    // A message box or view of the game: the same controls on a dark box of its own, so
    // the window's light text never lands on the desktop's dialog background. A table in
    // it is dark too, with light text.
    static void applyToBox(QDialog *box);

    void polish(QWidget *widget) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowStyle();
    static WindowStyle *instance();
    // Gives the style to a control and to all it holds, now and later.
    void adopt(QWidget *widget);
};
