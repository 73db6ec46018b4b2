// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "editor/FormPreparaLista.h"
#include "memory/CardGrid.h"
#include "memory/FormMemory.h"
#include "platform/Services.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/voice/LoadedAudio.h"
#include "platform/voice/VoiceModule.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WordVoice.h"
#include "support/Files.h"
#include "support/ScriptedDialogs.h"
#include "support/Tones.h"
#include "support/Windows.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// These tests hear the program through the tests' own sound server (tests/audio/sound-server.sh):
// its loudspeaker, a null sink, is heard through its monitor, and its microphone is a 440 Hz tone.
namespace {

using namespace std::chrono_literals;

const QString kMicrophone = QStringLiteral("zibaldo_sine");

void pactl(const QStringList &arguments)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("pactl"), arguments), 0)
        << arguments.join(u' ').toStdString();
}

// What the loudspeaker plays in the `length` after `act`, heard through its monitor.
Speech heardAfter(const std::function<void()> &act, std::chrono::milliseconds length)
{
    constexpr int kRate = 22050;
    QTemporaryDir folder;
    QFile heard(folder.filePath(QStringLiteral("monitor.raw")));
    QProcess monitor;
    monitor.start(QStringLiteral("parecord"),
                  QProcess::splitCommand(QStringLiteral("--device=zibaldo_null.monitor --raw "
                                                        "--format=s16le --channels=1 --rate=%1 "
                                                        "--latency-msec=20 %2")
                                             .arg(kRate)
                                             .arg(heard.fileName())));
    // Listening once the monitor's silence starts coming in.
    if (!QTest::qWaitFor([&heard] { return heard.size() > 0; }, 10000))
        return {};
    const qint64 wanted = heard.size() + length.count() * kRate / 1000 * 2;
    act();
    const bool whole = QTest::qWaitFor([&] { return heard.size() >= wanted; }, 20000);
    monitor.terminate();
    monitor.waitForFinished();
    if (!whole || !heard.open(QIODevice::ReadOnly))
        return {};
    return monoFrom(heard.readAll(), {PcmLayout::Sample::Int16, 1, kRate});
}

class HearingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Under ctest, which starts the tests' sound server.
        pactl({QStringLiteral("info")});
        services.audio = &audio;
    }
    void TearDown() override
    {
        discardWindows();
        pactl({QStringLiteral("set-source-mute"), kMicrophone, QStringLiteral("0")});
    }

    QTemporaryDir folder;
    ProgramRandom random{3};
    ScriptedDialogs dialogs;
    ClassChoices choices;
    WordListStore words;
    LoadedAudio audio{
        QDir(QStringLiteral(ZIBALDO_PROGRAM_DIR)).filePath(QString::fromLatin1(kVoiceModuleFile))};
    WordVoice spoken{
        audio.output(), [this](const QString &word) {
            return recordingFileFor({words.listFolder(), QStringLiteral(ZIBALDO_DATA_DIR)}, word);
        }};
    SwitchableVoice voice{spoken};
    Services services{words, random, dialogs, QStringLiteral(ZIBALDO_DATA_DIR), voice, choices, {}};
};

