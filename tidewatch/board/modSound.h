// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CueBackend;

// Plays the named cue from the sound folder: at once, one cue at a time (a new cue
// cuts off the playing one). A missing or unplayable file is silent, and so is every
// cue when the sound library cannot be loaded. The library is loaded with the first
// cue asked for, so that start-up does not bring up the audio system.
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

    // Tests watch what would play; the real sound still plays.
    void setListener(std::function<void(const QString &name)> listener);

    QString pathFor(const QString &name) const;
    // Whether the cue has been loaded and can play; false when its file is missing.
    bool isLoaded(const QString &name) const { return mCues.value(name, false); }
    bool isPlaying(const QString &name) const;

private:
    bool ready(const QString &name);
    CueBackend *backend();

    QString mFolder;
    std::unique_ptr<CueBackend> mBackend;
    bool mBackendTried = false;
    QHash<QString, bool> mCues; // loaded once; a missing file is remembered as silence
    std::function<void(const QString &)> mListener;
};
