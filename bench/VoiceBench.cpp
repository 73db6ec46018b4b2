// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "editor/ListSaving.h"
#include "editor/RecordingIntake.h"
#include "memory/FormMemory.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/voice/SpeechPlayer.h"
#include "platform/voice/SpeechSynthesis.h"
#include "platform/voice/SpokenVoice.h"
#include "platform/voice/WavFile.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const QStringList kWords{QStringLiteral("gatto"), QStringLiteral("caffè"),
                         QStringLiteral("perché")};

// The engine starts with the first word a process says and never again, so this is one
// measurement, and only where no benchmark before it has spoken.
void firstWordStartsTheSpeechEngine(benchmark::State &state)
{
    if (speechEngineStarted()) {
        state.SkipWithError("the speech engine already runs in this process");
        return;
    }
    for (auto _ : state) {
        if (!synthesizeSpeech(kWords.front()))
            state.SkipWithError("no speech: is espeak-ng-data installed?");
    }
}
BENCHMARK(firstWordStartsTheSpeechEngine)->Iterations(1)->Unit(benchmark::kMillisecond);

void synthesizeOneWord(benchmark::State &state)
{
    qsizetype next = 0;
    for (auto _ : state) {
        const std::optional<Speech> speech = synthesizeSpeech(kWords[next++ % kWords.size()]);
        if (!speech)
            state.SkipWithError("no speech: is espeak-ng-data installed?");
        benchmark::DoNotOptimize(speech);
    }
}
BENCHMARK(synthesizeOneWord)->Unit(benchmark::kMicrosecond);

// From a word to its sound handed to a new stream of the audio output, the word before cut short.
// Where no sound server runs there is no output: this then measures only finding that out.
void sayAWordToTheAudioOutput(benchmark::State &state)
{
    const QAudioDevice output = SpeechPlayer::defaultOutput();
    state.SetLabel(output.isNull() ? "no audio output" : output.description().toStdString());
    SpokenVoice voice;
    qsizetype next = 0;
    for (auto _ : state) {
        voice.say(kWords[next++ % kWords.size()]);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    voice.stop();
}
BENCHMARK(sayAWordToTheAudioOutput)->Unit(benchmark::kMicrosecond);

// The bundled list in a folder of its own, each word with a recording of a second beside it.
QString listWithRecordings()
{
    static QTemporaryDir folder;
    static const QString list = [] {
        QDir(folder.path()).mkdir(QStringLiteral("voce"));
        WordListStore bundled;
        bundled.loadWordList(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt"));
        Speech second{std::vector<qint16>(22050), 22050};
        for (std::size_t i = 0; i < second.samples.size(); ++i)
            second.samples[i] = qint16(8000 * std::sin(double(i) * 0.125));
        QStringList words;
        for (const QString &word : bundled.distinctWords()) {
            words << word;
            QFile file(QDir(folder.path()).filePath(QStringLiteral("voce/%1.wav").arg(word)));
            if (file.open(QIODevice::WriteOnly))
                file.write(wavBytes(second));
        }
        const QString path = QDir(folder.path()).filePath(QStringLiteral("lista.txt"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(words.join(QStringLiteral("\r\n")).toUtf8());
        return path;
    }();
    return list;
}

// The pupil's click on a memory word card, through the game and its voice, to the first samples
// taken by the audio output: what the pupil waits for before hearing the word, in the speech
// engine's voice or in the teacher's recording. Needs a sound server (see the README).
void clickToFirstSample(benchmark::State &state, bool recorded)
{
    if (SpeechPlayer::defaultOutput().isNull()) {
        state.SkipWithError("no audio output: start a sound server");
        return;
    }
    BundledProgram program(recorded ? listWithRecordings() : QString());
    program.voice.setEnabled(true);
    auto *form = new FormMemory(program.services);
    form->resize(1280, 1024);
    form->show();
    QPushButton *restart = form->surface()->button("Command1");
    DesignLabel *firstWordCard = form->surface()->label("Label2", kSlots);
    // The engine starts with the first word: that is measured by the benchmark above.
    synthesizeSpeech(kWords.front());
    for (auto _ : state) {
        state.PauseTiming();
        program.voice.stop();
        restart->click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(firstWordCard, Qt::LeftButton, {}, QPoint(5, 5));
        QDeadlineTimer deadline(1000);
        while (program.spoken.playedSoFar().count() == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents();
        if (deadline.hasExpired())
            state.SkipWithError("the audio output took nothing");
    }
    program.voice.stop();
    delete form;
}
BENCHMARK_CAPTURE(clickToFirstSample, engine, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(clickToFirstSample, recording, true)->Unit(benchmark::kMillisecond);

// Five seconds heard by a microphone at 48 kHz, made into the word's recording and saved with its
// list: what the teacher waits for between the end of a recording and the list on the disk.
void recordingToSaved(benchmark::State &state)
{
    BundledProgram program;
    Speech heard{std::vector<qint16>(5 * 48000), 48000};
    for (std::size_t i = 0; i < heard.samples.size(); ++i)
        heard.samples[i] =
            qint16(i > 48000 && i < 4 * 48000 ? 9000 * std::sin(double(i) * 0.06) : 0);
    const PcmSound sound{QByteArray(reinterpret_cast<const char *>(heard.samples.data()),
                                    qsizetype(heard.samples.size() * 2)),
                         {PcmLayout::Sample::Int16, 1, 48000}};
    RecordingIntake intake(nullptr, program.dialogs, nullptr);
    TileFile recording;
    QObject::connect(&intake, &RecordingIntake::recordingReady,
                     [&recording](const QString &, const TileFile &file) { recording = file; });
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir target;
        const QString list = QDir(target.path()).filePath(QStringLiteral("gatto.txt"));
        state.ResumeTiming();
        intake.takeHeard(sound, QStringLiteral("gatto"));
        const SaveOutcome outcome =
            saveList({list, {{QStringLiteral("gatto"), {}, recording}}, {}, {}, {}},
                     program.dialogs, nullptr, [](int, int) {});
        if (!outcome.saved || !recording.isSet())
            state.SkipWithError("not saved");
    }
}
BENCHMARK(recordingToSaved)->Unit(benchmark::kMillisecond);

} // namespace
