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
#include "platform/voice/SpeechPlayer.h"
#include "platform/voice/SpeechSynthesis.h"
#include "platform/voice/VoiceModule.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WavFile.h"
#include "platform/voice/WordVoice.h"
#include "support/Files.h"
#include "support/ScriptedDialogs.h"
#include "support/Tones.h"
#include "support/Windows.h"

#include <QAction>
#include <QAudioDevice>
#include <QDir>
#include <QLineEdit>
#include <QMediaDevices>
#include <QProcess>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// These tests hear the program through the tests' own sound server (tests/audio/sound-server.sh):
// its loudspeaker, a null sink, is heard through its monitor, and its microphone is a 440 Hz tone.
namespace {

using namespace std::chrono_literals;

const QString kSink = QStringLiteral("zibaldo_null");
const QString kMicrophone = QStringLiteral("zibaldo_sine");
constexpr int kHeardRate = 22050;

void pactl(const QStringList &arguments)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("pactl"), arguments), 0)
        << arguments.join(u' ').toStdString();
}

// What the loudspeaker plays, as its monitor hears it from the moment it is listening.
class Listener
{
public:
    Listener()
    {
        file_ = QDir(folder_.path()).filePath(QStringLiteral("monitor.raw"));
        process_.start(QStringLiteral("parecord"),
                       {QStringLiteral("--device=%1.monitor").arg(kSink), QStringLiteral("--raw"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                        QStringLiteral("--rate=%1").arg(kHeardRate),
                        QStringLiteral("--latency-msec=20"), file_});
        process_.waitForStarted();
        // Listening once the monitor's silence starts coming in.
        listening_ = QTest::qWaitFor([this] { return QFileInfo(file_).size() > 0; }, 10000);
    }
    ~Listener()
    {
        process_.terminate();
        process_.waitForFinished();
    }

    bool listening() const { return listening_; }
    // Waits until `length` more has been heard, then hands over everything heard.
    Speech heardAfter(std::chrono::milliseconds length)
    {
        const qint64 wanted = QFileInfo(file_).size() + length.count() * kHeardRate / 1000 * 2;
        if (!QTest::qWaitFor([&] { return QFileInfo(file_).size() >= wanted; }, 20000))
            return {};
        QFile raw(file_);
        raw.open(QIODevice::ReadOnly);
        return monoFrom(raw.readAll(), {PcmLayout::Sample::Int16, 1, kHeardRate});
    }

private:
    QTemporaryDir folder_;
    QString file_;
    QProcess process_;
    bool listening_ = false;
};

// The share of the tone in what was heard, the silence around it left out.
double toneShareHeard(const Speech &sound, double frequency)
{
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > 1000; };
    const auto first = std::find_if(sound.samples.begin(), sound.samples.end(), loud);
    const auto last = std::find_if(sound.samples.rbegin(), sound.samples.rend(), loud).base();
    return toneShare(sound, frequency, std::size_t(first - sound.samples.begin()),
                     std::size_t(last - sound.samples.begin()));
}

class HearingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("info")}), 0)
            << "no sound server: these tests run under ctest, which starts one";
        services.audio = &audio;
    }
    void TearDown() override
    {
        discardWindows();
        QProcess::execute(QStringLiteral("pactl"),
                          {QStringLiteral("set-source-mute"), kMicrophone, QStringLiteral("0")});
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
// recording stops by itself and is saved cut and levelled.
TEST_F(HearingTest, TheEditorsRecorderKeepsTheMicrophonesVoiceTrimmedAndLevelled)
{
    auto *form = new FormPreparaLista(services, {});
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    form->findChild<QLineEdit *>(QStringLiteral("NuovaParola"))->setText(QStringLiteral("gatto"));
    QTest::keyClick(form->findChild<QLineEdit *>(QStringLiteral("NuovaParola")), Qt::Key_Return);

    pactl({QStringLiteral("set-source-mute"), kMicrophone, QStringLiteral("1")});
    QAction *record = form->findChild<QAction *>(QStringLiteral("RegistraVoce"));
    record->trigger();
    ASSERT_EQ(record->text(), QStringLiteral("Ferma la registrazione"));
    const auto *meter = form->findChild<QProgressBar *>(QStringLiteral("LivelloMicrofono"));
    // Some silence first, as while the teacher draws breath: not a wait for anything.
    QTest::qWait(600);
    EXPECT_EQ(meter->value(), 0);
    pactl({QStringLiteral("set-source-mute"), kMicrophone, QStringLiteral("0")});
    EXPECT_TRUE(QTest::qWaitFor([meter] { return meter->value() > 30; }, 5000))
        << "the meter never rose";
    ASSERT_TRUE(QTest::qWaitFor(
        [record] { return record->text() == QStringLiteral("Registra la voce"); }, 10000));

    const QString list = folder.filePath(QStringLiteral("animali/animali.txt"));
    dialogs.fileNames = {list};
    form->findChild<QAction *>(QStringLiteral("Salva"))->trigger();
    const WavReading saved = readWavFile(folder.filePath(QStringLiteral("animali/voce/gatto.wav")));
    ASSERT_EQ(saved.status, WavReading::Status::Read);
    EXPECT_EQ(saved.sound.layout.sample, PcmLayout::Sample::Int16);
    EXPECT_EQ(saved.sound.layout.channels, 1);
    EXPECT_GE(saved.sound.layout.sampleRate, 22050);
    EXPECT_TRUE(saved.ours);
    const Speech kept = monoFrom(saved.sound.bytes, saved.sound.layout);
    // Five seconds heard, the silence before the tone cut off.
    EXPECT_GE(kept.duration(), 2s);
    EXPECT_LE(kept.duration(), 4600ms);
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > 8000; };
    EXPECT_LE(std::find_if(kept.samples.begin(), kept.samples.end(), loud) - kept.samples.begin(),
              kept.sampleRate / 10);
    EXPECT_NEAR(peakOf(kept), 0.708, 0.03);
    EXPECT_GT(toneShare(kept, 440, kept.samples.size() / 4, kept.samples.size() / 2), 0.95);
}

