// SPDX-License-Identifier: GPL-3.0-or-later
#include "Photos.h"
#include "platform/pictures/PictureDecoder.h"

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A 4000 x 3000 photo-sized JPEG, made once.
const QString &largePhoto()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("foto.jpg"));
        writeLargePhoto(file);
        return file;
    }();
    return path;
}

// A picture box of the word search, 1095 x 975 twips: 73 x 65 pixels at scale 1.
const QSize kBox(73, 65);

void decodeScaledToTheBox(benchmark::State &state)
{
    const QString &path = largePhoto();
    for (auto _ : state)
        benchmark::DoNotOptimize(decodePicture(path, kBox));
}
BENCHMARK(decodeScaledToTheBox)->Unit(benchmark::kMillisecond);

void decodeWholeThenScale(benchmark::State &state)
{
    const QString &path = largePhoto();
    for (auto _ : state) {
        QImageReader reader(path);
        reader.setAllocationLimit(256);
        const QImage whole = reader.read();
        benchmark::DoNotOptimize(
            whole.scaled(kBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}
BENCHMARK(decodeWholeThenScale)->Unit(benchmark::kMillisecond);

} // namespace
