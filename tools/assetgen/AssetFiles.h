// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Writes a whole file, creating its folder; throws std::runtime_error on failure.
void writeFileBytes(const QString &path, const QByteArray &bytes);

// Writes the picture as PNG after checking its size; throws as above.
void writePng(const QString &path, const QImage &picture, QSize expectedSize);

// The game's picture resources: each picture saved as PNG, then one .qrc listing them
// all. A picture drawn at scale 2 is saved as "name@2x.png", the name Qt looks
// for on a screen of device-pixel ratio 2.
class ResourceFolder
{
public:
    explicit ResourceFolder(QString folder);

    void savePicture(const QString &name, const QImage &picture, QSize logicalSize, int scale);
    void writeQrc(const QString &fileName, const QString &prefix) const;

private:
    QString m_folder;
    QStringList m_pictures;
};
