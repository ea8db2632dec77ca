// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/discovery/AvahiBus.h"

#include <QDBusMessage>
#include <QDBusMetaType>

namespace AvahiBus {

void registerTypes()
{
    qDBusRegisterMetaType<TxtRecord>();
}

QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                  const QList<QVariant> &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    return message;
}

QString cutToBytes(const QString &text, int bytes)
{
    QString cut;
    int used = 0;
    for (const char32_t character : text.toUcs4()) {
        const int size = character < 0x80 ? 1 : character < 0x800 ? 2 : character < 0x10000 ? 3 : 4;
        if (used + size > bytes)
            break;
        used += size;
        cut += QString::fromUcs4(&character, 1);
    }
    return cut;
}

} // namespace AvahiBus
