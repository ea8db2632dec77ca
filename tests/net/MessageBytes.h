// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/Protocol.h"

#include <QByteArray>
#include <QMetaType>
#include <QTest>

#include <vector>

using Messages = std::vector<Protocol::Message>;
Q_DECLARE_METATYPE(Protocol::Message)
Q_DECLARE_METATYPE(Messages)

// Wire bytes written the way a reader of the format would: '|' stands for the separator.
inline QByteArray wire(const char *text)
{
    QByteArray bytes(text);
    bytes.replace('|', Protocol::kSeparator);
    return bytes;
}

namespace QTest {
template <>
inline char *toString(const Protocol::Message &message)
{
    return toString(Protocol::encode(message));
}

template <>
inline char *toString(const Messages &messages)
{
    QByteArray all;
    for (const Protocol::Message &message : messages)
        all += (all.isEmpty() ? "" : " + ") + Protocol::encode(message);
    return toString(all);
}
} // namespace QTest
