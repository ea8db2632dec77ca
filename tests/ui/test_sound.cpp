// SPDX-License-Identifier: GPL-3.0-or-later
// The cue player: one cue at a time, named files, and silence for what is missing.

#include "board/modSound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTest>

class SoundTest : public QObject
{
    Q_OBJECT

private:
    static QString soundFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/data/sounds"); }

private slots:
    void everyCueHasItsFileBesideTheProgram()
    {
        CuePlayer player(soundFolder());
        for (const char *cue : {"hit", "sunk", "miss", "clap", "youlose", "slap"}) {
            const QString path = player.pathFor(QString::fromLatin1(cue));
            QCOMPARE(QFileInfo(path).fileName(), QString::fromLatin1(cue) + QStringLiteral(".wav"));
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        }
    }

    void cuesPlayInTheOrderAsked()
    {
        CuePlayer player(soundFolder());
        QStringList played;
        player.setListener([&](const QString &cue) { played << cue; });
        player.PlayWave(QStringLiteral("hit"));
        player.PlayWave(QStringLiteral("sunk"));
        player.PlayWave(QStringLiteral("clap"));
        QCOMPARE(played, QStringList({"hit", "sunk", "clap"}));
    }

    void aMissingFileIsSilentAndTheNextCueStillPlays()
    {
        CuePlayer player(soundFolder());
        QStringList played;
        player.setListener([&](const QString &cue) { played << cue; });
        player.PlayWave(QStringLiteral("no-such-cue"));
        QVERIFY(!player.isLoaded(QStringLiteral("no-such-cue")));
        player.PlayWave(QStringLiteral("miss"));
        QVERIFY(player.isLoaded(QStringLiteral("miss")));
        QCOMPARE(played, QStringList({"no-such-cue", "miss"}));
    }

    void aNewCueCutsOffThePlayingOne()
    {
        CuePlayer player(soundFolder());
        player.preload({QStringLiteral("clap"), QStringLiteral("miss")});
        player.PlayWave(QStringLiteral("clap"));
        player.PlayWave(QStringLiteral("miss"));
        QVERIFY(player.isLoaded(QStringLiteral("clap")));
        QVERIFY(!player.isPlaying(QStringLiteral("clap")));
    }

    void aShippedCueLoadsAsRealSound()
    {
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(soundFolder() + QStringLiteral("/hit.wav")));
        QTRY_VERIFY_WITH_TIMEOUT(effect.status() != QSoundEffect::Loading
                                     && effect.status() != QSoundEffect::Null, 5000);
        QCOMPARE(effect.status(), QSoundEffect::Ready);
    }
};

QTEST_MAIN(SoundTest)
#include "test_sound.moc"
