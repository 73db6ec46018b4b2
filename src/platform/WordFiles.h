// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>

// Where the files of the words are looked for: a folder beside the word list in use, then the
// program's own. For the program's own list both are the same folder.
struct WordFolders
{
    QString listFolder; // empty when no list has been loaded
    QString programFolder;
};

// A kind of file that a word has: the folder it is kept in, beside a list, and its endings, in
// order of preference.
struct WordFileKind
{
    const char *folder;
    std::span<const char *const> endings;
};

inline constexpr const char *kPictureEndings[] = {".jpg", ".jpeg", ".png"};
inline constexpr WordFileKind kPictureFiles{"jpg", kPictureEndings};
inline constexpr const char *kRecordingEndings[] = {".wav"};
inline constexpr WordFileKind kRecordingFiles{"voce", kRecordingEndings};

// The file of `word` of that kind: `<folder>/<word><ending>` in the list's folder, else in the
// program's. Names are matched ignoring letter case, the way accents are encoded (a file copied
// from a Mac spells "è" as "e" and a combining accent) and the kind of apostrophe (' or ’). Of two
// files of one word the ending first in the kind's order is taken. Empty when there is no file,
// and for a word that could lead outside the word's folders (a path separator, "..", a control
// character): a word list never makes the program read anything else.
QString wordFileFor(const WordFolders &folders, const WordFileKind &kind, const QString &word);

// The picture file of `word`: `jpg/<word>.jpg` (".jpeg", then ".png").
inline QString pictureFileFor(const WordFolders &folders, const QString &word)
{
    return wordFileFor(folders, kPictureFiles, word);
}

// The teacher's recording of `word`: `voce/<word>.wav`.
inline QString recordingFileFor(const WordFolders &folders, const QString &word)
{
    return wordFileFor(folders, kRecordingFiles, word);
}
