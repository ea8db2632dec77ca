#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class QSoundEffect;

// Plays the named cue from data/sounds/ beside the program: at once, one cue at a
// time (a new cue cuts off the playing one). A missing or unplayable file is silent.
class CuePlayer
{
public:
    explicit CuePlayer(QString soundFolder);
    ~CuePlayer();
    CuePlayer(const CuePlayer &) = delete;
    CuePlayer &operator=(const CuePlayer &) = delete;

    void PlayWave(const QString &name);
    // Loads the cues ahead, so the first play has no delay.
    void preload(const QStringList &names);

    // Tests watch what would play; the real effect still runs.
    void setListener(std::function<void(const QString &name)> listener);

    QString pathFor(const QString &name) const;
    // The loaded effect of a cue; null when its file is missing or not loaded yet.
    const QSoundEffect *effect(const QString &name) const { return mEffects.value(name); }

private:
    QSoundEffect *effectFor(const QString &name);

    QString mFolder;
    QHash<QString, QSoundEffect *> mEffects; // loaded once, owned
    QSoundEffect *mPlaying = nullptr;
    std::function<void(const QString &)> mListener;
};
