// The log-in panel: choosing or creating an account, logging in and off.

#include "accounts/AccountFile.h"
#include "accounts/LoginRules.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    mAccountFile = accountFile;
    const AccountList accounts = ReadAccountFile(accountFile);
    for (qsizetype i = 0; i < accounts.names.size() && i < LoginRules::kMaxAccounts; ++i) {
        cboPlayers->addItem(accounts.names[i]);
        ++state.gPlayerCount;
        state.gPlayerNames.append(accounts.names[i]);
        state.gPlayerPasswords.append(accounts.passwords[i]);
    }
    cboPlayers->setEditText(QString());
}

void frmMain::cboPlayers_Change()
{
    cmdLogin->setText(LoginRules::CaptionFor(state.gPlayerNames, cboPlayers->currentText()));
}

void frmMain::cmdLogin_Click()
{
    if (cmdLogin->text() == LoginRules::kCaptionCreate)
        createAccount();
    else
        logIn();
}

void frmMain::logIn()
{
    const int position = LoginRules::FindAccount(state.gPlayerNames, state.gPlayerPasswords,
                                                 cboPlayers->currentText(), txtPassword->text());
    if (position == 0) {
        warn(QStringLiteral("The Entered Password is Incorrect or Invalid"));
        return;
    }
    state.gPlayerName = state.gPlayerNames[position - 1];
    showScreen(Screen::GameType);
    warmUpForPlay();
}

void frmMain::createAccount()
{
    const QString name = cboPlayers->currentText();
    const QString password = txtPassword->text();
    if (const QString refusal = LoginRules::CreationRefusal(state.gPlayerNames, name, password);
        !refusal.isEmpty()) {
        warn(refusal);
        return;
    }
    // The file first: an account that could not be saved is not offered either, so
    // the list and the file never disagree.
    QString error;
    QString notice;
    if (!AppendAccount(mAccountFile, name, password, &error, &notice)) {
        warn(QStringLiteral("The account could not be saved: ") + error);
        return;
    }
    if (!notice.isEmpty())
        inform(notice);
    cboPlayers->addItem(name);
    ++state.gPlayerCount;
    state.gPlayerNames.append(name);
    state.gPlayerPasswords.append(password);
    cboPlayers->setEditText(name);
    cboPlayers_Change();
}

void frmMain::cmdLogOff_Click()
{
    state.gPlayerName.clear();
    showScreen(Screen::Login);
}
