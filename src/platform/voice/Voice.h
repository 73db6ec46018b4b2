// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the games say aloud: a word, or a short sentence. Windows and game rules take one by
// reference, so that tests can record what was said.
class Voice
{
public:
    virtual ~Voice() = default;
    // Says `text` at once, cutting short whatever is still being said; nothing waits in a queue.
    // Never blocks the caller for long and never fails loudly: without an audio output or speech
    // data the program simply stays silent.
    virtual void say(const QString &text) = 0;
    // Says a word of the list: where the teacher recorded it, in her voice.
    virtual void sayWord(const QString &word) { say(word); }
    // Silences what is being said, if anything.
    virtual void stop() = 0;
};
