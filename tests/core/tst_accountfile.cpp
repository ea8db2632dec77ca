// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/AccountFile.h"
#include "accounts/LoginRules.h"
#include "core/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The test program run again with this argument, a path and a name is another program
// appending that account: it says "ready" first.
constexpr char kWriterArgument[] = "--append-account";

int appendAsAnotherProgram(const char *path, const char *name)
{
    std::puts("ready");
    std::fflush(stdout);
    const QString account = QString::fromLocal8Bit(name);
    QString error;
    if (appendAccount(QString::fromLocal8Bit(path), account, account + QStringLiteral("pw"), &error))
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
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
    void appendMakesAReadableFileOwnerOnly_data();
    void appendMakesAReadableFileOwnerOnly();
    void appendCompletesAnUnterminatedLastLine();
    void appendKeepsEveryLineOfAnOddFile_data();
    void appendKeepsEveryLineOfAnOddFile();
    void writersAtOnceAllLand();
    void writersInTwoProgramsBothLandOneAtATime();
    void appendRefusesValuesTheFileCannotHold_data();
    void appendRefusesValuesTheFileCannotHold();
    void appendFailsWhenTheFolderCannotBeMade();
    void readOnlyPlacesKeepAccountsReadable_data();
    void readOnlyPlacesKeepAccountsReadable();
    void appendFailsWhenTheFileSizeLimitIsReached_data();
    void appendFailsWhenTheFileSizeLimitIsReached();
    void aFullDiskIsNamed();
    void onlyRegularFilesAreAccountFiles_data();
    void onlyRegularFilesAreAccountFiles();

private:
    QString writeRaw(const QByteArray &bytes, const QString &path = {});
    QByteArray fileBytes(const QString &path = {}) const;

    QTemporaryDir mDir;
    QString mPath;
};

void AccountFileTest::init()
{
    QVERIFY(mDir.isValid());
    mPath = mDir.filePath(QStringLiteral("data/players.txt"));
    QFile::remove(mPath);
}

QString AccountFileTest::writeRaw(const QByteArray &bytes, const QString &path)
{
    QDir().mkpath(QFileInfo(mPath).absolutePath());
    QFile file(path.isEmpty() ? mPath : path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    file.write(bytes);
    return {};
}

QByteArray AccountFileTest::fileBytes(const QString &path) const
{
    QFile file(path.isEmpty() ? mPath : path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AccountFileTest::roundTripKeepsSpacesAndOrder()
{
    QString error;
    QVERIFY(appendAccount(mPath, QStringLiteral("  alice "), QStringLiteral(" pass word "), &error));
    QVERIFY(appendAccount(mPath, QStringLiteral("Bob"), QStringLiteral("x"), &error));
    QVERIFY(appendAccount(mPath, QStringLiteral("carol"), QStringLiteral("   "), &error));
    QCOMPARE(fileBytes(), QByteArray("  alice \r\n pass word \r\nBob\r\nx\r\ncarol\r\n   \r\n"));
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names, (QStringList{"  alice ", "Bob", "carol"}));
    QCOMPARE(accounts.passwords, (QStringList{" pass word ", "x", "   "}));
}

void AccountFileTest::namesDifferingOnlyInCaseAreTwoAccounts()
{
    QVERIFY(appendAccount(mPath, QStringLiteral("Bob"), QStringLiteral("one"), nullptr));
    QVERIFY(appendAccount(mPath, QStringLiteral("bob"), QStringLiteral("two"), nullptr));
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names, (QStringList{"Bob", "bob"}));
    QCOMPARE(accounts.passwords, (QStringList{"one", "two"}));
}

void AccountFileTest::duplicateNamesLoadAsSeparateAccounts()
{
    QCOMPARE(writeRaw("sam\r\nfirst\r\nsam\r\nsecond\r\n"), QString());
    const AccountList accounts = readAccountFile(mPath);
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
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names, names);
    QCOMPARE(accounts.passwords, passwords);
}

void AccountFileTest::aMissingFileOrFolderGivesNoAccounts()
{
    const AccountList noFile = readAccountFile(mPath);
    QVERIFY(noFile.names.isEmpty() && noFile.passwords.isEmpty());
    const AccountList noFolder = readAccountFile(mDir.filePath("missing/data/players.txt"));
    QVERIFY(noFolder.names.isEmpty() && noFolder.passwords.isEmpty());
    const AccountList aFolder = readAccountFile(mDir.path());
    QVERIFY(aFolder.names.isEmpty());
}