// The teacher records "gatto": the microphone is silent at first, then hears its tone; the
// recording stops by itself and is saved with the silence before the tone cut off. A phone's OGG
// file, decoded by the system, gives "cane" its voice; a file that is no sound is refused by name.
// Played with the list saved, the memory game says the teacher's recording of a word, and the
// engine says the others.
TEST_F(HearingTest, ARecordingMadeInTheEditorIsSavedAndSaidByTheMemoryGame)
{
    auto *form = new FormPreparaLista(services, {});
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    auto *field = form->findChild<QLineEdit *>(QStringLiteral("NuovaParola"));
    const auto add = [field](const char *word) {
        field->setText(QString::fromLatin1(word));
        QTest::keyClick(field, Qt::Key_Return);
    };
    add("gatto");
    pactl({QStringLiteral("set-source-mute"), kMicrophone, QStringLiteral("1")});
    QAction *record = form->findChild<QAction *>(QStringLiteral("RegistraVoce"));
    record->trigger();
    const auto *meter = form->findChild<QProgressBar *>(QStringLiteral("LivelloMicrofono"));
    // Some silence first, as while the teacher draws breath: not a wait for anything.
    QTest::qWait(600);
    EXPECT_EQ(meter->value(), 0);
    pactl({QStringLiteral("set-source-mute"), kMicrophone, QStringLiteral("0")});
    EXPECT_TRUE(QTest::qWaitFor([meter] { return meter->value() > 30; }, 5000))
        << "the meter never rose";
    ASSERT_TRUE(QTest::qWaitFor(
        [record] { return record->text() == QStringLiteral("Registra la voce"); }, 10000));

    add("cane");
    writeFile(folder.filePath(QStringLiteral("nota.ogg")), "non sono un suono");
    const QString ogg = folder.filePath(QStringLiteral("cane.ogg"));
    ASSERT_TRUE(encodedTone(ogg, 660, 44100, QStringLiteral("vorbisenc ! oggmux")));
    dialogs.fileNames = {folder.filePath(QStringLiteral("nota.ogg")), ogg};
    const auto *status = form->findChild<QStatusBar *>();
    for (const char *said : {"«nota.ogg» non è un file audio", "«cane» ha la sua voce"}) {
        form->findChild<QAction *>(QStringLiteral("ScegliFileAudio"))->trigger();
        EXPECT_TRUE(QTest::qWaitFor(
            [status, said] { return status->currentMessage().startsWith(QString::fromUtf8(said)); },
            10000))
            << status->currentMessage().toStdString();
    }
    for (const char *word :
         {"topo", "mucca", "oca", "pecora", "capra", "gallo", "asino", "lupo", "orso", "volpe"})
        add(word);

    const QString list = folder.filePath(QStringLiteral("animali/animali.txt"));
    dialogs.fileNames = {list};
    form->findChild<QAction *>(QStringLiteral("Salva"))->trigger();
    const std::optional<Speech> kept =
        keptRecording(folder.filePath(QStringLiteral("animali/voce/gatto.wav")));
    ASSERT_TRUE(kept.has_value());
    // Heard to the end, the silence before the tone cut off.
    EXPECT_GE(kept->duration(), 2s);
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > 8000; };
    EXPECT_LE(std::find_if(kept->samples.begin(), kept->samples.end(), loud) -
                  kept->samples.begin(),
              kept->sampleRate / 10);
    EXPECT_GT(toneShare(*kept, 440), 0.95);
    const std::optional<Speech> phone =
        keptRecording(folder.filePath(QStringLiteral("animali/voce/cane.wav")));
    ASSERT_TRUE(phone.has_value());
    EXPECT_NEAR(double(phone->duration().count()), 1e6, 0.15e6);
    EXPECT_GT(toneShare(*phone, 660), 0.95);

    ASSERT_TRUE(words.loadWordList(list).loaded());
    auto *game = new FormMemory(services);
    showFillingScreen(game);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    const auto turnWordCard = [game](const char *word) {
        return [game, word] {
            for (int slot = 0; slot < kSlots; ++slot) {
                if (game->surface()->label("Label1", slot)->text().toLower() == word)
                    QTest::mouseClick(game->surface()->label("Label2", kSlots + slot),
                                      Qt::LeftButton, {}, {5, 5});
            }
        };
    };
    const Speech engine = heardAfter(turnWordCard("topo"), 1500ms);
    EXPECT_GT(peakOf(engine), 0.1) << "the engine said nothing";
    EXPECT_LT(toneShare(engine, 660), 0.3);
    const Speech recording = heardAfter(turnWordCard("cane"), 1500ms);
    EXPECT_GT(peakOf(recording), 0.3);
    EXPECT_GT(toneShare(recording, 660), 0.9);
}

} // namespace
