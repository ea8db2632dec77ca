// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class QTemporaryDir;

// One frame of a crafted animation: a rectangle of one colour index.
struct CraftFrame
{
    int delay = 0;
    int left = 0;
    int top = 0;
    int width = 2;
    int height = 2;
    int colour = 1;
    int transparentIndex = -1;
    bool interlaced = false;
    // A colour table of the frame's own (2, 4, ... or 256 colours); empty: the global one.
    std::vector<QRgb> localTable = {};
};

// Encodes a GIF89a file with giflib: a four-colour global table that ends in a
// 00 byte (so the first frame's marker is found), and one graphic control
// extension right before each image.
QByteArray encodeGif(const std::vector<CraftFrame> &frames, int screenWidth = 16, int screenHeight = 16);

// The colours of the crafted table, by index.
QRgb craftedColour(int index);

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// Stands in for the picture decoder: keeps every frame file (header + chunk) it is given.
struct RecordingDecoder
{
    std::vector<QByteArray> *frameFiles;

    std::function<QImage(QByteArrayView)> operator()(QByteArrayView header) const
    {
        return [files = frameFiles, header = header.toByteArray()](QByteArrayView chunk) {
            files->push_back(header + chunk.toByteArray());
            QImage picture(1, 1, QImage::Format_RGB32);
            picture.fill(Qt::white);
            return picture;
        };
    }
};
