// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// What a catalogue's folder holds in place of the German probe file.
enum class ProbeFile { Real, Missing, Garbage, Fifo, BesideNoOwnTexts };

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void chooseTakesTheFirstShippedLanguage_data();
    void chooseTakesTheFirstShippedLanguage();
    void aCatalogueThatCannotBeReadStaysEnglish_data();
    void aCatalogueThatCannotBeReadStaysEnglish();
    void theDesktopsLanguageComesFromTheEnvironment_data();
    void theDesktopsLanguageComesFromTheEnvironment();
};

void TranslationsTest::chooseTakesTheFirstShippedLanguage_data()
{
    QTest::addColumn<QStringList>("requested");
    QTest::addColumn<QString>("chosen"); // empty: English, no translator
    QTest::newRow("de_DE") << QStringList{"de_DE"} << "de";
    QTest::newRow("de-AT, a region we do not name") << QStringList{"de-AT"} << "de";
    QTest::newRow("raw locale name with encoding") << QStringList{"fr_FR.UTF-8@euro"} << "fr";
    QTest::newRow("pt-BR") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("pt alone: Brazil's, as Qt reads it") << QStringList{"pt"} << "pt_BR";
    QTest::newRow("pt-PT, not shipped: next language") << QStringList{"pt-PT", "es"} << "es";
    QTest::newRow("pt-PT alone: English") << QStringList{"pt-PT"} << "";
    QTest::newRow("zh-Hans-CN") << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("zh alone: Simplified") << QStringList{"zh"} << "zh_CN";
    QTest::newRow("zh-TW") << QStringList{"zh-TW"} << "zh_TW";
    QTest::newRow("zh-Hant") << QStringList{"zh-Hant"} << "zh_TW";
    QTest::newRow("zh-HK: Traditional") << QStringList{"zh-HK"} << "zh_TW";
    QTest::newRow("nn-NO") << QStringList{"nn-NO"} << "nn";
    QTest::newRow("nb, not shipped: English") << QStringList{"nb-NO"} << "";
    QTest::newRow("en_GB") << QStringList{"en_GB"} << "";
    QTest::newRow("en-US before de: English") << QStringList{"en-US", "de"} << "";
    QTest::newRow("C") << QStringList{"C"} << "";
    QTest::newRow("C after an unknown language, as Qt lists it") << QStringList{"xx", "C", "de"} << "de";
    QTest::newRow("fr;de") << QStringList{"fr", "de"} << "fr";
    QTest::newRow("unknown xx first, then de") << QStringList{"xx", "de"} << "de";
    QTest::newRow("nothing asked for") << QStringList{} << "";
    QTest::newRow("empty and separator-only tags") << QStringList{"", "-_", "ja-JP"} << "ja";
}

void TranslationsTest::chooseTakesTheFirstShippedLanguage()
{
    QFETCH(QStringList, requested);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::choose(requested), chosen);
}

void TranslationsTest::aCatalogueThatCannotBeReadStaysEnglish_data()
{
    QTest::addColumn<ProbeFile>("probe");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fire"); // how the probe text reads
    QTest::newRow("German file") << ProbeFile::Real << "de" << "Feuer";
    QTest::newRow("English installs none") << ProbeFile::Real << "" << "Fire";
    QTest::newRow("no file for the language") << ProbeFile::Real << "fr" << "Fire";
    QTest::newRow("file missing") << ProbeFile::Missing << "de" << "Fire";
    QTest::newRow("file of garbage") << ProbeFile::Garbage << "de" << "Fire";
    QTest::newRow("a FIFO, which must not block") << ProbeFile::Fifo << "de" << "Fire";
    QTest::newRow("the program's own texts missing: no other either") << ProbeFile::BesideNoOwnTexts << "de" << "Fire";
}

void TranslationsTest::aCatalogueThatCannotBeReadStaysEnglish()
{
    QFETCH(ProbeFile, probe);
    QFETCH(QString, language);
    QFETCH(QString, fire);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("probe_de.qm"));
    const QString built = QStringLiteral(TIDEWATCH_PROBE_QM);
    switch (probe) {
    case ProbeFile::Real:
        QVERIFY2(QFile::copy(built, file), qPrintable(built));
        break;
    case ProbeFile::Garbage: {
        QFile garbage(file);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x3c'));
        break;
    }
    case ProbeFile::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        break;
    case ProbeFile::BesideNoOwnTexts:
        QVERIFY2(QFile::copy(built, file), qPrintable(built));
        break;
    case ProbeFile::Missing:
        break;
    }
    std::vector<Translations::Catalogue> catalogues{{QStringLiteral("probe"), folder.path()}};
    if (probe == ProbeFile::BesideNoOwnTexts)
        catalogues.push_back({QStringLiteral("own"), folder.path()});

    {
        const Translations translations(language, catalogues);
        QCOMPARE(QCoreApplication::translate("Probe", "Fire"), fire);
        QCOMPARE(translations.loaded().isEmpty(), fire == QLatin1String("Fire"));
    }
    QCOMPARE(QCoreApplication::translate("Probe", "Fire"), QStringLiteral("Fire"));
}

void TranslationsTest::theDesktopsLanguageComesFromTheEnvironment_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("LANGUAGE=fr over LANG=C.UTF-8") << QStringList{"LANGUAGE=fr", "LANG=C.UTF-8"} << "fr";
    QTest::newRow("LANGUAGE list, unknown first") << QStringList{"LANGUAGE=xx:ru", "LANG=de_DE.UTF-8"} << "ru";
    QTest::newRow("LANG=de_DE.UTF-8") << QStringList{"LANG=de_DE.UTF-8"} << "de";
    QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=ja_JP.UTF-8", "LANG=de_DE.UTF-8"} << "ja";
    QTest::newRow("LANGUAGE=nb, not shipped, then de") << QStringList{"LANGUAGE=nb:de", "LANG=C.UTF-8"} << "de";
    QTest::newRow("LANGUAGE=pt") << QStringList{"LANGUAGE=pt", "LANG=C.UTF-8"} << "pt_BR";
    QTest::newRow("LANG=pt_PT.UTF-8") << QStringList{"LANG=pt_PT.UTF-8"} << "";
    QTest::newRow("LC_ALL=C") << QStringList{"LC_ALL=C"} << "";
    QTest::newRow("LANG=POSIX") << QStringList{"LANG=POSIX"} << "";
    QTest::newRow("LANG=en_GB.UTF-8") << QStringList{"LANG=en_GB.UTF-8"} << "";
}

void TranslationsTest::theDesktopsLanguageComesFromTheEnvironment()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, chosen);
    QProcess child;
    QStringList clean;
    for (const QString &variable : QProcess::systemEnvironment())
        if (!variable.startsWith(QLatin1String("LANG")) && !variable.startsWith(QLatin1String("LC_")))
            clean << variable;
    child.setEnvironment(clean + environment);
    const QString program = QStringLiteral(TIDEWATCH_CHOSEN_LANGUAGE_PROGRAM);
    child.start(program, {});
    QVERIFY2(child.waitForStarted(), qPrintable(program + QStringLiteral(" did not start")));
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), chosen);
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
