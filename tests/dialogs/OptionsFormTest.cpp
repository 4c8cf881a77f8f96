// The Options dialog's data: every field stored under its own setting (read
// back through the dialog: TfrmOptionsTest), the browser choice and the
// line-break conversions.

#include "EveryField.h"
#include "dialogs/OptionsForm.h"
#include "settings/SettingsStore.h"

namespace {

using dialogs::OptionsForm;
using settings::SettingsStore;
namespace user = settings::user;

// Where a setting is stored, for reading it back as text.
template <typename T>
std::pair<QString, QString> at(const settings::Setting<T>& s)
{
    return {s.section, s.ident};
}

TEST(OptionsForm, EveryFieldIsStoredUnderItsOwnSetting)
{
    SettingsStore store;
    dialogs::writeOptionsForm(store, kEveryFieldChanged);
    const std::pair<std::pair<QString, QString>, const char*> stored[] = {
        {at(user::kShowUpdate), "1"},    {at(user::kLowerCase), "0"},
        {at(user::kSyntaxColour), "13"}, {at(user::kSideColour), "2"},
        {at(user::kTimeFormat), "2"},    {at(user::kBrowser), "microsoft"},
        {at(user::kTool1Path), "/t1"},   {at(user::kTool1Name), "n1"},
        {at(user::kTool2Path), "/t2"},   {at(user::kTool2Name), "n2"},
        {at(user::kTool3Path), "/t3"},   {at(user::kTool3Name), "n3"},
        {at(user::kNsPath), "/b"},       {at(user::kMail), "M"},
        {at(user::kPreImage), "img/"},   {at(settings::quick::kTable), "<t>\r\n</t>"}};
    for (const auto& [where, value] : stored)
        EXPECT_EQ(store.ReadString(where.first, where.second, "-"), value) << where.second.toStdString();
    // Text fields are stored also when empty.
    dialogs::writeOptionsForm(store, OptionsForm{});
    for (const auto& s : {user::kSideMask, user::kCustom, user::kName, user::kTool1Path, user::kPreImage})
        EXPECT_EQ(store.ReadString(s.section, s.ident, "-"), "") << s.ident.toStdString();
}

// Microsoft in any letter case selects Microsoft.
TEST(OptionsForm, TheBrowserChoiceIgnoresCase)
{
    SettingsStore store;
    const std::pair<const char*, bool> rows[] = {{"microsoft", true}, {"Microsoft", true}, {"MICROSOFT", true},
                                                 {"netscape", false}, {"", false},         {"microsoft ", false}};
    for (const auto& [text, microsoft] : rows) {
        store.write(user::kBrowser, QString::fromLatin1(text));
        EXPECT_EQ(dialogs::readOptionsForm(store).microsoftBrowser, microsoft) << text;
    }
}

TEST(OptionsForm, LineBreaksAreStoredAsCrLf)
{
    const std::pair<QString, QString> cases[] = {
        {"a\nb", "a\r\nb"},
        {"a\rb", "a\r\nb"},
        {QString("a") + QChar::ParagraphSeparator + "b" + QChar::LineSeparator + "c", "a\r\nb\r\nc"},
        {"\n\n", "\r\n\r\n"}};
    for (const auto& [edited, kept] : cases) {
        EXPECT_EQ(dialogs::toStoredLines(edited), kept) << edited.toStdString();
        EXPECT_EQ(dialogs::toStoredLines(dialogs::fromStoredLines(kept)), kept) << edited.toStdString();
    }
}

}  // namespace
