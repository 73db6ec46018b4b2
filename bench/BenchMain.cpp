// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/design/Fonts.h"
#include "platform/design/LetterFonts.h"

#include <QApplication>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>

// Picture decoding needs the application's plugin paths, and the windows' benchmarks an
// application of widgets; nothing is shown on a screen. The screen they fill is a classroom
// PC's, 1280 x 1024 at 96 dots per inch.
int main(int argc, char *argv[])
{
    QTemporaryFile screen;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && screen.open()) {
        screen.write(R"({"screens":[{"name":"bench","x":0,"y":0,"width":1280,"height":1024,)"
                     R"("logicalDpi":96,"dpr":1}]})");
        screen.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    QApplication application(argc, argv);
    installFontSubstitutions();
    setBundledFontFolder(QStringLiteral(ZIBALDO_DATA_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
