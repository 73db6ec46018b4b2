// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassChoices.h"

#include <algorithm>
#include <array>

namespace {

// The word search and "Componi la parola" write single letters: no list spelling to keep.
constexpr std::array kWordSearchForms = {LetterForm::Capitals, LetterForm::Lowercase,
                                         LetterForm::Cursive};
constexpr std::array kMemoryForms = {LetterForm::AsListed, LetterForm::Capitals,
                                     LetterForm::Lowercase, LetterForm::Cursive};
constexpr std::array kLevels = {Level::Easy, Level::Medium, Level::Hard};

// The words stored for each choice: a settings file a school edits by hand reads plainly.
QString storedName(LetterForm form)
{
    switch (form) {
    case LetterForm::AsListed:
        return QStringLiteral("lista");
    case LetterForm::Capitals:
        return QStringLiteral("maiuscolo");
    case LetterForm::Lowercase:
        return QStringLiteral("minuscolo");
    case LetterForm::Cursive:
        return QStringLiteral("corsivo");
    }
    return {};
}

QString storedName(Level level)
{
    return levelCaption(level).toLower();
}

QString key(Game game, const char *choice)
{
    QString group;
    switch (game) {
    case Game::WordSearch:
        group = QStringLiteral("crucipuzzle/");
        break;
    case Game::Memory:
        group = QStringLiteral("memory/");
        break;
    case Game::Compose:
        group = QStringLiteral("componi/");
        break;
    }
    return group + QLatin1String(choice);
}

// The offered choice whose stored name is `stored`, else the default.
template <typename Choice>
Choice parsed(std::span<const Choice> offered, const QString &stored, Choice fallback)
{
    const auto found = std::find_if(offered.begin(), offered.end(), [&](Choice choice) {
        return storedName(choice) == stored.trimmed().toLower();
    });
    return found == offered.end() ? fallback : *found;
}

} // namespace

std::span<const LetterForm> letterFormsOf(Game game)
{
    if (game == Game::Memory)
        return kMemoryForms;
    return kWordSearchForms;
}

std::span<const Level> levelsOf()
{
    return kLevels;
}

QString letterFormCaption(LetterForm form)
{
    if (form == LetterForm::AsListed)
        return QStringLiteral("come nella lista");
    if (form == LetterForm::Capitals)
        return QStringLiteral("MAIUSCOLO");
    return storedName(form);
}

QString levelCaption(Level level)
{
    switch (level) {
    case Level::Easy:
        return QStringLiteral("Facile");
    case Level::Medium:
        return QStringLiteral("Medio");
    case Level::Hard:
        return QStringLiteral("Difficile");
    }
    return {};
}

ClassChoices::ClassChoices() : ClassChoices(std::make_unique<HeldSettings>()) {}

ClassChoices::ClassChoices(std::unique_ptr<Settings> settings) : settings_(std::move(settings)) {}

ClassChoices::~ClassChoices() = default;

LetterForm ClassChoices::letters(Game game) const
{
    return parsed(letterFormsOf(game), settings_->value(key(game, "lettere")),
                  letterFormsOf(game).front());
}

Level ClassChoices::level(Game game) const
{
    return parsed(levelsOf(), settings_->value(key(game, "livello")), Level::Hard);
}

void ClassChoices::setLetters(Game game, LetterForm form)
{
    settings_->setValue(key(game, "lettere"), storedName(form));
}

void ClassChoices::setLevel(Game game, Level level)
{
    settings_->setValue(key(game, "livello"), storedName(level));
}
