#include "board/modSound.h"

#include "board/CueBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Beside the program in a build tree, in the installed library folder otherwise.
QStringList soundLibraryCandidates()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral("libtidewatch_sound")),
            programFolder.filePath(QString::fromUtf8(TIDEWATCH_PLUGIN_RELDIR) + QStringLiteral("/libtidewatch_sound"))};
}

} // namespace

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
    for (const QString &candidate : soundLibraryCandidates()) {
        mLibrary.setFileName(candidate);
        if (const auto create = reinterpret_cast<CueBackendFactory>(mLibrary.resolve(kCueBackendFactoryName))) {
            mBackend.reset(create());
            break;
        }
    }
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
