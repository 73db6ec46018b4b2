// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <memory>

class QAudioDevice;
struct Speech;

// Plays one speech at a time: each starts on a fresh audio stream, and the one before is stopped.
class SpeechPlayer
{
public:
    SpeechPlayer();
    ~SpeechPlayer();
    SpeechPlayer(const SpeechPlayer &) = delete;
    SpeechPlayer &operator=(const SpeechPlayer &) = delete;

    // The audio output chosen in the system's settings; a null device when there is none, as
    // where no sound server runs.
    static QAudioDevice defaultOutput();

    // Hands `speech` to `output` and returns at once; false when there is no output (a null
    // device) or it cannot be opened, as with no sound server. The speech is copied.
    bool play(const Speech &speech, const QAudioDevice &output);
    void stop();
    // Whether a speech is still being played.
    bool isPlaying() const;
    // How much of the speech being played the audio output has taken so far.
    std::chrono::microseconds playedSoFar() const;

private:
    struct Playback;
    std::unique_ptr<Playback> playback_;
};
