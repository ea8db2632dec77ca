// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ModalGate.h"

#include <QTimer>

ModalGate::ModalGate(QObject *parent)
    : QObject(parent)
{
}

bool ModalGate::runsNow() const
{
    return mOpenBoxes == 0 && mHeld.empty() && !mDraining && mPassSpent < kPassWeight;
}

void ModalGate::run(std::function<void()> event, qsizetype weight)
{
    if (runsNow()) {
        spend(weight);
        event();
        return;
    }
    mHeld.push_back({std::move(event), weight});
    mHeldWeight += weight;
    mWasFull = mWasFull || !hasRoom();
    scheduleDrain();
}

void ModalGate::holdFirst(std::function<void()> event, qsizetype weight)
{
    mHeld.push_front({std::move(event), weight});
    mHeldWeight += weight;
    mWasFull = mWasFull || !hasRoom();
    scheduleDrain();
}

// What runs at once counts against this pass; the count starts again once the event
// loop has had its turn.
void ModalGate::spend(qsizetype weight)
{
    mPassSpent += weight;
    if (mPassEndScheduled)
        return;
    mPassEndScheduled = true;
    QTimer::singleShot(0, this, [this] {
        mPassEndScheduled = false;
        mPassSpent = 0;
    });
}

void ModalGate::boxOpened()
{
    ++mOpenBoxes;
}

void ModalGate::boxClosed()
{
    --mOpenBoxes;
    scheduleDrain();
}

void ModalGate::scheduleDrain()
{
    if (mOpenBoxes > 0 || mHeld.empty() || mDrainScheduled)
        return;
    mDrainScheduled = true;
    QTimer::singleShot(0, this, &ModalGate::drain);
}

void ModalGate::drain()
{
    mDrainScheduled = false;
    mDraining = true;
    qsizetype spent = 0;
    while (mOpenBoxes == 0 && !mHeld.empty() && spent < kPassWeight) {
        Held held = std::move(mHeld.front());
        mHeld.pop_front();
        mHeldWeight -= held.weight;
        spent += held.weight;
        held.event();
    }
    mDraining = false;
    scheduleDrain();
    if (mWasFull && hasRoom()) {
        mWasFull = false;
        if (mOnRoom)
            mOnRoom();
    }
}
