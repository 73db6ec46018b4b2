// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormComponi.h"

#include "ComposeRequirements.h"
#include "ComposeSheet.h"
#include "ComposeTiles.h"
#include "core/LetterText.h"
#include "core/NumberText.h"
#include "platform/Services.h"
#include "platform/accessibility/Accessibility.h"
#include "platform/accessibility/Announcer.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/design/PraiseBanner.h"
#include "platform/pictures/PictureBox.h"
#include "platform/voice/VoiceSwitch.h"

#include <QKeyEvent>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <chrono>

using namespace compose_layout;

namespace {

constexpr quint32 kBlue = 0x00A06020;
const QColor kBoxWhite(0xFF, 0xFF, 0xFF);
const QColor kGivenBlue(0xD0, 0xE4, 0xF8);
const QColor kWrongRed(0xFF, 0x9C, 0x9C);
constexpr int kWrongShownMilliseconds = 600;

// A letter as a screen reader should say it: small, as the alphabet is recited.
QString spoken(const QString &letter)
{
    return QLocale(QLocale::Italian).toLower(letter);
}

} // namespace

FormComponi::FormComponi(Services &services, QWidget *parent)
    : GameWindow(kComposeForm, kComposeLayout, services, Game::Compose,
                 QStringLiteral("Vuoi tornare al menù?"), parent),
      services_(services), round_(services.words, services.random, services.voice, level()),
      picture_(surface()->picture(kComposePicture)), listen_(surface()->button(kListen)),
      wholeWord_(surface()->label(kWholeWord)), summary_(surface()->label(kSummary)),
      again_(surface()->button(kAgain)), nextWordTimer_(new QTimer(this)),
      wrongShownTimer_(new QTimer(this)), announcer_(new Announcer(surface())),
      // Over the picture, where it hides no letter of the word composed.
      praise_(new PraiseBanner(picture_))
{
    setWindowTitle(QStringLiteral("Zibaldo – Componi la parola"));
    setBackground(kBlue);
    for (int i = 0; i < kBoxes; ++i) {
        boxes_[std::size_t(i)] = surface()->label(kBox, i);
        connect(boxes_[std::size_t(i)], &DesignControl::clicked, this,
                [this](int box) { act(round_.takeBack(box)); });
    }
    for (int i = 0; i < kMarks; ++i) {
        marks_[std::size_t(i)] = surface()->label(kMark, i);
        // Read with the boxes' letters, they would only break up the word.
        hideFromReaders(marks_[std::size_t(i)]);
    }
    for (int i = 0; i < kTiles; ++i) {
        tiles_[std::size_t(i)] = surface()->button(kTile, i);
        connect(tiles_[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { act(round_.pressTile(i)); });
    }
    for (int i = 0; i < kKeys; ++i) {
        keys_[std::size_t(i)] = surface()->button(kKey, i);
        connect(keys_[std::size_t(i)], &QPushButton::clicked, this, [this, i] { pressKey(i); });
    }
    keys_[kBackspaceKey]->setAccessibleName(QStringLiteral("Cancella"));
    connect(listen_, &QPushButton::clicked, this, [this] { round_.sayWord(); });
    connect(picture_, &DesignControl::clicked, this, [this] { round_.sayWord(); });
    connect(again_, &QPushButton::clicked, this, [this] {
        round_.start();
        showNewRound();
        announcer_->announce(QStringLiteral("Nuova partita"));
    });

    nextWordTimer_->setObjectName(QStringLiteral("TimerParola"));
    nextWordTimer_->setSingleShot(true);
    nextWordTimer_->setInterval(ComposeRound::kNextWordMilliseconds);
    connect(nextWordTimer_, &QTimer::timeout, this, &FormComponi::nextWord);
    wrongShownTimer_->setSingleShot(true);
    wrongShownTimer_->setInterval(kWrongShownMilliseconds);
    connect(wrongShownTimer_, &QTimer::timeout, this, &FormComponi::mirrorBoxes);

    showLetterForm(letterForm());
}

// The first word is said once the window is seen: the voice, loaded at its first word, must not
// hold up the window's first frame.
void FormComponi::activate()
{
    round_.start(false);
    showNewRound();
}

void FormComponi::firstDrawn()
{
    round_.sayWord();
}

void FormComponi::startLevel(Level level)
{
    round_.startLevel(level);
    showNewRound();
    announcer_->announce(QStringLiteral("Nuova partita"));
}

// The praise and the wait for the next word belong to the round just ended.
void FormComponi::showNewRound()
{
    nextWordTimer_->stop();
    praise_->hide();
    showRound();
    focusFirstControl();
}

QString FormComponi::levelRefusal(Level level) const
{
    return composeRefusal(services_.words, level);
}

void FormComponi::showLetterForm(LetterForm form)
{
    for (const char *group : {kBox, kMark, kWholeWord, kTile, kKey})
        surface()->setLetterForm(group, form);
    for (int i = 0; i < kBackspaceKey; ++i)
        keys_[std::size_t(i)]->setText(
            writtenIn(form, QString::fromUtf8(kKeyLetters[std::size_t(i)])));
    wholeWord_->setText(writtenIn(form, round_.word()));
    if (round_.phase() != ComposeRound::Phase::RoundOver)
        picture_->setPlaceholderInitial(round_.word(), form);
    mirrorBoxes();
    mirrorTiles();
}

void FormComponi::showRound()
{
    const ComposeRound::Phase phase = round_.phase();
    const bool over = phase == ComposeRound::Phase::RoundOver;
    summary_->setVisible(over);
    again_->setVisible(over);
    for (QWidget *playing : std::initializer_list<QWidget *>{
             picture_, listen_, surface()->label(kRightWordCaption),
             surface()->label(kRightWordCount), surface()->label(kErrorCaption),
             surface()->label(kErrorCount)})
        playing->setVisible(!over);
    if (over)
        showSummary();
    else
        showWord();
    mirrorScores();
}

// The picture, and a box for each letter with the word's marks between them, as the word's own
// row of places lays them; under them the tiles or the screen's keyboard.
void FormComponi::showWord()
{
    const QString word = round_.word();
    picture_->setPlaceholderInitial(word, letterForm());
    picture_->loadPicture(services_.pictureFor(word));
    picture_->setAccessibleName(word);

    const std::vector<WordPiece> &pieces = round_.pieces();
    const std::vector<QRect> places = piecePlaces(pieces);
    std::size_t box = 0, mark = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        DesignLabel *control = nullptr;
        if (pieces[i].letter && box < boxes_.size())
            control = boxes_[box++];
        else if (!pieces[i].letter && pieces[i].text != QLatin1String(" ") &&
                 mark < marks_.size()) {
            control = marks_[mark++];
            control->setText(pieces[i].text);
        }
        if (control) {
            surface()->placeControl(control, places[i]);
            control->show();
        }
    }
    for (; box < boxes_.size(); ++box)
        boxes_[box]->hide();
    for (; mark < marks_.size(); ++mark)
        marks_[mark]->hide();
    wholeWord_->hide();

    const bool typed = !composeLevel(round_.level()).tiles;
    for (DesignButton *key : keys_)
        key->setVisible(typed);
    const int tiles = int(round_.tiles().size());
    for (int i = 0; i < tiles && i < kTiles; ++i) {
        const QPoint place = tilePlace(i, tiles);
        surface()->moveControl(tiles_[std::size_t(i)], place.x(), place.y());
    }
    mirrorBoxes();
    mirrorTiles();
}

