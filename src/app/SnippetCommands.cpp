// Handlers of the snippet commands: quick snippets, form fields, the update
// stamp and text from another file.
#include <QDateTime>
#include <QLocale>

#include "BodyEditor.h"
#include "CommandModules.h"
#include "CommandRegistry.h"
#include "DocumentFile.h"
#include "EditorContext.h"
#include "markup/QuickSnippets.h"
#include "markup/Snippets.h"
#include "settings/Interaction.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace app {
namespace {

// A cased snippet at the selection, then the caret's line and its neighbours
// recoloured.
void insertCased(EditorContext& context, std::string_view literal)
{
    markup::InsertCasedSnippet(context.body(), literal, context.options().tagCase);
    context.recolourNearCaret(1, 1);
}

// A block template from section "quick", as whole lines above the caret's line.
void insertQuickBlock(EditorContext& context, const char* key, const char* fallback)
{
    QString block;
    {
        const settings::SettingsStore store;
        block = store.ReadString(QStringLiteral("quick"), QString::fromLatin1(key), QString::fromUtf8(fallback));
    }
    // Stored line breaks may be the platform's lone LF: the document holds CR LF.
    const int lines = markup::InsertBlockAboveCaret(context.body(), markup::withCrLf(block.toStdString()));
    context.recolourNearCaret(lines + 1, lines + 2);
}

void insertUpdateStamp(EditorContext& context)
{
    int format = settings::defaults::kTimeFormat;
    QString preCustom;
    {
        const settings::SettingsStore store;
        format =
            store.ReadInteger(QStringLiteral("user"), QStringLiteral("timeformat"), settings::defaults::kTimeFormat);
        preCustom =
            store.ReadString(QStringLiteral("user"), QStringLiteral("precustom"), settings::defaults::kPreCustom);
    }
    const settings::Options& options = context.options();
    const QString date = markup::stampDate(format, QDateTime::currentDateTime(), QLocale());
    const QString stamp = markup::updateStamp(preCustom, date, options.updateTrailer, options.showUpdate);
    context.body().replaceSelection(stamp.toStdString());
}

void insertTextFromFile(EditorContext& context)
{
    const QString path =
        settings::ui().openFileName(QStringLiteral("Browse for File"), QString(),
                                    {QStringLiteral("Text (*.html *.htm *.shtml *.txt *.map)"),
                                     QStringLiteral("Style Sheets (*.css)"), QStringLiteral("All files (*)")});
    if (path.isEmpty()) return;
    // The whole file is read before anything is inserted, in the encoding the
    // editor reads documents in.
    LoadedDocument file;
    QString error;
    if (!loadDocumentFile(path, &file, &error)) {
        settings::ui().error(error);
        return;
    }
    markup::InsertLinesBelowCaret(context.body(), file.text);
}

}  // namespace

void registerSnippetCommands(EditorContext& context, CommandRegistry& registry)
{
    EditorContext* c = &context;
    registry.add(QStringLiteral("InsertQuickTableClick"),
                 [c] { insertQuickBlock(*c, "table", markup::kQuickTableDefault); });
    registry.add(QStringLiteral("InsertQuickScriptClick"),
                 [c] { insertQuickBlock(*c, "script", markup::kQuickScriptDefault); });
    registry.add(QStringLiteral("InsertQuickStyleClick"),
                 [c] { insertQuickBlock(*c, "style", markup::kQuickStyleDefault); });

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

}  // namespace app
