// SPDX-License-Identifier: GPL-3.0-or-later
#include "title/FormAvvio.h"
#include "core/ClassChoices.h"
#include "core/WordListStore.h"
#include "platform/Services.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/Files.h"
#include "support/Pictures.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "support/Windows.h"

#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class FormAvvioTest : public ::testing::Test
{
protected:
    // A program folder holding `list` and a picture for each of its words.
    void useList(const QByteArray &list)
    {
        QDir(program.path()).mkdir(QStringLiteral("jpg"));
        const QString path = program.filePath(QStringLiteral("lista.txt"));
        writeFile(path, list);
        ASSERT_TRUE(words.loadWordList(path).loaded());
        for (int i = 1; i <= words.wordCount(); ++i)
            writeJpeg(program.filePath(QStringLiteral("jpg/%1.jpg").arg(words.wordList(i))),
                      Qt::blue);
    }

    FormAvvio *open(ScriptedRandom &random)
    {
        services = std::make_unique<Services>(
            Services{words, random, dialogs, program.path(), voice, choices, {}});
        auto *form = new FormAvvio(*services);
        form->resize(form->surface()->designSize().toSize());
        form->show();
        return form;
    }

    QString shownWord(FormAvvio *form, int box)
    {
        return QFileInfo(form->surface()->picture("Image1", box)->pictureFile()).completeBaseName();
    }

    QTemporaryDir program;
    WordListStore words;
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    std::unique_ptr<Services> services;
};

TEST_F(FormAvvioTest, ControlsStandAtTheirDesignPlaces)
{
    useList("cane\r\ngatto\r\nmela\r\n");
    ScriptedRandom random{0.0, 0.0, 0.4, 0.9};
    QPointer<FormAvvio> form = open(random);
    EXPECT_EQ(form->objectName(), QStringLiteral("FormAvvio"));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->surface()->picture("Image1", 0)->geometry(), QRect(40, 16, 169, 153));
    EXPECT_EQ(form->surface()->picture("Image1", 1)->geometry(), QRect(40, 320, 193, 185));
    EXPECT_EQ(form->surface()->picture("Image1", 2)->geometry(), QRect(408, 312, 193, 185));
    DesignLabel *title = form->surface()->label("Label2", 0);
    EXPECT_EQ(title->geometry(), QRect(216, 16, 417, 281));
    EXPECT_EQ(title->text(), QStringLiteral("Zibaldo"));
    EXPECT_EQ(title->font().pixelSize(), 96);
    EXPECT_TRUE(title->font().bold());
    delete form;
}

TEST_F(FormAvvioTest, IconFollowsTheFirstDrawing)
{
    useList("cane\r\ngatto\r\nmela\r\n");
    ScriptedRandom random{0.0, 0.0, 0.4, 0.9};
    QPointer<FormAvvio> form = open(random);
    // Nothing is drawn before the window is exposed, and the icon waits for the first drawing.
    EXPECT_TRUE(form->windowIcon().isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->windowIcon().isNull(); }));
    EXPECT_FALSE(form->windowIcon().availableSizes().isEmpty());
    EXPECT_FALSE(form->windowHandle()->icon().isNull());
    delete form;
}

TEST_F(FormAvvioTest, ShowsThreeDifferentWordsOnAPaletteColour)
{
    useList("cane\r\ngatto\r\nmela\r\n");
    // colour #FFC0C0; then words 1, 1 again, 2, then 2 again, 3.
    ScriptedRandom random{0.0, 0.0, 0.1, 0.4, 0.5, 0.9};
    QPointer<FormAvvio> form = open(random);
    EXPECT_EQ(random.used(), 6u);
    EXPECT_EQ(shownWord(form, 0), QStringLiteral("cane"));
    EXPECT_EQ(shownWord(form, 1), QStringLiteral("gatto"));
    EXPECT_EQ(shownWord(form, 2), QStringLiteral("mela"));
    PictureBox::waitForPictures();
    for (int box = 0; box < 3; ++box)
        EXPECT_EQ(form->surface()->picture("Image1", box)->content(), PictureBox::Content::Picture);

    // The title stands on the window's colour: no box of its own behind it.
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.pixelColor(220, 20), QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(shot.pixelColor(660, 500), QColor(0xFF, 0xC0, 0xC0));
    delete form;
}

TEST_F(FormAvvioTest, WithFewerThanThreeWordsShowsWhatThereIs)
{
    useList("cane\r\n");
    ScriptedRandom one{0.5, 0.3};
    QPointer<FormAvvio> form = open(one);
    EXPECT_EQ(shownWord(form, 0), QStringLiteral("cane"));
    EXPECT_EQ(form->surface()->picture("Image1", 1)->content(), PictureBox::Content::Nothing);
    EXPECT_EQ(form->surface()->picture("Image1", 2)->content(), PictureBox::Content::Nothing);
    delete form;

    useList("");
    ScriptedRandom none{0.5};
    form = open(none);
    EXPECT_EQ(form->surface()->picture("Image1", 0)->content(), PictureBox::Content::Nothing);
    delete form;
}

TEST_F(FormAvvioTest, AWordWithoutAPictureShowsThePlaceholder)
{
    useList("cane\r\n");
    QFile::remove(program.filePath(QStringLiteral("jpg/cane.jpg")));
    ScriptedRandom random{0.5, 0.3};
    QPointer<FormAvvio> form = open(random);
    PictureBox::waitForPictures();
    EXPECT_EQ(form->surface()->picture("Image1", 0)->content(), PictureBox::Content::Placeholder);
    delete form;
}

TEST_F(FormAvvioTest, AClickOnTheWindowAPictureOrTheTitleIsTheEndOfIt)
{
    useList("cane\r\ngatto\r\nmela\r\n");
    const auto clickOn = [](FormAvvio *form) -> QWidget * { return form->surface(); };
    const auto secondPicture = [](FormAvvio *form) -> QWidget * {
        return form->surface()->picture("Image1", 1);
    };
    const auto title = [](FormAvvio *form) -> QWidget * {
        return form->surface()->label("Label2", 0);
    };
    for (const auto &target : {+clickOn, +secondPicture, +title}) {
        ScriptedRandom random{0.0, 0.0, 0.5, 0.9};
        QPointer<FormAvvio> form = open(random);
        QSignalSpy done(form, &FormAvvio::done);
        QTest::mouseClick(target(form), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(done.count(), 1);
        delete form;
    }
}

TEST_F(FormAvvioTest, EnterSpaceOrEscapeIsTheEndOfItAndNoOtherKey)
{
    useList("cane\r\ngatto\r\nmela\r\n");
    ScriptedRandom random{0.0, 0.0, 0.5, 0.9};
    std::unique_ptr<FormAvvio> form(open(random));
    QSignalSpy done(form.get(), &FormAvvio::done);
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Tab, Qt::Key_Down})
        QTest::keyClick(form.get(), key);
    EXPECT_EQ(done.count(), 0);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape})
        QTest::keyClick(form.get(), key);
    EXPECT_EQ(done.count(), 4);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(form.get(), &held);
    EXPECT_EQ(done.count(), 4) << "a key held down goes no further";
}

} // namespace
