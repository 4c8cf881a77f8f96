// A scriptable interaction for tests: answers and file names are queued in
// advance, and every message shown is recorded. It installs itself for its
// lifetime. An unscripted question fails the test (and answers Cancel).
#pragma once

#include <deque>

#include "interaction/Interaction.h"

namespace testing_support {

struct Shown {
    interaction::MessageKind kind;
    QString text;
};

class ScriptedInteraction final : public interaction::Interaction {
public:
    ScriptedInteraction() : previous_(interaction::setInteraction(this)) {}
    ~ScriptedInteraction() override { interaction::setInteraction(previous_); }

    // Scripting.
    void answer(interaction::Answer a) { answers.push_back(a); }
    // The index a choose() question returns (-1: Esc or the close box).
    void choice(int index) { choices.push_back(index); }
    void fileName(const QString& name) { fileNames.push_back(name); }
    // What runModal does with the next dialog (by default: reject it).
    void onModal(std::function<int(QDialog&)> f) { modals.push_back(std::move(f)); }

    // Record.
    std::vector<Shown> shown;      // every message, questions included
    QStringList lastButtons;       // the buttons of the last choose() question
    QStringList fileDialogTitles;  // every file dialog opened
    QString lastFolder;

    QStringList texts() const
    {
        QStringList out;
        for (const Shown& s : shown) out << s.text;
        return out;
    }

    interaction::Answer ask(const QString& text, interaction::Buttons, interaction::Answer) override
    {
        return next(answers, text, interaction::Answer::Cancel);
    }
    int choose(const QString& text, const QStringList& buttons, int, int escapeButton) override
    {
        lastButtons = buttons;
        return next(choices, text, escapeButton);
    }
    void show(interaction::MessageKind kind, const QString& text) override { shown.push_back({kind, text}); }
    QString openFileName(const QString& title, const QString& folder, const QStringList&) override
    {
        fileDialogTitles << title;
        lastFolder = folder;
        if (fileNames.empty()) return {};
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
    QString saveFileName(const QString& title, const QString& folder, const QString&,
                         const QStringList& filters) override
    {
        return openFileName(title, folder, filters);
    }
    int runModal(QDialog& dialog) override
    {
        interaction::prepareDialog(dialog);  // as the editor's own port does
        if (modals.empty()) return QDialog::Rejected;
        const auto f = std::move(modals.front());
        modals.pop_front();
        return f(dialog);
    }

    std::deque<interaction::Answer> answers;
    std::deque<int> choices;
    std::deque<QString> fileNames;
    std::deque<std::function<int(QDialog&)>> modals;

private:
    // A question: recorded, and answered from `script`.
    template <typename T>
    T next(std::deque<T>& script, const QString& text, T unscripted)
    {
        shown.push_back({interaction::MessageKind::Question, text});
        if (script.empty()) {
            ADD_FAILURE() << "unscripted question: " << text.toStdString();
            return unscripted;
        }
        const T a = script.front();
        script.pop_front();
        return a;
    }

    interaction::Interaction* previous_;
};

}  // namespace testing_support
