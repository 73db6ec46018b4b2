// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormMemory.h"

#include "MemoryLayout.h"
#include "app/Services.h"
#include "platform/DesignButton.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "platform/PictureBox.h"
#include "platform/PictureFiles.h"
#include "platform/PraiseBanner.h"
#include "platform/VoiceSwitch.h"

#include <QTimer>

FormMemory::FormMemory(Services &services, QWidget *parent)
    : GameWindow(kMemoryForm, kMemoryLayout, services.dialogs, services.voice,
                 QStringLiteral("vuoi tornare al menù? "), parent),
      services_(services), game_(*this, services.random, services.words, services.voice),
      pauseTimer_(new QTimer(this)), praise_(new PraiseBanner(surface()))
{
    setBackground(0x00800080);
    for (int slot = 0; slot < kSlots; ++slot) {
        pictureFaces_[std::size_t(slot)] = surface()->picture(kPictureFace, slot);
        wordFaces_[std::size_t(slot)] = surface()->label(kWordFace, slot);
    }
    for (int card = 0; card < kCards; ++card) {
        covers_[std::size_t(card)] = surface()->label(kCover, card);
        connect(covers_[std::size_t(card)], &DesignControl::clicked, this,
                [this](int index) { game_.coverClicked(index); });
    }

    // The praise belongs to the game just ended, not to the new deal.
    connect(surface()->button(kRestart), &QPushButton::clicked, this, [this] {
        praise_->hide();
        game_.restart();
    });

    pauseTimer_->setObjectName(QString::fromLatin1(kPauseTimer));
    pauseTimer_->setInterval(MemoryGame::kPauseMilliseconds);
    connect(pauseTimer_, &QTimer::timeout, this, [this] { game_.pauseOver(); });
    pauseTimer_->start();
}

void FormMemory::activate()
{
    game_.activate();
}

QWidget *FormMemory::faceOf(int card) const
{
    if (isPictureCard(card))
        return pictureFaces_[std::size_t(card)];
    return wordFaces_[std::size_t(slotOf(card))];
}

void FormMemory::showWord(int slot, const QString &word)
{
    wordFaces_[std::size_t(slot)]->setText(word);
}

void FormMemory::showPicture(int slot, const QString &word)
{
    pictureFaces_[std::size_t(slot)]->loadPicture(pictureFileFor(services_.programFolder, word));
}

void FormMemory::setCoverShown(int card, bool shown)
{
    covers_[std::size_t(card)]->setVisible(shown);
}

void FormMemory::moveCard(int card, int position)
{
    const GridPlace place = gridPlace(position);
    surface()->moveControl(covers_[std::size_t(card)], place.left, place.top);
    surface()->moveControl(faceOf(card), place.left, place.top);
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
}