void AccountFileTest::eightBitCharactersRoundTripAsOneByte()
{
    const QString name = QStringLiteral("J\u00f6rg \u00e9\u00ff");
    QVERIFY(appendAccount(mPath, name, QStringLiteral("\u00a3\u00b6"), nullptr));
    QCOMPARE(fileBytes(), QByteArray("J\xf6rg \xe9\xff\r\n\xa3\xb6\r\n"));
    QCOMPARE(readAccountFile(mPath).names, QStringList{name});
}

void AccountFileTest::anOverlongLineSkipsOnlyItsAccount()
{
    const QByteArray longest(kMaxAccountLineLength, 'x');
    const QByteArray tooLong(kMaxAccountLineLength + 1, 'y');
    const QByteArray huge(5 * 1024 * 1024, 'z');
    QCOMPARE(writeRaw("a\r\n" + tooLong + "\r\nb\r\nc\r\n" + huge + "\r\nd\r\n" + longest
                      + "\r\nok\r\n"),
             QString());
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names, (QStringList{"b", QString::fromLatin1(longest)}));
    QCOMPARE(accounts.passwords, (QStringList{"c", "ok"}));
}

void AccountFileTest::readingStopsAtTheAccountLimit()
{
    QByteArray bytes;
    for (int i = 0; i <= LoginRules::kMaxAccounts; ++i)
        bytes += "n\r\np\r\n";
    QCOMPARE(writeRaw(bytes), QString());
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names.size(), LoginRules::kMaxAccounts);
    QCOMPARE(accounts.passwords.size(), LoginRules::kMaxAccounts);
}

void AccountFileTest::appendCreatesFolderAndOwnerOnlyFile()
{
    const QString deep = mDir.filePath(QStringLiteral("new/data/players.txt"));
    QString error;
    QVERIFY2(appendAccount(deep, QStringLiteral("a"), QStringLiteral("b"), &error),
             qPrintable(error));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(deep).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
    QCOMPARE(readAccountFile(deep).names, QStringList{"a"});
}

void AccountFileTest::appendCompletesAnUnterminatedLastLine()
{
    QCOMPARE(writeRaw("a\r\nb"), QString());
    QVERIFY(appendAccount(mPath, QStringLiteral("c"), QStringLiteral("d"), nullptr));
    QCOMPARE(fileBytes(), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
}

void AccountFileTest::appendMakesAReadableFileOwnerOnly_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("modeAfter");
    QTest::newRow("readable by everyone") << 0644 << 0600;
    QTest::newRow("already owner-only") << 0600 << 0600;
    QTest::newRow("owner may also run it") << 0700 << 0700;
}

void AccountFileTest::appendMakesAReadableFileOwnerOnly()
{
    QFETCH(int, mode);
    QFETCH(int, modeAfter);
    QCOMPARE(writeRaw("a\r\nb\r\n"), QString());
    QVERIFY(::chmod(QFile::encodeName(mPath).constData(), mode_t(mode)) == 0);
    QString notice;
    QVERIFY(appendAccount(mPath, QStringLiteral("c"), QStringLiteral("d"), nullptr, &notice));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(mPath).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), modeAfter);
    QCOMPARE(notice.contains(QStringLiteral("readable by you only")), (mode & 077) != 0);
    // Told once: the next account finds the file private already.
    QString second;
    QVERIFY(appendAccount(mPath, QStringLiteral("e"), QStringLiteral("f"), nullptr, &second));
    QVERIFY(second.isEmpty());
}

void AccountFileTest::appendKeepsEveryLineOfAnOddFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("namesBefore");
    QTest::newRow("a line lost in the middle") << QByteArray("n1\r\np1\r\nn2\r\nn3\r\np3\r\n")
                                               << QStringList{"n1", "n2"};
    QTest::newRow("unterminated name") << QByteArray("a\nb\nhalf") << QStringList{"a"};
    QTest::newRow("one line only") << QByteArray("half\r\n") << QStringList{};
    QTest::newRow("an overlong last line")
        << QByteArray("a\r\nb\r\n" + QByteArray(kMaxAccountLineLength + 9, 'x') + "\r\n")
        << QStringList{"a"};
}

