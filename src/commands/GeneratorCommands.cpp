// Handlers of the document generators: GenerateNewDocument, which New runs on
// the emptied document (the new-document dialog and the chosen template), and
// File > Quick Page, the author's home page written from the user information,
// stored as quick.html and shown in the browser, after which the document is
// untitled again.
#include <QDate>
#include <QFileInfo>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "editor/TextView.h"
#include "generators/NewDocument.h"
#include "interaction/Interaction.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace commands {
namespace {

using interaction::Answer;

void GenerateNewDocument(CommandContext& c)
{
    generators::GenerateNewDocument(c.body(), c.window(), [&c]() -> const settings::Options& {
        c.LoadOptions();
        return c.options();
    });
    c.body().focus();
}

// The page the author asked for: generated afresh, or the stored one again.
// False when the author cancelled or the stored page cannot be read.
bool fillQuickPage(CommandContext& c, const QString& file, storage::DocumentFormat* format)
{
    if (QFileInfo::exists(file)) {
        switch (interaction::ui().ask(QStringLiteral("Overwrite the previous Quick-Page?"),
                                      interaction::Buttons::YesNoCancel)) {
            case Answer::Yes:
                break;
            case Answer::No: {
                storage::LoadedDocument doc;
                QString reason;
                if (!storage::loadDocumentFile(file, &doc, &reason)) {
                    interaction::ui().error(storage::openFailure(file, reason));
                    return false;
                }
                c.body().loadText(doc.text);
                *format = doc.format;
                return true;
            }
            default:
                return false;
        }
    }
    generators::WriteQuickPage(c.body(), c.options(), QDate::currentDate());
    return true;
}

void FileQPageClick(CommandContext& c, CommandRegistry& registry)
{
    settings::SettingsStore store;
    const QString name = store.read(settings::user::kName);
    store.close();
    if ((name == settings::user::kName.def || name.isEmpty()) &&
        interaction::ui().ask(QStringLiteral("You haven't filled out the user information yet, would you like to now?"),
                              interaction::Buttons::YesNo) == Answer::Yes)
        registry.run(QStringLiteral("ToolsOptionsClick"));  // the Options dialog, then the options read again
    // In the current folder when the program has another name: taken whole now.
    const QString file = QFileInfo(settings::programDataFile(QStringLiteral("quick.html"))).absoluteFilePath();

    if (!c.askToSaveChanges()) return;
    c.body().loadText({});
    c.setDocumentFile({}, {});
    registry.documentReplaced();
    c.LoadOptions();

    storage::DocumentFormat format;
    const bool filled = fillQuickPage(c, file, &format);
    c.body().setSelection(0, 0);
    if (!filled) return;  // the editor stays empty and untitled
    c.ColourDocument();

    // Written first on its own: a page that cannot be stored is reported and
    // no browser is started.
    QString reason;
    if (!storage::saveDocumentFile(file, c.body().characters(), format, &reason)) {
        interaction::ui().error(storage::saveFailure(file, reason));
        return;
    }
    c.setDocumentFile(file, format);
    registry.run(QStringLiteral("UpdateBrowser"));
    c.setDocumentFile({}, {});
}

}  // namespace

void registerGeneratorCommands(CommandContext& context, CommandRegistry& registry)
{
    registry.add(QStringLiteral("GenerateNewDocument"), [&context] { GenerateNewDocument(context); });
    registry.add(QStringLiteral("FileQPageClick"), [&context, &registry] { FileQPageClick(context, registry); });
}

}  // namespace commands
