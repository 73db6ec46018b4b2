// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingIntake.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/voice/AudioModule.h"
#include "platform/voice/RecordingShape.h"
#include "platform/voice/WavFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QWidget>

namespace {

using namespace std::chrono_literals;

// A little past the longest recording: enough to tell that a file is longer.
constexpr std::chrono::milliseconds kDecodedAtMost = kLongestRecording + 100ms;

QString wavRefusal(WavReading::Status status, const QString &name)
{
    switch (status) {
    case WavReading::Status::Unsupported:
        return QStringLiteral("«%1» è un file WAV compresso in un modo che Zibaldo non legge: "
                              "salvalo come WAV PCM e riprova.")
            .arg(name);
    case WavReading::Status::Empty:
        return QStringLiteral("«%1» è vuoto: non contiene nessun suono.").arg(name);
    case WavReading::Status::Truncated:
        return QStringLiteral("«%1» è incompleto: il file è stato tagliato. Copialo di nuovo e "
                              "riprova.")
            .arg(name);
    case WavReading::Status::Read:
    case WavReading::Status::NotWav:
        break;
    }
    return {};
}

} // namespace

RecordingIntake::RecordingIntake(AudioModule *audio, Dialogs &dialogs, QWidget *parent)
    : QObject(parent), audio_(audio), dialogs_(dialogs), parent_(parent)
{}

void RecordingIntake::takeHeard(const PcmSound &heard, const QString &word)
{
    takeSound(heard, false, {}, word);
}

void RecordingIntake::takeFile(const QString &path, const QString &word)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable()) {
        emit refused(QStringLiteral("Non riesco a leggere «%1».").arg(name));
        return;
    }
    const WavReading wav = readWavFile(path);
    if (wav.status == WavReading::Status::Read) {
        takeSound(wav.sound, wav.length > kLongestRecording, name, word);
        return;
    }
    if (wav.status != WavReading::Status::NotWav) {
        emit refused(wavRefusal(wav.status, name));
        return;
    }
    const QString cannot = QStringLiteral("«%1» non è un file audio che questo computer sa "
                                          "leggere: salvalo come file WAV e riprova.")
                               .arg(name);
    if (!audio_) {
        emit refused(cannot);
        return;
    }
    audio_->decodeFile(
        path, kDecodedAtMost,
        [self = QPointer<RecordingIntake>(this), cannot, name, word](const DecodedFile &file) {
            if (!self)
                return;
            if (!file.decoded)
                emit self->refused(cannot);
            else
                self->takeSound(file.sound, file.cut, name, word);
        });
}

void RecordingIntake::takeSound(const PcmSound &sound, bool tooLong, const QString &source,
                                const QString &word)
{
    Speech heard = monoFrom(sound.bytes, sound.layout);
    if (tooLong) {
        if (!dialogs_.question(parent_, QStringLiteral("«%1» dura più di %2 secondi: per una "
                                                       "parola ne bastano pochi. Tenere solo i "
                                                       "primi %3 secondi?")
                                            .arg(source)
                                            .arg(kLongestRecording.count())
                                            .arg(kRecordingTime.count())))
            return;
        heard.samples.resize(
            std::min(heard.samples.size(), std::size_t(heard.sampleRate) * kRecordingTime.count()));
    }
    const std::optional<Speech> shaped = shapedRecording(heard);
    if (!shaped) {
        emit refused(source.isEmpty()
                         ? QStringLiteral("Nella registrazione non si sente nessuna voce: parla "
                                          "più vicino al microfono e riprova.")
                         : QStringLiteral("In «%1» non si sente nessuna voce.").arg(source));
        return;
    }
    const QString file = QDir(kept_.path()).filePath(QStringLiteral("%1.wav").arg(++keptCount_));
    QSaveFile out(file);
    const QByteArray bytes = wavBytes(*shaped);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        emit refused(QStringLiteral("Non riesco a tenere questa registrazione: il disco è pieno?"));
        return;
    }
    emit recordingReady(word, {TileFile::Source::File, file});
}
