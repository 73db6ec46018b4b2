// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/FormComponi.h"

#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "platform/Services.h"
#include "platform/accessibility/Announcer.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedDialogs.h"
#include "support/Windows.h"
#include "support/WordLists.h"

#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FormComponiTest : public ::testing::Test
{
protected:
    void open(const QStringList &list, Level level)
    {
        loadWords(words, list);
        choices.setLevel(Game::Compose, level);
        form = new FormComponi(services);
        form->resize(form->surface()->designSize().toSize() +
                     QSize(0, form->menuBar()->sizeHint().height()));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        // Once the window has been drawn.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !recorded.said.empty(); }));
    }
    void TearDown() override { delete form; }

    DesignLabel *box(int index) const { return form->surface()->label("Casella", index); }
    DesignButton *tile(int index) const { return form->surface()->button("Tessera", index); }
    DesignButton *key(int index) const { return form->surface()->button("Tasto", index); }
    QString label(const char *name) const { return form->surface()->label(name)->text(); }
    QString said() const { return form->findChild<Announcer *>()->message(); }
    // The letters in the boxes, "_" for an empty one.
    QString boxes() const
    {
        QString shown;
        for (std::size_t i = 0; i < form->round().boxes().size(); ++i)
            shown += box(int(i))->text().isEmpty() ? QStringLiteral("_") : box(int(i))->text();
        return shown;
    }
    QStringList shownTiles() const
    {
        QStringList tiles;
        for (int i = 0; i < 12; ++i) {
            if (tile(i)->isVisible())
                tiles << tile(i)->text();
        }
        return tiles;
    }
    int tileShowing(const QString &letter) const
    {
        for (int i = 0; i < 12; ++i) {
            if (tile(i)->isVisible() && tile(i)->text() == letter)
                return i;
        }
        return -1;
    }
    static QString nameForReaders(QWidget *control)
    {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }
    void nextWord() const
    {
        QMetaObject::invokeMethod(form->findChild<QTimer *>("TimerParola"), "timeout");
    }
    // A letter typed on the keyboard, accented too: sent as its text, as an Italian keyboard does.
    void type(const QString &letter) const
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
        QCoreApplication::sendEvent(form->focusWidget(), &press);
    }

    WordListStore words;
    ProgramRandom random{11};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ClassChoices choices;
    Services services{words, random, dialogs, QStringLiteral(ZIBALDO_DATA_DIR), voice, choices, {}};
    QPointer<FormComponi> form;
};

