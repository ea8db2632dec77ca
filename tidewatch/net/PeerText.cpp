// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/PeerText.h"

namespace PeerText {

namespace {

constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kDeletePicture = 0x2421;
constexpr char16_t kEllipsis = 0x2026;
constexpr char16_t kFirstStrongIsolate = 0x2068;
constexpr char16_t kPopDirectionalIsolate = 0x2069;

// Read by code point: a format character beyond the first plane (a tag, U+E0001..)
// hides as well as one within it.
bool unsafe(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

char32_t markFor(char32_t c)
{
    if (c < 0x20)
        return kControlPictures + c;
    if (c == kDelete)
        return kDeletePicture;
    return QChar::ReplacementCharacter;
}

// Calls `use` with each character of `text`; half a character reads as U+FFFD.
template<typename Use>
void eachCharacter(const QString &text, Use use)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            c = QChar::ReplacementCharacter;
        }
        use(c);
    }
}

bool holdsRightToLeft(const QString &text)
{
    bool found = false;
    eachCharacter(text, [&found](char32_t c) {
        const QChar::Direction direction = QChar::direction(c);
        found = found || direction == QChar::DirR || direction == QChar::DirAL || direction == QChar::DirAN;
    });
    return found;
}

QString isolate(const QString &shown)
{
    if (!holdsRightToLeft(shown))
        return shown; // left-to-right text cannot move its neighbours
    return QChar(kFirstStrongIsolate) + shown + QChar(kPopDirectionalIsolate);
}

} // namespace

QString oneLine(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    eachCharacter(text, [&shown](char32_t c) {
        if (unsafe(c))
            c = markFor(c);
        if (QChar::requiresSurrogates(c))
            shown.append(QChar(QChar::highSurrogate(c))).append(QChar(QChar::lowSurrogate(c)));
        else
            shown.append(QChar(char16_t(c)));
    });
    return shown;
}

QString isolated(const QString &text)
{
    return isolate(oneLine(text));
}

QString cut(const QString &shown, qsizetype length)
{
    if (shown.size() <= length)
        return shown;
    if (length > 0 && shown.at(length - 1).isHighSurrogate())
        --length;
    QString kept = shown.first(length);
    // Peer text holds no isolates of its own (they are marked), so these are ours.
    const qsizetype open = kept.count(QChar(kFirstStrongIsolate)) - kept.count(QChar(kPopDirectionalIsolate));
    return kept + QString(open, QChar(kPopDirectionalIsolate));
}

QString shownName(const QString &name)
{
    if (name.size() <= kShownNameLength)
        return isolated(name);
    return isolate(cut(oneLine(name.first(kShownNameLength)), kShownNameLength - 1) + QChar(kEllipsis));
}

} // namespace PeerText
