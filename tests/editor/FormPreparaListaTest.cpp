// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FormPreparaLista.h"

#include "core/ClassChoices.h"
#include "core/RandomSource.h"
#include "core/WordListStore.h"
#include "editor/ListDocument.h"
#include "memory/FormMemory.h"
#include "platform/Services.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WavFile.h"
#include "support/Files.h"
#include "support/Pictures.h"
#include "support/RecordedVoice.h"
#include "support/ScriptedAudio.h"
#include "support/ScriptedDialogs.h"
#include "support/Tones.h"
#include "support/Windows.h"
#include "wordsearch/FormCruciPuzzle.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedDialogs::Kind;
using Answer = Dialogs::Answer;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FormPreparaListaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        choices.setLevel(Game::Memory, Level::Easy);
        choices.setLevel(Game::WordSearch, Level::Easy);
        services.audio = &audio;
    }
    void TearDown() override { discardWindows(); }

    void open(const QString &list = {})
    {
        form = new FormPreparaLista(services, list);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    QLineEdit *field() const { return form->findChild<QLineEdit *>(QStringLiteral("NuovaParola")); }
    QListView *tiles() const { return form->findChild<QListView *>(QStringLiteral("Parole")); }
    WordTilesModel &model() const { return form->document().tiles(); }
    QString status() const { return form->statusBar()->currentMessage(); }
    void command(const char *name) const
    {
        form->findChild<QAction *>(QString::fromLatin1(name))->trigger();
    }
    void type(const QString &word) const
    {
        field()->setText(word); // typing an accent is not a key QTest knows
        QTest::keyClick(field(), Qt::Key_Return);
    }
    // Lets every picture asked for be read, off the window's thread, and handed back.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::processEvents();
            PictureLoader::shared().waitForAll();
            QCoreApplication::processEvents();
        }
    }
    void choosePicture() const
    {
        form->findChild<QPushButton *>(QStringLiteral("ScegliImmagine"))->click();
    }
    QString selectedWord() const { return tiles()->currentIndex().data(Qt::EditRole).toString(); }
    void chooseSound(const QString &file)
    {
        dialogs.fileNames = {file};
        command("ScegliFileAudio");
        QCoreApplication::processEvents();
    }

    QTemporaryDir documents;
    ProgramRandom random{7};
    ScriptedDialogs dialogs;
    RecordedVoice recorded;
    SwitchableVoice voice{recorded};
    ScriptedAudio audio;
    ClassChoices choices;
    WordListStore words;
    Services services{words, random, dialogs, QStringLiteral(ZIBALDO_DATA_DIR), voice, choices, {}};
    QPointer<FormPreparaLista> form;
};

