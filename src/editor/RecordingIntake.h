// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"
#include "platform/voice/PcmSound.h"

#include <QObject>
#include <QTemporaryDir>

class AudioModule;
class Dialogs;
class QWidget;

// Takes a recording for a word from the microphone or from a sound file, and makes it what the
// list keeps: WAV, 16-bit mono, its silence cut off, its level brought up. A WAV file in any
// common layout is read here; another kind of file goes to the system's decoders. What cannot be
// read, holds no voice or is far too long is refused with a sentence that names the file, never
// kept. The recordings are kept in a folder of the session's own until the list is saved.
class RecordingIntake : public QObject
{
    Q_OBJECT

public:
    // `audio` may be null: then only WAV files are read. `dialogs` asks about a file too long.
    RecordingIntake(AudioModule *audio, Dialogs &dialogs, QWidget *parent);

    void takeHeard(const PcmSound &heard, const QString &word);
    void takeFile(const QString &path, const QString &word);

signals:
    void recordingReady(const QString &word, const TileFile &recording);
    void refused(const QString &message);

private:
    // A sound that came whole, or that goes on past kLongestRecording (`tooLong`).
    void takeSound(const PcmSound &sound, bool tooLong, const QString &source, const QString &word);

    AudioModule *audio_;
    Dialogs &dialogs_;
    QWidget *parent_;
    QTemporaryDir kept_;
    int keptCount_ = 0;
};
