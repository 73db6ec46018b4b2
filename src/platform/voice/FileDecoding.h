// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AudioModule.h"

// Decodes a sound file with the system's media decoders (Qt Multimedia's QAudioDecoder), on the
// event loop of the calling thread; `done` hears once, when the file is decoded, found
// undecodable, or has given `atMost` of sound.
void decodeSoundFile(const QString &path, std::chrono::milliseconds atMost,
                     std::function<void(const DecodedFile &)> done);
