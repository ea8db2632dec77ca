// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/widgets/Artwork.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>

namespace Artwork {

namespace {

// Every picture is PNG, which Qt reads itself. Saying so, and not letting the reader
// guess, keeps it from loading every image plugin to ask each whether it wants the file.
QPixmap readPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QImage picture = reader.read();
    if (path.endsWith(QLatin1String("@2x.png")))
        picture.setDevicePixelRatio(2.0);
    return QPixmap::fromImage(std::move(picture));
}

} // namespace

QPixmap pixmap(const QString &name)
{
    const QString base = QStringLiteral(":/tidewatch/") + name;
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        const QString sharp = base + QStringLiteral("@2x.png");
        if (QFile::exists(sharp))
            return readPng(sharp);
    }
    return readPng(base + QStringLiteral(".png"));
}

} // namespace Artwork
