#include "net/PeerText.h"

namespace PeerText {

namespace {

constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDelete = 0x7F;
constexpr char16_t kDeletePicture = 0x2421;

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

} // namespace PeerText
