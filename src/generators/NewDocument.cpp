#include "NewDocument.h"

#include <QLocale>

#include "Templates.h"
#include "TfrmNew.h"
#include "interaction/Interaction.h"
#include "markup/TagCase.h"
#include "markup/TextEditor.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "storage/DocumentFile.h"

namespace generators {

NewDialogFields readNewDialogFields(const settings::SettingsStore& store)
{
    namespace d = settings::document;
    NewDialogFields f;
    for (int part = 0; part < kParts; ++part) f.colours[part] = store.read(partSetting(part));
    f.bgImage = store.read(d::kBgImage);
    f.dtd = store.read(d::kDtdInDialog);
    if (f.dtd.isEmpty()) f.dtd = d::kDtdInDialog.def;
    f.customFile = store.read(d::kCustomFile, settings::homeFolder() + QStringLiteral("/myfile.html"));
    const int last = store.read(settings::user::kLastTemplate);
    f.templateNo = last >= 1 && last <= kTemplates ? last - 1 : Normal;
    return f;
}

void storeConfirmed(settings::SettingsStore& store, const NewDialogFields& f)
{
    namespace d = settings::document;
    store.write(d::kBgImage, f.bgImage);
    for (int part = 0; part < kParts; ++part) store.write(partSetting(part), f.colours[part]);
    store.write(d::kDtd, f.dtd);
    store.write(d::kTemplate, f.templateNo);
    store.write(d::kCustomFile, f.customFile);
    store.write(settings::user::kLastTemplate, f.templateNo + 1);
}

void storeCancelled(settings::SettingsStore& store)
{
    store.write(settings::document::kTemplate, Blank);
}

ColourScheme::Codes templateColours(const settings::SettingsStore& store, bool lowerCase)
{
    ColourScheme::Codes codes;
    for (int part = 0; part < kParts; ++part) {
        const settings::TextSetting& s = partSetting(part);
        codes[part] = dialogs::codeInTagCase(dialogs::validCodeOr(store.read(s), s.def), lowerCase);
    }
    return codes;
}

std::string newDocumentText(const settings::Options& o, const settings::SettingsStore& store, bool* customMissing)
{
    *customMissing = false;
    switch (o.templateNo) {
        case Normal:
            return defaultTemplate({o.tagCase, o.UseDefault, o.bgImage, o.dtd, templateColours(store, o.tagCase)})
                .toStdString();
        case Frames:
            return framesetTemplate(o.tagCase, o.dtd).toStdString();
        case Custom: {
            storage::LoadedDocument doc;
            QString reason;
            if (storage::loadDocumentFile(o.customFile, &doc, &reason)) return std::move(doc.text);
            *customMissing = true;
            return {};
        }
        default:
            return {};
    }
}

void GenerateNewDocument(markup::TextEditor& body, QWidget* dialogParent,
                         const std::function<const settings::Options&()>& reloadOptions)
{
    {
        TfrmNew dialog(dialogParent);
        interaction::ui().runModal(dialog);
    }
    const settings::Options& options = reloadOptions();
    bool customMissing = false;
    const std::string text = newDocumentText(options, settings::SettingsStore(), &customMissing);
    if (customMissing)
        interaction::ui().inform(QStringLiteral("The file you specified as a custom template does not exist!"));
    if (!text.empty()) body.replaceAll(text);
    body.setSelection(0, 0);
}

void WriteQuickPage(markup::TextEditor& body, const settings::Options& options, QDate today)
{
    body.replaceAll(quickPage(options, today, QLocale()).toStdString());
    body.setSelection(0, 0);
}

}  // namespace generators