// A round at "Facile" with the mouse, the keys and Tab: each word said as it comes, the first
// letter given, wrong tiles counted and shaken back, the word shown whole and praised, and the
// summary with "Ancora" at the end.
TEST_F(FormComponiTest, ARoundIsPlayedWithTheMouseAndTheKeyboard)
{
    open({"ape", "uva", "oca"}, Level::Easy);
    EXPECT_EQ(form->objectName(), QStringLiteral("FormComponi"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zibaldo – Componi la parola"));
    for (int word = 0; word < 3; ++word) {
        const QString current = form->round().word();
        const QString capitals = current.toUpper();
        EXPECT_EQ(recorded.said.back(), current);
        EXPECT_EQ(form->surface()->picture("Immagine")->accessibleName(), current);
        EXPECT_EQ(boxes(), capitals.left(1) + QStringLiteral("__"));
        EXPECT_EQ(nameForReaders(box(1)), QStringLiteral("vuota"));
        QStringList left = shownTiles();
        left.sort();
        QStringList expected = {capitals.mid(1, 1), capitals.mid(2, 1)};
        expected.sort();
        EXPECT_EQ(left, expected);
        EXPECT_EQ(nameForReaders(tile(tileShowing(capitals.mid(2, 1)))), capitals.mid(2, 1));

        // The last letter first: wrong, and back on its tile.
        QTest::mouseClick(tile(tileShowing(capitals.mid(2, 1))), Qt::LeftButton);
        EXPECT_EQ(said(), QStringLiteral("Sbagliato: ") + current.mid(2, 1));
        EXPECT_EQ(label("LabelErrori"), QStringLiteral(" %1").arg(word + 1));
        EXPECT_EQ(shownTiles().size(), 2);
        if (word == 0) {
            // Typed, taken back with Backspace, then placed with Tab and Space.
            QTest::keyClick(form->focusWidget(), current.at(1).toLatin1());
            EXPECT_EQ(boxes(), capitals.left(2) + QStringLiteral("_"));
            EXPECT_EQ(said(), QStringLiteral("Esatto: ") + current.mid(1, 1));
            QTest::keyClick(form->focusWidget(), Qt::Key_Backspace);
            EXPECT_EQ(boxes(), capitals.left(1) + QStringLiteral("__"));
            tile(0)->setFocus();
            while (form->focusWidget() != tile(tileShowing(capitals.mid(1, 1))))
                QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(form->focusWidget(), Qt::Key_Space);
            EXPECT_EQ(form->focusWidget(), tile(tileShowing(capitals.mid(2, 1))))
                << "the keyboard stays on the tiles";
            QTest::keyClick(form->focusWidget(), Qt::Key_Return);
        } else {
            QTest::mouseClick(tile(tileShowing(capitals.mid(1, 1))), Qt::LeftButton);
            // A click on a letter placed takes it back.
            QTest::mouseClick(box(1), Qt::LeftButton);
            EXPECT_EQ(shownTiles().size(), 2);
            QTest::keyClicks(form->focusWidget(), current.mid(1));
        }
        EXPECT_EQ(label("Parola"), capitals);
        EXPECT_TRUE(form->surface()->label("Parola")->isVisible());
        EXPECT_FALSE(box(0)->isVisible());
        EXPECT_TRUE(form->findChild<QLabel *>("PraiseBanner")->isVisible());
        EXPECT_EQ(said(), QStringLiteral("Parola completata: %1. Bravo!").arg(current));
        EXPECT_EQ(label("LabelEsatte"), QStringLiteral(" %1").arg(word + 1));
        nextWord();
    }
    DesignLabel *summary = form->surface()->label("Riepilogo");
    EXPECT_TRUE(summary->isVisible());
    EXPECT_EQ(summary->text(), QStringLiteral("Fine del gioco!\n\nParole giuste al primo colpo: 0 "
                                              "su 3\nErrori: 3"));
    EXPECT_FALSE(form->surface()->picture("Immagine")->isVisible());
    ASSERT_EQ(form->focusWidget(), form->surface()->button("Ancora"));

    // Enter on "Ancora": a new round, counted afresh. Escape asks to leave; No stays.
    QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(summary->isVisible());
    EXPECT_EQ(label("LabelErrori"), QStringLiteral(" 0"));
    EXPECT_EQ(recorded.said.back(), form->round().word());
    QSignalSpy leave(form.data(), &FormComponi::leaveConfirmed);
    QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Vuoi tornare al menù?"));
    EXPECT_EQ(leave.count(), 0);
}

// "Difficile": the on-screen keyboard and the keys typed fill the boxes; "caffe" is checked and
// its last letter marked, "è" mends it. In minuscolo the keys and boxes write small letters.
TEST_F(FormComponiTest, TheHardestLevelIsTypedOnTheScreensKeyboardOrTheKeyboard)
{
    open({"caffè", "caffè", "caffè"}, Level::Hard);
    EXPECT_FALSE(tile(0)->isVisible());
    ASSERT_TRUE(key(0)->isVisible());
    EXPECT_EQ(key(27)->text(), QStringLiteral("È"));
    EXPECT_EQ(nameForReaders(key(32)), QStringLiteral("Cancella"));
    for (int letter : {2, 0, 5, 5, 4}) // c a f f e
        QTest::mouseClick(key(letter), Qt::LeftButton);
    EXPECT_EQ(boxes(), QStringLiteral("CAFFE"));
    EXPECT_EQ(said(), QStringLiteral("Sbagliato: 1 lettera da correggere"));
    EXPECT_EQ(box(4)->accessibleDescription(), QStringLiteral("sbagliata"));
    EXPECT_NE(box(4)->background(), box(3)->background());
    EXPECT_EQ(label("LabelErrori"), QStringLiteral(" 1"));

    // The screen's Backspace, then the keyboard's "è".
    QTest::mouseClick(key(32), Qt::LeftButton);
    EXPECT_EQ(boxes(), QStringLiteral("CAFF_"));
    type(QStringLiteral("è"));
    EXPECT_EQ(form->round().phase(), ComposeRound::Phase::WordDone);
    EXPECT_EQ(label("Parola"), QStringLiteral("CAFFÈ"));

    for (QAction *choice : form->findChildren<QAction *>(QStringLiteral("mnuLettereScelta")))
        if (choice->text() == QStringLiteral("minuscolo"))
            choice->trigger();
    EXPECT_EQ(label("Parola"), QStringLiteral("caffè"));
    EXPECT_EQ(key(27)->text(), QStringLiteral("è"));
    EXPECT_EQ(QFontInfo(key(0)->font()).family(), QStringLiteral("Andika"));
    EXPECT_EQ(choices.letters(Game::Compose), LetterForm::Lowercase);
}

} // namespace
