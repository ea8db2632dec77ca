#include "control/PaintCache.h"

#include <QImage>

namespace reelkit {

const QPixmap &PaintCache::pixmapOf(const QImage &picture)
{
    const qint64 key = picture.cacheKey();
    for (const Entry &entry : m_entries) {
        if (entry.key == key && !entry.pixmap.isNull())
            return entry.pixmap;
    }
    Entry &entry = m_entries[m_oldest];
    m_oldest = (m_oldest + 1) % m_entries.size();
    entry.key = key;
    entry.pixmap = QPixmap::fromImage(picture);
    return entry.pixmap;
}

} // namespace reelkit
