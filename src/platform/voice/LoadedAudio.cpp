// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadedAudio.h"

#include "SilenceNotice.h"
#include "VoiceModule.h"

#include <QLibrary>

LoadedAudio::LoadedAudio(QString modulePath) : modulePath_(std::move(modulePath)) {}

LoadedAudio::~LoadedAudio() = default;

AudioModule *LoadedAudio::loaded()
{
    if (tried_)
        return module_.get();
    tried_ = true;
    QLibrary module(modulePath_);
    const auto make = reinterpret_cast<MakeAudio>(module.resolve(kMakeAudioFunction));
    if (!make) {
        reportSilence(
            qPrintable(QStringLiteral("modulo della voce: %1").arg(module.errorString())));
        return nullptr;
    }
    module_.reset(make());
    return module_.get();
}

std::unique_ptr<Microphone> LoadedAudio::defaultMicrophone()
{
    AudioModule *module = loaded();
    return module ? module->defaultMicrophone() : nullptr;
}

void LoadedAudio::decodeFile(const QString &path, std::chrono::milliseconds atMost,
                             std::function<void(const DecodedFile &)> done)
{
    if (AudioModule *module = loaded())
        module->decodeFile(path, atMost, std::move(done));
    else
        done({});
}

void LoadedAudio::Output::say(const QString &text)
{
    if (AudioModule *module = audio_.loaded())
        module->output().say(text);
}

bool LoadedAudio::Output::play(const Speech &sound)
{
    AudioModule *module = audio_.loaded();
    return module && module->output().play(sound);
}

void LoadedAudio::Output::stop()
{
    // Nothing can be playing before the first sound.
    if (audio_.module_)
        audio_.module_->output().stop();
}

bool LoadedAudio::Output::isPlaying() const
{
    return audio_.module_ && audio_.module_->output().isPlaying();
}
