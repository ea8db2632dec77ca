// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "reelkit_export.h"

#include <QLabel>

namespace reelkit {

// A label in link colours, with a hand pointer, that reports a click. Tab reaches
// it, Enter or Space clicks it, and a screen reader sees a link it can press.
// The library's about dialog uses it, and so may its hosts.
class REELKIT_EXPORT LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    // The caption is the address a click opens, so it is shown whole: where it is
    // wider than `width` pixels at the label's font, the font gets smaller until it
    // fits, down to 6 points.
    void fitCaptionWithin(int width);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace reelkit
