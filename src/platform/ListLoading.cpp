// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListLoading.h"

#include "Services.h"
#include "core/WordChecks.h"
#include "dialogs/Dialogs.h"

#include <QFileInfo>

bool loadListForTheGames(Services &services, QWidget *parent, const QString &path)
{
    services.chosenListFolder = QFileInfo(path).absolutePath();
    const LoadResult loaded = services.words.loadWordList(path);
    const QString report = loadReportText(path, loaded);
    if (!loaded.loaded()) {
        services.dialogs.critical(
            parent, report + QStringLiteral("\nI giochi continuano con la lista di prima."));
        return false;
    }
    if (!report.isEmpty())
        services.dialogs.information(parent, report);
    return true;
}

QString attentionForListInUse(const Services &services)
{
    QStringList withoutPicture;
    QStringList titles;
    for (const QString &word : services.words.distinctWords()) {
        if (looksLikeTitle(word))
            titles << word;
        else if (services.pictureFor(word).isEmpty())
            withoutPicture << word;
    }
    return listAttentionText(withoutPicture, titles);
}
