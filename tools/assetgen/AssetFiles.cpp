// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
}

ResourceFolder::ResourceFolder(QString folder) : m_folder(std::move(folder)) {}

namespace {

void writePicture(const QString &path, const QImage &picture, QSize expectedSize)
{
    // A wrong size would only show up as a misdrawn board in the game, so stop here instead.
    if (picture.size() != expectedSize)
        throw std::runtime_error(path.toStdString() + " has the wrong size");
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode " + path.toStdString());
    writeFileBytes(path, encoded);
}

} // namespace

void writePng(const QString &path, const QImage &picture, QSize expectedSize)
{
    writePicture(path, picture, expectedSize);
}

void ResourceFolder::savePicture(const QString &name, const QImage &picture, QSize logicalSize,
                                 int scale)
{
    const QString fileName = scale == 1 ? name + QStringLiteral(".png")
                                        : QStringLiteral("%1@%2x.png").arg(name).arg(scale);
    const QString path = QDir(m_folder).filePath(fileName);
    writePng(path, picture, logicalSize * scale);
    m_pictures << fileName;
}

void ResourceFolder::writeQrc(const QString &fileName, const QString &prefix) const
{
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"" + prefix.toUtf8()
                     + "\">\n";
    for (const QString &picture : m_pictures)
        qrc += "    <file alias=\"" + picture.toUtf8() + "\">" + picture.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    writeFileBytes(QDir(m_folder).filePath(fileName), qrc);
}
