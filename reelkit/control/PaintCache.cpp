// SPDX-License-Identifier: LGPL-2.1-or-later
#include "control/PaintCache.h"

#include <QImage>

namespace reelkit {

const QPixmap &PaintCache::pixmapOf(const QImage &picture, const QRect &visible)
{
    const qint64 key = picture.cacheKey();
    for (const Entry &entry : m_entries) {
        if (entry.key == key && entry.visible == visible && !entry.pixmap.isNull())
            return entry.pixmap;
    }
    Entry &entry = m_entries[m_oldest];
    m_oldest = (m_oldest + 1) % m_entries.size();
    entry.key = key;
    entry.visible = visible;
    entry.pixmap = QPixmap::fromImage(visible == picture.rect() ? picture : picture.copy(visible));
    return entry.pixmap;
}

qint64 PaintCache::heldPixels() const
{
    qint64 pixels = 0;
    for (const Entry &entry : m_entries)
        pixels += qint64(entry.pixmap.width()) * entry.pixmap.height();
    return pixels;
}

} // namespace reelkit
