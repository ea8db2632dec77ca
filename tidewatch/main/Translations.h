// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

// The player's language: the first of the desktop's languages that the game ships,
// and the translators that show the game, Reelkit and Qt's own dialogs in it.
//
// English is the language the texts are written in: a desktop that asks for English
// (en_*) before any language we ship, or for none we ship (C, POSIX, nb, ...), gets no
// translator at all, so every text stays exactly as written.
class Translations
{
public:
    // One translation file to load: folder/<name>_<language>.qm.
    struct Catalogue
    {
        QString name;
        QString folder;
    };

    // The languages the game ships, as the files name them (de, pt_BR, zh_CN, ...).
    static const QStringList &shipped();

    // The first of `requested` (language tags such as "de-AT", "zh-Hans-CN", "pt_BR",
    // "en-GB", "C") that the game ships, as shipped() names it; empty for English.
    static QString choose(const QStringList &requested);

    // Loads `language`'s file of every catalogue and installs it in the application.
    // A catalogue whose file is missing, unreadable or empty stays English: no failure.
    // The last catalogue is the program's own: where it has no texts in the language,
    // none is installed, so one window never mixes two languages.
    Translations(const QString &language, const std::vector<Catalogue> &catalogues);
    // Removes the translators again.
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The names of the catalogues that were loaded, in the order given.
    QStringList loaded() const;

private:
    std::vector<std::pair<QString, std::unique_ptr<QTranslator>>> m_translators;
};
