// SPDX-License-Identifier: GPL-3.0-or-later
#include "Flooder.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QByteArray kSeparator("\xB6", 1);

// About 64 KB of short chat lines, each a whole message.
QByteArray floodChunk()
{
    QByteArray chunk;
    for (int line = 0; chunk.size() < 64 * 1024; ++line)
        chunk += "/msg" + kSeparator + "Eve" + kSeparator + "flood line " + QByteArray::number(line)
                 + " the quick brown fox";
    return chunk;
}

} // namespace

Flooder::~Flooder()
{
    close();
}

bool Flooder::connectTo(quint16 port)
{
    mSocket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return mSocket >= 0 && ::connect(mSocket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
}

bool Flooder::send(const QByteArray &bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(mSocket, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

void Flooder::startFlood()
{
    mStop = false;
    mThread = std::thread([this] {
        const QByteArray chunk = floodChunk();
        while (!mStop && send(chunk))
            mFlooded += chunk.size();
    });
}

void Flooder::stopFlood()
{
    mStop = true;
    if (mThread.joinable())
        mThread.join(); // after the chunk under way, which a reading game takes at once
}

void Flooder::close()
{
    if (mSocket >= 0)
        ::shutdown(mSocket, SHUT_RDWR); // a send blocked on a game that does not read returns
    stopFlood();
    if (mSocket >= 0)
        ::close(mSocket);
    mSocket = -1;
}