void AccountFileTest::appendKeepsEveryLineOfAnOddFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, namesBefore);
    QCOMPARE(writeRaw(before), QString());
    QVERIFY(appendAccount(mPath, QStringLiteral("dave"), QStringLiteral("davepw"), nullptr));
    QVERIFY(fileBytes().startsWith(before));
    QVERIFY(fileBytes().endsWith("\r\ndave\r\ndavepw\r\n"));
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names, namesBefore + QStringList{"dave"});
    QCOMPARE(accounts.passwords.back(), QStringLiteral("davepw"));
}

void AccountFileTest::writersAtOnceAllLand()
{
    // Each writer opens the file itself, as a second window does; the file starts with
    // an unpaired line, so a writer that decided without the lock would pair wrongly.
    QCOMPARE(writeRaw("a\r\nb\r\nhalf\r\n"), QString());
    constexpr int kWriters = 4;
    constexpr int kEach = 25;
    std::vector<std::thread> writers;
    std::atomic<int> failures = 0;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            for (int i = 0; i < kEach; ++i) {
                const QString name = QStringLiteral("w%1n%2").arg(w).arg(i);
                if (!appendAccount(mPath, name, name + QStringLiteral("pw"), nullptr))
                    ++failures;
            }
        });
    }
    for (std::thread &writer : writers)
        writer.join();
    QCOMPARE(failures.load(), 0);
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names.size(), 1 + kWriters * kEach);
    for (qsizetype i = 1; i < accounts.names.size(); ++i)
        QCOMPARE(accounts.passwords[i], accounts.names[i] + QStringLiteral("pw"));
}

void AccountFileTest::writersInTwoProgramsBothLandOneAtATime()
{
    // The file ends in an unpaired line: a writer that chose where its account goes
    // while another was writing would pair the lines wrongly.
    const QByteArray before = "a\r\nb\r\nhalf\r\n";
    QCOMPARE(writeRaw(before), QString());
    // The test keeps the lock while both writers start, so both meet at it.
    const int held = ::open(QFile::encodeName(mPath).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w].start(QCoreApplication::applicationFilePath(),
                         {kWriterArgument, mPath, w == 0 ? QStringLiteral("ann") : QStringLiteral("bob")});
        QVERIFY2(writers[w].waitForStarted(), "the test program could not be run again");
        QVERIFY(writers[w].waitForReadyRead(10000));
    }
    const bool oneFinished = QTest::qWaitFor([&] {
        return writers[0].state() == QProcess::NotRunning || writers[1].state() == QProcess::NotRunning;
    }, 1000);
    const QByteArray whileHeld = fileBytes();
    ::close(held);
    QVERIFY2(!oneFinished && whileHeld == before, "a writer wrote while another program held the lock");
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitCode(), 0);
    }
    const AccountList accounts = readAccountFile(mPath);
    QCOMPARE(accounts.names.size(), 3);
    QCOMPARE(QSet<QString>(accounts.names.begin() + 1, accounts.names.end()), (QSet<QString>{"ann", "bob"}));
    for (qsizetype i = 1; i < accounts.names.size(); ++i)
        QCOMPARE(accounts.passwords[i], accounts.names[i] + QStringLiteral("pw"));
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
    QVERIFY(!appendAccount(mPath, name, password, &error));
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
    QVERIFY(!appendAccount(mDir.filePath(QStringLiteral("blocked/players.txt")),
                           QStringLiteral("a"), QStringLiteral("b"), &error));
    QVERIFY(!error.isEmpty());
}

void AccountFileTest::appendFailsWhenTheFileSizeLimitIsReached_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("no file yet") << QByteArray();
    QTest::newRow("complete accounts") << QByteArray("a\r\nb\r\n");
    QTest::newRow("incomplete last account") << QByteArray("a\r\nb\r\nhalf\r\n");
    QTest::newRow("unterminated last line") << QByteArray("a\r\nb");
}

void AccountFileTest::appendFailsWhenTheFileSizeLimitIsReached()
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
    const bool saved = appendAccount(mPath, QStringLiteral("a long enough name"),
                                     QStringLiteral("and its password"), &error);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    QCOMPARE(error, QStringLiteral("File too large"));
    QCOMPARE(fileBytes(), before);
}

