// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Bench-only: tells the driver when a program's window has first been painted.
// Watches the whole application for the first paint of a top-level widget and,
// once that paint and its flush are done (the event loop is free again), prints
// "painted NS" with the system-wide monotonic clock on standard output.
class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mSeen = false;
};
