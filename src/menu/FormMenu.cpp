// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormMenu.h"

#include "MenuLayout.h"
#include "core/InformationText.h"
#include "core/Palette.h"
#include "core/WordListStore.h"
#include "platform/ListLoading.h"
#include "platform/Services.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignSurface.h"
#include "platform/dialogs/Dialogs.h"

FormMenu::FormMenu(Services &services, QWidget *parent)
    : DesignWindow(kMenuForm, kMenuLayout, parent), services_(services)
{
    setWindowTitle(QStringLiteral("Zibaldo – Menù"));
    setBackground(static_cast<quint32>(drawPaletteColor(services.random)));
    const auto onClick = [this](const char *button, auto command) {
        connect(surface()->button(button), &QPushButton::clicked, this, command);
    };
    for (const MenuGame &game : kMenuGames)
        onClick(game.button, [this, game] { emit gameChosen(game.game); });
    onClick(kMenuPrepareList, [this] { emit listEditorChosen({}); });
    onClick(kMenuInformation, &FormMenu::showInformation);
    onClick(kMenuLoadList, &FormMenu::loadOtherList);
    onClick(kMenuExit, &FormMenu::askToEnd);
}

void FormMenu::showInformation()
{
    services_.dialogs.information(this, informationText());
}

void FormMenu::loadOtherList()
{
    const QString folder =
        services_.chosenListFolder.isEmpty() ? services_.programFolder : services_.chosenListFolder;
    const QString path = services_.dialogs.openFileName(
        this, folder, QStringLiteral("*.TXT (*.txt);;Elenchi (*.txt *.csv);;Tutti i file (*)"));
    if (path.isEmpty()) {
        services_.dialogs.critical(this, QStringLiteral("Non hai scelto nessuna lista!"));
        return;
    }
    if (!loadListForTheGames(services_, this, path))
        return;
    // A clean list loads silently; one with something to mend says what, and offers the editor.
    const QString attention = attentionForListInUse(services_);
    if (!attention.isEmpty() &&
        services_.dialogs.informationOffering(this, attention, QStringLiteral("Prepara una lista")))
        emit listEditorChosen(path);
}

void FormMenu::askToEnd()
{
    if (services_.dialogs.question(this, QStringLiteral("sicuro di voler terminare?")))
        emit quitConfirmed();
}
