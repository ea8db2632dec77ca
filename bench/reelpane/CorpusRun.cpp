// SPDX-License-Identifier: GPL-3.0-or-later
#include "CorpusRun.h"

#include "CommentedAnimation.h"
#include "LocalTableAnimation.h"
#include "Measure.h"
#include "Reelpane.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Every run of a file reports the same; the line shows the last report once.
QString gLastReport;

LoadMeasure measureQuietly(const QString &path, bool qtDecoder, int runs = 5)
{
    gLastReport.clear();
    Reelpane::setReportHandler([](const QString &, const QString &text) { gLastReport = text; });
    const LoadMeasure m = measureLoad(path, qtDecoder, runs);
    Reelpane::setReportHandler({});
    return m;
}

void printLine(const QString &name, qint64 fileBytes, const LoadMeasure &m)
{
    std::printf("file %s bytes %lld frames %lld loadgif_ms %.1f qmovie_ms %.1f ratio %.2f frame_bytes %lld pixels %lld "
                "bytes_per_pixel %.3f%s\n",
                qPrintable(name), static_cast<long long>(fileBytes), static_cast<long long>(m.frames), m.loadGifMs,
                m.qmovieMs, m.ratio(), static_cast<long long>(m.pictureBytes), static_cast<long long>(m.pixels),
                m.bytesPerPixel(), gLastReport.isEmpty() ? "" : qPrintable(QStringLiteral(" report ") + gLastReport));
    std::fflush(stdout);
}

} // namespace

int measureFolder(const QString &folder, bool qtDecoder)
{
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no GIF files in %s\n", qPrintable(folder));
        return 1;
    }
    double worstRatio = 0;
    double worstBytes = 0;
    QString worstRatioFile;
    QString worstBytesFile;
    int goalFiles = 0;
    for (const QFileInfo &file : files) {
        const LoadMeasure m = measureQuietly(file.filePath(), qtDecoder);
        printLine(file.fileName(), file.size(), m);
        if (file.size() < kGoalFileBytes)
            continue;
        ++goalFiles;
        if (m.ratio() > worstRatio) {
            worstRatio = m.ratio();
            worstRatioFile = file.fileName();
        }
        if (m.bytesPerPixel() > worstBytes) {
            worstBytes = m.bytesPerPixel();
            worstBytesFile = file.fileName();
        }
    }
    std::printf("worst of %d files of %lld bytes or more: ratio %.2f (%s) bytes_per_pixel %.3f (%s)\n", goalFiles,
                static_cast<long long>(kGoalFileBytes), worstRatio, qPrintable(worstRatioFile), worstBytes,
                qPrintable(worstBytesFile));
    return 0;
}

int measureCommentedHeaders(bool qtDecoder)
{
    struct Case
    {
        qint64 commentBytes;
        int frames;
    };
    QTemporaryDir scratch;
    for (const Case c : {Case{qint64(20) << 20, 500}, Case{qint64(200) << 20, 30000}}) {
        const QString path = scratch.filePath(QStringLiteral("commented.gif"));
        const QString error = writeCommentedAnimation(path, c.commentBytes, c.frames);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(error));
            return 1;
        }
        printLine(QStringLiteral("comment-%1MB-%2-frames").arg(c.commentBytes >> 20).arg(c.frames),
                  QFileInfo(path).size(), measureQuietly(path, qtDecoder, 1));
    }
    return 0;
}

int measureLocalTables(bool qtDecoder)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("gifsicle-O3-local-tables.gif"));
    if (const QString error = writeLocalTableAnimation(path); !error.isEmpty()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    printLine(QFileInfo(path).fileName(), QFileInfo(path).size(), measureQuietly(path, qtDecoder));
    return 0;
}
