// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QPixmap>
#include <QRect>

#include <array>

class QImage;

namespace reelkit {

// Frames are held indexed, one byte per pixel; this keeps the screen-ready copies of
// the parts last painted, so that a frame is converted once when it comes up and not
// again on every repaint. Only the part of a frame that the control shows is
// converted: a frame far larger than the control costs a copy of the control's size.
class PaintCache
{
public:
    // The screen-ready copy of the part of picture inside visible (in the picture's
    // own pixels, within its rectangle).
    const QPixmap &pixmapOf(const QImage &picture, const QRect &visible);
    // Pixels of the copies held, for checking what painting costs.
    qint64 heldPixels() const;

private:
    struct Entry
    {
        qint64 key = 0;
        QRect visible;
        QPixmap pixmap;
    };
    // The surface picture and one shown element are painted together at most.
    std::array<Entry, 2> m_entries;
    size_t m_oldest = 0;
};

} // namespace reelkit
