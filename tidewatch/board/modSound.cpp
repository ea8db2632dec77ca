#include "board/modSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

CuePlayer::CuePlayer(QString soundFolder)
    : mFolder(std::move(soundFolder))
{
}

CuePlayer::~CuePlayer()
{
    qDeleteAll(mEffects);
}

QString CuePlayer::pathFor(const QString &name) const
{
    return mFolder + QLatin1Char('/') + name + QStringLiteral(".wav");
}

void CuePlayer::setListener(std::function<void(const QString &)> listener)
{
    mListener = std::move(listener);
}

QSoundEffect *CuePlayer::effectFor(const QString &name)
{
    if (const auto found = mEffects.constFind(name); found != mEffects.constEnd())
        return found.value();
    QSoundEffect *effect = nullptr;
    const QString path = pathFor(name);
    if (QFileInfo(path).isFile()) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    mEffects.insert(name, effect); // a missing file is remembered as silence
    return effect;
}

void CuePlayer::preload(const QStringList &names)
{
    for (const QString &name : names)
        effectFor(name);
}

void CuePlayer::PlayWave(const QString &name)
{
    if (mListener)
        mListener(name);
    if (mPlaying)
        mPlaying->stop();
    mPlaying = effectFor(name);
    if (mPlaying)
        mPlaying->play();
}
