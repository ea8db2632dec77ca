// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaintProbe.h"

#include "MonotonicClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

FirstPaintProbe::FirstPaintProbe(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!mSeen && event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->isWindow()) {
        mSeen = true;
        // The paint of the children and the flush to the screen follow in the same
        // pass; a zero timer runs once all of that is over.
        QTimer::singleShot(0, [] {
            std::printf("painted %lld\n", static_cast<long long>(MonotonicClock::nanoseconds()));
            std::fflush(stdout);
        });
    }
    return QObject::eventFilter(watched, event);
}
