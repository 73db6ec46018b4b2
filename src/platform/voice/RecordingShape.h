// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <chrono>
#include <optional>

// How long a recording of a word may be: a microphone stops by itself after kRecordingTime; a
// file longer than kLongestRecording is refused, or cut to its first kRecordingTime.
inline constexpr std::chrono::seconds kRecordingTime{5};
inline constexpr std::chrono::seconds kLongestRecording{30};
// The rates a recording is kept at: a lower one is raised, a higher one lowered.
inline constexpr int kLowestKeptRate = 22050;
inline constexpr int kHighestKeptRate = 48000;

// `sound` at a rate the list keeps: its own when between kLowestKeptRate and kHighestKeptRate.
Speech atKeptRate(const Speech &sound);

// A recording as the teacher wants to hear it: at a rate the list keeps, the silence before and
// after the voice cut off but for a breath, the loudest sample brought to about -3 dBFS.
// Nothing when no voice can be heard in it.
std::optional<Speech> shapedRecording(const Speech &sound);