// The word composed, whole in the boxes' place.
void FormComponi::showComposed()
{
    const auto hideAll = [](const auto &controls) {
        for (QWidget *control : controls)
            control->hide();
    };
    hideAll(boxes_);
    hideAll(marks_);
    hideAll(tiles_);
    hideAll(keys_);
    wholeWord_->setText(writtenIn(letterForm(), round_.word()));
    wholeWord_->show();
}

void FormComponi::showSummary()
{
    showComposed();
    wholeWord_->hide();
    const int words = int(round_.roundWords().size());
    const QString errors = round_.errors() == 0 ? QStringLiteral("Nessun errore!")
                                                : QStringLiteral("Errori: %1").arg(round_.errors());
    summary_->setText(
        QStringLiteral("Fine del gioco!\n\nParole giuste al primo colpo: %1 su %2\n%3")
            .arg(round_.firstTryWords())
            .arg(words)
            .arg(errors));
    announcer_->announce(summary_->text());
}

void FormComponi::mirrorBoxes()
{
    const std::vector<ComposeRound::Box> &boxes = round_.boxes();
    for (std::size_t i = 0; i < boxes.size() && i < boxes_.size(); ++i) {
        const ComposeRound::Box &state = boxes[i];
        DesignLabel *label = boxes_[i];
        label->setText(writtenIn(letterForm(), state.letter));
        label->setBackground(state.wrong ? kWrongRed : state.given ? kGivenBlue : kBoxWhite);
        label->setAccessibleName(state.letter.isEmpty() ? QStringLiteral("vuota") : QString());
        label->setAccessibleDescription(state.wrong ? QStringLiteral("sbagliata") : QString());
    }
}

void FormComponi::mirrorTiles()
{
    const bool composing = round_.phase() == ComposeRound::Phase::Composing;
    const QStringList &tiles = round_.tiles();
    for (int i = 0; i < kTiles; ++i) {
        DesignButton *tile = tiles_[std::size_t(i)];
        if (i < tiles.size())
            tile->setText(writtenIn(letterForm(), tiles[i]));
        tile->setVisible(composing && i < tiles.size() && !round_.tileUsed(i));
    }
}

void FormComponi::mirrorScores()
{
    surface()->label(kRightWordCount)->setText(numberToText(round_.rightWords()));
    surface()->label(kErrorCount)->setText(numberToText(round_.errors()));
}

