// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureDecoder.h"

#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A 4000 x 3000 photo-sized JPEG, made once.
const QString &largePhoto()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 4000, 3000);
        gradient.setColorAt(0, Qt::red);
        gradient.setColorAt(0.5, Qt::yellow);
        gradient.setColorAt(1, Qt::blue);
        painter.fillRect(image.rect(), gradient);
        for (int i = 0; i < 400; ++i)
            painter.fillRect((i * 7919) % 4000, (i * 104729) % 3000, 120, 90,
                             QColor::fromHsv(i % 360, 200, 220));
        painter.end();
        const QString file = folder.filePath(QStringLiteral("foto.jpg"));
        image.save(file, "JPEG", 90);
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
