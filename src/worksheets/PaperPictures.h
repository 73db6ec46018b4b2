// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QStringList>
#include <vector>

class QPainter;
struct PaperPage;

// The words' pictures on paper: each decoded once, at the size it is first printed and at most
// 300 dots per inch, so that a camera's photo is never placed whole; upright, on white.
class PaperPictures
{
public:
    static constexpr double kMostDotsPerInch = 300;

    // One file per word, in the words' order; an empty path for a word without a picture.
    explicit PaperPictures(const QStringList &files);

    // Picture `index` as large as fits in `box`, in its own proportions. One that cannot be read
    // is a light grey box with `initial` on it, never a hole in the sheet.
    void draw(QPainter &painter, const PaperPage &paper, int index, const QRectF &box,
              const QString &initial, const QFont &font);

private:
    const QImage &decoded(int index, const QSizeF &millimetres);

    QStringList files_;
    std::vector<QImage> images_;
    std::vector<bool> tried_;
};

// The first letter of `word` as a letter form writes it: what a missing picture shows.
QString initialOf(const QString &writtenWord);
