// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <QString>
#include <optional>

// The longest text, in characters, that is ever spoken: a word or a short sentence.
inline constexpr int kLongestSpokenText = 100;

// True for a text the engine is given: something besides blanks, at most kLongestSpokenText
// characters, no control characters.
bool isSpeakable(const QString &text);

// The Italian voice of the speech engine. The engine starts with the first call of either function
// and stays for the life of the process; calls from several threads take turns. Both give nothing
// for a text that is not speakable, or when the speech data is missing.
std::optional<Speech> synthesizeSpeech(const QString &text);
// The phonemes the engine reads in `text`, in IPA, clauses separated by a blank.
std::optional<QString> speechPhonemes(const QString &text);

// The engine's voice: "mb-it4" where that optional voice is installed on the machine, otherwise
// "it"; empty when the engine could not start. Starts the engine.
QString speechVoiceName();
// Whether the engine has been started in this process (it is never stopped).
bool speechEngineStarted();
