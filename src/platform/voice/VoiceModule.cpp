// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoiceModule.h"

#include "FileDecoding.h"
#include "SoundMicrophone.h"
#include "SpokenVoice.h"

#include <QtGlobal>

namespace {

class ModuleAudio final : public AudioModule
{
public:
    SoundOutput &output() override { return voice_; }
    std::unique_ptr<Microphone> defaultMicrophone() override
    {
        return SoundMicrophone::defaultOne();
    }
    void decodeFile(const QString &path, std::chrono::milliseconds atMost,
                    std::function<void(const DecodedFile &)> done) override
    {
        decodeSoundFile(path, atMost, std::move(done));
    }

private:
    SpokenVoice voice_;
};

} // namespace

extern "C" Q_DECL_EXPORT AudioModule *zibaldoMakeAudio()
{
    return new ModuleAudio;
}
