// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetterText.h"

#include <QLocale>

QString writtenIn(LetterForm form, const QString &word)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    switch (form) {
    case LetterForm::AsListed:
        return word;
    case LetterForm::Capitals:
        return italian.toUpper(word);
    case LetterForm::Lowercase:
    case LetterForm::Cursive:
        return italian.toLower(word);
    }
    return word;
}

char32_t letterIn(LetterForm form, char32_t capital)
{
    if (form == LetterForm::Lowercase || form == LetterForm::Cursive)
        return QChar::toLower(capital);
    return capital;
}
