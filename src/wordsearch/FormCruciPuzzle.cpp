// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormCruciPuzzle.h"

#include "WordSearchLayout.h"
#include "WordSearchSheet.h"
#include "core/LetterText.h"
#include "core/NumberText.h"
#include "platform/Services.h"
#include "platform/accessibility/Accessibility.h"
#include "platform/accessibility/Announcer.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/design/PraiseBanner.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"

namespace {

constexpr quint32 kGreen = 0x00008000;
const QColor kCellWhite(0xFF, 0xFF, 0xFF);
const QColor kCellYellow(0xFF, 0xFF, 0x00);

// "→", "→ e ↓", "→, ↓, ↘ e ↗": a list as Italian says it.
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") +
           items.last();
}

} // namespace

FormCruciPuzzle::FormCruciPuzzle(Services &services, QWidget *parent)
    : GameWindow(kWordSearchForm, kWordSearchLayout, services, Game::WordSearch,
                 QStringLiteral("Vuoi tornare al menù? "), parent),
      services_(services), game_(services.words, services.random, services.voice, level()),
      grid_(new GridFocus(CruciPuzzleBoard::kRows, CruciPuzzleBoard::kColumns, *this,
                          QAccessible::Cell, GridFocus::Frame::Inside, surface())),
      announcer_(new Announcer(surface())), praise_(new PraiseBanner(surface()))
{
    setWindowTitle(QStringLiteral("Zibaldo – Crucipuzzle"));
    setBackground(kGreen);
    for (int cell = 0; cell < CruciPuzzleBoard::kCells; ++cell) {
        cells_[std::size_t(cell)] = surface()->label(kLetterCell, cell);
        hideFromReaders(cells_[std::size_t(cell)]);
        connect(cells_[std::size_t(cell)], &DesignControl::clicked, this,
                &FormCruciPuzzle::clickLetter);
    }
    for (int slot = 0; slot < CruciPuzzleBoard::kWordsPerBoard; ++slot) {
        pictures_[std::size_t(slot)] = surface()->picture(kWordPicture, slot);
        // Picture i stands for the word of slot i + 1.
        connect(pictures_[std::size_t(slot)], &DesignControl::clicked, this,
                [this](int index) { game_.pictureClicked(index + 1); });
    }
    surface()->picture(kRightIcon)->setAccessibleName(QStringLiteral("Esatto"));
    surface()->picture(kWrongIcon)->setAccessibleName(QStringLiteral("Sbagliato"));
    grid_->setAccessibleName(QStringLiteral("lettere"));
    // The grid's description says the ways the words run.
    hideFromReaders(surface()->label(kDirections));
    surface()->setLetterForm(kLetterCell, letterForm());
    showLevel();
    grid_->setFocus();
}

// The grid asks this window about its cells: it goes before the window stops being one, or the
// focus leaving it as the window closes would ask a window half destroyed.
FormCruciPuzzle::~FormCruciPuzzle()
{
    delete grid_;
}

void FormCruciPuzzle::activate()
{
    game_.activate();
    mirrorBoard();
    mirrorScores();
}

void FormCruciPuzzle::showLetterForm(LetterForm form)
{
    surface()->setLetterForm(kLetterCell, form);
    for (int cell = 0; cell < CruciPuzzleBoard::kCells; ++cell)
        mirrorCell(cell);
    for (const LaidWord &laid : game_.board().laidWords)
        pictures_[std::size_t(laid.slot - 1)]->setPlaceholderInitial(laid.word, form);
}

void FormCruciPuzzle::startLevel(Level level)
{
    game_.startLevel(level);
    showLevel();
    mirrorBoard();
    mirrorScores();
}

// As many pictures as the level's board holds words, the others' boxes hidden; the ways the words
// run, as arrows beside the pictures and in the grid's description.
void FormCruciPuzzle::showLevel()
{
    for (int slot = 0; slot < CruciPuzzleBoard::kWordsPerBoard; ++slot)
        pictures_[std::size_t(slot)]->setVisible(slot < game_.wordsPerBoard());
    const QStringList arrows = game_.directionArrows();
    surface()->label(kDirections)->setText(arrows.join(u'\n'));
    grid_->setAccessibleDescription(QStringLiteral("parole ") + listed(arrows));
}

std::unique_ptr<Worksheet> FormCruciPuzzle::worksheet()
{
    QStringList pictures;
    for (const LaidWord &laid : game_.board().laidWords)
        pictures << services_.pictureFor(laid.word);
    return std::make_unique<WordSearchSheet>(game_.board(), letterForm(), cells_[0]->font(),
                                             game_.directionArrows(), pictures);
}

