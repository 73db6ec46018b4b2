// SPDX-License-Identifier: GPL-3.0-or-later
#include "Navigator.h"

#include "compose/ComposeRequirements.h"
#include "compose/FormComponi.h"
#include "editor/FormPreparaLista.h"
#include "memory/FormMemory.h"
#include "memory/MemoryRequirements.h"
#include "menu/FormMenu.h"
#include "platform/Services.h"
#include "platform/dialogs/Dialogs.h"
#include "title/FormAvvio.h"
#include "wordsearch/FormCruciPuzzle.h"
#include "wordsearch/WordSearchRequirements.h"

#include <QApplication>
#include <algorithm>
#include <iterator>

namespace {

// A game the menu leads to: what it needs of the list at a level, and how its window is made.
struct GameEntry
{
    Game game;
    QString (*refusal)(const WordListStore &words, Level level);
    GameWindow *(*open)(Services &services);
};

const GameEntry kGames[] = {
    {Game::WordSearch, [](const WordListStore &words, Level) { return wordSearchRefusal(words); },
     [](Services &services) -> GameWindow * { return new FormCruciPuzzle(services); }},
    {Game::Memory, &memoryRefusal,
     [](Services &services) -> GameWindow * { return new FormMemory(services); }},
    {Game::Compose, &composeRefusal,
     [](Services &services) -> GameWindow * { return new FormComponi(services); }},
};

} // namespace

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
    connect(menu, &FormMenu::gameChosen, this, &Navigator::startGame);
    connect(menu, &FormMenu::listEditorChosen, this, &Navigator::openListEditor);
    connect(menu, &FormMenu::quitConfirmed, this, &Navigator::quit);
    passTo(menu);
}

// A list too poor for the game is refused where the choice was made, and the menu stays.
void Navigator::startGame(Game game)
{
    const GameEntry &entry =
        *std::find_if(std::begin(kGames), std::end(kGames),
                      [game](const GameEntry &candidate) { return candidate.game == game; });
    const QString reason = entry.refusal(services_.words, services_.choices.level(entry.game));
    if (!reason.isEmpty()) {
        services_.dialogs.critical(current_, reason);
        return;
    }
    GameWindow *window = entry.open(services_);
    connect(window, &GameWindow::leaveConfirmed, this, &Navigator::showMenu);
    passTo(window);
}

void Navigator::openListEditor(const QString &listPath)
{
    auto *editor = new FormPreparaLista(services_, listPath);
    connect(editor, &FormPreparaLista::leaveConfirmed, this, &Navigator::showMenu);
    passTo(editor);
}

void Navigator::quit()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

// The next window is shown before the current one closes, so that the program, which ends with
// its last window, goes on.
void Navigator::passTo(QWidget *next)
{
    const QPointer<QWidget> previous = current_;
    current_ = next;
    showFillingScreen(next);
    if (previous)
        previous->close();
}
