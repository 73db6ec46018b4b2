// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormMemory.h"

#include "MemoryLayout.h"
#include "MemoryRequirements.h"
#include "MemorySheet.h"
#include "core/LetterText.h"
#include "platform/Services.h"
#include "platform/accessibility/Accessibility.h"
#include "platform/accessibility/Announcer.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/design/PraiseBanner.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"

#include <QTimer>

FormMemory::FormMemory(Services &services, QWidget *parent)
    : GameWindow(kMemoryForm, kMemoryLayout, services, Game::Memory,
                 QStringLiteral("vuoi tornare al menù? "), parent),
      services_(services), game_(*this, services.random, services.words, services.voice, level()),
      pauseTimer_(new QTimer(this)), praise_(new PraiseBanner(surface())),
      grid_(new GridFocus(game_.shape().rows, game_.shape().columns, *this, QAccessible::Button,
                          GridFocus::Frame::Around, surface())),
      announcer_(new Announcer(surface()))
{
    setWindowTitle(QStringLiteral("Zibaldo – Memory"));
    setBackground(0x00800080);
    surface()->setLetterForm(kWordFace, letterForm());
    for (int slot = 0; slot < kSlots; ++slot) {
        pictureFaces_[std::size_t(slot)] = surface()->picture(kPictureFace, slot);
        wordFaces_[std::size_t(slot)] = surface()->label(kWordFace, slot);
        hideFromReaders(pictureFaces_[std::size_t(slot)]);
        hideFromReaders(wordFaces_[std::size_t(slot)]);
    }
    for (int card = 0; card < kCards; ++card) {
        covers_[std::size_t(card)] = surface()->label(kCover, card);
        hideFromReaders(covers_[std::size_t(card)]);
        connect(covers_[std::size_t(card)], &DesignControl::clicked, this, &FormMemory::turnCard);
    }

    DesignButton *restart = surface()->button(kRestart);
    connect(restart, &QPushButton::clicked, this, [this] {
        game_.restart();
        showNewGame();
    });
    grid_->setAccessibleName(QStringLiteral("carte"));
    setTabOrder(restart, grid_);

    pauseTimer_->setObjectName(QString::fromLatin1(kPauseTimer));
    pauseTimer_->setInterval(MemoryGame::kPauseMilliseconds);
    connect(pauseTimer_, &QTimer::timeout, this, [this] { game_.pauseOver(); });
    pauseTimer_->start();
}

// The grid asks this window about its cards: it goes before the window stops being one, or the
// focus leaving it as the window closes would ask a window half destroyed.
FormMemory::~FormMemory()
{
    delete grid_;
}

void FormMemory::showLetterForm(LetterForm form)
{
    surface()->setLetterForm(kWordFace, form);
    for (int slot = 0; slot < game_.shape().pairs(); ++slot) {
        showWord(slot, game_.words()[std::size_t(slot)]);
        pictureFaces_[std::size_t(slot)]->setPlaceholderInitial(game_.words()[std::size_t(slot)],
                                                                form);
    }
}

void FormMemory::startLevel(Level level)
{
    game_.changeLevel(level);
    showNewGame();
}

// The praise belongs to the game just ended, not to the new deal.
void FormMemory::showNewGame()
{
    praise_->hide();
    announcer_->announce(QStringLiteral("Nuova partita"));
}

QString FormMemory::levelRefusal(Level level) const
{
    return memoryRefusal(services_.words, level);
}

// The deal's pairs, with the backs if the class prints on both sides.
std::unique_ptr<Worksheet> FormMemory::worksheet()
{
    QStringList words, pictures;
    for (int slot = 0; slot < game_.shape().pairs(); ++slot) {
        if (const QString &word = game_.words()[std::size_t(slot)]; !word.isEmpty()) {
            words << word;
            pictures << services_.pictureFor(word);
        }
    }
    const bool backs = dialogs().question(
        this, QStringLiteral("Aggiungere le pagine con il retro delle carte, per stampare fronte e "
                             "retro?"));
    return std::make_unique<MemorySheet>(words, pictures, letterForm(), wordFaces_[0]->font(),
                                         backs);
}

void FormMemory::activate()
{
    game_.activate();
}

int FormMemory::cardAt(int position) const
{
    for (int card = 0; card < kCards; ++card) {
        if (game_.positionOf(card) == position)
            return card;
    }
    return 0;
}

QWidget *FormMemory::cellWidget(int position) const
{
    const int card = cardAt(position);
    return game_.isFaceUp(card) ? faceOf(card) : covers_[std::size_t(card)];
}

QString FormMemory::faceName(int card) const
{
    const QString &word = game_.words()[std::size_t(slotOf(card))];
    return isPictureCard(card) ? QStringLiteral("immagine: ") + word : word;
}

QString FormMemory::cellName(int position) const
{
    const int card = cardAt(position);
    if (game_.isFaceUp(card))
        return faceName(card);
    return QStringLiteral("carta coperta, riga %1 colonna %2")
        .arg(position / grid_->columns() + 1)
        .arg(position % grid_->columns() + 1);
}

void FormMemory::turnCard(int card)
{
    grid_->setCurrent(game_.positionOf(card));
    const bool wasUp = game_.isFaceUp(card);
    game_.coverClicked(card);
    if (wasUp || !game_.isFaceUp(card))
        return;
    QString message = faceName(card);
    const PlayState &state = game_.state();
    if (game_.phase() == PlayPhase::Pause && isPair(state.firstCard, state.secondCard))
        message += QStringLiteral(". Coppia trovata: ") + game_.words()[std::size_t(slotOf(card))];
    announcer_->announce(message);
}

QWidget *FormMemory::faceOf(int card) const
{
    if (isPictureCard(card))
        return pictureFaces_[std::size_t(card)];
    return wordFaces_[std::size_t(slotOf(card))];
}

void FormMemory::layDeck(DeckShape shape)
{
    grid_->setShape(shape.rows, shape.columns);
    for (int slot = 0; slot < kSlots; ++slot) {
        const bool dealt = slot < shape.pairs();
        pictureFaces_[std::size_t(slot)]->setVisible(dealt);
        wordFaces_[std::size_t(slot)]->setVisible(dealt);
    }
}

void FormMemory::showWord(int slot, const QString &word)
{
    wordFaces_[std::size_t(slot)]->setText(writtenIn(letterForm(), word));
}

void FormMemory::showPicture(int slot, const QString &word)
{
    pictureFaces_[std::size_t(slot)]->setPlaceholderInitial(word, letterForm());
    pictureFaces_[std::size_t(slot)]->loadPicture(services_.pictureFor(word));
}

void FormMemory::setCoverShown(int card, bool shown)
{
    covers_[std::size_t(card)]->setVisible(shown);
    grid_->cellChanged(game_.positionOf(card));
}

void FormMemory::moveCard(int card, int position)
{
    const GridPlace place = gridPlace(position, game_.shape());
    surface()->moveControl(covers_[std::size_t(card)], place.left, place.top);
    surface()->moveControl(faceOf(card), place.left, place.top);
    grid_->cellChanged(position);
}

void FormMemory::setPauseRunning(bool running)
{
    if (running)
        pauseTimer_->start();
    else
        pauseTimer_->stop();
}

void FormMemory::setMoveCaption(const QString &caption)
{
    surface()->label(kMoveCount)->setText(caption);
}

void FormMemory::showPraise(const QString &praise)
{
    praise_->showPraise(praise, std::chrono::milliseconds(MemoryGame::kPraiseMilliseconds));
    announcer_->announce(praise);
}
