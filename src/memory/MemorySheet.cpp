// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemorySheet.h"

#include "core/LetterText.h"
#include "platform/design/FittedText.h"
#include "worksheets/PaperText.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr double kLargestCard = 60;
constexpr double kHeading = 8;
constexpr double kScissors = 5;
// A word keeps this share of its card's width clear on each side.
constexpr double kWordMargin = 0.08;
constexpr double kPictureMargin = 6;
const QColor kBackGrey(0xC8, 0xC8, 0xC8);

} // namespace

MemorySheet::MemorySheet(const QStringList &words, const QStringList &pictureFiles, LetterForm form,
                         const QFont &letters, bool backs)
    : words_(words), form_(form), letters_(letters), backs_(backs), pictures_(pictureFiles)
{}

int MemorySheet::pageCount() const
{
    const int cardPages = (2 * int(words_.size()) + kCardsPerPage - 1) / kCardsPerPage;
    return backs_ ? 2 * cardPages : cardPages;
}

void MemorySheet::paintPage(int page, QPainter &painter, const PaperPage &paper) const
{
    const bool back = backs_ && page % 2 == 1;
    const int firstCard = (backs_ ? page / 2 : page) * kCardsPerPage;
    const QRectF area = paper.area;
    const bool landscape = area.width() > area.height();
    const int columns = landscape ? 4 : 3;
    const int rows = kCardsPerPage / columns;
    const double heading = paper.mm(kHeading);
    // The scissors stand before the grid's top and left edges.
    const double scissors = paper.mm(kScissors);
    const double side = std::min({paper.mm(kLargestCard), (area.width() - scissors) / columns,
                                  (area.height() - heading - scissors) / rows});
    const QRectF grid(area.center().x() + (scissors - side * columns) / 2,
                      area.top() + heading + scissors, side * columns, side * rows);

    painter.setPen(Qt::black);
    painter.setFont(fontOfHeight(paperSans(true), heading * 0.7, painter));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), heading),
                     Qt::AlignLeft | Qt::AlignTop,
                     back ? QStringLiteral("Retro") : QStringLiteral("Memory"));
    const int cards = 2 * int(words_.size());
    for (int place = 0; place < kCardsPerPage && firstCard + place < cards; ++place) {
        // Printed on the other side, the backs of a row come in the mirrored order.
        const int column = back ? columns - 1 - place % columns : place % columns;
        const QRectF box(grid.left() + column * side, grid.top() + place / columns * side, side,
                         side);
        if (back)
            paintBack(painter, paper, box);
        else
            paintCard(painter, paper, firstCard + place, box);
    }
    paintCutLines(painter, paper, grid, rows, columns);
}

void MemorySheet::paintCard(QPainter &painter, const PaperPage &paper, int card,
                            const QRectF &box) const
{
    const int pairs = int(words_.size());
    const int word = card % pairs;
    const QString written = writtenIn(form_, words_[word]);
    if (card < pairs) {
        const double margin = paper.mm(kPictureMargin);
        pictures_.draw(painter, paper, word, box.adjusted(margin, margin, -margin, -margin),
                       initialOf(written), letters_);
        return;
    }
    const double margin = box.width() * kWordMargin;
    painter.setPen(Qt::black);
    FittedText(written, fontOfHeight(letters_, box.height() * 0.22, painter),
               box.adjusted(margin, margin, -margin, -margin))
        .draw(painter);
}

void MemorySheet::paintBack(QPainter &painter, const PaperPage &paper, const QRectF &box)
{
    const double margin = paper.mm(kPictureMargin);
    const QRectF inner = box.adjusted(margin, margin, -margin, -margin);
    painter.setPen(QPen(kBackGrey, paper.mm(0.8)));
    painter.setBrush(QBrush(kBackGrey, Qt::BDiagPattern));
    painter.drawRoundedRect(inner, paper.mm(4), paper.mm(4));
    painter.setBrush(Qt::NoBrush);
}

// Dashed lines along every edge of the cards, each with scissors where the cut starts.
void MemorySheet::paintCutLines(QPainter &painter, const PaperPage &paper, const QRectF &grid,
                                int rows, int columns)
{
    const double side = grid.width() / columns;
    const double scissors = paper.mm(kScissors);
    QPen dashed(Qt::black, paper.mm(0.25), Qt::CustomDashLine);
    dashed.setDashPattern({8, 6});
    painter.setFont(fontOfHeight(paperSans(), scissors, painter));
    const auto cut = [&](QPointF start, QPointF end, double angle) {
        painter.setPen(Qt::black);
        painter.save();
        painter.translate(start);
        painter.rotate(angle);
        painter.drawText(QRectF(-scissors, -scissors / 2, scissors, scissors), Qt::AlignCenter,
                         QStringLiteral("✂"));
        painter.restore();
        painter.setPen(dashed);
        painter.drawLine(start, end);
    };
    for (int row = 0; row <= rows; ++row) {
        const double y = grid.top() + row * side;
        cut(QPointF(grid.left(), y), QPointF(grid.right(), y), 0);
    }
    for (int column = 0; column <= columns; ++column) {
        const double x = grid.left() + column * side;
        cut(QPointF(x, grid.top()), QPointF(x, grid.bottom()), 90);
    }
}
