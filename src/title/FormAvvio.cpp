#include "FormAvvio.h"

#include "TitleLayout.h"
#include "app/Palette.h"
#include "app/RandomSource.h"
#include "app/WordListStore.h"
#include "menu/FormMenu.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "platform/PictureBox.h"
#include "platform/PictureFiles.h"
#include "platform/Services.h"

#include <QIcon>

namespace {

constexpr int kPictures = 3;

} // namespace

FormAvvio::FormAvvio(Services &services, QWidget *parent)
    : DesignWindow("FormAvvio", kTitleLayout, parent), services_(services)
{
    setWindowIcon(QIcon(QStringLiteral(":/zibaldo.ico")));
    setBackground(static_cast<quint32>(ColoreCasuale(services.random)));

    // With fewer than three words, as many different pictures as there are words.
    const std::vector<qint16> chosen =
        drawDistinctWordIndices(services.random, services.words.WordCount(), kPictures);
    for (int box = 0; box < int(chosen.size()); ++box) {
        const QString &word = services.words.WordList(chosen[std::size_t(box)]);
        surface()
            ->picture("Image1", box)
            ->loadPicture(
                pictureFileFor({services.words.listFolder(), services.programFolder}, word));
    }

    connect(surface(), &DesignSurface::clicked, this, &FormAvvio::moveOn);
    connect(surface()->label("Label2", 0), &DesignControl::clicked, this, &FormAvvio::moveOn);
    for (int box = 0; box < kPictures; ++box)
        connect(surface()->picture("Image1", box), &DesignControl::clicked, this,
                &FormAvvio::moveOn);
}

void FormAvvio::moveOn()
{
    passTo(new FormMenu(services_));
}
