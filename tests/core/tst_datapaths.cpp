// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/DataPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A program folder laid out as a build tree, an installed prefix or a read-only copy.
enum class Layout { BuildTree, Installed, ReadOnlyData };

class DataPathsTest : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
};

void DataPathsTest::choose_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("readOnlyData"); // relative to the scratch folder
    QTest::addColumn<QString>("accounts");
    QTest::addColumn<QString>("readme");
    QTest::newRow("build tree: everything beside the program")
        << Layout::BuildTree << "bin/data" << "bin/data/players.txt" << "bin/doc/README.md";
    QTest::newRow("installed: share folder, accounts in the user's folder")
        << Layout::Installed << "share/tidewatch" << "user/players.txt" << "share/doc/tidewatch/README.md";
    QTest::newRow("read-only data beside the program: accounts stay beside it")
        << Layout::ReadOnlyData << "bin/data" << "bin/data/players.txt" << "bin/doc/README.md";
}

void DataPathsTest::choose()
{
    QFETCH(Layout, layout);
    QFETCH(QString, readOnlyData);
    QFETCH(QString, accounts);
    QFETCH(QString, readme);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QDir root(scratch.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/tidewatch")));
    const QString data = root.filePath(QStringLiteral("bin/data"));
    if (layout != Layout::Installed)
        QVERIFY(root.mkpath(QStringLiteral("bin/data")) && root.mkpath(QStringLiteral("bin/doc")));
    if (layout == Layout::ReadOnlyData)
        QVERIFY(QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    const DataPaths paths = DataPaths::choose(root.filePath(QStringLiteral("bin")),
                                              root.filePath(QStringLiteral("user")));
    QCOMPARE(paths.readOnlyData, root.filePath(readOnlyData));
    QCOMPARE(paths.accounts, root.filePath(accounts));
    QCOMPARE(paths.readme, root.filePath(readme));
    QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_GUILESS_MAIN(DataPathsTest)
#include "tst_datapaths.moc"
