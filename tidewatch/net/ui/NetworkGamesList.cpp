// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ui/NetworkGamesList.h"

#include "main/ui/widgets/Geometry.h"
#include "main/ui/widgets/WidgetFactory.h"
#include "net/discovery/GameBrowser.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr int kGapTwips = 120;
constexpr int kPanelHeightTwips = 1860;
constexpr int kAddressRole = Qt::UserRole;

} // namespace

NetworkGamesList::NetworkGamesList(QWidget *clientPanel, GameBrowser *browser)
    : QObject(clientPanel)
    , mClientPanel(clientPanel)
    , mPanel(WidgetFactory::panel(clientPanel->parentWidget(), QStringLiteral("picContainerNetworkGames"),
                                  tr("Games on the network"),
                                  0, 0, clientPanel->width() * Twips::kPerPixel, kPanelHeightTwips))
    , mList(new QListWidget(mPanel))
    , mBrowser(browser)
{
    mBrowser->setParent(this);
    QLabel *title = WidgetFactory::title(mPanel, tr("Games on the network:"), 120, 60, 3495);
    WidgetFactory::place(mList, QStringLiteral("lstNetworkGames"), title, 120, 420, 3495, 1320);
    // A row wider than the list wraps: nothing is hidden behind a scroll bar.
    mList->setWordWrap(true);
    mList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mList->setForegroundRole(QPalette::Text); // what its rows are written in
    clientPanel->installEventFilter(this);
    followPanel();

    connect(mBrowser, &GameBrowser::changed, this, &NetworkGamesList::refresh);
    connect(mList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (const QString address = addressOf(item); !address.isEmpty())
            emit selected(address);
    });
    connect(mList, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        if (const QString address = addressOf(item); !address.isEmpty())
            emit picked(address);
    });
    refresh();
}

QString NetworkGamesList::addressOf(const QListWidgetItem *item)
{
    return item ? item->data(kAddressRole).toString() : QString();
}

bool NetworkGamesList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mClientPanel) {
        switch (event->type()) {
        case QEvent::Move:
            followPanel();
            break;
        case QEvent::Show:
            mPanel->show();
            mBrowser->start();
            break;
        case QEvent::Hide:
            mPanel->hide();
            mBrowser->stop();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void NetworkGamesList::followPanel()
{
    mPanel->move(mClientPanel->x(), mClientPanel->geometry().bottom() + 1 + Twips::toPixels(kGapTwips));
}

void NetworkGamesList::refresh()
{
    // Rebuilt silently: the game chosen stays chosen and the host box keeps what was typed.
    const QSignalBlocker silent(mList);
    const QString current = addressOf(mList->currentItem());
    mList->clear();
    const auto note = [this](const QString &text) {
        auto *item = new QListWidgetItem(text, mList);
        item->setFlags(Qt::ItemIsEnabled); // read, never picked
    };
    switch (mBrowser->status()) {
    case GameBrowser::Status::Unavailable:
        return note(tr("Games on the network cannot be listed here."));
    case GameBrowser::Status::Stopped:
        return;
    case GameBrowser::Status::Looking:
        break;
    }
    const std::vector<NetworkGame> games = mBrowser->games();
    if (games.empty())
        return note(tr("Looking for games..."));
    const QStringList rows = rowTexts(games);
    for (std::size_t game = 0; game < games.size(); ++game) {
        auto *item = new QListWidgetItem(rows[qsizetype(game)], mList);
        item->setData(kAddressRole, games[game].address);
        item->setToolTip(games[game].address);
        if (games[game].address == current)
            mList->setCurrentItem(item, QItemSelectionModel::NoUpdate);
    }
}
