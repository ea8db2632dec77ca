#include "accounts/AccountFile.h"
#include "accounts/LoginRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool runningAsRoot()
{
    return ::geteuid() == 0; // root ignores permission bits
}

} // namespace

class AccountFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void roundTripKeepsSpacesAndOrder();
    void namesDifferingOnlyInCaseAreTwoAccounts();
    void duplicateNamesLoadAsSeparateAccounts();
    void readsLines_data();
    void readsLines();
    void aMissingFileOrFolderGivesNoAccounts();
    void eightBitCharactersRoundTripAsOneByte();
    void anOverlongLineSkipsOnlyItsAccount();
    void readingStopsAtTheAccountLimit();
    void appendCreatesFolderAndOwnerOnlyFile();
    void appendKeepsAnExistingFilesPermissions();
    void appendCompletesAnUnterminatedLastLine();
    void appendDropsAnIncompleteLastAccount();
    void appendRefusesValuesTheFileCannotHold_data();
    void appendRefusesValuesTheFileCannotHold();
    void appendFailsWhenTheFolderCannotBeMade();
    void appendFailsInAnUnwritableFolder();
    void appendToAReadOnlyFileLeavesItAsItWas();
    void appendFailsWhenTheDiskIsFull_data();
    void appendFailsWhenTheDiskIsFull();
    void devicesAreNotAccountFiles();

private:
    QString writeRaw(const QByteArray &bytes);
    QByteArray fileBytes() const;

    QTemporaryDir mDir;
    QString mPath;
};

void AccountFileTest::init()
{
    QVERIFY(mDir.isValid());
    mPath = mDir.filePath(QStringLiteral("data/players.txt"));
    QFile::remove(mPath);
}

QString AccountFileTest::writeRaw(const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(mPath).absolutePath());
    QFile file(mPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    file.write(bytes);
    return {};
}

