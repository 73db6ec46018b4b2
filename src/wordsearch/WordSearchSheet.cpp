// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordSearchSheet.h"

#include "core/LetterText.h"
#include "platform/design/FittedText.h"
#include "worksheets/PaperText.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>

namespace {

constexpr int kRows = CruciPuzzleBoard::kRows;
constexpr int kColumns = CruciPuzzleBoard::kColumns;
constexpr double kLargestGrid = 150;
constexpr double kDirectionsLine = 9;
constexpr double kGap = 3;
constexpr double kSmallestClueRow = 24;
constexpr double kClueWidth = 44;
constexpr double kLargestLetterBox = 7;
constexpr int kMostCluesAcross = 4;

const QColor kFillerGrey(0xB0, 0xB0, 0xB0);
const QColor kBand(0x20, 0x50, 0xC0);

QPointF cellCentre(const QRectF &grid, int cell)
{
    const double side = grid.width() / kColumns;
    return grid.topLeft() + QPointF((cell % kColumns + 0.5) * side, (cell / kColumns + 0.5) * side);
}

int cluesAcross(double width, const PaperPage &paper)
{
    return std::clamp(int(width / paper.mm(kClueWidth)), 1, kMostCluesAcross);
}

} // namespace

WordSearchSheet::WordSearchSheet(const CruciPuzzleBoard &board, LetterForm form,
                                 const QFont &letters, const QStringList &arrows,
                                 const QStringList &pictureFiles)
    : board_(board), form_(form), letters_(letters), arrows_(arrows), pictures_(pictureFiles)
{}

// Portrait paper takes the clues under the grid, landscape paper beside it; the grid is as large
// as leaves the clues their room, up to 150 mm.
WordSearchSheet::Layout WordSearchSheet::layOut(const PaperPage &paper) const
{
    const QRectF area = paper.area;
    Layout layout;
    const double gridTop = belowHeading(paper).top() + paper.mm(kGap);
    const double underGrid = paper.mm(kGap + kDirectionsLine);
    const int clues = int(board_.laidWords.size());
    double side;
    if (area.width() > area.height()) {
        side = std::min({paper.mm(kLargestGrid), area.bottom() - gridTop - underGrid,
                         area.width() - paper.mm(kClueWidth + kGap)});
        layout.grid = QRectF(area.left(), gridTop, side, side);
        layout.clues =
            QRectF(QPointF(layout.grid.right() + paper.mm(kGap), gridTop), area.bottomRight());
    } else {
        const int rows =
            (clues + cluesAcross(area.width(), paper) - 1) / cluesAcross(area.width(), paper);
        side = std::min({paper.mm(kLargestGrid), area.width(),
                         area.bottom() - gridTop - underGrid - rows * paper.mm(kSmallestClueRow)});
        layout.grid = QRectF(area.center().x() - side / 2, gridTop, side, side);
        layout.clues =
            QRectF(QPointF(area.left(), layout.grid.bottom() + underGrid), area.bottomRight());
    }
    layout.directions =
        QRectF(layout.grid.left(), layout.grid.bottom() + paper.mm(kGap),
               std::max(layout.grid.width(), paper.mm(100)), paper.mm(kDirectionsLine));
    return layout;
}

