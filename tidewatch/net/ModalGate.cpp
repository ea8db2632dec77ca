#include "net/ModalGate.h"

#include <QPointer>
#include <QTimer>

ModalGate::ModalGate(QObject *parent)
    : QObject(parent)
{
}

void ModalGate::run(std::function<void()> event)
{
    if (mOpenBoxes == 0 && mHeld.empty() && !mDraining) {
        event();
        return;
    }
    mHeld.push_back(std::move(event));
}

void ModalGate::boxOpened()
{
    ++mOpenBoxes;
}

void ModalGate::boxClosed()
{
    if (--mOpenBoxes == 0 && !mHeld.empty())
        QTimer::singleShot(0, this, &ModalGate::drain);
}

void ModalGate::drain()
{
    if (mDraining)
        return;
    QPointer<ModalGate> self(this);
    mDraining = true;
    while (mOpenBoxes == 0 && !mHeld.empty()) {
        const std::function<void()> event = std::move(mHeld.front());
        mHeld.pop_front();
        event();
        if (!self)
            return; // the window went away with this event
    }
    mDraining = false;
}
