// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The address a game's announcement resolved to. Anyone on the network can announce
// any address, so only one that names a single host is taken.
namespace AnnouncedAddress {

// IPv4 or IPv6 text of one host: not a multicast, broadcast or unspecified address.
bool namesOneHost(const QString &address);

// The address as the client connects to it: a link-local IPv6 address reaches its
// host only through the interface it came by, so that is named after it.
QString reaching(const QString &address, int interface);

} // namespace AnnouncedAddress
