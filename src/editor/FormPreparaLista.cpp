// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormPreparaLista.h"

#include "ListDocument.h"
#include "ListSaving.h"
#include "ListSummary.h"
#include "PictureIntake.h"
#include "VoiceCommands.h"
#include "WordTilesView.h"
#include "platform/ListLoading.h"
#include "platform/Services.h"
#include "platform/accessibility/Announcer.h"
#include "platform/design/DesignWindow.h"
#include "platform/dialogs/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// As readable on a whiteboard as the program's dialogs: 20 pixels on a 1080-line screen.
constexpr int kTextPixels = 20;
constexpr int kScreenLines = 1080;

const QString kListFilter =
    QStringLiteral("*.TXT (*.txt);;Elenchi (*.txt *.csv);;Tutti i file (*)");

QString imageFilter()
{
    QStringList patterns;
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    for (const char *ending : {"jpg", "jpeg", "png", "bmp", "gif", "webp"}) {
        if (readable.contains(ending))
            patterns << QStringLiteral("*.%1").arg(QLatin1String(ending));
    }
    return QStringLiteral("Immagini (%1);;Tutti i file (*)").arg(patterns.join(u' '));
}

// Documenti/Zibaldo: a list saved there gets a folder of its own, beside its pictures.
QString listsFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Zibaldo"));
}

QAction *addCommand(QMenu *menu, const char *name, const QString &caption,
                    const QKeySequence &keys = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    return action;
}

} // namespace

FormPreparaLista::FormPreparaLista(Services &services, const QString &listPath, QWidget *parent)
    : QMainWindow(parent), services_(services),
      document_(new ListDocument(services.programFolder, this)), intake_(new PictureIntake(this)),
      voice_(new VoiceCommands(
          services, *document_, [this] { return selectedRow(); }, this))
{
    setObjectName(QStringLiteral("FormPreparaLista"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QScreen *screen = QGuiApplication::primaryScreen();
    QFont text = font();
    text.setPixelSize(std::max(
        kTextPixels, screen ? screen->size().height() * kTextPixels / kScreenLines : kTextPixels));
    setFont(text);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    auto *entry = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("&Nuova parola:"), central);
    newWord_ = new QLineEdit(central);
    newWord_->setObjectName(QStringLiteral("NuovaParola"));
    newWord_->setAccessibleName(QStringLiteral("Nuova parola"));
    label->setBuddy(newWord_);
    auto *add = new QPushButton(QStringLiteral("&Aggiungi"), central);
    add->setObjectName(QStringLiteral("Aggiungi"));
    auto *choose = new QPushButton(QStringLiteral("&Scegli immagine…"), central);
    choose->setObjectName(QStringLiteral("ScegliImmagine"));
    // The recording's commands, beside the picture's.
    auto *voice = new QToolButton(central);
    voice->setObjectName(QStringLiteral("Voce"));
    voice->setText(QStringLiteral("Voce"));
    voice->setAccessibleName(QStringLiteral("Voce della parola"));
    voice->setPopupMode(QToolButton::InstantPopup);
    voice->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *voiceMenu = new QMenu(voice);
    voiceMenu->setFont(font());
    voiceMenu->addActions(voice_->actions());
    voice->setMenu(voiceMenu);
    entry->addWidget(label);
    entry->addWidget(newWord_, 1);
    entry->addWidget(add);
    entry->addWidget(choose);
    entry->addWidget(voice);
    entry->addWidget(voice_->meter());
    column->addLayout(entry);

    tiles_ = new WordTilesView(central);
    tiles_->setObjectName(QStringLiteral("Parole"));
    tiles_->setAccessibleName(QStringLiteral("Parole della lista"));
    tiles_->setModel(&document_->tiles());
    tiles_->setContextMenuPolicy(Qt::CustomContextMenu);
    column->addWidget(tiles_, 1);
    summary_ = new QLabel(central);
    summary_->setObjectName(QStringLiteral("Riepilogo"));
    // Wrapped: a long line must not widen the window past a small screen.
    summary_->setWordWrap(true);
    column->addWidget(summary_);
    announcer_ = new Announcer(central);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("Stato"));
    buildMenus();

    connect(newWord_, &QLineEdit::returnPressed, this, &FormPreparaLista::addTypedWord);
    connect(add, &QPushButton::clicked, this, &FormPreparaLista::addTypedWord);
    connect(choose, &QPushButton::clicked, this, &FormPreparaLista::chooseImage);
    newWord_->installEventFilter(this);
    connect(tiles_, &WordTilesView::pictureDropped, this, &FormPreparaLista::takePicture);
    connect(intake_, &PictureIntake::pictureReady, this, &FormPreparaLista::pictureReady);
    connect(intake_, &PictureIntake::refused, this, &FormPreparaLista::say);
    connect(voice_, &VoiceCommands::said, this, &FormPreparaLista::say);
    connect(tiles_, &QWidget::customContextMenuRequested, this, &FormPreparaLista::showTileMenu);
    connect(&document_->tiles(), &WordTilesModel::renameAsked, this,
            [this](int row, const QString &word) { say(document_->renameWord(row, word)); });
    connect(&document_->undoStack(), &QUndoStack::indexChanged, this, &FormPreparaLista::showState);
    connect(document_, &ListDocument::pathChanged, this, &FormPreparaLista::showState);

    if (!listPath.isEmpty())
        openPath(listPath);
    showState();
    newWord_->setFocus();
}

