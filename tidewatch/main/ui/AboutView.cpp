// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/AboutView.h"

#include "LinkLabel.h"
#include "Reelpane.h"
#include "main/DataPaths.h"
#include "main/GameFlow.h"
#include "main/ui/widgets/Artwork.h"
#include "main/ui/widgets/WidgetFactory.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

AboutView::AboutView(QWidget *window, GameFlow &flow, Reelpane &radar)
    : QObject(window)
    , mFlow(flow)
{
    using namespace WidgetFactory;
    imgAbout1 = label(window, QStringLiteral("imgAbout1"), QString(), 3000, 2160, 1440, 1440);
    imgAbout1->setPixmap(Artwork::pixmap(QStringLiteral("about")));
    imgAbout1->setAccessibleName(tr("Tidewatch emblem"));
    imgAbout1->installEventFilter(this);
    lblAbout1 = label(window, QStringLiteral("lblAbout1"), QStringLiteral("Orvane Tidewatch"), 4680,
                      2160, 4500, 480);
    lblAbout2 = label(window, QStringLiteral("lblAbout2"),
                      tr("A sea battle for one or two players. Version 0.0.3"), 4680,
                      2700, 4500, 285);
    // The maker's address is the game's README on this machine: a player can open it
    // without a network, and it says who makes the game and how to play it.
    const QString readme = QUrl::fromLocalFile(DataPaths::forThisProgram().readme).toString();
    auto *webSite = new reelkit::LinkLabel(readme, window);
    place(webSite, QStringLiteral("lblWebSite"), nullptr, 4680, 3060, 4500, 285);
    webSite->fitCaptionWithin(webSite->contentsRect().width()); // an install under a long folder
    // What the desktop does with the address is its own.
    connect(webSite, &reelkit::LinkLabel::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl(lblWebSite->text())); });
    lblWebSite = webSite;
    cmdAboutOK = button(window, QStringLiteral("cmdAboutOK"), tr("OK"), 4680, 3600,
                        1095, 375);
    cmdAboutReelpane = button(window, QStringLiteral("cmdAboutReelpane"),
                              tr("About Reelpane"), 5895, 3600, 1800, 375);
    connect(cmdAboutOK, &QPushButton::clicked, this, [this] { mFlow.aboutClosed(); });
    connect(cmdAboutReelpane, &QPushButton::clicked, this,
            [&radar] { radar.Invoke(Reelpane::DispIdAbout); });
}

std::vector<QWidget *> AboutView::controls() const
{
    return {lblAbout1, lblAbout2, lblWebSite, imgAbout1, cmdAboutOK, cmdAboutReelpane};
}

QWidget *AboutView::firstControl() const
{
    return cmdAboutOK;
}

bool AboutView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgAbout1 && event->type() == QEvent::MouseButtonDblClick) {
        mFlow.toggleReveal();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
