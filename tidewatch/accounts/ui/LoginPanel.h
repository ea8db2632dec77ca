// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accounts/LoginView.h"
#include "main/ui/widgets/WidgetFactory.h"

class GameFlow;
class QComboBox;
class QLineEdit;
class QPushButton;

// The log-in screen: choosing or creating an account, logging in, About and Exit.
class LoginPanel final : public SteelPanel, public LoginView
{
    Q_OBJECT

public:
    // The flow may be built after its views; the panel calls it only from its controls.
    LoginPanel(QWidget *window, GameFlow &flow);

    QWidget *firstControl() const;

    void addAccountName(const QString &name) override;
    void setLoginCaption(const QString &caption) override;

signals:
    void submitted(); // after the flow has judged the name and password
    void aboutClicked();
    void exitClicked();

private:
    void cboPlayers_Change();
    void cmdLogin_Click();

    GameFlow &mFlow;
    QComboBox *cboPlayers = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdLogin = nullptr;
};