QByteArray AccountFileTest::fileBytes() const
{
    QFile file(mPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AccountFileTest::roundTripKeepsSpacesAndOrder()
{
    QString error;
    QVERIFY(AppendAccount(mPath, QStringLiteral("  alice "), QStringLiteral(" pass word "), &error));
    QVERIFY(AppendAccount(mPath, QStringLiteral("Bob"), QStringLiteral("x"), &error));
    QVERIFY(AppendAccount(mPath, QStringLiteral("carol"), QStringLiteral("   "), &error));
    QCOMPARE(fileBytes(), QByteArray("  alice \r\n pass word \r\nBob\r\nx\r\ncarol\r\n   \r\n"));
    const AccountList accounts = ReadAccountFile(mPath);
    QCOMPARE(accounts.names, (QStringList{"  alice ", "Bob", "carol"}));
    QCOMPARE(accounts.passwords, (QStringList{" pass word ", "x", "   "}));
}

void AccountFileTest::namesDifferingOnlyInCaseAreTwoAccounts()
{
    QVERIFY(AppendAccount(mPath, QStringLiteral("Bob"), QStringLiteral("one"), nullptr));
    QVERIFY(AppendAccount(mPath, QStringLiteral("bob"), QStringLiteral("two"), nullptr));
    const AccountList accounts = ReadAccountFile(mPath);
    QCOMPARE(accounts.names, (QStringList{"Bob", "bob"}));
    QCOMPARE(accounts.passwords, (QStringList{"one", "two"}));
}

void AccountFileTest::duplicateNamesLoadAsSeparateAccounts()
{
    QCOMPARE(writeRaw("sam\r\nfirst\r\nsam\r\nsecond\r\n"), QString());
    const AccountList accounts = ReadAccountFile(mPath);
    QCOMPARE(accounts.names, (QStringList{"sam", "sam"}));
    QCOMPARE(accounts.passwords, (QStringList{"first", "second"}));
}

void AccountFileTest::readsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("passwords");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc\r\nd\r\n") << QStringList{"a", "c"}
                           << QStringList{"b", "d"};
    QTest::newRow("LF alone") << QByteArray("a\nb\nc\nd\n") << QStringList{"a", "c"}
                              << QStringList{"b", "d"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\nd\r\n") << QStringList{"a", "c"}
                           << QStringList{"b", "d"};
    QTest::newRow("no line end at the end") << QByteArray("a\r\nb") << QStringList{"a"}
                                            << QStringList{"b"};
    QTest::newRow("incomplete last account") << QByteArray("a\r\nb\r\nc\r\n")
                                             << QStringList{"a"} << QStringList{"b"};
    QTest::newRow("incomplete, no line end") << QByteArray("a\r\nb\r\nc") << QStringList{"a"}
                                             << QStringList{"b"};
    QTest::newRow("empty lines are empty values") << QByteArray("\r\n\r\n") << QStringList{""}
                                                  << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{};
    QTest::newRow("a lone CR stays in the value") << QByteArray("a\rb\r\nc\r\n")
                                                  << QStringList{"a\rb"} << QStringList{"c"};
    QTest::newRow("NUL bytes are characters") << QByteArray("a\0b\r\nc\r\n", 8)
                                              << QStringList{QString::fromLatin1("a\0b", 3)}
                                              << QStringList{"c"};
}

void AccountFileTest::readsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QFETCH(QStringList, passwords);
    QCOMPARE(writeRaw(bytes), QString());
    const AccountList accounts = ReadAccountFile(mPath);
    QCOMPARE(accounts.names, names);
    QCOMPARE(accounts.passwords, passwords);
}

void AccountFileTest::aMissingFileOrFolderGivesNoAccounts()
{
    const AccountList noFile = ReadAccountFile(mPath);
    QVERIFY(noFile.names.isEmpty() && noFile.passwords.isEmpty());
    const AccountList noFolder = ReadAccountFile(mDir.filePath("missing/data/players.txt"));
    QVERIFY(noFolder.names.isEmpty() && noFolder.passwords.isEmpty());
    const AccountList aFolder = ReadAccountFile(mDir.path());
    QVERIFY(aFolder.names.isEmpty());
}

void AccountFileTest::eightBitCharactersRoundTripAsOneByte()
{
    const QString name = QStringLiteral("J\u00f6rg \u00e9\u00ff");
    QVERIFY(AppendAccount(mPath, name, QStringLiteral("\u00a3\u00b6"), nullptr));
    QCOMPARE(fileBytes(), QByteArray("J\xf6rg \xe9\xff\r\n\xa3\xb6\r\n"));
    QCOMPARE(ReadAccountFile(mPath).names, QStringList{name});
}

void AccountFileTest::anOverlongLineSkipsOnlyItsAccount()
{
    const QByteArray longest(kMaxAccountLineLength, 'x');
    const QByteArray tooLong(kMaxAccountLineLength + 1, 'y');
    const QByteArray huge(5 * 1024 * 1024, 'z');
    QCOMPARE(writeRaw("a\r\n" + tooLong + "\r\nb\r\nc\r\n" + huge + "\r\nd\r\n" + longest
                      + "\r\nok\r\n"),
             QString());
    const AccountList accounts = ReadAccountFile(mPath);
    QCOMPARE(accounts.names, (QStringList{"b", QString::fromLatin1(longest)}));
    QCOMPARE(accounts.passwords, (QStringList{"c", "ok"}));
}

void AccountFileTest::readingStopsAtTheAccountLimit()
{
    QByteArray bytes;
    for (int i = 0; i <= LoginRules::kMaxAccounts; ++i)
        bytes += "n\r\np\r\n";
    QCOMPARE(writeRaw(bytes), QString());
    const AccountList accounts = ReadAccountFile(mPath);
    QCOMPARE(accounts.names.size(), LoginRules::kMaxAccounts);
    QCOMPARE(accounts.passwords.size(), LoginRules::kMaxAccounts);
}

void AccountFileTest::appendCreatesFolderAndOwnerOnlyFile()
{
    const QString deep = mDir.filePath(QStringLiteral("new/data/players.txt"));
    QString error;
    QVERIFY2(AppendAccount(deep, QStringLiteral("a"), QStringLiteral("b"), &error),
             qPrintable(error));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(deep).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
    QCOMPARE(ReadAccountFile(deep).names, QStringList{"a"});
}

void AccountFileTest::appendKeepsAnExistingFilesPermissions()
{
    QCOMPARE(writeRaw("a\r\nb\r\n"), QString());
    QVERIFY(::chmod(QFile::encodeName(mPath).constData(), 0640) == 0);
    QVERIFY(AppendAccount(mPath, QStringLiteral("c"), QStringLiteral("d"), nullptr));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(mPath).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0640));
}

