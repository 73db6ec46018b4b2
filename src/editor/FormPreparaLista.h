// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"

#include <QMainWindow>
#include <QMimeData>

class Announcer;
class ListDocument;
class PictureIntake;
class QLabel;
class VoiceCommands;
class QLineEdit;
class WordTilesView;
struct Services;

// The teacher's list editor: words as tiles with their pictures and recordings, checked by the
// games' rules as they are typed, saved beside their pictures where the teacher wants them. Built
// from Qt's own widgets: a teacher's tool, not a pupil's board. Leaving it, by its menu or by the
// window manager, first settles unsaved changes.
class FormPreparaLista : public QMainWindow
{
    Q_OBJECT

public:
    // An empty `listPath` starts a new list.
    FormPreparaLista(Services &services, const QString &listPath, QWidget *parent = nullptr);
    ~FormPreparaLista() override;

    ListDocument &document() { return *document_; }

signals:
    // The teacher is done here: the menu comes next.
    void leaveConfirmed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void addTypedWord();
    void chooseImage();
    void pasteImage();
    void takePicture(int row, const QMimeData *mime);
    void pictureReady(const QString &word, const TileFile &picture);
    void removeSelectedWord();
    void showTileMenu(const QPoint &at);
    void newList();
    void openList();
    void openPath(const QString &path);
    bool save();
    bool saveAs();
    bool saveTo(const QString &path);
    void useList();
    void backToMenu();
    // True when the teacher may go on: nothing unsaved, saved now, or let go.
    bool settleUnsavedChanges();
    int selectedRow() const;
    void selectRow(int row);
    void showState();
    void say(const QString &message);

    Services &services_;
    ListDocument *document_;
    PictureIntake *intake_;
    VoiceCommands *voice_;
    QLineEdit *newWord_;
    WordTilesView *tiles_;
    QLabel *summary_;
    Announcer *announcer_;
};