void FormComponi::pressKey(int key)
{
    if (key == kBackspaceKey)
        act(round_.takeBackLast());
    else
        act(round_.typeLetter(QString::fromUtf8(kKeyLetters[std::size_t(key)])));
}

void FormComponi::act(ComposeRound::Outcome outcome)
{
    if (outcome == ComposeRound::Outcome::Ignored)
        return;
    wrongShownTimer_->stop();
    const auto focused = std::find(tiles_.begin(), tiles_.end(), focusWidget());
    switch (outcome) {
    case ComposeRound::Outcome::WordDone:
        showComposed();
        praise_->showPraise(ComposeRound::kPraise,
                            std::chrono::milliseconds(ComposeRound::kPraiseMilliseconds));
        nextWordTimer_->start();
        break;
    case ComposeRound::Outcome::Wrong: {
        mirrorBoxes();
        DesignLabel *box = boxes_[std::size_t(round_.lastBox())];
        box->setText(writtenIn(letterForm(), round_.lastWrongLetter()));
        box->setBackground(kWrongRed);
        wrongShownTimer_->start();
        if (round_.lastWrongTile() >= 0)
            surface()->shake(tiles_[std::size_t(round_.lastWrongTile())]);
        break;
    }
    case ComposeRound::Outcome::Checked:
        mirrorBoxes();
        for (std::size_t i = 0; i < round_.boxes().size(); ++i) {
            if (round_.boxes()[i].wrong)
                surface()->shake(boxes_[i]);
        }
        break;
    default:
        mirrorBoxes();
        mirrorTiles();
        break;
    }
    // A tile placed from the keyboard leaves the focus on the next tile still free.
    if (focused != tiles_.end() && !(*focused)->isVisible()) {
        for (int step = 1; step < kTiles; ++step) {
            DesignButton *next = tiles_[std::size_t((focused - tiles_.begin() + step) % kTiles)];
            if (next->isVisible()) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    mirrorScores();
    announce(outcome);
}

void FormComponi::announce(ComposeRound::Outcome outcome)
{
    const int box = round_.lastBox();
    const QString letter = box >= 0 ? spoken(round_.boxes()[std::size_t(box)].letter) : QString();
    switch (outcome) {
    case ComposeRound::Outcome::Placed:
        announcer_->announce(composeLevel(round_.level()).checkedAtOnce
                                 ? QStringLiteral("Esatto: ") + letter
                                 : letter);
        break;
    case ComposeRound::Outcome::Wrong:
        announcer_->announce(QStringLiteral("Sbagliato: ") + spoken(round_.lastWrongLetter()));
        break;
    case ComposeRound::Outcome::TakenBack:
        announcer_->announce(QStringLiteral("Tolta la lettera"));
        break;
    case ComposeRound::Outcome::Checked: {
        const int marked = round_.markedBoxes();
        announcer_->announce(
            marked == 1 ? QStringLiteral("Sbagliato: 1 lettera da correggere")
                        : QStringLiteral("Sbagliato: %1 lettere da correggere").arg(marked));
        break;
    }
    case ComposeRound::Outcome::WordDone:
        announcer_->announce(QStringLiteral("Parola completata: ") + round_.word() +
                             QStringLiteral(". ") + ComposeRound::kPraise);
        break;
    case ComposeRound::Outcome::Ignored:
        break;
    }
}

void FormComponi::nextWord()
{
    round_.nextWord();
    showRound();
    focusFirstControl();
}

// The tiles take the keyboard first; at "Difficile" the pupil types, and Enter says the word
// again; once the round is over, Enter plays another.
void FormComponi::focusFirstControl()
{
    if (round_.phase() == ComposeRound::Phase::RoundOver) {
        again_->setFocus();
        return;
    }
    for (DesignButton *tile : tiles_) {
        if (tile->isVisibleTo(this)) {
            tile->setFocus();
            return;
        }
    }
    listen_->setFocus();
}

void FormComponi::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Backspace) {
        act(round_.takeBackLast());
        return;
    }
    // One letter, with its accent: a key held down types it once.
    const std::vector<WordPiece> typed = piecesOf(event->text());
    if (typed.size() == 1 && typed.front().letter) {
        if (!event->isAutoRepeat())
            act(round_.typeLetter(typed.front().text));
        return;
    }
    GameWindow::keyPressEvent(event);
}

// The round's words, each with its letters scrambled afresh as the tiles would be.
std::unique_ptr<Worksheet> FormComponi::worksheet()
{
    std::vector<ComposeSheet::Word> words;
    for (const QString &word : round_.roundWords()) {
        const QStringList letters = lettersOf(word);
        words.push_back(
            {word, shuffledTiles(letters, letters, services_.random), services_.pictureFor(word)});
    }
    return std::make_unique<ComposeSheet>(std::move(words), letterForm(), tiles_[0]->font());
}
