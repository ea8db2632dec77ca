// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <vector>

class GameFlow;
class QLabel;
class QPushButton;
class QWidget;
class Reelpane;

// The about view: the emblem, name, version and the maker's address straight on the
// window, OK and About Reelpane. A double click on the emblem switches the reveal mode.
class AboutView final : public QObject
{
    Q_OBJECT

public:
    AboutView(QWidget *window, GameFlow &flow, Reelpane &radar);

    std::vector<QWidget *> controls() const;
    QWidget *firstControl() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GameFlow &mFlow;
    QLabel *lblAbout1 = nullptr;
    QLabel *lblAbout2 = nullptr;
    QLabel *lblWebSite = nullptr;
    QLabel *imgAbout1 = nullptr;
    QPushButton *cmdAboutOK = nullptr;
    QPushButton *cmdAboutReelpane = nullptr;
};
