#include "platform/Fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Picture decoding needs the application's plugin paths, and the windows' benchmarks an
// application of widgets; nothing is shown on a screen.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
