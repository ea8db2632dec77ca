// The cues over Qt Multimedia: one sound effect per cue, loaded once.

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
        mEffects.insert(name, effect.release());
        return true;
    }

    void play(const QString &name) override
    {
        if (mPlaying)
            mPlaying->stop();
        mPlaying = mEffects.value(name);
        if (mPlaying)
            mPlaying->play();
    }

    bool isPlaying(const QString &name) const override
    {
        const QSoundEffect *effect = mEffects.value(name);
        return effect && effect->status() == QSoundEffect::Ready && effect->isPlaying();
    }

    ~EffectCueBackend() override { qDeleteAll(mEffects); }

private:
    QHash<QString, QSoundEffect *> mEffects; // owned
    QSoundEffect *mPlaying = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT CueBackend *tidewatch_create_cue_backend()
{
    return new EffectCueBackend;
}
