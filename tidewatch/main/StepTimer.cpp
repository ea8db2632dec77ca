// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/StepTimer.h"

#include <QDateTime>

WallClockStepTimer::WallClockStepTimer()
{
    mTimer.setSingleShot(true);
    mTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&mTimer, &QTimer::timeout, [this] {
        // Taken first: the step may start the next one.
        const std::function<void()> step = std::exchange(mStep, {});
        step();
    });
}

// WaitSeconds: the pause ends at the first whole-second tick that lies `seconds` after
// the current whole second, like reading the clock to the second.
void WallClockStepTimer::start(int seconds, std::function<void()> step)
{
    mStep = std::move(step);
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 endMs = seconds <= 0 ? nowMs : (nowMs / 1000 + seconds) * 1000;
    mTimer.start(int(endMs - nowMs));
}

void WallClockStepTimer::stop()
{
    mTimer.stop();
    mStep = {};
}
