// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadedVoice.h"

#include "SilenceNotice.h"
#include "VoiceModule.h"

#include <QLibrary>

LoadedVoice::LoadedVoice(QString modulePath) : modulePath_(std::move(modulePath)) {}

LoadedVoice::~LoadedVoice() = default;

void LoadedVoice::say(const QString &text)
{
    if (Voice *voice = loaded())
        voice->say(text);
}

void LoadedVoice::stop()
{
    // Nothing can be being said before the first word.
    if (voice_)
        voice_->stop();
}

Voice *LoadedVoice::loaded()
{
    if (tried_)
        return voice_.get();
    tried_ = true;
    QLibrary module(modulePath_);
    const auto make = reinterpret_cast<MakeVoice>(module.resolve(kMakeVoiceFunction));
    if (!make) {
        reportSilence(
            qPrintable(QStringLiteral("modulo della voce: %1").arg(module.errorString())));
        return nullptr;
    }
    voice_.reset(make());
    return voice_.get();
}
