// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class GameBrowser;
class QListWidget;
class QListWidgetItem;
class QWidget;

// The games announced on the network, in a panel of their own below the client
// screen's panel: it shows and hides with that panel and looks for games only while
// shown. Selecting a game offers its address; activating it (double-click, Enter)
// picks it. Where games cannot be listed, one line says so.
class NetworkGamesList : public QObject
{
    Q_OBJECT

public:
    // The list's panel is a child of `clientPanel`'s parent; `browser` is owned here.
    NetworkGamesList(QWidget *clientPanel, GameBrowser *browser);

    QListWidget *list() const { return mList; }

signals:
    void selected(const QString &address);
    void picked(const QString &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void followPanel();
    static QString addressOf(const QListWidgetItem *item);

    QWidget *mClientPanel;
    QWidget *mPanel;
    QListWidget *mList;
    GameBrowser *mBrowser;
};
