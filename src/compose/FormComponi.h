// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ComposeLayout.h"
#include "ComposeRound.h"
#include "gameframe/GameWindow.h"

#include <array>

class Announcer;
class DesignButton;
class DesignLabel;
class PictureBox;
class PraiseBanner;
class QTimer;
struct Services;

// The window of "Componi la parola": the word's picture, its boxes, and under them the letter
// tiles or, at "Difficile", an on-screen keyboard. It passes the pupil's clicks and keys to the
// round and shows what the round holds. Letters typed on the keyboard play as the tiles and keys
// do; Backspace takes the last letter back; screen readers hear every answer.
class FormComponi : public GameWindow
{
    Q_OBJECT

public:
    explicit FormComponi(Services &services, QWidget *parent = nullptr);

    const ComposeRound &round() const { return round_; }

protected:
    void activate() override;
    void firstDrawn() override;
    void showLetterForm(LetterForm form) override;
    void startLevel(Level level) override;
    QString levelRefusal(Level level) const override;
    std::unique_ptr<Worksheet> worksheet() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showNewRound();
    // Lays out what the round shows now: a word to compose, a word composed, or the summary.
    void showRound();
    void showWord();
    void showComposed();
    void showSummary();
    void mirrorBoxes();
    void mirrorTiles();
    void mirrorScores();
    void act(ComposeRound::Outcome outcome);
    void announce(ComposeRound::Outcome outcome);
    void pressKey(int key);
    void nextWord();
    void focusFirstControl();

    Services &services_;
    ComposeRound round_;
    PictureBox *picture_;
    DesignButton *listen_;
    DesignLabel *wholeWord_;
    DesignLabel *summary_;
    DesignButton *again_;
    std::array<DesignLabel *, compose_layout::kBoxes> boxes_{};
    std::array<DesignLabel *, compose_layout::kMarks> marks_{};
    std::array<DesignButton *, compose_layout::kTiles> tiles_{};
    std::array<DesignButton *, compose_layout::kKeys> keys_{};
    QTimer *nextWordTimer_;
    // A wrong letter shows in its box for a moment before it goes back.
    QTimer *wrongShownTimer_;
    Announcer *announcer_;
    PraiseBanner *praise_;
};
