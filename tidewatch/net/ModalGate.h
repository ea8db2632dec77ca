#pragma once

#include <QObject>

#include <deque>
#include <functional>

// Socket events run in arrival order, but never while one of the game's own message
// boxes is up: the box's event loop would otherwise let a second box open inside the
// first, and a handler half-way through its steps would see the game change under it.
// Held events run once the last box has closed and the handler that opened it is done.
class ModalGate : public QObject
{
public:
    explicit ModalGate(QObject *parent = nullptr);

    void run(std::function<void()> event);
    void boxOpened();
    void boxClosed();
    bool boxOpen() const { return mOpenBoxes > 0; }

private:
    void drain();

    std::deque<std::function<void()>> mHeld;
    int mOpenBoxes = 0;
    bool mDraining = false;
};