QWidget *FormCruciPuzzle::cellWidget(int cell) const
{
    return cells_[std::size_t(cell)];
}

// A screen reader says the letter itself, whichever form the grid writes it in.
QString FormCruciPuzzle::cellName(int cell) const
{
    const char32_t letter = game_.board().cells[std::size_t(cell)].letter;
    return letter ? QString::fromUcs4(&letter, 1) : QString();
}

QString FormCruciPuzzle::cellDescription(int cell) const
{
    return game_.board().cells[std::size_t(cell)].found ? QStringLiteral("trovata") : QString();
}

void FormCruciPuzzle::clickLetter(int cell)
{
    grid_->setCurrent(cell);
    const CruciPuzzleGame::ClickOutcome outcome = game_.click(cell);
    switch (outcome) {
    case CruciPuzzleGame::ClickOutcome::Ignored:
        return;
    case CruciPuzzleGame::ClickOutcome::BoardSolved:
        mirrorBoard();
        praise_->showPraise(CruciPuzzleGame::kPraise,
                            std::chrono::milliseconds(CruciPuzzleGame::kPraiseMilliseconds));
        break;
    case CruciPuzzleGame::ClickOutcome::WordFound: {
        PictureBox *picture = pictures_[std::size_t(game_.lastFoundSlot() - 1)];
        picture->clearPicture();
        picture->setAccessibleName(QString());
        mirrorCell(cell);
        break;
    }
    default:
        mirrorCell(cell);
        break;
    }
    mirrorScores();
    announce(outcome);
}

void FormCruciPuzzle::announce(CruciPuzzleGame::ClickOutcome outcome)
{
    const auto found = [&] { return QStringLiteral("Parola trovata: ") + game_.lastFoundWord(); };
    switch (outcome) {
    case CruciPuzzleGame::ClickOutcome::WrongAnswer:
        announcer_->announce(QStringLiteral("Sbagliato"));
        break;
    case CruciPuzzleGame::ClickOutcome::LetterFound:
        announcer_->announce(QStringLiteral("Esatto"));
        break;
    case CruciPuzzleGame::ClickOutcome::WordFound:
        announcer_->announce(found());
        break;
    case CruciPuzzleGame::ClickOutcome::BoardSolved:
        announcer_->announce(found() + QStringLiteral(". ") + CruciPuzzleGame::kPraise +
                             QStringLiteral(" Nuova partita"));
        break;
    case CruciPuzzleGame::ClickOutcome::Ignored:
        break;
    }
}

// The letters, and the pictures of the words laid, in slot order.
void FormCruciPuzzle::mirrorBoard()
{
    for (int cell = 0; cell < CruciPuzzleBoard::kCells; ++cell)
        mirrorCell(cell);
    for (int slot = 1; slot <= CruciPuzzleBoard::kWordsPerBoard; ++slot) {
        PictureBox *box = pictures_[std::size_t(slot - 1)];
        if (game_.showsPicture(slot)) {
            const QString &word = game_.board().laidWord(slot)->word;
            box->setPlaceholderInitial(word, letterForm());
            box->loadPicture(services_.pictureFor(word));
            box->setAccessibleName(word);
        } else {
            box->clearPicture();
            box->setAccessibleName(QString());
        }
    }
}

void FormCruciPuzzle::mirrorCell(int cell)
{
    const BoardCell &state = game_.board().cells[std::size_t(cell)];
    DesignLabel *label = cells_[std::size_t(cell)];
    const char32_t letter = letterIn(letterForm(), state.letter);
    label->setText(letter ? QString::fromUcs4(&letter, 1) : QString());
    label->setBackground(state.found ? kCellYellow : kCellWhite);
    grid_->cellChanged(cell);
}

void FormCruciPuzzle::mirrorScores()
{
    surface()->label(kRightCount)->setText(numberToText(game_.rightAnswers()));
    surface()->label(kWrongCount)->setText(numberToText(game_.wrongAnswers()));
    // Until the first answer both icons stand, the right answer's in front.
    const CruciPuzzleGame::Answer answer = game_.lastAnswer();
    surface()->picture(kRightIcon)->setVisible(answer != CruciPuzzleGame::Answer::Wrong);
    surface()->picture(kWrongIcon)->setVisible(answer != CruciPuzzleGame::Answer::Right);
}
