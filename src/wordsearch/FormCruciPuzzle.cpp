#include "FormCruciPuzzle.h"

#include "WordSearchLayout.h"
#include "app/NumberText.h"
#include "app/WordListStore.h"
#include "menu/FormMenu.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "platform/PictureFiles.h"
#include "platform/Services.h"

#include <QAction>

namespace {

constexpr quint32 kGreen = 0x00008000;
const QColor kCellWhite(0xFF, 0xFF, 0xFF);
const QColor kCellYellow(0xFF, 0xFF, 0x00);

} // namespace

FormCruciPuzzle::FormCruciPuzzle(Services &services, QWidget *parent)
    : DesignWindow("FormCruciPuzzle", kWordSearchLayout, parent), services_(services),
      game_(services.words, services.random, *this)
{
    setBackground(kGreen);
    connect(addMenuCommand("mnuEsci", QStringLiteral("Esci")), &QAction::triggered, this,
            &FormCruciPuzzle::askToLeave);
    for (int cell = 0; cell < CruciPuzzleBoard::kCells; ++cell) {
        cells_[std::size_t(cell)] = surface()->label("Label1", cell);
        connect(cells_[std::size_t(cell)], &DesignControl::clicked, this,
                &FormCruciPuzzle::clickLetter);
    }
    for (int slot = 0; slot < CruciPuzzleBoard::kWordsPerBoard; ++slot)
        pictures_[std::size_t(slot)] = surface()->picture("Image1", slot);
}

void FormCruciPuzzle::activate()
{
    game_.activate();
    for (int cell = 0; cell < CruciPuzzleBoard::kCells; ++cell)
        mirrorCell(cell);
    mirrorScores();
}

void FormCruciPuzzle::showPicture(int slot)
{
    pictures_[std::size_t(slot - 1)]->loadPicture(pictureFileFor(
        {services_.words.listFolder(), services_.programFolder}, game_.board().BoardWords[slot]));
}

void FormCruciPuzzle::clearPicture(int slot)
{
    pictures_[std::size_t(slot - 1)]->clearPicture();
}

void FormCruciPuzzle::clickLetter(int cell)
{
    switch (game_.click(cell)) {
    case CruciPuzzleGame::ClickOutcome::Ignored:
        return;
    case CruciPuzzleGame::ClickOutcome::BoardSolved:
        for (int i = 0; i < CruciPuzzleBoard::kCells; ++i)
            mirrorCell(i);
        break;
    default:
        mirrorCell(cell);
        break;
    }
    mirrorScores();
}

void FormCruciPuzzle::mirrorCell(int cell)
{
    const BoardCell &state = game_.board().cells[std::size_t(cell)];
    DesignLabel *label = cells_[std::size_t(cell)];
    label->setText(state.Letter ? QString::fromUcs4(&state.Letter, 1) : QString());
    label->setBackground(state.Found ? kCellYellow : kCellWhite);
}

void FormCruciPuzzle::mirrorScores()
{
    surface()->label("EtichettaEsatti")->setText(numberToText(game_.RightAnswers()));
    surface()->label("EtichettaErrati")->setText(numberToText(game_.WrongAnswers()));
    // Until the first answer both icons stand, the right answer's in front.
    const CruciPuzzleGame::Answer answer = game_.lastAnswer();
    surface()->picture("ComandoIconaSi")->setVisible(answer != CruciPuzzleGame::Answer::Wrong);
    surface()->picture("ComandoIconaNo")->setVisible(answer != CruciPuzzleGame::Answer::Right);
}

void FormCruciPuzzle::askToLeave()
{
    if (services_.dialogs.question(this, QStringLiteral("Vuoi tornare al menù? ")))
        passTo(new FormMenu(services_));
}
