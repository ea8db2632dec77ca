#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Writes a whole file, creating its folder; throws std::runtime_error on failure.
void writeFileBytes(const QString &path, const QByteArray &bytes);

// The game's picture resources: each picture saved as PNG, then one .qrc listing them all.
class ResourceFolder
{
public:
    explicit ResourceFolder(QString folder);

    void savePicture(const QString &fileName, const QImage &picture, QSize expectedSize);
    void writeQrc(const QString &fileName, const QString &prefix) const;

private:
    QString m_folder;
    QStringList m_pictures;
};