void WordSearchSheet::paintPage(int page, QPainter &painter, const PaperPage &paper) const
{
    const bool solved = page == 1;
    const Layout layout = layOut(paper);
    paintHeading(painter, paper, solved ? QStringLiteral("Soluzioni") : name(), !solved);
    paintGrid(painter, paper, layout.grid, solved);
    if (solved)
        paintWordBands(painter, paper, layout.grid);
    painter.setPen(Qt::black);
    painter.setFont(fontOfHeight(paperSans(), layout.directions.height() * 0.6, painter));
    painter.drawText(layout.directions, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Le parole vanno così: ") + arrows_.join(QLatin1Char(' ')));
    paintClues(painter, paper, layout.clues, solved);
}

// Thin lines, and each letter as text of its own, so that the sheet reads as text too.
void WordSearchSheet::paintGrid(QPainter &painter, const PaperPage &paper, const QRectF &grid,
                                bool solved) const
{
    const double side = grid.width() / kColumns;
    painter.setPen(QPen(Qt::black, paper.mm(0.2)));
    for (int line = 0; line <= kRows; ++line) {
        painter.drawLine(QPointF(grid.left(), grid.top() + line * side),
                         QPointF(grid.right(), grid.top() + line * side));
        painter.drawLine(QPointF(grid.left() + line * side, grid.top()),
                         QPointF(grid.left() + line * side, grid.bottom()));
    }
    painter.setFont(fontOfHeight(letters_, side * 0.75, painter));
    for (int cell = 0; cell < CruciPuzzleBoard::kCells; ++cell) {
        const BoardCell &state = board_.cells[std::size_t(cell)];
        if (!state.letter)
            continue;
        const char32_t letter = letterIn(form_, state.letter);
        painter.setPen(solved && state.owner == 0 ? kFillerGrey : Qt::black);
        QRectF box(0, 0, side, side);
        box.moveCenter(cellCentre(grid, cell));
        painter.drawText(box, Qt::AlignCenter, QString::fromUcs4(&letter, 1));
    }
}

// A rounded band around each word's cells, from its first letter to its last.
void WordSearchSheet::paintWordBands(QPainter &painter, const PaperPage &paper,
                                     const QRectF &grid) const
{
    const double radius = grid.width() / kColumns * 0.42;
    painter.setPen(QPen(kBand, paper.mm(0.5)));
    painter.setBrush(Qt::NoBrush);
    for (const LaidWord &word : board_.laidWords) {
        const int last = boardLettersOf(word.word).length - 1;
        const int endCell =
            word.startCell + last * CruciPuzzleBoard::kSteps[std::size_t(word.direction)];
        const QPointF start = cellCentre(grid, word.startCell);
        const QPointF run = cellCentre(grid, endCell) - start;
        painter.save();
        painter.translate(start);
        painter.rotate(qRadiansToDegrees(std::atan2(run.y(), run.x())));
        const double length = std::hypot(run.x(), run.y());
        painter.drawRoundedRect(QRectF(-radius, -radius, length + 2 * radius, 2 * radius), radius,
                                radius);
        painter.restore();
    }
}

// Each word's picture, with a box per letter under it for the pupil, or the word for the key.
void WordSearchSheet::paintClues(QPainter &painter, const PaperPage &paper, const QRectF &area,
                                 bool solved) const
{
    const int count = int(board_.laidWords.size());
    if (count == 0)
        return;
    const int across = cluesAcross(area.width(), paper);
    const int rows = (count + across - 1) / across;
    const double width = area.width() / across;
    const double height = std::min(area.height() / rows, paper.mm(40));
    const double writing = paper.mm(kLargestLetterBox + 1);
    for (int i = 0; i < count; ++i) {
        const LaidWord &laid = board_.laidWords[std::size_t(i)];
        const QRectF clue(area.left() + (i % across) * width, area.top() + (i / across) * height,
                          width, height);
        const QRectF picture =
            clue.adjusted(paper.mm(2), paper.mm(1), -paper.mm(2), -writing - paper.mm(2));
        const QString written = writtenIn(form_, laid.word);
        pictures_.draw(painter, paper, i, picture, initialOf(written), letters_);
        const QRectF writingLine(clue.left(), picture.bottom() + paper.mm(1), clue.width(),
                                 writing);
        painter.setPen(QPen(Qt::black, paper.mm(0.25)));
        if (solved) {
            FittedText(written, fontOfHeight(letters_, writingLine.height() * 0.9, painter),
                       writingLine)
                .draw(painter);
            continue;
        }
        const int letters = boardLettersOf(laid.word).length;
        const double box =
            std::min(paper.mm(kLargestLetterBox), (writingLine.width() - paper.mm(2)) / letters);
        const double left = writingLine.center().x() - box * letters / 2;
        for (int letter = 0; letter < letters; ++letter)
            painter.drawRect(QRectF(left + letter * box, writingLine.top(), box, box));
    }
}
