// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormAvvio.h"

#include "TitleLayout.h"
#include "core/Palette.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/Services.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/pictures/PictureLoader.h"

#include <QKeyEvent>

FormAvvio::FormAvvio(Services &services, QWidget *parent)
    : DesignWindow(kTitleForm, kTitleLayout, parent)
{
    setWindowTitle(QStringLiteral("Zibaldo"));
    setBackground(static_cast<quint32>(drawPaletteColor(services.random)));

    // With fewer than three words, as many different pictures as there are words.
    const QStringList &words = services.words.distinctWords();
    const std::vector<qint16> chosen =
        drawDistinctWordIndices(services.random, qint16(words.size()), kTitlePictures);
    for (int box = 0; box < int(chosen.size()); ++box) {
        const QString &word = words[chosen[std::size_t(box)] - 1];
        PictureBox *picture = surface()->picture(kTitlePicture, box);
        picture->loadPicture(services.pictureFor(word));
        picture->setAccessibleName(word);
    }

    connect(surface(), &DesignSurface::clicked, this, &FormAvvio::done);
    connect(surface()->label(kTitleName, 0), &DesignControl::clicked, this, &FormAvvio::done);
    for (int box = 0; box < kTitlePictures; ++box)
        connect(surface()->picture(kTitlePicture, box), &DesignControl::clicked, this,
                &FormAvvio::done);
}

// Decoding the icon would hold up the first sight of the program, and then compete with the display
// server putting it on the screen; the window manager takes the icon as readily afterwards.
void FormAvvio::firstDrawn()
{
    PictureLoader::shared().loadIcon(QStringLiteral(":/zibaldo.ico"), this,
                                     [this](const QIcon &icon) { setWindowIcon(icon); });
}

void FormAvvio::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        // A key held down must not run on into the menu.
        if (!event->isAutoRepeat())
            emit done();
        return;
    default:
        DesignWindow::keyPressEvent(event);
    }
}
