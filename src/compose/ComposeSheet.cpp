// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposeSheet.h"

#include "ComposeWord.h"
#include "core/LetterText.h"
#include "platform/design/FittedText.h"
#include "worksheets/PaperText.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr double kGap = 3;
constexpr double kSmallestCellWidth = 85;
constexpr double kLargestCellHeight = 62;
constexpr int kMostCellsAcross = 3;
constexpr double kLargestTile = 8;
constexpr double kLargestBox = 10;

const QColor kTileGrey(0x90, 0x90, 0x90);

QStringList picturesOf(const std::vector<ComposeSheet::Word> &words)
{
    QStringList files;
    for (const ComposeSheet::Word &word : words)
        files << word.pictureFile;
    return files;
}

} // namespace

ComposeSheet::ComposeSheet(std::vector<Word> words, LetterForm form, const QFont &letters)
    : words_(std::move(words)), form_(form), letters_(letters), pictures_(picturesOf(words_))
{}

void ComposeSheet::paintPage(int page, QPainter &painter, const PaperPage &paper) const
{
    const bool solved = page == 1;
    paintHeading(painter, paper, solved ? QStringLiteral("Soluzioni") : name(), !solved);

    const int count = int(words_.size());
    if (count == 0)
        return;
    const QRectF cells = belowHeading(paper).adjusted(0, paper.mm(kGap), 0, 0);
    const int across =
        std::clamp(int(cells.width() / paper.mm(kSmallestCellWidth)), 1, kMostCellsAcross);
    const int rows = (count + across - 1) / across;
    const double width = cells.width() / across;
    const double height = std::min(cells.height() / rows, paper.mm(kLargestCellHeight));
    for (int i = 0; i < count; ++i)
        paintWord(painter, paper, i,
                  QRectF(cells.left() + (i % across) * width, cells.top() + (i / across) * height,
                         width, height),
                  solved);
}

// The picture over the tiles and the boxes; on the key, over the word.
void ComposeSheet::paintWord(QPainter &painter, const PaperPage &paper, int index,
                             const QRectF &cell, bool solved) const
{
    const Word &word = words_[std::size_t(index)];
    const QRectF inside = cell.adjusted(paper.mm(2), paper.mm(1), -paper.mm(2), -paper.mm(2));
    const double writing = paper.mm(kLargestBox + 1);
    const double tiles = solved ? 0 : paper.mm(kLargestTile + 2);
    const QRectF picture = inside.adjusted(0, 0, 0, -writing - tiles - paper.mm(1));
    const QString written = writtenIn(form_, word.word);
    pictures_.draw(painter, paper, index, picture, initialOf(written), letters_);
    const QRectF tileRow(inside.left(), picture.bottom() + paper.mm(1), inside.width(), tiles);
    const QRectF writingRow(inside.left(), inside.bottom() - writing, inside.width(), writing);
    painter.setPen(Qt::black);
    if (solved) {
        FittedText(written, fontOfHeight(letters_, writingRow.height() * 0.9, painter), writingRow)
            .draw(painter);
        return;
    }
    paintTiles(painter, paper, word.scrambled, tileRow);
    paintBoxes(painter, paper, word.word, writingRow);
}

// Each letter on a little rounded tile, as the game shows them.
void ComposeSheet::paintTiles(QPainter &painter, const PaperPage &paper, const QStringList &letters,
                              const QRectF &row) const
{
    if (letters.isEmpty())
        return;
    const double gap = paper.mm(1);
    const double side = std::min(paper.mm(kLargestTile),
                                 (row.width() - gap * (letters.size() - 1)) / letters.size());
    double left = row.center().x() - (side * letters.size() + gap * (letters.size() - 1)) / 2;
    painter.setFont(fontOfHeight(letters_, side * 0.8, painter));
    for (const QString &letter : letters) {
        const QRectF tile(left, row.top() + (row.height() - side) / 2, side, side);
        painter.setPen(QPen(kTileGrey, paper.mm(0.3)));
        painter.drawRoundedRect(tile, side / 6, side / 6);
        painter.setPen(Qt::black);
        painter.drawText(tile, Qt::AlignCenter, writtenIn(form_, letter));
        left += side + gap;
    }
}

// A box for each letter; a space left as room, other marks written in place.
void ComposeSheet::paintBoxes(QPainter &painter, const PaperPage &paper, const QString &word,
                              const QRectF &row) const
{
    const std::vector<WordPiece> pieces = piecesOf(word);
    const double halves = halvesOf(pieces);
    const double side = std::min(paper.mm(kLargestBox), 2 * row.width() / std::max(1.0, halves));
    double left = row.center().x() - side * halves / 4;
    painter.setFont(fontOfHeight(letters_, side * 0.8, painter));
    for (const WordPiece &piece : pieces) {
        const double width = piece.halves() * side / 2;
        const QRectF place(left, row.top(), width, side);
        if (piece.letter) {
            painter.setPen(QPen(Qt::black, paper.mm(0.25)));
            painter.drawRect(place);
        } else if (piece.text != QLatin1String(" ")) {
            painter.setPen(Qt::black);
            painter.drawText(place, Qt::AlignCenter, piece.text);
        }
        left += width;
    }
}
