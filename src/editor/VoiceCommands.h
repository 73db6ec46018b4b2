// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"

#include <QObject>
#include <functional>

class ListDocument;
class QAction;
class QProgressBar;
class QWidget;
class RecordingIntake;
class TileRecorder;
struct PcmSound;
struct Services;

// The editor's commands on the chosen word's recording: "Registra la voce" (which reads "Ferma la
// registrazione" while it records), "Ascolta la voce", "Scegli un file audio…" and "Elimina la
// voce", as actions for the menu, the tile's own menu and the button beside the tiles, with a
// level meter that shows while the microphone hears. What they do and refuse is said through
// said(), for the status line and the screen reader.
class VoiceCommands : public QObject
{
    Q_OBJECT

public:
    VoiceCommands(Services &services, ListDocument &document, std::function<int()> chosenRow,
                  QWidget *window);
    ~VoiceCommands() override;

    QList<QAction *> actions() const;
    QProgressBar *meter() const { return meter_; }

signals:
    void said(const QString &message);

private:
    // The chosen word's row; -1, and the teacher told, when none is chosen.
    int rowAsked();
    void record();
    void recordingStarted(const QString &word);
    void heard(const PcmSound &sound);
    void listen();
    void chooseFile();
    void remove();
    void recordingReady(const QString &word, const TileFile &recording);

    Services &services_;
    ListDocument &document_;
    std::function<int()> chosenRow_;
    QWidget *window_;
    RecordingIntake *intake_;
    TileRecorder *recorder_;
    QString recordedWord_;
    QAction *record_;
    QAction *listen_;
    QAction *chooseFile_;
    QAction *remove_;
    QProgressBar *meter_;
};
