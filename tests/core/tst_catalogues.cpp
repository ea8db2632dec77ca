// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/Translations.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// How many plural forms Qt's numerus rules give each shipped language.
int pluralForms(const QString &language)
{
    static const QHash<QString, int> forms{
        {"bg", 2}, {"ca", 2}, {"cs", 3}, {"da", 2}, {"de", 2}, {"es", 2}, {"fi", 2}, {"fr", 2},
        {"gd", 4}, {"hr", 3}, {"hu", 1}, {"it", 2}, {"ja", 1}, {"ko", 1}, {"lv", 3}, {"nl", 2},
        {"nn", 2}, {"pl", 3}, {"pt_BR", 2}, {"ru", 3}, {"sk", 3}, {"tr", 1}, {"uk", 3},
        {"zh_CN", 1}, {"zh_TW", 1}};
    return forms.value(language, -1);
}

// The placeholders a text carries: %1 .. %99 and %n (an L after the % is Qt's own).
QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.insert(match.captured(1));
    return found;
}

// Keyboard shortcuts: an & before anything but another & ("&&" is a plain ampersand).
int shortcuts(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            ++count;
        ++i;
    }
    return count;
}

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    QString type;        // the translation's type attribute: unfinished, vanished, obsolete
    QStringList forms;   // the translation, or each numerus form
};

// What is wrong with one message, or nothing.
QString fault(const Message &message, const QString &language)
{
    if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete"))
        return {};
    const QString where = message.context + QStringLiteral(" \"") + message.source + QStringLiteral("\": ");
    if (message.type == QLatin1String("unfinished"))
        return where + QStringLiteral("unfinished");
    const int expectedForms = message.numerus ? pluralForms(language) : 1;
    if (message.forms.size() != expectedForms)
        return where + QStringLiteral("%1 forms, %2 expected").arg(message.forms.size()).arg(expectedForms);
    for (const QString &form : message.forms) {
        if (form.trimmed().isEmpty())
            return where + QStringLiteral("empty translation");
        if (placeholders(form) != placeholders(message.source))
            return where + QStringLiteral("placeholders differ in \"%1\"").arg(form);
        if (shortcuts(form) != shortcuts(message.source))
            return where + QStringLiteral("shortcuts differ in \"%1\"").arg(form);
    }
    return {};
}

} // namespace

class CataloguesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslatedWithItsPlaceholders_data();
    void everyTextIsTranslatedWithItsPlaceholders();
};

void CataloguesTest::everyTextIsTranslatedWithItsPlaceholders_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    const QString source = qEnvironmentVariable("TIDEWATCH_SOURCE_DIR");
    for (const QString &catalogue : {QStringLiteral("tidewatch"), QStringLiteral("reelkit")})
        for (const QString &language : Translations::shipped())
            QTest::newRow(qPrintable(catalogue + QLatin1Char('_') + language))
                << QStringLiteral("%1/%2/translations/%2_%3.ts").arg(source, catalogue, language) << language;
}

void CataloguesTest::everyTextIsTranslatedWithItsPlaceholders()
{
    QFETCH(QString, file);
    QFETCH(QString, language);
    QVERIFY2(pluralForms(language) > 0, "a shipped language without its plural rule");
    QFile ts(file);
    QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(file));
    QXmlStreamReader xml(&ts);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QStringLiteral("TS"));
    QCOMPARE(xml.attributes().value(QStringLiteral("language")), language);

    QString context;
    Message message;
    QStringList faults;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (const QString wrong = fault(message, language); !wrong.isEmpty())
                faults << wrong;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes"),
                              {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!message.numerus)
                message.forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(CataloguesTest)
#include "tst_catalogues.moc"