void AccountFileTest::appendCompletesAnUnterminatedLastLine()
{
    QCOMPARE(writeRaw("a\r\nb"), QString());
    QVERIFY(AppendAccount(mPath, QStringLiteral("c"), QStringLiteral("d"), nullptr));
    QCOMPARE(fileBytes(), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
}

void AccountFileTest::appendDropsAnIncompleteLastAccount()
{
    for (const QByteArray &start : {QByteArray("a\r\nb\r\nhalf\r\n"), QByteArray("a\nb\nhalf")}) {
        QCOMPARE(writeRaw(start), QString());
        QVERIFY(AppendAccount(mPath, QStringLiteral("c"), QStringLiteral("d"), nullptr));
        const AccountList accounts = ReadAccountFile(mPath);
        QCOMPARE(accounts.names, (QStringList{"a", "c"}));
        QCOMPARE(accounts.passwords, (QStringList{"b", "d"}));
    }
    QCOMPARE(writeRaw("half"), QString());
    QVERIFY(AppendAccount(mPath, QStringLiteral("c"), QStringLiteral("d"), nullptr));
    QCOMPARE(fileBytes(), QByteArray("c\r\nd\r\n"));
}

void AccountFileTest::appendRefusesValuesTheFileCannotHold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("CR in name") << QStringLiteral("a\rb") << QStringLiteral("p");
    QTest::newRow("LF in password") << QStringLiteral("a") << QStringLiteral("p\nq");
    QTest::newRow("euro sign") << QStringLiteral("\u20ac") << QStringLiteral("p");
    QTest::newRow("too long") << QString(kMaxAccountLineLength + 1, QLatin1Char('n'))
                              << QStringLiteral("p");
}

void AccountFileTest::appendRefusesValuesTheFileCannotHold()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QCOMPARE(writeRaw("a\r\nb\r\n"), QString());
    QString error;
    QVERIFY(!AppendAccount(mPath, name, password, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(), QByteArray("a\r\nb\r\n"));
}

void AccountFileTest::appendFailsWhenTheFolderCannotBeMade()
{
    // "data" is a plain file here, so no folder of that name can be made.
    QFile blocker(mDir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    QVERIFY(!AppendAccount(mDir.filePath(QStringLiteral("blocked/players.txt")),
                           QStringLiteral("a"), QStringLiteral("b"), &error));
    QVERIFY(!error.isEmpty());
}

void AccountFileTest::appendFailsInAnUnwritableFolder()
{
    if (runningAsRoot())
        QSKIP("root writes into read-only folders");
    const QString folder = mDir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QString error;
    const QString path = folder + QStringLiteral("/players.txt");
    const bool saved = AppendAccount(path, QStringLiteral("a"), QStringLiteral("b"), &error);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void AccountFileTest::appendToAReadOnlyFileLeavesItAsItWas()
{
    if (runningAsRoot())
        QSKIP("root writes into read-only files");
    QCOMPARE(writeRaw("a\r\nb\r\nhalf\r\n"), QString());
    QVERIFY(QFile::setPermissions(mPath, QFileDevice::ReadOwner));
    QString error;
    QVERIFY(!AppendAccount(mPath, QStringLiteral("c"), QStringLiteral("d"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(), QByteArray("a\r\nb\r\nhalf\r\n"));
}

void AccountFileTest::appendFailsWhenTheDiskIsFull_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("no file yet") << QByteArray();
    QTest::newRow("complete accounts") << QByteArray("a\r\nb\r\n");
    QTest::newRow("incomplete last account") << QByteArray("a\r\nb\r\nhalf\r\n");
    QTest::newRow("unterminated last line") << QByteArray("a\r\nb");
}

void AccountFileTest::appendFailsWhenTheDiskIsFull()
{
    QFETCH(QByteArray, before);
    if (!before.isEmpty())
        QCOMPARE(writeRaw(before), QString());
    // A file size limit just above the old size makes the write stop half-way,
    // as a full disk would, even for root.
    struct rlimit old {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = rlim_t(before.size() + 4);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    QString error;
    const bool saved = AppendAccount(mPath, QStringLiteral("a long enough name"),
                                     QStringLiteral("and its password"), &error);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(QFile::exists(mPath), !before.isEmpty());
    QCOMPARE(fileBytes(), before);
}

void AccountFileTest::devicesAreNotAccountFiles()
{
    // /dev/zero never ends and /dev/full fails every write.
    for (const char *device : {"/dev/zero", "/dev/full"}) {
        if (!QFile::exists(QLatin1String(device)))
            continue;
        QVERIFY(ReadAccountFile(QLatin1String(device)).names.isEmpty());
        QString error;
        QVERIFY(!AppendAccount(QLatin1String(device), QStringLiteral("a"), QStringLiteral("b"),
                               &error));
        QVERIFY(!error.isEmpty());
    }
}

QTEST_GUILESS_MAIN(AccountFileTest)
#include "tst_accountfile.moc"
