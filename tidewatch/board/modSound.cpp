// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/modSound.h"

#include "board/CueBackend.h"
#include "system/ModuleLoader.h"

#include <QFileInfo>

CuePlayer::CuePlayer(QString soundFolder)
    : mFolder(std::move(soundFolder))
{
}

CuePlayer::~CuePlayer() = default;

QString CuePlayer::pathFor(const QString &name) const
{
    return mFolder + QLatin1Char('/') + name + QStringLiteral(".wav");
}

void CuePlayer::setListener(std::function<void(const QString &)> listener)
{
    mListener = std::move(listener);
}

CueBackend *CuePlayer::backend()
{
    if (mBackendTried)
        return mBackend.get();
    mBackendTried = true;
    if (const auto create = reinterpret_cast<CueBackendFactory>(
            resolveModuleSymbol(QStringLiteral("libtidewatch_sound"), kCueBackendFactoryName)))
        mBackend.reset(create());
    return mBackend.get();
}

bool CuePlayer::ready(const QString &name)
{
    if (const auto found = mCues.constFind(name); found != mCues.constEnd())
        return found.value();
    const QString path = pathFor(name);
    CueBackend *sound = backend();
    const bool playable = sound && QFileInfo(path).isFile() && sound->load(name, path);
    mCues.insert(name, playable);
    return playable;
}

void CuePlayer::preload(const QStringList &names)
{
    for (const QString &name : names)
        ready(name);
}

bool CuePlayer::isPlaying(const QString &name) const
{
    return mBackend && isLoaded(name) && mBackend->isPlaying(name);
}

void CuePlayer::PlayWave(const QString &name)
{
    if (mListener)
        mListener(name);
    ready(name);
    if (mBackend)
        mBackend->play(name); // an unplayable cue still cuts off the playing one
}
