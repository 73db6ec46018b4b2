// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice/SpeechSynthesis.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

double rms(const std::vector<qint16> &samples)
{
    double sum = 0;
    for (const qint16 sample : samples)
        sum += double(sample) * sample;
    return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

// The time before the first sample above a whisper, from the start or from the end.
std::chrono::microseconds leadingQuiet(const Speech &speech, bool fromEnd)
{
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > 1000; };
    const auto quiet = fromEnd
                           ? std::find_if(speech.samples.rbegin(), speech.samples.rend(), loud) -
                                 speech.samples.rbegin()
                           : std::find_if(speech.samples.begin(), speech.samples.end(), loud) -
                                 speech.samples.begin();
    return std::chrono::microseconds(quiet * 1000000 / speech.sampleRate);
}

int expectedSampleRate()
{
    // The optional MBROLA voice speaks at 16 kHz; the engine's own at 22.05 kHz.
    return speechVoiceName() == QStringLiteral("mb-it4") ? 16000 : 22050;
}

} // namespace

class SpokenWord : public ::testing::TestWithParam<const char *>
{
};

TEST_P(SpokenWord, IsAShortAudibleSoundWithLittleSilenceAround)
{
    const QString word = QString::fromUtf8(GetParam());
    const std::optional<Speech> speech = synthesizeSpeech(word);
    ASSERT_TRUE(speech.has_value()) << "is espeak-ng-data installed?";
    EXPECT_EQ(speech->sampleRate, expectedSampleRate());
    EXPECT_GE(speech->duration(), 250ms);
    EXPECT_LE(speech->duration(), 1200ms);
    EXPECT_GT(rms(speech->samples), 1500.0);
    EXPECT_LE(leadingQuiet(*speech, false), 40ms);
    EXPECT_LE(leadingQuiet(*speech, true), 40ms);
}

namespace {

// Test names in plain letters: "caffe" for "caffè".
std::string asciiName(const ::testing::TestParamInfo<const char *> &info)
{
    std::string name;
    for (const QChar c : QString::fromUtf8(info.param).normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 128 && c.isLetter())
            name += char(c.unicode());
    }
    return name;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Italian, SpokenWord, ::testing::Values("gatto", "caffè", "perché"),
                         asciiName);

TEST(SpeechSynthesis, ReadsTheAccentsOfUtf8Text)
{
    ASSERT_EQ(speechPhonemes(QStringLiteral("caffè")), QStringLiteral("kaffˈɛ"));
    EXPECT_EQ(speechPhonemes(QStringLiteral("perché")), QStringLiteral("perkˈe"));
    EXPECT_NE(speechPhonemes(QStringLiteral("caffe")), speechPhonemes(QStringLiteral("caffè")));
    EXPECT_NE(speechPhonemes(QStringLiteral("perche")), speechPhonemes(QStringLiteral("perché")));
}

TEST(SpeechSynthesis, SaysTheSentenceOfAFinishedGame)
{
    const std::optional<Speech> speech =
        synthesizeSpeech(QStringLiteral("Bravo! Hai finito in 12 mosse"));
    ASSERT_TRUE(speech.has_value());
    EXPECT_GE(speech->duration(), 1500ms);
    EXPECT_LE(speech->duration(), 5s);
    // Numbers are read in Italian.
    EXPECT_TRUE(speechPhonemes(QStringLiteral("12"))->startsWith(QStringLiteral("dˈoditʃ")));
}

TEST(SpeechSynthesis, RefusesEmptyOverlongAndControlText)
{
    const QString refused[] = {
        QString(),
        QStringLiteral("   "),
        QString(500, QLatin1Char('a')),
        QStringLiteral("gat\nto"),
        QStringLiteral("gatto\a"),
        QStringLiteral("\t"),
        QStringLiteral("ga") + QChar(0x85) + QStringLiteral("tto"),
    };
    for (const QString &text : refused) {
        EXPECT_FALSE(isSpeakable(text)) << text.toStdString();
        EXPECT_FALSE(synthesizeSpeech(text).has_value()) << text.toStdString();
        EXPECT_FALSE(speechPhonemes(text).has_value()) << text.toStdString();
    }
    // The longest text allowed is still spoken in full.
    QString longest = QStringLiteral("gatto ").repeated(17).left(kLongestSpokenText);
    ASSERT_EQ(longest.size(), kLongestSpokenText);
    const std::optional<Speech> speech = synthesizeSpeech(longest);
    ASSERT_TRUE(speech.has_value());
    EXPECT_GE(speech->duration(), 5s);
}

TEST(SpeechSynthesis, TextWithNothingToSayGivesNoSpeech)
{
    EXPECT_FALSE(synthesizeSpeech(QStringLiteral("...")).has_value());
}

TEST(SpeechSynthesisDeathTest, MissingSpeechDataSilencesTheVoiceWithOneLine)
{
    EXPECT_EXIT(
        {
            QTemporaryDir emptyData;
            qputenv("ESPEAK_DATA_PATH", QFile::encodeName(emptyData.path()));
            const bool silent = !synthesizeSpeech(QStringLiteral("gatto")).has_value() &&
                                !synthesizeSpeech(QStringLiteral("caffè")).has_value() &&
                                speechVoiceName().isEmpty();
            std::exit(silent ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "^Zibaldo: senza voce \\(dati della voce italiana non trovati: installare "
        "espeak-ng-data\\)\n$");
}
