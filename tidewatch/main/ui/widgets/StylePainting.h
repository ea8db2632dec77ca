// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtGlobal>

class QBrush;
class QColor;
class QPainter;
class QStyleOption;

// How the window's controls are drawn; WindowStyle decides which control gets which.
inline constexpr int kOptionRadius = 3;
inline constexpr int kIndicatorSize = 12; // a 10 px dot inside a 1 px ring
inline constexpr int kFocusBorder = 2;
inline constexpr int kDropDownWidth = 16;

// A rounded box with a border of its own colour; the window's panels, buttons and
// fields are all drawn this way. A translucent fill stays clear of the border.
void paintRoundedBox(QPainter &painter, const QRectF &rect, qreal radius, const QBrush &fill,
                     const QColor &border, qreal borderWidth);
// A field's border is wider while it has the focus.
int fieldBorder(const QStyleOption *option);
void paintButton(const QStyleOption *option, QPainter *painter, bool inBox);
void paintField(const QStyleOption *option, QPainter *painter);
void paintDropDown(const QRect &rect, QPainter *painter);
void paintIndicator(const QStyleOption *option, QPainter *painter);
