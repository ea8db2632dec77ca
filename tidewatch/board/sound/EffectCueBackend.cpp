// SPDX-License-Identifier: GPL-3.0-or-later
// The cues over Qt Multimedia. Each cue has a sound effect loaded once, which keeps its
// samples in Qt's cache, but every play is a fresh effect from that cache: a QSoundEffect
// played again after its stream was cut off or ran dry can open a stream it never feeds
// (Qt 6.4 with PulseAudio), silent while it reports Ready and playing, so cues fell
// silent one by one within a minute of play.

#include "board/CueBackend.h"

#include <QHash>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {

class EffectCueBackend final : public CueBackend
{
public:
    bool load(const QString &name, const QString &path) override
    {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
        mLoaded.insert(name, effect.release());
        return true;
    }

    void play(const QString &name) override
    {
        mPlaying.reset();
        mPlayingName = name;
        const QSoundEffect *loaded = mLoaded.value(name);
        if (!loaded)
            return;
        mPlaying = std::make_unique<QSoundEffect>();
        mPlaying->setSource(loaded->source());
        mPlaying->play();
    }

    bool isPlaying(const QString &name) const override
    {
        return mPlaying && mPlayingName == name && mPlaying->status() == QSoundEffect::Ready && mPlaying->isPlaying();
    }

    ~EffectCueBackend() override
    {
        mPlaying.reset();
        qDeleteAll(mLoaded);
    }

private:
    QHash<QString, QSoundEffect *> mLoaded; // owned
    std::unique_ptr<QSoundEffect> mPlaying;
    QString mPlayingName;
};

} // namespace

extern "C" Q_DECL_EXPORT CueBackend *tidewatch_create_cue_backend()
{
    return new EffectCueBackend;
}
