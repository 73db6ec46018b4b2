#include "FormMemory.h"

#include "MemoryLayout.h"
#include "app/WordListStore.h"
#include "menu/FormMenu.h"
#include "platform/DesignButton.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "platform/PictureFiles.h"
#include "platform/Services.h"

#include <QAction>
#include <QTimer>

FormMemory::FormMemory(Services &services, QWidget *parent)
    : DesignWindow("FormMemory", kMemoryLayout, parent), services_(services),
      game_(*this, services.random, services.words), Timer1(new QTimer(this))
{
    setBackground(0x00800080);
    for (int slot = 0; slot < kSlots; ++slot) {
        pictureFaces_[std::size_t(slot)] = surface()->picture("Image1", slot);
        wordFaces_[std::size_t(slot)] = surface()->label("Label1", slot);
    }
    for (int card = 0; card < kCards; ++card) {
        covers_[std::size_t(card)] = surface()->label("Label2", card);
        connect(covers_[std::size_t(card)], &DesignControl::clicked, this,
                [this](int index) { game_.coverClicked(index); });
    }

    connect(surface()->button("Command1"), &QPushButton::clicked, this,
            [this] { game_.restart(); });

    connect(addMenuCommand("mnuEsci", QStringLiteral("Esci")), &QAction::triggered, this,
            &FormMemory::askToLeave);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(MemoryGame::kPauseMilliseconds);
    connect(Timer1, &QTimer::timeout, this, [this] { game_.pauseOver(); });
    Timer1->start();
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
    pictureFaces_[std::size_t(slot)]->loadPicture(
        pictureFileFor({services_.words.listFolder(), services_.programFolder}, word));
}

void FormMemory::setCoverShown(int card, bool shown)
{
    covers_[std::size_t(card)]->setVisible(shown);
}

void FormMemory::moveCard(int card, GridPlace place)
{
    surface()->moveControl(covers_[std::size_t(card)], place.left, place.top);
    surface()->moveControl(faceOf(card), place.left, place.top);
}

void FormMemory::setPauseRunning(bool running)
{
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

void FormMemory::setMoveCaption(const QString &caption)
{
    surface()->label("Label3")->setText(caption);
}

void FormMemory::askToLeave()
{
    // A pause that ends while the question is open is settled at once; No leaves the game as is.
    if (services_.dialogs.question(this, QStringLiteral("vuoi tornare al menù? ")))
        passTo(new FormMenu(services_));
}
