// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindow.h"

#include "Dialogs.h"
#include "VoiceSwitch.h"

#include <QAction>

GameWindow::GameWindow(const char *formName, std::span<const ControlDesign> layout,
                       Dialogs &dialogs, SwitchableVoice &voice, const QString &leaveQuestion,
                       QWidget *parent)
    : DesignWindow(formName, layout, parent), dialogs_(dialogs), leaveQuestion_(leaveQuestion)
{
    connect(addMenuCommand("mnuEsci", QStringLiteral("Esci")), &QAction::triggered, this,
            &GameWindow::askToLeave);

    QAction *voiceCommand = addMenuCommand("mnuVoce", QStringLiteral("Voce"));
    voiceCommand->setCheckable(true);
    voiceCommand->setChecked(voice.isEnabled());
    connect(voiceCommand, &QAction::toggled, this,
            [&voice](bool enabled) { voice.setEnabled(enabled); });
}

void GameWindow::askToLeave()
{
    // The game goes on behind the question (a timer tick is settled inside it); No leaves it as is.
    if (dialogs_.question(this, leaveQuestion_))
        emit leaveConfirmed();
}
