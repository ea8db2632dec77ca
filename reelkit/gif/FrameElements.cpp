// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gif/FrameElements.h"

#include "dialogs/ReelkitError.h"

#include <set>

namespace reelkit {

FrameElements::FrameElements() : m_elements(1) {}

FrameElement &FrameElements::at(qsizetype index)
{
    if (index < 0 || index >= count())
        throw ReelkitError(tr("Control array element '%1' doesn't exist").arg(index));
    return m_elements[size_t(index)];
}

const FrameElement &FrameElements::at(qsizetype index) const
{
    return const_cast<FrameElements *>(this)->at(index);
}

FrameElement &FrameElements::append()
{
    FrameElement element = m_elements.front();
    element.Visible = false;
    m_elements.push_back(std::move(element));
    return m_elements.back();
}

void FrameElements::removeAllButFirst()
{
    m_elements.resize(1);
}

qint64 FrameElements::pictureBytes() const
{
    std::set<const void *> counted;
    qint64 total = 0;
    for (const FrameElement &element : m_elements) {
        const QImage &picture = element.Picture;
        if (counted.insert(picture.constBits()).second)
            total += picture.sizeInBytes();
        const QList<QRgb> colours = picture.colorTable();
        if (counted.insert(colours.constData()).second)
            total += colours.size() * qsizetype(sizeof(QRgb));
    }
    return total;
}

qint32 FrameElements::delayOf(qsizetype index) const
{
    const QString &tag = at(index).Tag;
    bool ok = false;
    const qint32 delay = tag.toInt(&ok);
    if (!ok)
        //: %1 is the frame's number, %2 the text that stands where its delay should be
        throw ReelkitError(tr("Type mismatch: frame %1 has no delay ('%2')").arg(QString::number(index), tag));
    return delay;
}

} // namespace reelkit
