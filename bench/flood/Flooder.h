// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <atomic>
#include <thread>

// The hostile peer: a plain blocking TCP client on a thread of its own, so that its
// pace is the game's reading pace and nothing of the measuring side slows it down.
class Flooder
{
public:
    Flooder() = default;
    ~Flooder();
    Flooder(const Flooder &) = delete;
    Flooder &operator=(const Flooder &) = delete;

    bool connectTo(quint16 port);
    bool send(const QByteArray &bytes); // blocking, all of it
    void startFlood();                  // chat lines as fast as the game takes them
    void stopFlood(); // waits for the chunk under way: the game must be reading
    qint64 bytesFlooded() const { return mFlooded; }
    void close();

private:
    int mSocket = -1;
    std::thread mThread;
    std::atomic<bool> mStop{false};
    std::atomic<qint64> mFlooded{0};
};