TEST_F(FormPreparaListaTest, WordsAreAddedRefusedRenamedRemovedAndEveryChangeUndone)
{
    open();
    EXPECT_TRUE(field()->hasFocus());

    type(QStringLiteral("  gatto "));
    type(QStringLiteral("zaino"));
    EXPECT_EQ(model().words(), (QStringList{"gatto", "zaino"}));
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_TRUE(field()->text().isEmpty());
    EXPECT_EQ(selectedWord(), QStringLiteral("zaino"));
    // The program has a cat, and no rucksack.
    EXPECT_EQ(model().tile(0).picture.source, TileFile::Source::Program);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(tiles());
    ASSERT_TRUE(list);
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name),
              QStringLiteral("gatto, con immagine, senza voce"));
    EXPECT_EQ(list->child(1)->text(QAccessible::Name),
              QStringLiteral("zaino, manca l'immagine, senza voce"));
    // Readable on a whiteboard, the menus too.
    EXPECT_GE(QFontInfo(field()->font()).pixelSize(), 20);
    EXPECT_GE(QFontInfo(form->findChild<QMenu *>(QStringLiteral("Lista"))->font()).pixelSize(), 20);

    // A repeat in another case and another encoding of its accent, and a file name's character.
    type(QStringLiteral("GATTO"));
    EXPECT_EQ(status(), QStringLiteral("«gatto» c'è già"));
    type(QStringLiteral("caffe\u0300"));
    type(QStringLiteral("CAFFÈ"));
    EXPECT_EQ(status(), QStringLiteral("«caffe\u0300» c'è già"));
    type(QStringLiteral("sì/no"));
    EXPECT_EQ(status(), QStringLiteral("«sì/no»: una parola non può contenere il carattere /"));
    EXPECT_EQ(model().rowCount(), 3);
    type(QStringLiteral("ippopotamo marino"));
    EXPECT_EQ(model().index(3).data().toString(),
              QStringLiteral("ippopotamo marino\npiù di 10 lettere: non nel Crucipuzzle"));

    // Renamed in place, the picture follows; a rename to a word already there is refused.
    model().setData(model().index(0), QStringLiteral("micio"), Qt::EditRole);
    EXPECT_EQ(model().tile(0).word, QStringLiteral("micio"));
    EXPECT_TRUE(model().tile(0).picture.path.endsWith(QStringLiteral("gatto.jpg")));
    model().setData(model().index(1), QStringLiteral("Micio"), Qt::EditRole);
    EXPECT_EQ(status(), QStringLiteral("«micio» c'è già"));

    tiles()->setCurrentIndex(model().index(1));
    command("EliminaParola");
    EXPECT_EQ(model().words(), (QStringList{"micio", "caffe\u0300", "ippopotamo marino"}));

    // The field keeps the focus, and the keys for undo reach the list while it is empty.
    field()->setFocus();
    QTest::keyClick(field(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(field(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model().words(), (QStringList{"gatto", "zaino", "caffe\u0300", "ippopotamo marino"}));
    for (int i = 0; i < 4; ++i)
        command("Annulla");
    EXPECT_EQ(model().rowCount(), 0);
    for (int i = 0; i < 6; ++i)
        command("Ripeti");
    EXPECT_EQ(model().words(), (QStringList{"micio", "caffe\u0300", "ippopotamo marino"}));
    EXPECT_TRUE(model().tile(0).picture.path.endsWith(QStringLiteral("gatto.jpg")));
}

TEST_F(FormPreparaListaTest, UnsavedChangesAreSettledBeforeLeaving)
{
    open();
    QSignalSpy left(form.data(), &FormPreparaLista::leaveConfirmed);
    command("TornaAlMenu");
    EXPECT_EQ(left.size(), 1); // nothing to save: no question
    EXPECT_TRUE(dialogs.shown.empty());

    type(QStringLiteral("animale"));
    dialogs.threeWayAnswers = {Answer::Cancel, Answer::Yes, Answer::No};
    command("TornaAlMenu");
    EXPECT_EQ(left.size(), 1);
    // Sì, and then no place chosen to save it: the teacher stays.
    command("TornaAlMenu");
    EXPECT_EQ(left.size(), 1);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::QuestionWithCancel);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Salvare le modifiche a «nuova lista»?"));
    EXPECT_EQ(dialogs.shown[2].kind, Kind::SaveFile);
    // The window manager's close asks the same.
    EXPECT_FALSE(closeAsTheWindowSystemDoes(form));
    EXPECT_EQ(left.size(), 2);
    EXPECT_EQ(dialogs.shown.size(), 4u);
}

TEST_F(FormPreparaListaTest, BadPicturesAreRefusedAndNothingChanges)
{
    open();
    type(QStringLiteral("zaino"));
    const QDir folder(documents.path());
    writeFile(folder.filePath("testo.jpg"), "non sono un'immagine");
    ASSERT_TRUE(writeJpeg(folder.filePath("intera.jpg"), Qt::blue, 400, 300));
    writeFile(folder.filePath("tagliata.jpg"), contents(folder.filePath("intera.jpg")).left(400));

    dialogs.fileNames = {folder.filePath("testo.jpg"), folder.filePath("tagliata.jpg")};
    for (const char *bad : {"testo.jpg", "tagliata.jpg"}) {
        choosePicture();
        settle();
        EXPECT_EQ(status(),
                  QStringLiteral("«%1» non è un'immagine che Zibaldo sa leggere.").arg(bad));
    }
    // Nothing to paste: said.
    QGuiApplication::clipboard()->clear();
    command("IncollaImmagine");
    EXPECT_EQ(status(),
              QStringLiteral("Negli appunti non c'è un'immagine: copiane una e riprova."));
    EXPECT_FALSE(model().tile(0).picture.isSet());
    EXPECT_EQ(form->document().undoStack().count(), 1); // the word alone
}

TEST_F(FormPreparaListaTest, PicturesDroppedOnATileAreItsOwn)
{
    open();
    type(QStringLiteral("prato"));
    type(QStringLiteral("lavagna"));
    settle();
    const QString photo = QDir(documents.path()).filePath(QStringLiteral("prato.jpg"));
    ASSERT_TRUE(writeJpeg(photo, Qt::green));
    const auto drop = [this](int row, QMimeData &mime) {
        const QPoint onto = tiles()->visualRect(model().index(row)).center();
        QDropEvent event(onto, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDragEnterEvent enter(onto, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tiles()->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QCoreApplication::sendEvent(tiles()->viewport(), &event);
        EXPECT_TRUE(event.isAccepted());
        settle();
    };
    // A file from the file manager, or from a browser by its local address.
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(photo)});
    drop(0, file);
    EXPECT_EQ(model().tile(0).picture.path, photo);
    // An image from a web page, as data.
    QMimeData image;
    QImage pixels(30, 20, QImage::Format_RGB32);
    pixels.fill(Qt::yellow);
    image.setImageData(pixels);
    drop(1, image);
    EXPECT_EQ(model().tile(1).picture.source, TileFile::Source::File);
    EXPECT_EQ(QImage(model().tile(1).picture.path).pixelColor(10, 10), QColor(Qt::yellow));
    EXPECT_EQ(model().tile(0).picture.path, photo);
}

// A picture pasted from the clipboard, half see-through and larger than a saved picture.
void copyPicture()
{
    QImage picture(1600, 1200, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 300; y < 900; ++y)
        for (int x = 400; x < 1200; ++x)
            picture.setPixelColor(x, y, Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
}

// Three words: a photo taken sideways chosen from a file, a picture pasted from the clipboard,
// one of the program's own; three more of the program's own make enough pairs for the easy Memory.
TEST_F(FormPreparaListaTest, AListMadeHereIsSavedAndUsedWithEveryPicture)
{
    open();
    const QDir photos(documents.path());
    QImage landscape(640, 480, QImage::Format_RGB32);
    landscape.fill(Qt::darkGreen);
    writeFile(photos.filePath("foto.jpg"), photoTaken(landscape, 6));

    type(QStringLiteral("prato"));
    dialogs.fileNames = {photos.filePath("foto.jpg")};
    choosePicture();
    type(QStringLiteral("lavagna"));
    copyPicture();
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(field()->text().isEmpty());
    for (const char *word : {"gatto", "cane", "mela", "casa"})
        type(QString::fromUtf8(word));
    settle();
    EXPECT_EQ(form->findChild<QLabel *>(QStringLiteral("Riepilogo"))->text(),
              QStringLiteral(
                  "6 parole · 0 senza immagine · 6 senza voce · Crucipuzzle: sì · Memory: sì · "
                  "Componi: sì"));

    const QString list = photos.filePath("animali/animali.txt");
    dialogs.fileNames = {list};
    command("Salva");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("Zibaldo/nuova lista.txt|*.TXT")));
    EXPECT_EQ(contents(list),
              QByteArray("\xEF\xBB\xBFprato\r\nlavagna\r\ngatto\r\ncane\r\nmela\r\ncasa\r\n"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zibaldo – Prepara una lista – animali"));
    const QDir pictures(photos.filePath("animali/jpg"));
    QImageReader prato(pictures.filePath("prato.jpg"));
    EXPECT_EQ(prato.format(), QByteArray("jpeg"));
    EXPECT_EQ(prato.size(), QSize(640, 480)); // upright, as the scene was
    const QImage lavagna(pictures.filePath("lavagna.jpg"));
    EXPECT_EQ(lavagna.size(), QSize(800, 600));
    EXPECT_GT(qGray(lavagna.pixel(5, 5)), 245); // flattened on white
    EXPECT_GT(qRed(lavagna.pixel(400, 300)), 200);

    QSignalSpy left(form.data(), &FormPreparaLista::leaveConfirmed);
    command("UsaLista");
    EXPECT_EQ(left.size(), 1);
    EXPECT_EQ(words.distinctWords(),
              (QStringList{"prato", "lavagna", "gatto", "cane", "mela", "casa"}));
    form->close();

    for (DesignWindow *game : {static_cast<DesignWindow *>(new FormCruciPuzzle(services)),
                               static_cast<DesignWindow *>(new FormMemory(services))}) {
        showFillingScreen(game);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
        PictureBox::waitForPictures();
        int shown = 0;
        for (const PictureBox *box : game->surface()->findChildren<PictureBox *>()) {
            // Undealt cards and unused boxes hold no file; the answer icons are the program's.
            if (box->pictureFile().isEmpty() || box->pictureFile().startsWith(u':'))
                continue;
            ++shown;
            EXPECT_EQ(box->content(), PictureBox::Content::Picture)
                << box->pictureFile().toStdString();
            EXPECT_EQ(QFileInfo(box->pictureFile()).absolutePath(), pictures.absolutePath());
        }
        EXPECT_GE(shown, 6) << game->objectName().toStdString();
        game->close();
    }
}

TEST_F(FormPreparaListaTest, AFailedSaveKeepsTheOldListAndTheWork)
{
    const QDir folder(documents.path());
    ASSERT_TRUE(folder.mkpath(QStringLiteral("vecchia/jpg/lavagna.jpg"))); // a folder: unwritable
    const QString old = folder.filePath("vecchia/vecchia.txt");
    writeFile(old, "cane\r\n");
    open(old);
    EXPECT_EQ(model().words(), QStringList{"cane"});
    EXPECT_EQ(model().tile(0).picture.source, TileFile::Source::Program);

    type(QStringLiteral("lavagna"));
    copyPicture();
    command("IncollaImmagine");
    settle();
    ASSERT_TRUE(model().tile(1).picture.isSet());
    command("Salva");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::Critical);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("Non riesco a salvare")));
    EXPECT_EQ(contents(old), QByteArray("cane\r\n"));
    EXPECT_EQ(model().words(), (QStringList{"cane", "lavagna"}));
    EXPECT_TRUE(form->document().isModified());

    // Once the folder can be written, a picture of the teacher's that stands there is kept when
    // she says No, and the list is saved.
    ASSERT_TRUE(QDir(folder.filePath("vecchia/jpg/lavagna.jpg")).removeRecursively());
    writeFile(folder.filePath("vecchia/jpg/Lavagna.png"), "sua");
    dialogs.answers = {false};
    command("Salva");
    ASSERT_EQ(dialogs.shown.size(), 2u) << dialogs.shown.back().text.toStdString();
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Nella cartella della lista c'è già "
                                                    "un'immagine per «lavagna» (Lavagna.png). "
                                                    "Sostituirla?"));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("vecchia/jpg/lavagna.jpg")));
    EXPECT_EQ(contents(old), QByteArray("\xEF\xBB\xBF"
                                        "cane\r\nlavagna\r\n"));
    EXPECT_FALSE(form->document().isModified());

    // The program's own list is never written over: saving it asks for a new place.
    command("Nuova");
    form->document().open(QStringLiteral(ZIBALDO_DATA_DIR "/listaparole.txt"));
    type(QStringLiteral("lavagna"));
    command("Salva");
    EXPECT_EQ(dialogs.shown.back().kind, Kind::SaveFile);
}