// A word card turned in the memory game says the teacher's recording of it; without one, the
// speech engine says it.
TEST_F(HearingTest, TheMemoryGameSaysTheTeachersRecordingElseTheEngine)
{
    QDir(folder.path()).mkdir(QStringLiteral("voce"));
    const QStringList animals{"gatto", "cane",  "topo",  "mucca", "oca",  "pecora",
                              "capra", "gallo", "asino", "lupo",  "orso", "volpe"};
    writeFile(folder.filePath(QStringLiteral("animali.txt")),
              animals.join(QStringLiteral("\r\n")).toUtf8());
    for (const QString &animal : animals)
        writeFile(folder.filePath(QStringLiteral("voce/%1.wav").arg(animal)),
                  wavBytes(tone(660, 1, 44100)));
    ASSERT_TRUE(words.loadWordList(folder.filePath(QStringLiteral("animali.txt"))).loaded());
    choices.setLevel(Game::Memory, Level::Hard);

    auto *game = new FormMemory(services);
    showFillingScreen(game);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    {
        Listener listener;
        ASSERT_TRUE(listener.listening());
        QTest::mouseClick(game->surface()->label("Label2", kSlots), Qt::LeftButton, {}, {5, 5});
        const Speech heard = listener.heardAfter(1500ms);
        EXPECT_GT(peakOf(heard), 0.3);
        EXPECT_GT(toneShareHeard(heard, 660), 0.9);
    }
    QDir(folder.filePath(QStringLiteral("voce"))).removeRecursively();
    {
        Listener listener;
        ASSERT_TRUE(listener.listening());
        QTest::mouseClick(game->surface()->label("Label2", kSlots + 1), Qt::LeftButton, {}, {5, 5});
        const Speech heard = listener.heardAfter(1500ms);
        EXPECT_GT(peakOf(heard), 0.1) << "the engine said nothing";
        EXPECT_LT(toneShareHeard(heard, 660), 0.3);
    }
}

// A sound file that is not WAV, decoded by the system's own decoders.
TEST_F(HearingTest, TheModuleDecodesAnOggFile)
{
    const QString ogg = folder.filePath(QStringLiteral("gatto.ogg"));
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("gst-launch-1.0"),
                          {"-q", "audiotestsrc", "freq=660", "num-buffers=60", "!", "audioconvert",
                           "!", "vorbisenc", "!", "oggmux", "!", "filesink", "location=" + ogg}),
        0);
    std::optional<DecodedFile> decoded;
    audio.decodeFile(ogg, 30s, [&decoded](const DecodedFile &file) { decoded = file; });
    ASSERT_TRUE(QTest::qWaitFor([&decoded] { return decoded.has_value(); }, 10000));
    ASSERT_TRUE(decoded->decoded);
    const Speech sound = monoFrom(decoded->sound.bytes, decoded->sound.layout);
    EXPECT_NEAR(double(sound.duration().count()), 60 * 1024 * 1e6 / 44100, 0.1e6);
    EXPECT_GT(toneShare(sound, 660), 0.9);

    decoded.reset();
    const QString text = folder.filePath(QStringLiteral("nota.ogg"));
    writeFile(text, "non sono un suono");
    audio.decodeFile(text, 30s, [&decoded](const DecodedFile &file) { decoded = file; });
    ASSERT_TRUE(QTest::qWaitFor([&decoded] { return decoded.has_value(); }, 10000));
    EXPECT_FALSE(decoded->decoded);
}

std::optional<QAudioDevice> nullSink()
{
    SpeechPlayer::defaultOutput();
    for (const QAudioDevice &output : QMediaDevices::audioOutputs()) {
        if (output.id() == kSink.toUtf8())
            return output;
    }
    return std::nullopt;
}

TEST_F(HearingTest, SpeechPlayerPlaysOnTheNullSinkAndCutsTheWordBefore)
{
    const std::optional<QAudioDevice> output = nullSink();
    ASSERT_TRUE(output.has_value());
    const std::optional<Speech> gatto = synthesizeSpeech(QStringLiteral("gatto"));
    const std::optional<Speech> perche = synthesizeSpeech(QStringLiteral("perché"));
    ASSERT_TRUE(gatto && perche);

    SpeechPlayer player;
    ASSERT_TRUE(player.play(*gatto, *output));
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(player.play(*perche, *output));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.isPlaying(); }, 10000))
        << "the sink never drained the word";
    ASSERT_TRUE(player.play(*gatto, *output));
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    // A pupil clicking fast: each word cut while the output takes it in.
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(player.play(i % 2 ? *gatto : *perche, *output));
        ASSERT_TRUE(QTest::qWaitFor([&] { return player.playedSoFar().count() > 0; }, 5000));
    }
    player.stop();
}

} // namespace
