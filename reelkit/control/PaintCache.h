#pragma once

#include <QPixmap>

#include <array>

class QImage;

namespace reelkit {

// Frames are held indexed, in a quarter of the memory of screen pixels; this keeps
// the screen-ready copies of the last pictures painted, so that a frame is
// converted once when it comes up and not again on every repaint.
class PaintCache
{
public:
    const QPixmap &pixmapOf(const QImage &picture);

private:
    struct Entry
    {
        qint64 key = 0;
        QPixmap pixmap;
    };
    // The surface picture and one shown element are painted together at most.
    std::array<Entry, 2> m_entries;
    size_t m_oldest = 0;
};

} // namespace reelkit
