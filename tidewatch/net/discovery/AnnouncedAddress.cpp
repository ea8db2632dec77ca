// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/AnnouncedAddress.h"

#include <arpa/inet.h>
#include <net/if.h>

#include <cstring>

namespace AnnouncedAddress {

namespace {

bool namesOneIPv4Host(const unsigned char *bytes)
{
    // 0.0.0.0/8 is "this network", 224.0.0.0/4 multicast, 240.0.0.0/4 reserved and broadcast.
    return bytes[0] != 0 && bytes[0] < 224;
}

} // namespace

bool namesOneHost(const QString &address)
{
    if (address.size() > INET6_ADDRSTRLEN)
        return false;
    const QByteArray text = address.toLatin1();
    if (text.contains('\0'))
        return false; // the parser would stop there and take the rest for nothing
    unsigned char bytes[16] = {};
    if (inet_pton(AF_INET, text.constData(), bytes) == 1)
        return namesOneIPv4Host(bytes);
    if (inet_pton(AF_INET6, text.constData(), bytes) != 1)
        return false;
    static const unsigned char unspecified[16] = {};
    static const unsigned char mappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    if (std::memcmp(bytes, mappedPrefix, sizeof mappedPrefix) == 0)
        return namesOneIPv4Host(bytes + sizeof mappedPrefix);
    return bytes[0] != 0xff && std::memcmp(bytes, unspecified, sizeof unspecified) != 0;
}

QString reaching(const QString &address, int interface)
{
    char name[IF_NAMESIZE] = {};
    if (address.startsWith(QLatin1String("fe80:"), Qt::CaseInsensitive) && interface > 0
        && if_indextoname(unsigned(interface), name))
        return address + QLatin1Char('%') + QString::fromLocal8Bit(name);
    return address;
}

} // namespace AnnouncedAddress