// A word's voice without the mouse: none without a microphone; recorded, or taken from a file
// (refused by name when cut short, cut to its start when far too long and the teacher says so);
// heard, deleted and undone; saved in voce/ beside the list, carried to a renamed word's name and
// taken away with a removed word, while the teacher's own files stay; undone after the save, it
// comes back.
TEST_F(FormPreparaListaTest, AWordsVoiceIsRecordedOrTakenHeardDeletedUndoneAndSavedBesideTheList)
{
    open();
    type(QStringLiteral("gatto"));
    QTest::keyClick(field(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Nessun microfono"))) << status().toStdString();
    // The scripted microphone hears a second of voice at once, and the recording stops by itself.
    audio.microphone = readWav(wavBytes(tone(440, 1, 48000))).sound;
    QTest::keyClick(field(), Qt::Key_R, Qt::ControlModifier);
    QAction *record = form->findChild<QAction *>(QStringLiteral("RegistraVoce"));
    ASSERT_EQ(record->text(), QStringLiteral("Ferma la registrazione"));
    EXPECT_TRUE(form->findChild<QWidget *>(QStringLiteral("LivelloMicrofono"))->isVisible());
    ASSERT_TRUE(
        QTest::qWaitFor([record] { return record->text() == QStringLiteral("Registra la voce"); }));
    type(QStringLiteral("topo"));
    type(QStringLiteral("cane"));
    const QString cut = documents.filePath("tagliata.wav");
    writeFile(cut, wavBytes(tone(440, 1, 22050)).left(2000));
    chooseSound(cut);
    EXPECT_TRUE(status().startsWith(QStringLiteral("«tagliata.wav» è incompleto")))
        << status().toStdString();
    const QString longOne = documents.filePath("lunga.wav");
    writeFile(longOne, wavBytes(tone(440, 40, 22050)));
    dialogs.answers = {false, true};
    chooseSound(longOne);
    EXPECT_EQ(dialogs.shown.back().kind, Kind::Question);
    EXPECT_FALSE(model().tile(2).recording.isSet());
    chooseSound(longOne);
    ASSERT_TRUE(model().tile(2).recording.isSet());
    EXPECT_EQ(readRecording(model().tile(2).recording.path)->duration(), std::chrono::seconds(5));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tiles())->child(2)->text(QAccessible::Name),
              QStringLiteral("cane, con immagine, con voce"));
    EXPECT_TRUE(form->findChild<QLabel *>(QStringLiteral("Riepilogo"))
                    ->text()
                    .contains(QStringLiteral("· 1 senza voce ·")));
    QTest::keyClick(field(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(audio.played.size(), 1u);
    QTest::keyClick(field(), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(model().tile(2).recording.isSet());
    command("Annulla");
    EXPECT_TRUE(model().tile(2).recording.isSet());

    dialogs.fileNames = {documents.filePath("animali/animali.txt")};
    command("Salva");
    // The teacher's own recordings, one of them under a word's name, and another list with "topo".
    const QDir animali(documents.filePath("animali"));
    writeFile(animali.filePath("voce/Gatto vecchio.wav"), wavBytes(tone(440, 1, 22050)));
    ASSERT_TRUE(encodedTone(animali.filePath("voce/cane.wav"), 440, 22050, "wavenc"));
    writeFile(animali.filePath("topi.txt"), "topo\r\n");
    model().setData(model().index(0), QStringLiteral("micio"), Qt::EditRole);
    for (const int row : {2, 1}) {
        tiles()->setCurrentIndex(model().index(row));
        command("EliminaParola");
    }
    command("Salva");
    EXPECT_EQ(QDir(animali.filePath("voce")).entryList(QDir::Files),
              (QStringList{"cane.wav", "Gatto vecchio.wav", "micio.wav"}));
    EXPECT_EQ(QDir(animali.filePath("jpg")).entryList(QDir::Files),
              (QStringList{"micio.jpg", "topo.jpg"}));

    for (int i = 0; i < 3; ++i)
        command("Annulla");
    ASSERT_EQ(model().words(), (QStringList{"gatto", "topo", "cane"}));
    command("Salva");
    EXPECT_EQ(QDir(animali.filePath("voce")).entryList(QDir::Files),
              (QStringList{"cane.wav", "Gatto vecchio.wav", "gatto.wav"}));
    EXPECT_TRUE(QImage(animali.filePath("jpg/cane.jpg")).size().isValid());
}

} // namespace
