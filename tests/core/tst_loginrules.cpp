// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/AccountFile.h"
#include "accounts/LoginRules.h"

#include <QTest>

namespace {

const QString kNeedName = QStringLiteral("You Must Enter a Username");
const QString kNeedPassword = QStringLiteral("You Must Enter a Password");

} // namespace

class LoginRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void captionFollowsTheTypedName_data();
    void captionFollowsTheTypedName();
    void findAccountTakesTheFirstMatchingPair_data();
    void findAccountTakesTheFirstMatchingPair();
    void findAccountSurvivesListsOfDifferentLength();
    void creationRefusals_data();
    void creationRefusals();
    void theAccountLimit();
    void valuesTooLongForTheFileAreRefused();
};

void LoginRulesTest::captionFollowsTheTypedName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("caption");
    const QStringList names{"Alice", " bob ", "Carol"};
    QTest::newRow("exact name") << names << "Alice" << LoginRules::kCaptionLogin;
    QTest::newRow("later name") << names << "Carol" << LoginRules::kCaptionLogin;
    QTest::newRow("other case") << names << "alice" << LoginRules::kCaptionCreate;
    QTest::newRow("spaces kept") << names << " bob " << LoginRules::kCaptionLogin;
    QTest::newRow("spaces missing") << names << "bob" << LoginRules::kCaptionCreate;
    QTest::newRow("a prefix") << names << "Ali" << LoginRules::kCaptionCreate;
    QTest::newRow("empty text") << names << "" << LoginRules::kCaptionCreate;
    QTest::newRow("no accounts") << QStringList{} << "Alice" << LoginRules::kCaptionCreate;
}

void LoginRulesTest::captionFollowsTheTypedName()
{
    QFETCH(QStringList, names);
    QFETCH(QString, typed);
    QFETCH(QString, caption);
    QCOMPARE(LoginRules::captionFor(names, typed), caption);
}

void LoginRulesTest::findAccountTakesTheFirstMatchingPair_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("position");
    QTest::newRow("first sam") << "sam" << "one" << 1;
    QTest::newRow("second sam") << "sam" << "two" << 3;
    QTest::newRow("kim") << "kim" << "pw" << 2;
    QTest::newRow("wrong password") << "kim" << "PW" << 0;
    QTest::newRow("other case name") << "Sam" << "one" << 0;
    QTest::newRow("trailing space") << "kim " << "pw" << 0;
    QTest::newRow("password of another account") << "kim" << "one" << 0;
    QTest::newRow("unknown") << "zed" << "" << 0;
}

void LoginRulesTest::findAccountTakesTheFirstMatchingPair()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(int, position);
    const QStringList names{"sam", "kim", "sam"};
    const QStringList passwords{"one", "pw", "two"};
    QCOMPARE(LoginRules::findAccount(names, passwords, name, password), position);
}

void LoginRulesTest::findAccountSurvivesListsOfDifferentLength()
{
    QCOMPARE(LoginRules::findAccount({"a", "b"}, {"1"}, "b", ""), 0);
    QCOMPARE(LoginRules::findAccount({"a"}, {"1", "2"}, "a", "1"), 1);
}

void LoginRulesTest::creationRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("refusal"); // empty: created
    const QString lineBreak = QStringLiteral("A Username or Password Cannot Contain a Line Break");
    const QString latin1 = QStringLiteral(
        "A Username or Password Can Only Use Western European (Latin-1) Characters");
    QTest::newRow("plain") << "alice" << "secret" << QString();
    QTest::newRow("empty name") << "" << "secret" << kNeedName;
    QTest::newRow("spaces only name") << "   " << "secret" << kNeedName;
    QTest::newRow("name with spaces around") << "  al " << "secret" << QString();
    QTest::newRow("tab is not blank") << "\t" << "secret" << QString();
    QTest::newRow("empty password") << "alice" << "" << kNeedPassword;
    QTest::newRow("spaces only password") << "alice" << "  " << kNeedPassword;
    QTest::newRow("blank name before blank password") << " " << "" << kNeedName;
    QTest::newRow("blank name before a line break") << "" << "a\nb" << kNeedName;
    QTest::newRow("CR in name") << "al\rice" << "secret" << lineBreak;
    QTest::newRow("LF in name") << "alice\n" << "secret" << lineBreak;
    QTest::newRow("CR LF in password") << "alice" << "se\r\ncret" << lineBreak;
    QTest::newRow("line break before other characters") << "\u20ac\n" << "pw" << lineBreak;
    QTest::newRow("Latin-1 letters") << "J\u00f6rg" << "\u00e9\u00ff" << QString();
    QTest::newRow("euro sign in name") << "\u20ac" << "secret" << latin1;
    QTest::newRow("emoji in password") << "alice" << "\U0001F600" << latin1;
    const QString separator = QStringLiteral(
        "A Username or Password Cannot Contain \u00b6 (It Separates the Parts of Network Messages)");
    QTest::newRow("separator in name") << "gg\u00b6/gameover" << "pw" << separator;
    QTest::newRow("separator in password") << "alice" << "\u00b6" << separator;
    QTest::newRow("longest name") << QString(kMaxAccountLineLength, 'n') << "pw" << QString();
}

void LoginRulesTest::creationRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, refusal);
    QCOMPARE(LoginRules::creationRefusal({"alice"}, name, password), refusal);
}

void LoginRulesTest::theAccountLimit()
{
    QStringList names(LoginRules::kMaxAccounts - 1, QStringLiteral("n"));
    QCOMPARE(LoginRules::creationRefusal(names, "one more", "pw"), QString());
    names.append(QStringLiteral("n"));
    const QString refusal = LoginRules::creationRefusal(names, "one more", "pw");
    QVERIFY(refusal.contains(QStringLiteral("32767")));
    // The blank-name warning still comes first.
    QCOMPARE(LoginRules::creationRefusal(names, "", "pw"), kNeedName);
}

void LoginRulesTest::valuesTooLongForTheFileAreRefused()
{
    // A longer value would be skipped when the file is read back.
    const QString tooLong(kMaxAccountLineLength + 1, QLatin1Char('p'));
    QVERIFY(!LoginRules::creationRefusal({}, "alice", tooLong).isEmpty());
    QVERIFY(!LoginRules::creationRefusal({}, tooLong, "pw").isEmpty());
}

QTEST_GUILESS_MAIN(LoginRulesTest)
#include "tst_loginrules.moc"
