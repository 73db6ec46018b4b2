// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormAvvio.h"

#include "TitleLayout.h"
#include "app/Services.h"
#include "core/Palette.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "platform/PictureBox.h"
#include "platform/PictureFiles.h"

#include <QIcon>

FormAvvio::FormAvvio(Services &services, QWidget *parent)
    : DesignWindow(kTitleForm, kTitleLayout, parent)
{
    setWindowIcon(QIcon(QStringLiteral(":/zibaldo.ico")));
    setBackground(static_cast<quint32>(drawPaletteColor(services.random)));

    // With fewer than three words, as many different pictures as there are words.
    const QStringList &words = services.words.distinctWords();
    const std::vector<qint16> chosen =
        drawDistinctWordIndices(services.random, qint16(words.size()), kTitlePictures);
    for (int box = 0; box < int(chosen.size()); ++box) {
        const QString &word = words[chosen[std::size_t(box)] - 1];
        surface()
            ->picture(kTitlePicture, box)
            ->loadPicture(pictureFileFor(services.programFolder, word));
    }

    connect(surface(), &DesignSurface::clicked, this, &FormAvvio::done);
    connect(surface()->label(kTitleName, 0), &DesignControl::clicked, this, &FormAvvio::done);
    for (int box = 0; box < kTitlePictures; ++box)
        connect(surface()->picture(kTitlePicture, box), &DesignControl::clicked, this,
                &FormAvvio::done);
}
