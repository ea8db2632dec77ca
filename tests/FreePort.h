// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTcpServer>
#include <QTest>

// Another program on the game's port would answer in the game's place, and every
// test would wait out its timeouts: stop at once, saying why.
inline void requireFreePort(quint16 port)
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::Any, port))
        QFAIL(qPrintable(QStringLiteral("Port %1 is taken by another program (%2); these tests need it.")
                             .arg(port)
                             .arg(probe.errorString())));
}
