// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindow.h"

#include "platform/Services.h"
#include "platform/design/DesignSurface.h"
#include "platform/design/Fonts.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/voice/VoiceSwitch.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/Worksheet.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

GameWindow::GameWindow(const char *formName, std::span<const ControlDesign> layout,
                       Services &services, Game game, const QString &leaveQuestion, QWidget *parent)
    : DesignWindow(formName, layout, parent), dialogs_(services.dialogs),
      choices_(services.choices), game_(game), leaveQuestion_(leaveQuestion),
      exit_(addMenuCommand("mnuEsci", QStringLiteral("Esci"))),
      print_(addMenuCommand("mnuStampa", QStringLiteral("Stampa…"))),
      savePdf_(addMenuCommand("mnuSalvaPdf", QStringLiteral("Salva PDF…")))
{
    connect(exit_, &QAction::triggered, this, &GameWindow::askToLeave);
    connect(print_, &QAction::triggered, this, &GameWindow::askToPrint);
    connect(savePdf_, &QAction::triggered, this, &GameWindow::askToSavePdf);
    menuBar()->installEventFilter(this);
    addChoiceMenu("mnuLettere", QStringLiteral("Lettere"), letterFormsOf(game),
                  &GameWindow::letterForm, &letterFormCaption, &GameWindow::chooseLetterForm);
    addChoiceMenu("mnuLivello", QStringLiteral("Livello"), levelsOf(), &GameWindow::level,
                  &levelCaption, &GameWindow::chooseLevel);
    SwitchableVoice &voice = services.voice;

    // A menu bar draws no check mark: the caption says whether the voice is on.
    const auto caption = [](bool on) {
        return on ? QStringLiteral("Voce: sì") : QStringLiteral("Voce: no");
    };
    QAction *voiceCommand = addMenuCommand("mnuVoce", caption(voice.isEnabled()));
    voiceCommand->setCheckable(true);
    voiceCommand->setChecked(voice.isEnabled());
    connect(voiceCommand, &QAction::toggled, this, [&voice, voiceCommand, caption](bool enabled) {
        voice.setEnabled(enabled);
        voiceCommand->setText(caption(enabled));
    });
}

// A drop-down menu of exclusive choices. A menu bar draws no check mark on its own titles, so the
// title says the choice in force too: "Lettere: minuscolo". A choice refused leaves the check mark
// where it was.
template <typename Choice>
QMenu *GameWindow::addChoiceMenu(const char *name, const QString &title,
                                 std::span<const Choice> choices,
                                 Choice (GameWindow::*current)() const, QString (*caption)(Choice),
                                 bool (GameWindow::*choose)(Choice))
{
    const auto titled = [title, caption](Choice choice) {
        return title + QStringLiteral(": ") + caption(choice);
    };
    QMenu *menu = menuBar()->addMenu(titled((this->*current)()));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(menu->objectName());
    auto *group = new QActionGroup(menu);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        QAction *item = menu->addAction(caption(choices[i]));
        item->setObjectName(QString::fromLatin1(name) + QStringLiteral("Scelta"));
        item->setProperty("index", int(i));
        item->setCheckable(true);
        item->setChecked(choices[i] == (this->*current)());
        group->addAction(item);
    }
    connect(group, &QActionGroup::triggered, this, [=, this](QAction *item) {
        if ((this->*choose)(choices[std::size_t(item->property("index").toInt())])) {
            menu->setTitle(titled((this->*current)()));
            return;
        }
        const auto kept = std::find(choices.begin(), choices.end(), (this->*current)());
        group->actions().at(kept - choices.begin())->setChecked(true);
    });
    return menu;
}

bool GameWindow::chooseLetterForm(LetterForm form)
{
    if (form != letterForm()) {
        choices_.setLetters(game_, form);
        showLetterForm(form);
    }
    return true;
}

// A list too short for the level is refused where the choice was made, and the game goes on.
bool GameWindow::chooseLevel(Level level)
{
    if (level == this->level())
        return true;
    if (const QString reason = levelRefusal(level); !reason.isEmpty()) {
        dialogs_.critical(this, reason);
        return false;
    }
    choices_.setLevel(game_, level);
    startLevel(level);
    return true;
}

void GameWindow::askToPrint()
{
    std::shared_ptr<const Worksheet> sheet = worksheet();
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(defaultPaper());
    printer->setDocName(sheet->name());
    if (!dialogs_.choosePrinter(this, *printer))
        return;
    runAside([sheet, printer] { return printSheet(*sheet, *printer); });
}

void GameWindow::askToSavePdf()
{
    std::shared_ptr<const Worksheet> sheet = worksheet();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(documents).filePath(sheet->name() + QLatin1Char(' ') +
                                                      QDate::currentDate().toString(Qt::ISODate) +
                                                      QStringLiteral(".pdf"));
    const QString path = dialogs_.saveFileName(this, proposed, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    runAside([sheet, path] { return savePdf(*sheet, path); });
}

// A sheet takes up to a second to paint: the window goes on meanwhile, and offers no second sheet
// until this one is done.
void GameWindow::runAside(std::function<QString()> job)
{
    print_->setEnabled(false);
    savePdf_->setEnabled(false);
    auto message = std::make_shared<QString>();
    QThread *thread = QThread::create([job, message] { *message = job(); });
    connect(thread, &QThread::finished, this, [this, message] {
        print_->setEnabled(true);
        savePdf_->setEnabled(true);
        if (!message->isEmpty())
            dialogs_.critical(this, *message);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void GameWindow::askToLeave()
{
    // The game goes on behind the question (a timer tick is settled inside it); No leaves it as is.
    if (dialogs_.question(this, leaveQuestion_))
        emit leaveConfirmed();
}

void GameWindow::keyPressEvent(QKeyEvent *event)
{
    // Held down, a key asks once: its repeats would answer the question.
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        askToLeave();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        openMenuBar();
        return;
    }
    DesignWindow::keyPressEvent(event);
}

// Alt does this by itself; F10, the other usual key for a menu bar, is done here the same way.
void GameWindow::openMenuBar()
{
    focusBeforeMenuBar_ = focusWidget();
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(exit_);
}

// Once the menu bar has acted or been left, the keyboard goes back where it was.
void GameWindow::leaveMenuBar()
{
    QWidget *previous = focusBeforeMenuBar_;
    focusBeforeMenuBar_ = nullptr;
    if (previous && focusWidget() == menuBar())
        previous->setFocus(Qt::MenuBarFocusReason);
}

bool GameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == menuBar() && event->type() == QEvent::KeyPress && focusBeforeMenuBar_) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            QMetaObject::invokeMethod(this, &GameWindow::leaveMenuBar, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return DesignWindow::eventFilter(watched, event);
}

void GameWindow::resizeEvent(QResizeEvent *event)
{
    DesignWindow::resizeEvent(event);
    // Once the bar has its new width: a font too large for the old one would fold "Esci" away.
    QMetaObject::invokeMethod(this, &GameWindow::scaleMenuBar, Qt::QueuedConnection);
}

void GameWindow::scaleMenuBar()
{
    // From the whole window, not the area under the menu bar: the bar's own height must not
    // feed back into its font.
    const QSizeF design = surface()->designSize();
    if (design.isEmpty())
        return;
    const double scale = std::min(width() / design.width(), height() / design.height());
    const QFont font = boxFont(scale, QApplication::font(menuBar()));
    menuBar()->setFont(font);
    // The drop-down menus grow with the bar that opens them.
    for (QMenu *menu : menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        menu->setFont(font);
}
