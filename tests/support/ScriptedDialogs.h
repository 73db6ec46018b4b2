// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs/Dialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

// Records every box the program shows and answers questions and file dialogs from a script.
class QPrinter;

class ScriptedDialogs final : public Dialogs
{
public:
    enum class Kind
    {
        Information,
        Critical,
        Question,
        OpenFile,
        SaveFile,
        Print,
        QuestionWithCancel,
        InformationOffering,
    };
    struct Shown
    {
        Kind kind;
        QString text;
    };

    std::vector<Shown> shown;
    std::deque<bool> answers;      // for questions: true is Yes
    std::deque<QString> fileNames; // for file dialogs: empty is Cancel
    // For print dialogs: what the user sets on the printer; false is Cancel.
    std::deque<std::function<bool(QPrinter &)>> printChoices;
    std::deque<Answer> threeWayAnswers;
    std::deque<bool> offersTaken;

    void information(QWidget *, const QString &text) override
    {
        shown.push_back({Kind::Information, text});
    }
    void critical(QWidget *, const QString &text) override
    {
        shown.push_back({Kind::Critical, text});
    }
    bool question(QWidget *, const QString &text) override
    {
        shown.push_back({Kind::Question, text});
        return take(answers, false);
    }
    QString openFileName(QWidget *, const QString &folder, const QString &filter) override
    {
        shown.push_back({Kind::OpenFile, folder + QLatin1Char('|') + filter});
        return take(fileNames, QString());
    }
    QString saveFileName(QWidget *, const QString &proposed, const QString &filter) override
    {
        shown.push_back({Kind::SaveFile, proposed + QLatin1Char('|') + filter});
        return take(fileNames, QString());
    }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        shown.push_back({Kind::Print, QString()});
        const auto choose = take(printChoices, std::function<bool(QPrinter &)>());
        return choose && choose(printer);
    }

    Answer questionWithCancel(QWidget *, const QString &text) override
    {
        shown.push_back({Kind::QuestionWithCancel, text});
        return take(threeWayAnswers, Answer::Cancel);
    }
    bool informationOffering(QWidget *, const QString &text, const QString &action) override
    {
        shown.push_back({Kind::InformationOffering, text + QLatin1Char('|') + action});
        return take(offersTaken, false);
    }

private:
    template <typename T> static T take(std::deque<T> &script, T fallback)
    {
        if (script.empty())
            return fallback;
        T next = script.front();
        script.pop_front();
        return next;
    }
};
