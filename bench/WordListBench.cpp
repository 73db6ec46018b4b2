// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WordListStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString writeList(const QTemporaryDir &folder, const char *name, const QByteArray &bytes)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void loadFiveHundredWords(benchmark::State &state)
{
    QTemporaryDir folder;
    QByteArray bytes;
    for (int i = 1; i <= 500; ++i)
        bytes += "parola" + QByteArray::number(i) + (i % 7 ? "\r\n" : " caff\xE8\r\n");
    const QString path = writeList(folder, "500.txt", bytes);
    WordListStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.loadWordList(path));
}
BENCHMARK(loadFiveHundredWords)->Unit(benchmark::kMicrosecond);

// Reading stops at the 501st field, however long the file goes on.
void loadHundredMegabytesOfFields(benchmark::State &state)
{
    QTemporaryDir folder;
    QByteArray bytes;
    bytes.reserve(100 * 1024 * 1024);
    while (bytes.size() < 100 * 1024 * 1024)
        bytes += "gatto,cane,mela,pera\r\n";
    const QString path = writeList(folder, "100MB.txt", bytes);
    bytes.clear();
    WordListStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.loadWordList(path));
}
BENCHMARK(loadHundredMegabytesOfFields)->Unit(benchmark::kMicrosecond);

} // namespace
