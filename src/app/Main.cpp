// SPDX-License-Identifier: GPL-3.0-or-later
#include "Navigator.h"
#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/Services.h"
#include "platform/accessibility/Accessibility.h"
#include "platform/design/Fonts.h"
#include "platform/design/LetterFonts.h"
#include "platform/dialogs/QtDialogs.h"
#include "platform/settings/StoredSettings.h"
#include "platform/voice/LoadedAudio.h"
#include "platform/voice/VoiceModule.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WordVoice.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Seeds the draws, reads the default word list and opens the title window. Without its list the
// program cannot run: it says why and ends with a failure status.
int run(QApplication &application)
{
    installFontSubstitutions();
    installAccessibility();
    // The file dialog speaks Italian where Qt's translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    ProgramRandom random(ProgramRandom::seedFromClock());
    WordListStore words;
    QtDialogs dialogs;
    const QString folder = QCoreApplication::applicationDirPath();
    setBundledFontFolder(folder);
    // Nothing of the speech engine or the sound server is loaded or touched before the first word.
    LoadedAudio audio(QDir(folder).filePath(QString::fromLatin1(kVoiceModuleFile)));
    WordVoice spoken(audio.output(), [&words, folder](const QString &word) {
        return recordingFileFor({words.listFolder(), folder}, word);
    });
    SwitchableVoice voice(spoken, voiceWantedFrom(QCoreApplication::arguments()));

    const QString listPath = QDir(folder).filePath(QStringLiteral("listaparole.txt"));
    const LoadResult loaded = words.loadWordList(listPath);
    const QString report = loadReportText(listPath, loaded);
    if (!loaded.loaded()) {
        dialogs.critical(nullptr,
                         report + QStringLiteral("\nZibaldo non può partire senza la sua lista "
                                                 "di parole."));
        return 1;
    }
    if (!report.isEmpty())
        dialogs.information(nullptr, report);

    ClassChoices choices(std::make_unique<StoredSettings>());
    Services services{words, random, dialogs, folder, voice, choices, {}, &audio};
    Navigator navigator(services);
    navigator.start();
    return application.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    std::jthread fontConfiguration = readFontConfigurationAside();
    QApplication application(argc, argv);
    // The title's fonts need the configuration now. Fontconfig does not wait for a reading under
    // way: it would read everything a second time.
    if (fontConfiguration.joinable())
        fontConfiguration.join();
    QGuiApplication::setDesktopFileName(QStringLiteral(ZIBALDO_APP_ID));
    return run(application);
}
