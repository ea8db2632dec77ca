// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace {

// Our own files are a few hundred kilobytes; anything far larger is not one of them.
constexpr qint64 kMaxTranslationBytes = 16 * 1024 * 1024;

// "zh-Hans-CN.UTF-8@x" -> {"zh", "Hans", "CN"}: the tag's parts without the
// encoding or modifier a raw locale name carries.
QStringList subtags(const QString &tag)
{
    const qsizetype end = tag.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    return (end < 0 ? tag : tag.left(end)).split(QRegularExpression(QStringLiteral("[-_]")), Qt::SkipEmptyParts);
}

bool hasSubtag(const QStringList &parts, std::initializer_list<const char *> wanted)
{
    for (qsizetype i = 1; i < parts.size(); ++i)
        for (const char *one : wanted)
            if (parts[i].compare(QLatin1String(one), Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

// The file name the game would use for `tag`: "en" for English, empty where it
// knows the language is not shipped. "C" and "POSIX" name none we ship, so the walk
// goes on past them (Qt lists "C" after a language it does not know).
QString fileLanguage(const QString &tag)
{
    const QStringList parts = subtags(tag);
    if (parts.isEmpty())
        return {};
    const QString language = parts.first().toLower();
    // Traditional characters are written in Taiwan, Hong Kong and Macao; Simplified
    // elsewhere, and by a bare "zh".
    if (language == QLatin1String("zh"))
        return hasSubtag(parts, {"Hant", "TW", "HK", "MO"}) ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    // A bare "pt" is Brazil's, as Qt itself reads it (LANGUAGE=pt asks for pt-BR too);
    // Portugal's Portuguese, which we do not ship, goes on to the next language.
    if (language == QLatin1String("pt"))
        return parts.size() == 1 || hasSubtag(parts, {"BR"}) ? QStringLiteral("pt_BR") : QString();
    return language;
}

} // namespace

const QStringList &Translations::shipped()
{
    static const QStringList languages =
        QString::fromUtf8(TIDEWATCH_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return languages;
}

QString Translations::choose(const QStringList &requested)
{
    for (const QString &tag : requested) {
        const QString language = fileLanguage(tag);
        if (language == QLatin1String("en"))
            return {};
        if (shipped().contains(language))
            return language;
    }
    return {};
}

Translations::Translations(const QString &language, const std::vector<Catalogue> &catalogues)
{
    if (language.isEmpty() || catalogues.empty())
        return;
    std::vector<std::pair<QString, std::unique_ptr<QTranslator>>> found;
    for (const Catalogue &catalogue : catalogues) {
        const QFileInfo file(QDir(catalogue.folder).filePath(catalogue.name + QLatin1Char('_') + language
                                                             + QStringLiteral(".qm")));
        // Only a plain file of a sensible size: a FIFO would block the start for ever.
        if (!file.isFile() || file.size() > kMaxTranslationBytes)
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file.absoluteFilePath()) && !translator->isEmpty())
            found.emplace_back(catalogue.name, std::move(translator));
    }
    // Without the program's own texts in the language, Qt's buttons in it would sit
    // beside English sentences: the whole window stays English instead.
    if (found.empty() || found.back().first != catalogues.back().name)
        return;
    for (auto &[name, translator] : found)
        if (QCoreApplication::installTranslator(translator.get()))
            m_translators.emplace_back(name, std::move(translator));
}

Translations::~Translations()
{
    for (const auto &[name, translator] : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

QStringList Translations::loaded() const
{
    QStringList names;
    for (const auto &[name, translator] : m_translators)
        names << name;
    return names;
}
