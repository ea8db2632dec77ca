// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <deque>
#include <functional>

// Socket events run in arrival order, but never while one of the game's own message
// boxes is up: the window goes on handling events behind the box, and what the peer
// sent must not change the game, or open a second box, before the player has read the
// first. Held events run once the last box has closed and what followed it is done.
//
// Every event has a weight, about the memory it holds (received bytes and messages).
// What is held is bounded: a reader asks hasRoom() before taking more from its socket,
// and is told through the room callback when it may read again. Events run a batch of
// kPassWeight at a time, returning to the event loop between batches, so the window
// answers while a backlog drains.
class ModalGate : public QObject
{
public:
    static constexpr qsizetype kHeldWeight = 1024 * 1024;
    static constexpr qsizetype kPassWeight = 32 * 1024;

    explicit ModalGate(QObject *parent = nullptr);

    void run(std::function<void()> event, qsizetype weight = 0);
    // Held ahead of everything else: the rest of an event that a box interrupted.
    void holdFirst(std::function<void()> event, qsizetype weight);
    void boxOpened();
    void boxClosed();
    bool boxOpen() const { return mOpenBoxes > 0; }
    bool hasRoom() const { return mHeldWeight < kHeldWeight; }
    // Called on the pass after the held weight has fallen below the bound again.
    void setRoomCallback(std::function<void()> onRoom) { mOnRoom = std::move(onRoom); }

private:
    struct Held
    {
        std::function<void()> event;
        qsizetype weight;
    };

    bool runsNow() const;
    void spend(qsizetype weight);
    void scheduleDrain();
    void drain();

    std::deque<Held> mHeld;
    qsizetype mHeldWeight = 0;
    qsizetype mPassSpent = 0; // weight run since the event loop last had a turn
    bool mPassEndScheduled = false;
    bool mDrainScheduled = false;
    bool mWasFull = false;
    int mOpenBoxes = 0;
    bool mDraining = false; // an event run by the drain holds what it raises itself
    std::function<void()> mOnRoom;
};
