// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PcmSound.h"

#include <QAudioFormat>
#include <optional>

// The layout of Qt Multimedia's samples; nothing for a format it leaves unset.
std::optional<PcmLayout> layoutOf(const QAudioFormat &format);
