// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/FormComponi.h"

#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/Services.h"
#include "platform/accessibility/Announcer.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/WordLists.h"

#include <QAction>
#include <QFontInfo>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FormComponiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        loadWords(words, {"ape", "uva", "oca"});
        choices.setLevel(Game::Compose, Level::Easy);
        form = new FormComponi(services);
        surface = form->surface();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        // Once the window has been drawn.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !recorded.said.empty(); }));
    }
    void TearDown() override { delete form; }

    // The tile or key on show that writes `text`.
    DesignButton *writing(const char *group, const QString &text) const
    {
        for (int i = 0; DesignButton *control = surface->button(group, i); ++i) {
            if (control->isVisible() && control->text() == text)
                return control;
        }
        ADD_FAILURE() << "no " << group << " " << text.toStdString();
        return surface->button(group, 0);
    }
    void click(QWidget *control) const { QTest::mouseClick(control, Qt::LeftButton); }
    void press(Qt::Key key) const { QTest::keyClick(form->focusWidget(), key); }
    void type(const QString &letters) const { QTest::keyClicks(form->focusWidget(), letters); }
    QString said() const { return form->findChild<Announcer *>()->message(); }
    // The letters in the boxes, "_" for an empty one.
    QString boxes() const
    {
        QString shown;
        for (int i = 0; i < int(form->round().boxes().size()); ++i)
            shown += surface->label("Casella", i)->text().leftJustified(1, u'_');
        return shown;
    }

    WordListStore words;
    ProgramRandom random{11};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, QStringLiteral(ZIBALDO_DATA_DIR), voice, choices, {}};
    FormComponi *form = nullptr;
    DesignSurface *surface = nullptr;
};

// A round at "Facile" with the mouse, the keys and Tab: each word said as it comes and on
// "Ascolta", the first letter given and kept, wrong tiles counted and back, the word shown whole
// and praised, the summary with "Ancora" at the end. Then "Difficile" on the screen's keyboard,
// turned to minuscolo mid-word: the word checked once complete, its wrong letter marked.
TEST_F(FormComponiTest, RoundsArePlayedWithTheMouseTheKeyboardAndTheScreensKeyboard)
{
    EXPECT_EQ(form->objectName(), QStringLiteral("FormComponi"));
    EXPECT_FALSE(surface->button("Tasto", 0)->isVisible());
    for (int word = 0; word < 3; ++word) {
        const QString current = form->round().word(), shown = current.toUpper();
        const QString second = shown.mid(1, 1), third = shown.mid(2, 1);
        EXPECT_EQ(recorded.said.back(), current);
        EXPECT_EQ(boxes(), shown.left(1) + QStringLiteral("__"));
        // The last letter first: wrong, and back on its tile.
        click(writing("Tessera", third));
        EXPECT_EQ(said(), QStringLiteral("Sbagliato: ") + current.mid(2, 1));
        EXPECT_EQ(surface->label("LabelErrori")->text(), QStringLiteral(" %1").arg(word + 1));
        if (word == 0) {
            // Typed and taken back; a letter without a tile types nothing. Then Tab and Space,
            // the keyboard staying on the tiles.
            type(current.mid(1, 1));
            EXPECT_EQ(said(), QStringLiteral("Esatto: ") + current.mid(1, 1));
            press(Qt::Key_Backspace);
            type(QStringLiteral("z"));
            EXPECT_EQ(boxes(), shown.left(1) + QStringLiteral("__"));
            for (int tab = 0; tab < 3 && form->focusWidget() != writing("Tessera", second); ++tab)
                press(Qt::Key_Tab);
            press(Qt::Key_Space);
            EXPECT_EQ(form->focusWidget(), writing("Tessera", third));
            press(Qt::Key_Return);
        } else {
            // A click on a letter placed takes it back; the given one stays.
            click(writing("Tessera", second));
            click(surface->label("Casella", 1));
            click(surface->label("Casella", 0));
            EXPECT_EQ(boxes(), shown.left(1) + QStringLiteral("__"));
            recorded.said.clear();
            click(surface->button("Ascolta"));
            EXPECT_EQ(recorded.said, std::vector<QString>{current});
            type(current.mid(1));
        }
        EXPECT_EQ(surface->label("Parola")->text(), shown);
        EXPECT_FALSE(surface->label("Casella", 0)->isVisible());
        EXPECT_TRUE(form->findChild<QWidget *>("PraiseBanner")->isVisible());
        EXPECT_EQ(recorded.said.back(), ComposeRound::kPraise);
        EXPECT_EQ(surface->label("LabelEsatte")->text(), QStringLiteral(" %1").arg(word + 1));
        press(Qt::Key_Backspace);
        EXPECT_FALSE(form->round().boxes()[2].letter.isEmpty()) << "a word composed stays whole";
        QMetaObject::invokeMethod(form->findChild<QTimer *>("TimerParola"), "timeout");
    }
    EXPECT_TRUE(surface->label("Riepilogo")->isVisible());
    EXPECT_EQ(surface->label("Riepilogo")->text(),
              QStringLiteral("Fine del gioco!\n\nParole giuste al primo colpo: 0 su 3\nErrori: 3"));
    ASSERT_EQ(form->focusWidget(), surface->button("Ancora"));

    // Enter on "Ancora": a new round, counted afresh.
    press(Qt::Key_Return);
    EXPECT_FALSE(surface->label("Riepilogo")->isVisible());
    EXPECT_EQ(surface->label("LabelErrori")->text(), QStringLiteral(" 0"));
    EXPECT_EQ(recorded.said.back(), form->round().word());

    const auto choose = [this](const QString &caption) {
        for (QAction *choice : form->findChildren<QAction *>())
            if (choice->text() == caption)
                choice->trigger();
    };
    choose(QStringLiteral("Difficile"));
    const QString current = form->round().word();
    EXPECT_FALSE(surface->button("Tessera", 0)->isVisible());
    click(writing("Tasto", current.left(1).toUpper()));
    click(writing("Tasto", current.mid(1, 1).toUpper()));
    // Another letter form rewrites the word on show.
    choose(QStringLiteral("minuscolo"));
    EXPECT_EQ(boxes(), current.left(2) + QStringLiteral("_"));
    click(writing("Tasto", QStringLiteral("z")));
    EXPECT_EQ(surface->label("Casella", 2)->accessibleDescription(), QStringLiteral("sbagliata"));
    EXPECT_NE(surface->label("Casella", 2)->background(),
              surface->label("Casella", 1)->background());
    click(writing("Tasto", QStringLiteral("⌫")));
    EXPECT_EQ(boxes(), current.left(2) + QStringLiteral("_"));
    type(current.mid(2));
    EXPECT_EQ(surface->label("Parola")->text(), current);
    EXPECT_EQ(QFontInfo(surface->button("Tasto", 0)->font()).family(), QStringLiteral("Andika"));
}

} // namespace
