// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"
#include "platform/design/DesignWindow.h"

#include <QPointer>
#include <functional>
#include <memory>

class Dialogs;
class QMenu;
struct Services;
class Worksheet;

// A game's window: its menu bar's "Esci" asks whether to go back to the menu, and Yes says so;
// "Stampa…" and "Salva PDF…" put the board or deal on paper, painted off the window's thread;
// "Lettere" and "Livello" choose the letter form and the level the class plays at, kept for the
// next session; "Voce", a checkable command, turns the voice off and on for the whole session.
// Escape and the window manager's close ask the same as "Esci"; F10 or Alt takes the keyboard to
// the menu bar, where Enter acts on "Esci".
class GameWindow : public DesignWindow
{
    Q_OBJECT

public:
    GameWindow(const char *formName, std::span<const ControlDesign> layout, Services &services,
               Game game, const QString &leaveQuestion, QWidget *parent = nullptr);

signals:
    void leaveConfirmed();

protected:
    Dialogs &dialogs() const { return dialogs_; }
    LetterForm letterForm() const { return choices_.letters(game_); }
    Level level() const { return choices_.level(game_); }

    // The class chose another letter form: the board or deal on show is written in it, and play
    // goes on as it was.
    virtual void showLetterForm(LetterForm form) = 0;
    // The class chose another level: a new board or deal at once, its counts from the start.
    virtual void startLevel(Level level) = 0;
    // Why the list in use cannot be played at `level`, in the words the teacher reads; empty when
    // it can.
    virtual QString levelRefusal(Level) const { return {}; }
    // The sheet of the board or deal on show, for "Stampa…" and "Salva PDF…".
    virtual std::unique_ptr<Worksheet> worksheet() = 0;

    bool asksBeforeClosing() const override { return true; }
    void askToClose() override { askToLeave(); }
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void askToLeave();
    void openMenuBar();
    void leaveMenuBar();
    void scaleMenuBar();
    template <typename Choice>
    QMenu *addChoiceMenu(const char *name, const QString &title, std::span<const Choice> choices,
                         Choice (GameWindow::*current)() const, QString (*caption)(Choice),
                         bool (GameWindow::*choose)(Choice));
    bool chooseLetterForm(LetterForm form);
    bool chooseLevel(Level level);
    void askToPrint();
    void askToSavePdf();
    // Runs `job` on a thread of its own while the game goes on, and shows the message it returns.
    void runAside(std::function<QString()> job);

    Dialogs &dialogs_;
    ClassChoices &choices_;
    Game game_;
    QString leaveQuestion_;
    QAction *exit_;
    QAction *print_;
    QAction *savePdf_;
    QPointer<QWidget> focusBeforeMenuBar_;
};
