// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveFormat.h"

#include <QtEndian>

namespace {

quint32 word32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

int word16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

std::optional<WaveFormat> parseWave(const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<WaveFormat> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return fail(QStringLiteral("not a RIFF/WAVE file"));
    if (word32(bytes, 4) != quint32(bytes.size() - 8))
        return fail(QStringLiteral("RIFF size does not match the file"));

    WaveFormat format;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = word32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(bytes.size() - body))
            return fail(QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id)));
        if (id == "fmt ") {
            if (size < 16)
                return fail(QStringLiteral("short fmt chunk"));
            format.formatTag = word16(bytes, body);
            format.channels = word16(bytes, body + 2);
            format.sampleRate = int(word32(bytes, body + 4));
            format.blockAlign = word16(bytes, body + 12);
            format.bitsPerSample = word16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            format.data = bytes.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    if (!haveFormat || !haveData)
        return fail(QStringLiteral("fmt or data chunk missing"));
    return format;
}
