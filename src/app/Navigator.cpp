// SPDX-License-Identifier: GPL-3.0-or-later
#include "Navigator.h"

#include "Services.h"
#include "memory/FormMemory.h"
#include "memory/MemoryRequirements.h"
#include "menu/FormMenu.h"
#include "platform/Dialogs.h"
#include "title/FormAvvio.h"
#include "wordsearch/FormCruciPuzzle.h"
#include "wordsearch/WordSearchRequirements.h"

#include <QApplication>

const Navigator::Game Navigator::kWordSearch = {
    &wordSearchRefusal,
    [](Services &services) -> GameWindow * { return new FormCruciPuzzle(services); }};

const Navigator::Game Navigator::kMemory = {
    &memoryRefusal, [](Services &services) -> GameWindow * { return new FormMemory(services); }};

Navigator::Navigator(Services &services, QObject *parent) : QObject(parent), services_(services) {}

void Navigator::start()
{
    auto *title = new FormAvvio(services_);
    connect(title, &FormAvvio::done, this, &Navigator::showMenu);
    passTo(title);
}

void Navigator::showMenu()
{
    auto *menu = new FormMenu(services_);
    connect(menu, &FormMenu::wordSearchChosen, this, [this] { startGame(kWordSearch); });
    connect(menu, &FormMenu::memoryChosen, this, [this] { startGame(kMemory); });
    connect(menu, &FormMenu::quitConfirmed, this, &Navigator::quit);
    passTo(menu);
}

// A list too poor for the game is refused where the choice was made, and the menu stays.
void Navigator::startGame(const Game &game)
{
    const QString reason = game.refusal(services_.words);
    if (!reason.isEmpty()) {
        services_.dialogs.critical(current_, reason);
        return;
    }
    GameWindow *window = game.open(services_);
    connect(window, &GameWindow::leaveConfirmed, this, &Navigator::showMenu);
    passTo(window);
}

void Navigator::quit()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

// The next window is shown before the current one closes, so that the program, which ends with
// its last window, goes on.
void Navigator::passTo(DesignWindow *next)
{
    const QPointer<DesignWindow> previous = current_;
    current_ = next;
    showFillingScreen(next);
    if (previous)
        previous->close();
}
