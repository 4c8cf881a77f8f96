// Handlers of Find, Find Next (F3), Replace and Go to line, and the two
// modeless search dialogs they share with one search position.
#include <QPointer>
#include <memory>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/ProgressWait.h"
#include "dialogs/FindDialog.h"
#include "dialogs/TfrmGoLine.h"
#include "editor/TextView.h"
#include "interaction/Interaction.h"
#include "markup/FindReplace.h"
#include "markup/Highlighter.h"

namespace commands {
namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// The search state of the run: FindPos and the two dialogs, which keep their
// texts between showings (they are hidden, not destroyed, when closed).
class FindSession {
public:
    explicit FindSession(CommandContext& context) : context_(context) {}
    ~FindSession()
    {
        delete FindDlg_.data();
        delete ReplaceDlg_.data();
    }
    FindSession(const FindSession&) = delete;
    FindSession& operator=(const FindSession&) = delete;

    // EditFindClick
    void find()
    {
        dialogs::FindDialog& dlg = findDialog();
        takeSelection(dlg);
        dlg.present();
    }

    // EditFindNextClick: F3 and the find dialog's Find Next.
    void findNext()
    {
        const std::string what = FindDlg_ ? utf8(FindDlg_->findText()) : std::string();
        report(state_.findNext(body(), what), what);
    }

    // Replace1Click
    void replace()
    {
        dialogs::ReplaceDialog& dlg = replaceDialog();
        takeSelection(dlg);
        dlg.present();
    }

    // ReplaceDlgFind
    void ReplaceDlgFind()
    {
        const std::string what = utf8(ReplaceDlg_->findText());
        report(state_.findNextForReplace(body(), what), what);
    }

    // ReplaceDlgReplace, with the Replace button.
    void ReplaceDlgReplace()
    {
        const std::string what = utf8(ReplaceDlg_->findText());
        report(state_.replaceOne(body(), what, utf8(ReplaceDlg_->replaceText())), what);
    }

    // ReplaceDlgReplace, with the Replace All button. The matches are found
    // and the new text made on a thread of its own, with a progress dialog
    // past half a second; a cancel leaves the document as it was and the
    // dialog open.
    void replaceDlgReplaceAll()
    {
        const std::string what = utf8(ReplaceDlg_->findText()), with = utf8(ReplaceDlg_->replaceText());
        if (what.empty()) return;
        // The text in place: nothing can change it while the pass runs.
        const std::string_view text = body().characters();
        markup::ReplaceAllEdit edit;
        const auto pass = [&](markup::PassProgress progress) {
            edit = markup::replaceAllMatches(text, what, with, progress);
        };
        const auto putInPlace = [&] {
            markup::FindReplace::apply(body(), edit);
            edit.replacement = {};
        };
        if (!runWithProgress(context_.window(), QStringLiteral("Replacing all matches..."), pass, putInPlace)) return;
        const std::int64_t count = edit.count;
        body().focus();
        // The span from the first to the last match came back as one new text
        // in the default colour: colour its tags again, leaving the caret.
        if (count > 0 && context_.HighlightingOn()) markup::colourWholeText(body());
        ReplaceDlg_->close();
        interaction::ui().inform(QString::fromStdString(markup::replacementsMessage(count)));
    }

    // EditGoToLineClick
    void goToLine()
    {
        dialogs::TfrmGoLine dlg(body(), context_.window());
        if (interaction::ui().runModal(dlg) == QDialog::Accepted) body().ensureCaretVisible();
    }

    // A new document: the search texts of both dialogs are cleared, and the
    // next search starts at its top.
    void documentReplaced()
    {
        if (FindDlg_) FindDlg_->setFindText({});
        if (ReplaceDlg_) {
            ReplaceDlg_->setFindText({});
            ReplaceDlg_->setReplaceText({});
        }
        state_.setFindPos(0);
    }

private:
    editor::TextView& body() { return context_.body(); }

    dialogs::FindDialog& findDialog()
    {
        if (!FindDlg_) {
            FindDlg_ = new dialogs::FindDialog(context_.window());
            QObject::connect(FindDlg_, &dialogs::FindDialog::findNextClicked, FindDlg_, [this] { findNext(); });
            returnToWindowWhenClosed(*FindDlg_);
        }
        return *FindDlg_;
    }

    dialogs::ReplaceDialog& replaceDialog()
    {
        if (!ReplaceDlg_) {
            ReplaceDlg_ = new dialogs::ReplaceDialog(context_.window());
            auto* dlg = ReplaceDlg_.data();
            QObject::connect(dlg, &dialogs::FindDialog::findNextClicked, dlg, [this] { ReplaceDlgFind(); });
            QObject::connect(dlg, &dialogs::FindDialog::replaceClicked, dlg, [this] { ReplaceDlgReplace(); });
            QObject::connect(dlg, &dialogs::FindDialog::replaceAllClicked, dlg, [this] { replaceDlgReplaceAll(); });
            returnToWindowWhenClosed(*dlg);
        }
        return *ReplaceDlg_;
    }

    // A closed search dialog leaves the keyboard to the main window.
    void returnToWindowWhenClosed(QDialog& dlg)
    {
        QObject::connect(&dlg, &QDialog::finished, &dlg,
                         [this] { interaction::reactivateAfterDialog(context_.window()); });
    }

    // The selected text becomes the find text.
    void takeSelection(dialogs::FindDialog& dlg)
    {
        if (body().selectionLength() > 0) dlg.setFindText(QString::fromStdString(body().selectedText()));
    }

    void report(markup::FindReplace::Outcome outcome, const std::string& what)
    {
        switch (outcome) {
            case markup::FindReplace::Outcome::Skipped:
                return;
            case markup::FindReplace::Outcome::Found:
                // Inside an inactive main window this only marks where the focus
                // returns, so the dialog keeps the keyboard for the next press.
                body().focus();
                return;
            case markup::FindReplace::Outcome::NotFound:
                interaction::ui().inform(QString::fromStdString(markup::notFoundMessage(what)));
                return;
        }
    }

    CommandContext& context_;
    markup::FindReplace state_;
    QPointer<dialogs::FindDialog> FindDlg_;
    QPointer<dialogs::ReplaceDialog> ReplaceDlg_;
};

}  // namespace

void registerFindCommands(CommandContext& context, CommandRegistry& registry)
{
    auto session = std::make_shared<FindSession>(context);
    registry.add(QStringLiteral("EditFindClick"), [session] { session->find(); });
    registry.add(QStringLiteral("EditFindNextClick"), [session] { session->findNext(); });
    registry.add(QStringLiteral("Replace1Click"), [session] { session->replace(); });
    registry.add(QStringLiteral("EditGoToLineClick"), [session] { session->goToLine(); });
    registry.onDocumentReplaced([session] { session->documentReplaced(); });
}

}  // namespace commands
