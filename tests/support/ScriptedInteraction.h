// A scriptable interaction for tests: answers and file names are queued in
// advance, and every message shown is recorded. It installs itself for its
// lifetime. An unscripted question fails the test (and answers Cancel).
#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "interaction/Interaction.h"

namespace testing_support {

struct Shown {
    interaction::MessageKind kind;
    QString text;
};

class ScriptedInteraction final : public interaction::Interaction {
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

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

    QStringList texts() const;

    interaction::Answer ask(const QString& text, interaction::Buttons buttons,
                            interaction::Answer defaultButton) override;
    int choose(const QString& text, const QStringList& buttons, int defaultButton, int escapeButton) override;
    void show(interaction::MessageKind kind, const QString& text) override;
    QString openFileName(const QString& title, const QString& folder, const QStringList& filters) override;
    QString saveFileName(const QString& title, const QString& folder, const QString& name,
                         const QStringList& filters) override;
    int runModal(QDialog& dialog) override;

    std::deque<interaction::Answer> answers;
    std::deque<int> choices;
    std::deque<QString> fileNames;
    std::deque<std::function<int(QDialog&)>> modals;

private:
    interaction::Interaction* previous_;
};

}  // namespace testing_support
