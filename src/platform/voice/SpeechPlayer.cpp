// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechPlayer.h"

#include "SilenceNotice.h"
#include "SpeechSynthesis.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QMediaDevices>
#include <QString>
#include <mutex>

namespace {

QtMessageHandler earlierHandler = nullptr;

void handleAllButSoundServerComplaints(QtMsgType type, const QMessageLogContext &context,
                                       const QString &message)
{
    if (!message.startsWith(QLatin1String("PulseAudioService:")))
        earlierHandler(type, context, message);
}

} // namespace

// The sink reads the samples from the buffer while it plays, so it is declared last: it goes
// first.
struct SpeechPlayer::Playback
{
    QByteArray samples;
    QBuffer source{&samples};
    std::unique_ptr<QAudioSink> sink;

    // Stopped before it goes: a sink deleted while it plays runs the events it has posted to
    // itself on a stream already closed, and PulseAudio aborts the program.
    ~Playback()
    {
        if (sink)
            sink->stop();
    }
};

SpeechPlayer::SpeechPlayer() = default;
SpeechPlayer::~SpeechPlayer() = default;

QAudioDevice SpeechPlayer::defaultOutput()
{
    // The first look at the outputs connects to the sound server. Where none runs, Qt writes its
    // own complaint on the error stream; the voice's one line about it is enough.
    static std::once_flag connected;
    std::call_once(connected, [] {
        earlierHandler = qInstallMessageHandler(handleAllButSoundServerComplaints);
        QMediaDevices::audioOutputs();
        qInstallMessageHandler(earlierHandler);
    });
    return QMediaDevices::defaultAudioOutput();
}

bool SpeechPlayer::play(const Speech &speech, const QAudioDevice &output)
{
    stop();
    // With a sound server running, a null device would play on the default output after all.
    if (output.isNull()) {
        reportSilence("nessuna uscita audio");
        return false;
    }
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(1);
    format.setSampleRate(speech.sampleRate);
    if (!output.isFormatSupported(format)) {
        reportSilence("l'uscita audio non accetta la voce");
        return false;
    }

    auto playback = std::make_unique<Playback>();
    playback->samples = QByteArray(reinterpret_cast<const char *>(speech.samples.data()),
                                   qsizetype(speech.samples.size() * sizeof(qint16)));
    playback->source.open(QIODevice::ReadOnly);
    playback->sink = std::make_unique<QAudioSink>(output, format);
    QAudioSink *sink = playback->sink.get();
    // At the end of the samples the stream is released at once rather than with the next word.
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
        if (state == QAudio::IdleState)
            sink->stop();
    });
    sink->start(&playback->source);
    // A sink that cannot open its stream says so only here: it emits no signal.
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        reportSilence("l'uscita audio non si apre");
        return false;
    }
    playback_ = std::move(playback);
    return true;
}

void SpeechPlayer::stop()
{
    playback_.reset();
}

bool SpeechPlayer::isPlaying() const
{
    return playback_ && playback_->sink->state() == QAudio::ActiveState;
}

std::chrono::microseconds SpeechPlayer::playedSoFar() const
{
    return std::chrono::microseconds(playback_ ? playback_->sink->processedUSecs() : 0);
}
