#include "FormMenu.h"

#include "GameRequirements.h"
#include "MenuLayout.h"
#include "app/InformationBox.h"
#include "app/Palette.h"
#include "app/WordListStore.h"
#include "memory/FormMemory.h"
#include "platform/DesignButton.h"
#include "platform/DesignSurface.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QApplication>

FormMenu::FormMenu(Services &services, QWidget *parent)
    : DesignWindow("FormMenu", kMenuLayout, parent), services_(services)
{
    setBackground(static_cast<quint32>(ColoreCasuale(services.random)));
    const auto onClick = [this](const char *button, void (FormMenu::*command)()) {
        connect(surface()->button(button), &QPushButton::clicked, this, command);
    };
    onClick("Command13", &FormMenu::startWordSearch);
    onClick("Command15", &FormMenu::startMemory);
    onClick("Command14", &FormMenu::showInformation);
    onClick("Command1", &FormMenu::loadOtherList);
    onClick("BottoneEsci", &FormMenu::askToEnd);
}

bool FormMenu::refuse(const QString &reason)
{
    if (reason.isEmpty())
        return false;
    services_.dialogs.critical(this, reason);
    return true;
}

void FormMenu::startWordSearch()
{
    if (!refuse(wordSearchRefusal(services_.words)))
        passTo(new FormCruciPuzzle(services_));
}

void FormMenu::startMemory()
{
    if (!refuse(memoryRefusal(services_.words)))
        passTo(new FormMemory(services_));
}

void FormMenu::showInformation()
{
    MostraInformazioni(services_.dialogs, this);
}

void FormMenu::loadOtherList()
{
    const QString path = services_.dialogs.openFileName(this, services_.programFolder,
                                                        QStringLiteral("*.TXT (*.txt)"));
    if (path.isEmpty()) {
        services_.dialogs.critical(this, QStringLiteral("Non hai scelto nessuna lista!"));
        return;
    }
    // A list that cannot be read leaves the one in use; one that was cut is used all the same.
    const LoadResult loaded = services_.words.LoadWordList(path);
    const QString report = loadReportText(path, loaded);
    if (!loaded.loaded())
        services_.dialogs.critical(
            this, report + QStringLiteral("\nI giochi continuano con la lista di prima."));
    else if (!report.isEmpty())
        services_.dialogs.information(this, report);
}

void FormMenu::askToEnd()
{
    if (!services_.dialogs.question(this, QStringLiteral("sicuro di voler terminare?")))
        return;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
