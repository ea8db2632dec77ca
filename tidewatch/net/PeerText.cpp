// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/PeerText.h"

namespace PeerText {

namespace {

constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDelete = 0x7F;
constexpr char16_t kDeletePicture = 0x2421;
constexpr char16_t kEllipsis = 0x2026;

bool breaksOrControls(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
           || category == QChar::Separator_Paragraph;
}

QChar markFor(QChar c)
{
    if (c.unicode() < 0x20)
        return QChar(char16_t(kControlPictures + c.unicode()));
    if (c.unicode() == kDelete)
        return QChar(kDeletePicture);
    return QChar::ReplacementCharacter;
}

} // namespace

QString oneLine(const QString &text)
{
    QString shown = text;
    for (QChar &c : shown) {
        if (breaksOrControls(c))
            c = markFor(c);
    }
    return shown;
}

QString shownName(const QString &name)
{
    if (name.size() <= kShownNameLength)
        return oneLine(name);
    qsizetype kept = kShownNameLength - 1;
    if (name.at(kept - 1).isHighSurrogate())
        --kept; // never half a character
    return oneLine(name.first(kept)) + QChar(kEllipsis);
}

} // namespace PeerText
