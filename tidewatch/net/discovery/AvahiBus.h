// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QDBusMessage;
class QVariant;

// What the game uses of the Avahi daemon's D-Bus interface: names, and the numbers
// its methods take. Every call to it is asynchronous; no reply is waited for.
namespace AvahiBus {

inline const QString kService = QStringLiteral("org.freedesktop.Avahi");
inline const QString kServer = QStringLiteral("org.freedesktop.Avahi.Server");
inline const QString kServer2 = QStringLiteral("org.freedesktop.Avahi.Server2");
inline const QString kEntryGroup = QStringLiteral("org.freedesktop.Avahi.EntryGroup");
inline const QString kServiceBrowser = QStringLiteral("org.freedesktop.Avahi.ServiceBrowser");

constexpr int kAnyInterface = -1;
constexpr int kAnyProtocol = -1;
constexpr int kIPv4 = 0;

// Entry group states of its StateChanged signal.
constexpr int kGroupEstablished = 2;
constexpr int kGroupCollision = 3;
inline const QString kCollisionError = QStringLiteral("org.freedesktop.Avahi.CollisionError");

// The game's own DNS-SD service type; the waiting player's name is also in the TXT
// record, so the list need not parse it out of a renamed instance.
inline const QString kGameType = QStringLiteral("_tidewatch._tcp");
inline const QByteArray kPlayerKey = QByteArrayLiteral("player=");

// DNS-SD instance names are at most 63 bytes.
constexpr int kMaxInstanceBytes = 63;

using TxtRecord = QList<QByteArray>; // D-Bus "aay"
// Makes TxtRecord known to Qt D-Bus; cheap to call again.
void registerTypes();

// A method call to the daemon's object at `path`, for QDBusConnection::asyncCall.
QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                  const QList<QVariant> &arguments = {});

// `text` cut to at most `bytes` bytes of UTF-8, never inside a character.
QString cutToBytes(const QString &text, int bytes);

} // namespace AvahiBus
