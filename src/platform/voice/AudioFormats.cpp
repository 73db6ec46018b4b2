// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioFormats.h"

std::optional<PcmLayout> layoutOf(const QAudioFormat &format)
{
    PcmLayout layout;
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        layout.sample = PcmLayout::Sample::UInt8;
        break;
    case QAudioFormat::Int16:
        layout.sample = PcmLayout::Sample::Int16;
        break;
    case QAudioFormat::Int32:
        layout.sample = PcmLayout::Sample::Int32;
        break;
    case QAudioFormat::Float:
        layout.sample = PcmLayout::Sample::Float32;
        break;
    default:
        return std::nullopt;
    }
    layout.channels = format.channelCount();
    layout.sampleRate = format.sampleRate();
    if (!layout.isValid())
        return std::nullopt;
    return layout;
}
