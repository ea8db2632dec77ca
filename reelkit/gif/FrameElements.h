// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <vector>

namespace reelkit {

// One image element of a control: a picture, its delay in milliseconds as decimal
// text, its position in twips and whether it is shown.
struct FrameElement
{
    QImage Picture;
    QString Tag;
    qint32 Left = 0;
    qint32 Top = 0;
    bool Visible = false;
};

// The control's indexed element array. Element 0 belongs to the control itself and
// always exists; the elements above it come and go with each load.
class FrameElements
{
    Q_DECLARE_TR_FUNCTIONS(reelkit::FrameElements)

public:
    FrameElements();

    qsizetype count() const { return qsizetype(m_elements.size()); }
    FrameElement &at(qsizetype index);
    const FrameElement &at(qsizetype index) const;

    // A new element starts hidden and otherwise copies element 0.
    FrameElement &append();
    void removeAllButFirst();

    // Bytes held by the decoded pictures of all elements, pixels and colour tables,
    // each buffer that pictures share counted once.
    qint64 pictureBytes() const;

    // Delay of an element in milliseconds: its Tag read as a 32-bit integer.
    qint32 delayOf(qsizetype index) const;

private:
    std::vector<FrameElement> m_elements;
};

} // namespace reelkit