void AccountFileTest::readOnlyPlacesKeepAccountsReadable_data()
{
    QTest::addColumn<bool>("fileReadOnly");
    QTest::addColumn<bool>("saved");
    QTest::newRow("read-only file and folder") << true << false;
    QTest::newRow("writable file in a read-only folder") << false << true;
}

void AccountFileTest::readOnlyPlacesKeepAccountsReadable()
{
    QFETCH(bool, fileReadOnly);
    QFETCH(bool, saved);
    QCOMPARE(writeRaw("alice\r\nsecret\r\n"), QString());
    const QString folder = QFileInfo(mPath).absolutePath();
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(mPath, fileReadOnly ? QFileDevice::ReadOwner : readOnly | QFileDevice::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, readOnly));
    const QStringList names = readAccountFile(mPath).names;
    QString error;
    const bool appended = appendAccount(mPath, QStringLiteral("bob"), QStringLiteral("b"), &error);
    QFile::setPermissions(folder, readOnly | QFileDevice::WriteOwner);
    QCOMPARE(names, QStringList{"alice"});
    QCOMPARE(appended, saved);
    QCOMPARE(error, saved ? QString() : QStringLiteral("the account file %1 is read-only").arg(mPath));
}

void AccountFileTest::aFullDiskIsNamed()
{
    const QString folder = mDir.filePath(QStringLiteral("tiny"));
    QVERIFY(QDir().mkpath(folder));
    const int status = CheckOnAFullDisk(folder, [] { return true; }, [&] {
        QString error;
        const bool saved = appendAccount(folder + QStringLiteral("/players.txt"), QStringLiteral("a"),
                                         QStringLiteral("b"), &error);
        return !saved && error == QStringLiteral("the disk is full");
    });
    if (status == 77)
        QSKIP("no mount namespace here for a small file system");
    QCOMPARE(status, 0);
}

void AccountFileTest::onlyRegularFilesAreAccountFiles_data()
{
    QTest::addColumn<QString>("path"); // empty: something made in the file's place
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("refusal");
    const QString notPlain = QStringLiteral("is not a plain file");
    const QString link = QStringLiteral("is a symbolic link, not a plain file");
    QTest::newRow("FIFO") << QString() << "fifo" << notPlain;
    QTest::newRow("folder") << QString() << "folder" << notPlain;
    QTest::newRow("link to a file") << QString() << "link" << link;
    QTest::newRow("dangling link") << QString() << "dangling" << link;
    // /dev/zero never ends and /dev/full fails every write.
    QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << QString() << notPlain;
    QTest::newRow("/dev/full") << QStringLiteral("/dev/full") << QString() << notPlain;
}

void AccountFileTest::onlyRegularFilesAreAccountFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, made);
    QFETCH(QString, refusal);
    const QString target = mDir.filePath(QStringLiteral("elsewhere.txt"));
    const QByteArray accounts = "alice\r\nsecret\r\n";
    QFile::remove(target);
    if (path.isEmpty()) {
        path = mPath;
        QVERIFY(QDir().mkpath(QFileInfo(mPath).absolutePath()));
        if (made == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(mPath).constData(), 0600), 0);
        if (made == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(mPath));
        if (made == QLatin1String("link"))
            QCOMPARE(writeRaw(accounts, target), QString());
        if (made == QLatin1String("link") || made == QLatin1String("dangling"))
            QVERIFY(QFile::link(target, mPath));
    }
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        QSKIP("no such device here");
    // Neither waits for a writer or an end that never comes, nor goes through a link.
    QVERIFY(readAccountFile(path).names.isEmpty());
    QString error;
    QVERIFY(!appendAccount(path, QStringLiteral("a"), QStringLiteral("b"), &error));
    QCOMPARE(error, QStringLiteral("the account file %1 %2").arg(path, refusal));
    QCOMPARE(QFileInfo::exists(target), made == QLatin1String("link"));
    if (made == QLatin1String("link"))
        QCOMPARE(fileBytes(target), accounts);
    QFile::remove(mPath);
    QDir().rmdir(mPath);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], kWriterArgument) == 0)
        return appendAsAnotherProgram(argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    AccountFileTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_accountfile.moc"
