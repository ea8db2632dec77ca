// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The block structure of a GIF file, walked block by block with every length checked.
struct GifImageBlock
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool localColourTable = false;
    bool hasControl = false; // a graphic control extension stood directly before it
    int delayHundredths = 0;
};

struct GifLayout
{
    QByteArray version;
    int width = 0;
    int height = 0;
    int globalColourCount = 0;
    QList<GifImageBlock> images;
    int controlExtensions = 0;
    int controlsNotBeforeImage = 0;    // another block came between a control and its image
    int controlsWithoutLeadingZero = 0; // the byte before 21 F9 was not 00
};

// Empty, with `error` set, when the bytes are not a complete, well-formed GIF.
std::optional<GifLayout> parseGifLayout(const QByteArray &bytes, QString *error);

qsizetype countBytePattern(const QByteArray &bytes, const QByteArray &pattern);
