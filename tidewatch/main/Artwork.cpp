#include "main/Artwork.h"

#include <QFile>
#include <QGuiApplication>

namespace Artwork {

QPixmap pixmap(const QString &name, const QString &extension)
{
    const QString base = QStringLiteral(":/tidewatch/") + name;
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        const QString sharp = base + QStringLiteral("@2x") + extension;
        if (QFile::exists(sharp))
            return QPixmap(sharp);
    }
    return QPixmap(base + extension);
}

} // namespace Artwork