FormPreparaLista::~FormPreparaLista()
{
    // Its undo stack, cleared as it goes, tells the window: the window must still be whole.
    delete document_;
}

void FormPreparaLista::buildMenus()
{
    QMenu *list = menuBar()->addMenu(QStringLiteral("&Lista"));
    list->setObjectName(QStringLiteral("Lista"));
    // A menu is a window of its own: it takes no font from this one by itself.
    list->setFont(font());
    connect(addCommand(list, "Nuova", QStringLiteral("Nuova"), QKeySequence::New),
            &QAction::triggered, this, &FormPreparaLista::newList);
    connect(addCommand(list, "Apri", QStringLiteral("Apri…"), QKeySequence::Open),
            &QAction::triggered, this, &FormPreparaLista::openList);
    connect(addCommand(list, "Salva", QStringLiteral("Salva"), QKeySequence::Save),
            &QAction::triggered, this, &FormPreparaLista::save);
    connect(addCommand(list, "SalvaConNome", QStringLiteral("Salva con nome…"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &FormPreparaLista::saveAs);
    list->addSeparator();
    connect(addCommand(list, "UsaLista", QStringLiteral("Usa questa lista"),
                       QKeySequence(Qt::CTRL | Qt::Key_U)),
            &QAction::triggered, this, &FormPreparaLista::useList);
    connect(addCommand(list, "TornaAlMenu", QStringLiteral("Torna al menù"),
                       QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &FormPreparaLista::backToMenu);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Modifica"));
    edit->setObjectName(QStringLiteral("Modifica"));
    edit->setFont(font());
    QUndoStack &undo = document_->undoStack();
    QAction *undoCommand =
        addCommand(edit, "Annulla", QStringLiteral("Annulla"), QKeySequence::Undo);
    connect(undoCommand, &QAction::triggered, &undo, &QUndoStack::undo);
    connect(&undo, &QUndoStack::canUndoChanged, undoCommand, &QAction::setEnabled);
    QAction *redoCommand = addCommand(edit, "Ripeti", QStringLiteral("Ripeti"), QKeySequence::Redo);
    connect(redoCommand, &QAction::triggered, &undo, &QUndoStack::redo);
    connect(&undo, &QUndoStack::canRedoChanged, redoCommand, &QAction::setEnabled);
    undoCommand->setEnabled(false);
    redoCommand->setEnabled(false);
    edit->addSeparator();
    connect(addCommand(edit, "IncollaImmagine", QStringLiteral("Incolla immagine"),
                       QKeySequence::Paste),
            &QAction::triggered, this, &FormPreparaLista::pasteImage);
    connect(
        addCommand(edit, "EliminaParola", QStringLiteral("Elimina parola"), QKeySequence::Delete),
        &QAction::triggered, this, &FormPreparaLista::removeSelectedWord);
    edit->addSeparator();
    edit->addActions(voice_->actions());
}

void FormPreparaLista::showTileMenu(const QPoint &at)
{
    const QModelIndex onto = tiles_->indexAt(at);
    if (!onto.isValid())
        return;
    tiles_->setCurrentIndex(onto);
    QMenu menu(this);
    menu.setFont(font());
    connect(menu.addAction(QStringLiteral("Scegli immagine…")), &QAction::triggered, this,
            &FormPreparaLista::chooseImage);
    menu.addSeparator();
    menu.addActions(voice_->actions());
    menu.exec(tiles_->viewport()->mapToGlobal(at));
}

bool FormPreparaLista::eventFilter(QObject *watched, QEvent *event)
{
    // The focus stays in the word field, which would take these keys for its own text: they go to
    // the list when the field has nothing of its own to do with them.
    if (watched == newWord_ && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool forTheList =
            (key->matches(QKeySequence::Undo) && !newWord_->isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !newWord_->isRedoAvailable()) ||
            (key->matches(QKeySequence::Paste) &&
             PictureIntake::bringsPicture(QGuiApplication::clipboard()->mimeData()));
        if (forTheList) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormPreparaLista::addTypedWord()
{
    const QString refusal = document_->addWord(newWord_->text());
    say(refusal);
    newWord_->setFocus(); // after "Aggiungi" too: the next word is typed at once
    if (!refusal.isEmpty())
        return;
    // Not clear(), which the field could undo: the next Ctrl+Z is the list's.
    newWord_->setText(QString());
    // Selected, so that the picture pasted next is its own.
    selectRow(document_->tiles().rowCount() - 1);
}

int FormPreparaLista::selectedRow() const
{
    const QModelIndex current = tiles_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FormPreparaLista::selectRow(int row)
{
    if (row < 0 || row >= document_->tiles().rowCount())
        return;
    const QModelIndex index = document_->tiles().index(row);
    tiles_->setCurrentIndex(index);
    tiles_->scrollTo(index);
}

void FormPreparaLista::chooseImage()
{
    const int row = selectedRow();
    if (row < 0) {
        say(QStringLiteral("Scegli prima la parola a cui dare l'immagine."));
        return;
    }
    const QString folder =
        services_.chosenListFolder.isEmpty() ? QDir::homePath() : services_.chosenListFolder;
    const QString file = services_.dialogs.openFileName(this, folder, imageFilter());
    if (!file.isEmpty())
        intake_->takeFile(file, document_->tiles().tile(row).word);
}

void FormPreparaLista::pasteImage()
{
    takePicture(selectedRow(), QGuiApplication::clipboard()->mimeData());
}

void FormPreparaLista::takePicture(int row, const QMimeData *mime)
{
    if (row < 0) {
        say(QStringLiteral("Scegli prima la parola a cui dare l'immagine."));
        return;
    }
    if (!intake_->take(mime, document_->tiles().tile(row).word))
        say(QStringLiteral("Negli appunti non c'è un'immagine: copiane una e riprova."));
    else
        say(QStringLiteral("Preparo l'immagine di «%1»…").arg(document_->tiles().tile(row).word));
}

void FormPreparaLista::pictureReady(const QString &word, const TileFile &picture)
{
    if (const QString now = document_->setFileOf(word, WordTile::FileKind::Picture, picture);
        !now.isEmpty())
        say(QStringLiteral("«%1» ha la sua immagine.").arg(now));
}

void FormPreparaLista::removeSelectedWord()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    document_->removeWord(row);
    selectRow(std::min(row, document_->tiles().rowCount() - 1));
}

void FormPreparaLista::newList()
{
    if (settleUnsavedChanges())
        document_->startNew();
}

void FormPreparaLista::openList()
{
    if (!settleUnsavedChanges())
        return;
    const QString folder =
        services_.chosenListFolder.isEmpty() ? services_.programFolder : services_.chosenListFolder;
    const QString path = services_.dialogs.openFileName(this, folder, kListFilter);
    if (!path.isEmpty())
        openPath(path);
}

void FormPreparaLista::openPath(const QString &path)
{
    const LoadResult loaded = document_->open(path);
    const QString report = loadReportText(path, loaded);
    if (!loaded.loaded())
        services_.dialogs.critical(this, report);
    else if (!report.isEmpty())
        services_.dialogs.information(this, report);
}

bool FormPreparaLista::save()
{
    return document_->needsNewPlace() ? saveAs() : saveTo(document_->path());
}

bool FormPreparaLista::saveAs()
{
    const QString folder = listsFolder();
    QDir().mkpath(folder);
    const QString name = document_->name();
    QString path = services_.dialogs.saveFileName(
        this, QDir(folder).filePath(name + QStringLiteral(".txt")), kListFilter);
    if (path.isEmpty())
        return false;
    // Saved straight into Documenti/Zibaldo, a list takes a folder of its own for it and its
    // pictures.
    const QFileInfo chosen(path);
    if (QFileInfo(chosen.absolutePath()) == QFileInfo(folder))
        path =
            QDir(folder).filePath(chosen.completeBaseName() + QLatin1Char('/') + chosen.fileName());
    return saveTo(path);
}

bool FormPreparaLista::saveTo(const QString &path)
{
    QProgressDialog progress(QStringLiteral("Salvo la lista, le sue immagini e le voci…"),
                             QString(), 0, 1, this);
    progress.setWindowTitle(kDialogTitle);
    progress.setFont(font());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    const QString savedFolder =
        document_->path().isEmpty() ? QString() : QFileInfo(document_->path()).absolutePath();
    const SaveOutcome outcome = saveList({path, document_->tiles().tiles(), savedFolder,
                                          document_->savedWords(), document_->keptFolder()},
                                         services_.dialogs, this, [&progress](int done, int total) {
                                             progress.setMaximum(std::max(1, total));
                                             progress.setValue(done);
                                         });
    progress.close();
    if (!outcome.saved) {
        services_.dialogs.critical(
            this, outcome.failure +
                      QStringLiteral("\nLe parole restano qui: puoi riprovare o salvare altrove."));
        return false;
    }
    document_->markSaved(path, outcome.moved);
    say(QStringLiteral("Lista salvata in %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void FormPreparaLista::useList()
{
    if (!settleUnsavedChanges())
        return;
    if (document_->path().isEmpty()) {
        say(QStringLiteral("Salva la lista prima di usarla."));
        return;
    }
    if (loadListForTheGames(services_, this, document_->path()))
        emit leaveConfirmed();
}

void FormPreparaLista::backToMenu()
{
    if (settleUnsavedChanges())
        emit leaveConfirmed();
}

bool FormPreparaLista::settleUnsavedChanges()
{
    if (!document_->isModified())
        return true;
    switch (services_.dialogs.questionWithCancel(
        this, QStringLiteral("Salvare le modifiche a «%1»?").arg(document_->name()))) {
    case Dialogs::Answer::Yes:
        return save();
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

void FormPreparaLista::closeEvent(QCloseEvent *event)
{
    // The window manager's close asks as "Torna al menù" does; the navigator's own never asks.
    if (event->spontaneous()) {
        event->ignore();
        QMetaObject::invokeMethod(this, &FormPreparaLista::backToMenu, Qt::QueuedConnection);
        return;
    }
    QMainWindow::closeEvent(event);
}

void FormPreparaLista::showState()
{
    setWindowTitle(QStringLiteral("Zibaldo – Prepara una lista – %1").arg(document_->name()));
    const WordTilesModel &tiles = document_->tiles();
    const QString summary =
        listSummary(tiles.words(), tiles.withoutCount(WordTile::FileKind::Picture),
                    tiles.withoutCount(WordTile::FileKind::Recording), services_.choices);
    if (summary != summary_->text()) {
        summary_->setText(summary);
        announcer_->announce(summary);
    }
}

void FormPreparaLista::say(const QString &message)
{
    if (message.isEmpty())
        return;
    statusBar()->showMessage(message);
    announcer_->announce(message);
}
