#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace testing_support {

ScriptedInteraction::ScriptedInteraction() : previous_(interaction::setInteraction(this)) {}
ScriptedInteraction::~ScriptedInteraction()
{
    interaction::setInteraction(previous_);
}

QStringList ScriptedInteraction::texts() const
{
    QStringList out;
    for (const Shown& s : shown) out << s.text;
    return out;
}

interaction::Answer ScriptedInteraction::ask(const QString& text, interaction::Buttons, interaction::Answer)
{
    shown.push_back({interaction::MessageKind::Question, text});
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return interaction::Answer::Cancel;
    }
    const interaction::Answer a = answers.front();
    answers.pop_front();
    return a;
}

int ScriptedInteraction::choose(const QString& text, const QStringList& buttons, int, int escapeButton)
{
    shown.push_back({interaction::MessageKind::Question, text});
    lastButtons = buttons;
    if (choices.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return escapeButton;
    }
    const int c = choices.front();
    choices.pop_front();
    return c;
}

void ScriptedInteraction::show(interaction::MessageKind kind, const QString& text)
{
    shown.push_back({kind, text});
}

QString ScriptedInteraction::openFileName(const QString& title, const QString& folder, const QStringList&)
{
    fileDialogTitles << title;
    lastFolder = folder;
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedInteraction::saveFileName(const QString& title, const QString& folder, const QString&,
                                          const QStringList& filters)
{
    return openFileName(title, folder, filters);
}

int ScriptedInteraction::runModal(QDialog& dialog)
{
    interaction::prepareDialog(dialog);  // as the editor's own port does
    if (modals.empty()) return QDialog::Rejected;
    auto f = std::move(modals.front());
    modals.pop_front();
    return f(dialog);
}

}  // namespace testing_support
