// Handlers of the snippet commands: quick snippets, form fields, the update
// stamp and text from another file.
#include <QDateTime>
#include <QLocale>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "editor/TextView.h"
#include "interaction/Interaction.h"
#include "markup/Snippets.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "storage/DocumentFile.h"

namespace commands {
namespace {

// A cased snippet at the selection, then the caret's line and its neighbours
// recoloured.
void insertCased(CommandContext& context, std::string_view literal)
{
    markup::InsertCasedSnippet(context.body(), literal, context.options().tagCase);
    context.RecolourNearCaret(1, 1);
}

// A block template from section "quick", as whole lines above the caret's line.
void insertQuickBlock(CommandContext& context, const settings::TextSetting& setting)
{
    QString block;
    {
        const settings::SettingsStore store;
        block = store.read(setting);
    }
    // Stored line breaks may be the platform's lone LF: the document holds CR LF.
    const int lines = markup::insertBlockAboveCaret(context.body(), markup::withCrLf(block.toStdString()));
    context.RecolourNearCaret(lines + 1, lines + 2);
}

void insertUpdateStamp(CommandContext& context)
{
    int format = 0;
    QString preCustom;
    {
        const settings::SettingsStore store;
        format = store.read(settings::user::kTimeFormat);
        preCustom = store.read(settings::user::kPreCustom);
    }
    const settings::Options& options = context.options();
    const QString date = markup::stampDate(format, QDateTime::currentDateTime(), QLocale());
    const QString stamp = markup::updateStamp(preCustom, date, options.updateTrailer, options.showUpdate);
    context.body().replaceSelection(stamp.toStdString());
}

void insertTextFromFile(CommandContext& context)
{
    const QString path =
        interaction::ui().openFileName(QStringLiteral("Browse for File"), QString(),
                                       {QStringLiteral("Text (*.html *.htm *.shtml *.txt *.map)"),
                                        QStringLiteral("Style Sheets (*.css)"), QStringLiteral("All files (*)")});
    if (path.isEmpty()) return;
    // The whole file is read before anything is inserted, in the encoding the
    // editor reads documents in.
    storage::LoadedDocument file;
    QString error;
    if (!storage::loadDocumentFile(path, &file, &error)) {
        interaction::ui().error(storage::openFailure(path, error));
        return;
    }
    markup::insertLinesBelowCaret(context.body(), file.text);
}

}  // namespace

void registerSnippetCommands(CommandContext& context, CommandRegistry& registry)
{
    CommandContext* c = &context;
    registry.add(QStringLiteral("InsertQuickTableClick"), [c] { insertQuickBlock(*c, settings::quick::kTable); });
    registry.add(QStringLiteral("InsertQuickScriptClick"), [c] { insertQuickBlock(*c, settings::quick::kScript); });
    registry.add(QStringLiteral("InsertQuickStyleClick"), [c] { insertQuickBlock(*c, settings::quick::kStyle); });

    registry.add(QStringLiteral("InsertAppletClick"),
                 [c] { markup::InsertCasedSnippet(c->body(), markup::snippet::kApplet, c->options().tagCase); });
    registry.add(QStringLiteral("InserFormClick"), [c] { insertCased(*c, markup::snippet::kForm); });

    const std::pair<const char*, const char*> cased[] = {
        {"InsertHiddenClick", markup::snippet::kHidden},     {"InsertTextFieldClick", markup::snippet::kTextField},
        {"InsertTextAreaClick", markup::snippet::kTextArea}, {"InsertRadioClick", markup::snippet::kRadio},
        {"InsertCheckBoxClick", markup::snippet::kCheckBox}, {"InsertSubmitClick", markup::snippet::kSubmit},
        {"InsertClearClick", markup::snippet::kReset},       {"Body1Click", markup::snippet::kBody},
        {"InsertBreakClick", markup::snippet::kBreak},
    };
    for (const auto& [name, literal] : cased) {
        const char* text = literal;
        registry.add(QString::fromLatin1(name), [c, text] { insertCased(*c, text); });
    }

    registry.add(QStringLiteral("InsertDropDownClick"), [c] {
        for (const char* step : markup::snippet::kListBox) insertCased(*c, step);
    });
    registry.add(QStringLiteral("UpdateStamp1Click"), [c] { insertUpdateStamp(*c); });
    registry.add(QStringLiteral("InsertTextFromFileClick"), [c] { insertTextFromFile(*c); });
}

}  // namespace commands
