#include "memory/FormMemory.h"
#include "memory/Deals.h"
#include "platform/DesignLabel.h"
#include "platform/DesignSurface.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "support/Pictures.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FormMemoryTest : public ::testing::Test
{
protected:
    FormMemoryTest()
    {
        QDir(program.path()).mkdir(QStringLiteral("jpg"));
        for (int i = 1; i <= words.WordCount(); ++i)
            writeJpeg(program.filePath(QStringLiteral("jpg/%1.jpg").arg(words.WordList(i))),
                      Qt::blue);
    }

    // The window at scale 1, its client area just below the menu bar.
    FormMemory *create()
    {
        auto *form = new FormMemory(services);
        form->resize(form->surface()->designSize().toSize() +
                     QSize(0, form->menuBar()->sizeHint().height()));
        return form;
    }

    FormMemory *open()
    {
        FormMemory *form = create();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        return form;
    }

    static DesignLabel *cover(FormMemory *form, int card)
    {
        return form->surface()->label("Label2", card);
    }
    static QTimer *timer(FormMemory *form) { return form->findChild<QTimer *>("Timer1"); }
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, {5, 5}); }
    static void endPause(FormMemory *form) { QMetaObject::invokeMethod(timer(form), "timeout"); }
    static QString caption(FormMemory *form) { return form->surface()->label("Label3")->text(); }

    QTemporaryDir program;
    WordListStore words = storeOf(kTwelveWords);
    ScriptedRandom random = dealsInOrder<3>();
    ScriptedDialogs dialogs;
    Services services{words, random, dialogs, program.path()};
};

TEST_F(FormMemoryTest, UntilShownTheDesignStandsAndTheTimerRuns)
{
    std::unique_ptr<FormMemory> form(create());
    EXPECT_EQ(form->objectName(), QStringLiteral("FormMemory"));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    ASSERT_NE(timer(form.get()), nullptr);
    EXPECT_TRUE(timer(form.get())->isActive());
    EXPECT_EQ(timer(form.get())->interval(), 1500);
    EXPECT_EQ(form->surface()->label("Label1", 11)->text(), QStringLiteral("eggs"));
    EXPECT_EQ(caption(form.get()), QStringLiteral("Label3"));
    EXPECT_EQ(form->findChild<QAction *>("mnuEsci")->text(), QStringLiteral("Esci"));
    EXPECT_EQ(random.used(), 0u);
}

TEST_F(FormMemoryTest, ShowingDealsOnceWithEveryFaceHiddenUnderItsCover)
{
    QFile::remove(program.filePath(QStringLiteral("jpg/uva.jpg")));
    std::unique_ptr<FormMemory> form(open());
    DesignSurface *surface = form->surface();
    ASSERT_EQ(surface->scale(), 1.0);
    EXPECT_EQ(random.used(), 36u);
    EXPECT_FALSE(timer(form.get())->isActive());
    EXPECT_EQ(caption(form.get()), QStringLiteral("mosse = 0"));
    EXPECT_EQ(QApplication::focusWidget(), surface->button("Command1"));

    // Dealt in order, every card lies on its design place.
    EXPECT_EQ(surface->picture("Image1", 7)->geometry(), QRect(96, 96, 81, 73));
    DesignLabel *lastWord = surface->label("Label1", 11);
    EXPECT_EQ(lastWord->geometry(), QRect(448, 256, 81, 73));
    EXPECT_EQ(lastWord->text(), QStringLiteral("nave"));
    EXPECT_EQ(lastWord->font().pixelSize(), 15);
    EXPECT_EQ(surface->picture("Image1", 0)->content(), PictureBox::Content::Picture);
    EXPECT_EQ(surface->picture("Image1", 5)->content(), PictureBox::Content::Placeholder);

    const QImage shot = surface->grab().toImage();
    for (int card = 0; card < kCards; ++card) {
        QWidget *face = card < kSlots ? static_cast<QWidget *>(surface->picture("Image1", card))
                                      : surface->label("Label1", card - kSlots);
        EXPECT_EQ(cover(form.get(), card)->geometry(), face->geometry()) << "card " << card;
        EXPECT_EQ(shot.pixelColor(face->geometry().center()), QColor(0xFF, 0xFF, 0x80))
            << "card " << card;
    }
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0x80, 0x00, 0x80));

    form->hide();
    form->show();
    EXPECT_EQ(random.used(), 36u);
}

TEST_F(FormMemoryTest, APairStaysUpAndAMissTurnsBackWhenThePauseEnds)
{
    std::unique_ptr<FormMemory> form(open());
    click(cover(form.get(), 0));
    click(cover(form.get(), 12));
    EXPECT_FALSE(cover(form.get(), 0)->isVisible());
    EXPECT_FALSE(cover(form.get(), 12)->isVisible());
    EXPECT_TRUE(timer(form.get())->isActive());
    click(cover(form.get(), 1));
    EXPECT_TRUE(cover(form.get(), 1)->isVisible());

    endPause(form.get());
    EXPECT_FALSE(timer(form.get())->isActive());
    EXPECT_FALSE(cover(form.get(), 0)->isVisible());
    EXPECT_FALSE(cover(form.get(), 12)->isVisible());
    EXPECT_EQ(caption(form.get()), QStringLiteral("mosse =  1"));

    click(cover(form.get(), 1));
    click(cover(form.get(), 2));
    endPause(form.get());
    EXPECT_TRUE(cover(form.get(), 1)->isVisible());
    EXPECT_TRUE(cover(form.get(), 2)->isVisible());
    EXPECT_EQ(caption(form.get()), QStringLiteral("mosse =  2"));
}

TEST_F(FormMemoryTest, SpaceAndReturnOnTheFocusedButtonDealAgain)
{
    std::unique_ptr<FormMemory> form(open());
    click(cover(form.get(), 3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(random.used(), 72u);
    EXPECT_TRUE(cover(form.get(), 3)->isVisible());

    click(cover(form.get(), 3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(random.used(), 108u);
    EXPECT_TRUE(cover(form.get(), 3)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), form->surface()->button("Command1"));
}

TEST_F(FormMemoryTest, EsciAsksAndOnlyYesLeaves)
{
    QPointer<FormMemory> form = open();
    click(cover(form, 0));
    click(cover(form, 1));
    QAction *esci = form->findChild<QAction *>("mnuEsci");
    dialogs.answers = {false, true};
    esci->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("vuoi tornare al menù? "));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->game().phase(), PlayPhase::Pause);
    EXPECT_TRUE(timer(form)->isActive());

    esci->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

} // namespace
