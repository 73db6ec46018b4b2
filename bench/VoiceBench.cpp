// SPDX-License-Identifier: GPL-3.0-or-later
#include "BundledProgram.h"
#include "memory/FormMemory.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/voice/SpeechPlayer.h"
#include "platform/voice/SpeechSynthesis.h"
#include "platform/voice/SpokenVoice.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <benchmark/benchmark.h>

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

// The pupil's click on a memory word card, through the game, to its word handed to the audio
// output: what the pupil waits for before hearing the word.
void turnAWordCardToTheAudioOutput(benchmark::State &state)
{
    state.SetLabel(SpeechPlayer::defaultOutput().isNull() ? "no audio output" : "audio output");
    BundledProgram program;
    program.voice.setEnabled(true);
    auto *form = new FormMemory(program.services);
    form->resize(1280, 1024);
    form->show();
    QPushButton *restart = form->surface()->button("Command1");
    DesignLabel *firstWordCard = form->surface()->label("Label2", kSlots);
    for (auto _ : state) {
        state.PauseTiming();
        restart->click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(firstWordCard, Qt::LeftButton, {}, QPoint(5, 5));
    }
    if (firstWordCard->isVisible())
        state.SkipWithError("the word card was not turned");
    program.voice.stop();
    delete form;
}
BENCHMARK(turnAWordCardToTheAudioOutput)->Unit(benchmark::kMicrosecond);

} // namespace
