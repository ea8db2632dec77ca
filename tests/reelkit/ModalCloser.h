// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Waits on the event loop for the next modal dialog and hands it to inspect,
// which must close it. Lets a test look into a dialog shown with exec().
inline void whenModalShows(std::function<void(QWidget *)> inspect)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect = std::move(inspect)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        inspect(modal);
    });
    poll->start();
}
