// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/ui/LoginPanel.h"

#include "accounts/LoginRules.h"
#include "main/GameFlow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

LoginPanel::LoginPanel(QWidget *window, GameFlow &flow)
    //: The log-in screen's name for a screen reader, and its title
    : SteelPanel(window, QStringLiteral("picContainerLogin"), tr("Login", "screen title"), 0, 0, 3735,
                 2055)
    , mFlow(flow)
{
    using namespace WidgetFactory;
    title(this, accessibleName(), 120, 60, 3495);

    QLabel *nameLabel = label(this, QString(), tr("Username:"), 120, 510, 1080, 285);
    cboPlayers = new QComboBox(this);
    cboPlayers->setEditable(true);
    cboPlayers->setInsertPolicy(QComboBox::NoInsert); // Enter must not add items behind our back
    cboPlayers->setCompleter(nullptr); // names are exact: "Bob" must not become "Bobby"
    place(cboPlayers, QStringLiteral("cboPlayers"), nameLabel, 1200, 480, 2400, 330);

    QLabel *passwordLabel = label(this, QString(), tr("Password:"), 120, 990, 1080,
                                  285);
    txtPassword = new QLineEdit(this);
    txtPassword->setEchoMode(QLineEdit::Password);
    place(txtPassword, QStringLiteral("txtPassword"), passwordLabel, 1200, 960, 2400, 330);

    cmdLogin = button(this, QStringLiteral("cmdLogin"), LoginRules::createCaption(), 120, 1560,
                      1560, 375);
    QPushButton *cmdAbout = button(this, QStringLiteral("cmdAbout"), tr("About"), 1740,
                                   1560, 900, 375);
    QPushButton *cmdExit = button(this, QStringLiteral("cmdExit"), tr("Exit"), 2700,
                                  1560, 915, 375);

    connect(cboPlayers, &QComboBox::editTextChanged, this, &LoginPanel::cboPlayers_Change);
    connect(cboPlayers, &QComboBox::activated, this, &LoginPanel::cboPlayers_Change);
    connect(txtPassword, &QLineEdit::returnPressed, this, &LoginPanel::cmdLogin_Click);
    connect(cmdLogin, &QPushButton::clicked, this, &LoginPanel::cmdLogin_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &LoginPanel::aboutClicked);
    connect(cmdExit, &QPushButton::clicked, this, &LoginPanel::exitClicked);
}

QWidget *LoginPanel::firstControl() const
{
    return cboPlayers;
}

void LoginPanel::addAccountName(const QString &name)
{
    // The first item of an editable box would take the place of what was typed.
    const QSignalBlocker quiet(cboPlayers);
    const QString typed = cboPlayers->currentText();
    cboPlayers->addItem(name);
    cboPlayers->setEditText(typed);
}

void LoginPanel::setLoginCaption(const QString &caption)
{
    cmdLogin->setText(caption);
}

void LoginPanel::cboPlayers_Change()
{
    mFlow.accounts().nameChanged(cboPlayers->currentText());
}

void LoginPanel::cmdLogin_Click()
{
    mFlow.accounts().submit(cboPlayers->currentText(), txtPassword->text());
    emit submitted();
}
