// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechSynthesis.h"

#include "SilenceNotice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <mutex>

namespace {

// Speech at this pace is easier for young pupils to follow than the engine's 175 words a minute.
constexpr int kWordsPerMinute = 150;
// Samples quieter than this (about -40 dB) before the first sound and after the last one are
// silence, trimmed so that a word starts as soon as it is played.
constexpr int kSilenceLevel = 320;
constexpr std::chrono::milliseconds kSilenceKept{10};
// More sound than any word or short sentence makes: the engine is stopped there.
constexpr std::chrono::seconds kLongestSpeech{10};

std::atomic<bool> engineStarted{false};

#ifdef Q_OS_WIN
// Windows has no system-wide engine: the program carries the voice's data in its own folder.
constexpr const char *kMissingData = "dati della voce italiana non trovati: reinstallare Zibaldo";
#else
constexpr const char *kMissingData =
    "dati della voce italiana non trovati: installare espeak-ng-data";
#endif

// The folder the engine is told to take its data from (it looks in its espeak-ng-data first);
// empty for the engine's own choice, the system's data. On Windows, the program's folder, named in
// the system's code page, as the engine opens its files.
QByteArray engineDataFolder()
{
#ifdef Q_OS_WIN
    return QFile::encodeName(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
#else
    return {};
#endif
}

// The optional MBROLA voice counts as installed when its program and its diphones are where the
// engine looks for them; asking the engine blindly would have it complain on the error stream.
bool mbrolaVoiceInstalled(const QString &dataFolder, const QString &name)
{
    if (QStandardPaths::findExecutable(QStringLiteral("mbrola")).isEmpty())
        return false;
    const QStringList places{
        dataFolder + QStringLiteral("/mbrola/") + name,
        QStringLiteral("/usr/share/mbrola/") + name,
        QStringLiteral("/usr/share/mbrola/%1/%1").arg(name),
        QStringLiteral("/usr/share/mbrola/voices/") + name,
    };
    return std::any_of(places.begin(), places.end(),
                       [](const QString &place) { return QFileInfo(place).isFile(); });
}

int collectSamples(short *samples, int count, espeak_EVENT *events)
{
    auto *speech = static_cast<Speech *>(events->user_data);
    if (samples != nullptr && count > 0)
        speech->samples.insert(speech->samples.end(), samples, samples + count);
    const auto longest = std::size_t(speech->sampleRate) * kLongestSpeech.count();
    return speech->samples.size() > longest ? 1 : 0;
}

// The engine is global to the process and cannot be started twice: a second initialisation after
// a termination hangs. It is started on first use and left running.
class Engine
{
public:
    static Engine &instance()
    {
        static Engine engine;
        return engine;
    }

    std::mutex mutex;
    QString voiceName;
    int sampleRate = 0;

private:
    Engine()
    {
        engineStarted = true;
        const QByteArray given = engineDataFolder();
        const char *givenFolder = given.isEmpty() ? nullptr : given.constData();
        espeak_ng_InitializePath(givenFolder);
        const char *path = nullptr;
        espeak_Info(&path);
        const QString dataFolder = QFile::decodeName(path);
        // Without its data the engine would write its own complaint; ours is enough.
        if (!QFileInfo(QDir(dataFolder).filePath(QStringLiteral("phontab"))).isFile() ||
            !QFileInfo(QDir(dataFolder).filePath(QStringLiteral("it_dict"))).isFile()) {
            reportSilence(kMissingData);
            return;
        }
        // Given the folder again, or the engine would look for its data afresh.
        if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, givenFolder,
                              espeakINITIALIZE_DONT_EXIT) < 0) {
            reportSilence("il sintetizzatore vocale non parte");
            return;
        }
        espeak_SetSynthCallback(collectSamples);
        if (mbrolaVoiceInstalled(dataFolder, QStringLiteral("it4")) &&
            espeak_SetVoiceByName("mb-it4") == EE_OK) {
            voiceName = QStringLiteral("mb-it4");
        } else if (espeak_SetVoiceByName("it") == EE_OK) {
            voiceName = QStringLiteral("it");
        } else {
            reportSilence("voce italiana non trovata");
            return;
        }
        espeak_SetParameter(espeakRATE, kWordsPerMinute, 0);
        sampleRate = espeak_ng_GetSampleRate();
    }
};

void trimSilence(std::vector<qint16> &samples, int sampleRate)
{
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > kSilenceLevel; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) {
        samples.clear();
        return;
    }
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const auto kept = std::ptrdiff_t(sampleRate) * kSilenceKept.count() / 1000;
    const auto begin = first - std::min(kept, first - samples.begin());
    const auto end = last + std::min(kept, samples.end() - last);
    samples = std::vector<qint16>(begin, end);
}

} // namespace

bool isSpeakable(const QString &text)
{
    if (text.trimmed().isEmpty() || text.size() > kLongestSpokenText)
        return false;
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

namespace {

// The engine, started if need be, when it can say `text`; nullptr otherwise.
Engine *engineFor(const QString &text)
{
    if (!isSpeakable(text))
        return nullptr;
    Engine &engine = Engine::instance();
    return engine.voiceName.isEmpty() ? nullptr : &engine;
}

} // namespace

std::optional<Speech> synthesizeSpeech(const QString &text)
{
    Engine *engine = engineFor(text);
    if (!engine)
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    Speech speech;
    speech.sampleRate = engine->sampleRate;
    const std::lock_guard lock(engine->mutex);
    if (espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, &speech) != EE_OK)
        return std::nullopt;
    trimSilence(speech.samples, speech.sampleRate);
    if (speech.samples.empty())
        return std::nullopt;
    return speech;
}

std::optional<QString> speechPhonemes(const QString &text)
{
    Engine *engine = engineFor(text);
    if (!engine)
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    const void *rest = utf8.constData();
    QStringList clauses;
    const std::lock_guard lock(engine->mutex);
    while (rest != nullptr) {
        const char *phonemes = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (phonemes != nullptr && *phonemes != '\0')
            clauses.append(QString::fromUtf8(phonemes).trimmed());
    }
    return clauses.join(QLatin1Char(' '));
}

QString speechVoiceName()
{
    return Engine::instance().voiceName;
}

bool speechEngineStarted()
{
    return engineStarted;
}
