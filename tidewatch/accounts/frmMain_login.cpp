// SPDX-License-Identifier: GPL-3.0-or-later
// The log-in panel: choosing or creating an account, logging in and off.

#include "accounts/LoginRules.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

void frmMain::buildLoginPanel()
{
    using namespace WidgetFactory;
    picContainerLogin = panel(this, QStringLiteral("picContainerLogin"), QStringLiteral("Login"),
                              0, 0, 3735, 2055);
    title(picContainerLogin, QStringLiteral("Login"), 120, 60, 3495);

    QLabel *nameLabel = label(picContainerLogin, QString(), QStringLiteral("Username:"), 120, 510,
                              1080, 285);
    cboPlayers = new QComboBox(picContainerLogin);
    cboPlayers->setEditable(true);
    cboPlayers->setInsertPolicy(QComboBox::NoInsert); // Enter must not add items behind our back
    cboPlayers->setCompleter(nullptr); // names are exact: "Bob" must not become "Bobby"
    place(cboPlayers, QStringLiteral("cboPlayers"), nameLabel, 1200, 480, 2400, 330);

    QLabel *passwordLabel = label(picContainerLogin, QString(), QStringLiteral("Password:"), 120,
                                  990, 1080, 285);
    txtPassword = new QLineEdit(picContainerLogin);
    txtPassword->setEchoMode(QLineEdit::Password);
    place(txtPassword, QStringLiteral("txtPassword"), passwordLabel, 1200, 960, 2400, 330);

    cmdLogin = button(picContainerLogin, QStringLiteral("cmdLogin"), LoginRules::kCaptionCreate,
                      120, 1560, 1560, 375);
    cmdAbout = button(picContainerLogin, QStringLiteral("cmdAbout"), QStringLiteral("About"), 1740,
                      1560, 900, 375);
    cmdExit = button(picContainerLogin, QStringLiteral("cmdExit"), QStringLiteral("Exit"), 2700,
                     1560, 915, 375);

    connect(cboPlayers, &QComboBox::editTextChanged, this, &frmMain::cboPlayers_Change);
    connect(cboPlayers, &QComboBox::activated, this, &frmMain::cboPlayers_Change);
    connect(txtPassword, &QLineEdit::returnPressed, this, &frmMain::cmdLogin_Click);
    connect(cmdLogin, &QPushButton::clicked, this, &frmMain::cmdLogin_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

void frmMain::LoadAccounts(const QString &accountFile)
{
    mFlow.accounts().load(accountFile);
}

void frmMain::addAccountName(const QString &name)
{
    // The first item of an editable box would take the place of what was typed.
    const QSignalBlocker quiet(cboPlayers);
    const QString typed = cboPlayers->currentText();
    cboPlayers->addItem(name);
    cboPlayers->setEditText(typed);
}

void frmMain::setLoginCaption(const QString &caption)
{
    cmdLogin->setText(caption);
}

void frmMain::cboPlayers_Change()
{
    mFlow.accounts().nameChanged(cboPlayers->currentText());
}

void frmMain::cmdLogin_Click()
{
    mFlow.accounts().submit(cboPlayers->currentText(), txtPassword->text());
    if (currentScreen() != Screen::Login)
        warmUpForPlay();
}

void frmMain::cmdLogOff_Click()
{
    mFlow.accounts().logOff();
}
