// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommentedAnimation.h"

#include <QByteArray>
#include <QFile>

QString writeCommentedAnimation(const QString &path, qint64 commentBytes, int frames)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    // A 1 x 1 screen with a two-colour table, then the comment in 255-byte blocks.
    QByteArray bytes = QByteArray::fromHex("474946383961" "0100" "0100" "80" "00" "00" "ffffff" "000000" "21fe");
    const QByteArray block = char(255) + QByteArray(255, 'c');
    for (qint64 left = commentBytes; left > 0; left -= 255) {
        bytes += left >= 255 ? block : char(left) + QByteArray(int(left), 'c');
        if (bytes.size() >= (1 << 20)) {
            if (file.write(bytes) != bytes.size())
                return file.errorString();
            bytes.clear();
        }
    }
    bytes += char(0);
    // Each frame: a graphic control extension with a delay of 10, one pixel of index 0.
    const QByteArray frame = QByteArray::fromHex("21f904000a0000" "00" "2c000000000100010000" "0202440100");
    for (int i = 0; i < frames; ++i)
        bytes += frame;
    bytes += char(0x3B);
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}
