// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include <functional>

// When the flow's next step runs, so that no handler waits for it: the computer's shot
// after its pause, the rest of a handler after the window's pending events. The game's
// timer reads the wall clock; a test steps its own.
class StepTimer
{
public:
    virtual ~StepTimer() = default;
    // Runs `step` once, at the `seconds`-th whole-second tick from now, or with 0 on the
    // event loop's next pass. A step still waiting is replaced.
    virtual void start(int seconds, std::function<void()> step) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class WallClockStepTimer final : public StepTimer
{
public:
    WallClockStepTimer();

    void start(int seconds, std::function<void()> step) override;
    void stop() override;
    bool isActive() const override { return mTimer.isActive(); }

private:
    QTimer mTimer;
    std::function<void()> mStep;
};
