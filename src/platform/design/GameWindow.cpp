// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindow.h"

#include "DesignSurface.h"
#include "Fonts.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/voice/VoiceSwitch.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <algorithm>

GameWindow::GameWindow(const char *formName, std::span<const ControlDesign> layout,
                       Dialogs &dialogs, SwitchableVoice &voice, const QString &leaveQuestion,
                       QWidget *parent)
    : DesignWindow(formName, layout, parent), dialogs_(dialogs), leaveQuestion_(leaveQuestion),
      exit_(addMenuCommand("mnuEsci", QStringLiteral("Esci")))
{
    connect(exit_, &QAction::triggered, this, &GameWindow::askToLeave);
    menuBar()->installEventFilter(this);

    // A menu bar draws no check mark: the caption says whether the voice is on.
    const auto caption = [](bool on) {
        return on ? QStringLiteral("Voce: sì") : QStringLiteral("Voce: no");
    };
    QAction *voiceCommand = addMenuCommand("mnuVoce", caption(voice.isEnabled()));
    voiceCommand->setCheckable(true);
    voiceCommand->setChecked(voice.isEnabled());
    connect(voiceCommand, &QAction::toggled, this, [&voice, voiceCommand, caption](bool enabled) {
        voice.setEnabled(enabled);
        voiceCommand->setText(caption(enabled));
    });
}

void GameWindow::askToLeave()
{
    // The game goes on behind the question (a timer tick is settled inside it); No leaves it as is.
    if (dialogs_.question(this, leaveQuestion_))
        emit leaveConfirmed();
}

void GameWindow::keyPressEvent(QKeyEvent *event)
{
    // Held down, a key asks once: its repeats would answer the question.
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        askToLeave();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        openMenuBar();
        return;
    }
    DesignWindow::keyPressEvent(event);
}

// Alt does this by itself; F10, the other usual key for a menu bar, is done here the same way.
void GameWindow::openMenuBar()
{
    focusBeforeMenuBar_ = focusWidget();
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(exit_);
}

// Once the menu bar has acted or been left, the keyboard goes back where it was.
void GameWindow::leaveMenuBar()
{
    QWidget *previous = focusBeforeMenuBar_;
    focusBeforeMenuBar_ = nullptr;
    if (previous && focusWidget() == menuBar())
        previous->setFocus(Qt::MenuBarFocusReason);
}

bool GameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == menuBar() && event->type() == QEvent::KeyPress && focusBeforeMenuBar_) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            QMetaObject::invokeMethod(this, &GameWindow::leaveMenuBar, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return DesignWindow::eventFilter(watched, event);
}

void GameWindow::resizeEvent(QResizeEvent *event)
{
    DesignWindow::resizeEvent(event);
    // Once the bar has its new width: a font too large for the old one would fold "Esci" away.
    QMetaObject::invokeMethod(this, &GameWindow::scaleMenuBar, Qt::QueuedConnection);
}

void GameWindow::scaleMenuBar()
{
    // From the whole window, not the area under the menu bar: the bar's own height must not
    // feed back into its font.
    const QSizeF design = surface()->designSize();
    if (design.isEmpty())
        return;
    const double scale = std::min(width() / design.width(), height() / design.height());
    menuBar()->setFont(boxFont(scale, QApplication::font(menuBar())));
}
