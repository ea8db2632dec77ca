#pragma once

#include <QHash>
#include <QString>

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

    // Tests watch what would play; the real effect still runs.
    void setListener(std::function<void(const QString &name)> listener);

    QString pathFor(const QString &name) const;

private:
    QSoundEffect *effectFor(const QString &name);

    QString mFolder;
    QHash<QString, QSoundEffect *> mEffects; // loaded once, owned
    QSoundEffect *mPlaying = nullptr;
    std::function<void(const QString &)> mListener;
};
