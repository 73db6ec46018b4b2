// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoiceCommands.h"

#include "ListDocument.h"
#include "RecordingIntake.h"
#include "TileRecorder.h"
#include "platform/Services.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/voice/AudioModule.h"
#include "platform/voice/RecordingShape.h"
#include "platform/voice/VoiceSwitch.h"
#include "platform/voice/WavFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>

namespace {

const QString kRecord = QStringLiteral("Registra la voce");
const QString kStop = QStringLiteral("Ferma la registrazione");
const QString kSoundFilter = QStringLiteral(
    "File audio (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac);;Tutti i file (*)");

QAction *command(QObject *parent, const char *name, const QString &caption,
                 const QKeySequence &keys)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

VoiceCommands::VoiceCommands(Services &services, ListDocument &document,
                             std::function<int()> chosenRow, QWidget *window)
    : QObject(window), services_(services), document_(document), chosenRow_(std::move(chosenRow)),
      window_(window), intake_(new RecordingIntake(services.audio, services.dialogs, window)),
      recorder_(new TileRecorder(services.audio, this)),
      record_(command(this, "RegistraVoce", kRecord, QKeySequence(Qt::CTRL | Qt::Key_R))),
      listen_(command(this, "AscoltaVoce", QStringLiteral("Ascolta la voce"),
                      QKeySequence(Qt::CTRL | Qt::Key_L))),
      chooseFile_(command(this, "ScegliFileAudio", QStringLiteral("Scegli un file audio…"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A))),
      remove_(command(this, "EliminaVoce", QStringLiteral("Elimina la voce"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete))),
      meter_(new QProgressBar(window))
{
    meter_->setObjectName(QStringLiteral("LivelloMicrofono"));
    meter_->setAccessibleName(QStringLiteral("Livello del microfono"));
    meter_->setRange(0, 100);
    meter_->setTextVisible(false);
    meter_->setMaximumWidth(160);
    meter_->hide();

    connect(record_, &QAction::triggered, this, &VoiceCommands::record);
    connect(listen_, &QAction::triggered, this, &VoiceCommands::listen);
    connect(chooseFile_, &QAction::triggered, this, &VoiceCommands::chooseFile);
    connect(remove_, &QAction::triggered, this, &VoiceCommands::remove);
    // The meter falls back slowly, as a needle does, so that the eye can follow it.
    connect(recorder_, &TileRecorder::level, meter_, [this](double peak) {
        meter_->setValue(std::max(int(std::lround(peak * 100)), meter_->value() * 17 / 20));
    });
    connect(recorder_, &TileRecorder::finished, this, &VoiceCommands::heard);
    connect(intake_, &RecordingIntake::recordingReady, this, &VoiceCommands::recordingReady);
    connect(intake_, &RecordingIntake::refused, this, &VoiceCommands::said);
}

VoiceCommands::~VoiceCommands() = default;

QList<QAction *> VoiceCommands::actions() const
{
    return {record_, listen_, chooseFile_, remove_};
}

int VoiceCommands::rowAsked()
{
    const int row = chosenRow_();
    if (row < 0)
        emit said(QStringLiteral("Scegli prima la parola a cui dare la voce."));
    return row;
}

void VoiceCommands::record()
{
    if (recorder_->isRecording()) {
        recorder_->stop();
        return;
    }
    const int row = rowAsked();
    if (row < 0)
        return;
    services_.voice.stop();
    switch (recorder_->start()) {
    case TileRecorder::Start::Started:
        recordingStarted(document_.tiles().tile(row).word);
        break;
    case TileRecorder::Start::NoMicrophone:
        emit said(QStringLiteral("Nessun microfono: collegane uno al computer e riprova. Puoi "
                                 "anche scegliere un file audio."));
        break;
    case TileRecorder::Start::Failed:
        emit said(QStringLiteral("Il microfono non si apre: forse lo sta usando un altro "
                                 "programma."));
        break;
    }
}

void VoiceCommands::recordingStarted(const QString &word)
{
    recordedWord_ = word;
    record_->setText(kStop);
    meter_->setValue(0);
    meter_->show();
    emit said(QStringLiteral("Registro «%1»: parla ora. La registrazione si ferma da sola dopo "
                             "%2 secondi.")
                  .arg(word)
                  .arg(kRecordingTime.count()));
}

void VoiceCommands::heard(const PcmSound &sound)
{
    record_->setText(kRecord);
    meter_->hide();
    emit said(QStringLiteral("Registrazione fermata."));
    intake_->takeHeard(sound, recordedWord_);
}

void VoiceCommands::listen()
{
    const int row = rowAsked();
    if (row < 0)
        return;
    const WordTile &tile = document_.tiles().tile(row);
    if (!tile.recording.isSet()) {
        emit said(QStringLiteral("«%1» non ha ancora la sua voce.").arg(tile.word));
        return;
    }
    if (recorder_->isRecording()) {
        emit said(QStringLiteral("Prima ferma la registrazione."));
        return;
    }
    const std::optional<Speech> sound = readRecording(tile.recording.path);
    if (!sound) {
        emit said(QStringLiteral("La voce di «%1» non si può leggere (%2).")
                      .arg(tile.word, QFileInfo(tile.recording.path).fileName()));
        return;
    }
    services_.voice.stop();
    if (!services_.audio || !services_.audio->output().play(*sound))
        emit said(QStringLiteral("Non c'è nessuna uscita audio: collega le casse o le cuffie."));
}

void VoiceCommands::chooseFile()
{
    const int row = rowAsked();
    if (row < 0)
        return;
    const QString folder =
        services_.chosenListFolder.isEmpty() ? QDir::homePath() : services_.chosenListFolder;
    const QString file = services_.dialogs.openFileName(window_, folder, kSoundFilter);
    if (!file.isEmpty())
        intake_->takeFile(file, document_.tiles().tile(row).word);
}

void VoiceCommands::remove()
{
    const int row = rowAsked();
    if (row < 0)
        return;
    const QString word = document_.tiles().tile(row).word;
    if (!document_.tiles().tile(row).recording.isSet()) {
        emit said(QStringLiteral("«%1» non ha una voce da eliminare.").arg(word));
        return;
    }
    document_.setFile(row, WordTile::FileKind::Recording, {});
    emit said(QStringLiteral("La voce di «%1» è eliminata.").arg(word));
}

void VoiceCommands::recordingReady(const QString &word, const TileFile &recording)
{
    if (const QString now = document_.setFileOf(word, WordTile::FileKind::Recording, recording);
        !now.isEmpty())
        emit said(QStringLiteral("«%1» ha la sua voce.").arg(now));
}
