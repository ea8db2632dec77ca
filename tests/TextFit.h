// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

// What of a window or dialog a player could not read whole: each shown label, button,
// option or check box whose text needs more room than the control gives it, or that
// reaches past the window's edge. "name: text (needs WxH px, has WxH)" for each.
inline QStringList clippedTexts(const QWidget *root)
{
    QStringList clipped;
    for (const QWidget *control : root->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(root))
            continue;
        const QFontMetrics metrics(control->font());
        const QStyle *style = control->style();
        QString text;
        QRect room;
        QSize needed;
        if (auto *label = qobject_cast<const QLabel *>(control)) {
            text = label->text();
            room = label->contentsRect();
            const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0)
                | (label->buddy() ? Qt::TextShowMnemonic : 0);
            needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags, text).size();
        } else if (auto *button = qobject_cast<const QPushButton *>(control)) {
            text = button->text();
            room = button->rect().adjusted(2, 2, -2, -2); // inside a focus border
            needed = metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::TextShowMnemonic, text).size();
        } else if (auto *option = qobject_cast<const QAbstractButton *>(control);
                   option && (qobject_cast<const QRadioButton *>(option) || qobject_cast<const QCheckBox *>(option))) {
            text = option->text();
            room = option->rect();
            const bool radio = qobject_cast<const QRadioButton *>(option);
            const int indicator = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                           : QStyle::PM_IndicatorWidth, nullptr, option)
                + style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                           : QStyle::PM_CheckBoxLabelSpacing, nullptr, option);
            needed = QSize(indicator + metrics.horizontalAdvance(text), metrics.height());
        }
        if (text.isEmpty())
            continue;
        const QRect inRoot(control->mapTo(root, QPoint()), control->size());
        if (needed.width() > room.width() || needed.height() > room.height()
            || !root->rect().contains(inRoot))
            clipped << QStringLiteral("%1: %2 (needs %3x%4 px, has %5x%6)")
                           .arg(control->objectName(), text)
                           .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
    }
    return clipped;
}
