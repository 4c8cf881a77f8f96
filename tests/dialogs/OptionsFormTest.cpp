// The Options dialog's data: first-use defaults, the round trip of every
// field through the store, the values no control can show, and the time and
// line-break conversions.
#include <gtest/gtest.h>

#include "dialogs/OptionsForm.h"
#include "markup/QuickSnippets.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace {

using dialogs::OptionsForm;
using settings::SettingsStore;

TEST(OptionsForm, FirstUseShowsTheDialogDefaults)
{
    const SettingsStore store;
    const OptionsForm f = dialogs::readOptionsForm(store);
    EXPECT_EQ(f.sideMask, "*.htm;*.shtm;*.txt;*.map;*.gif;*.jpg;*.jpeg");
    EXPECT_EQ(f.custom, settings::user::kCustomInDialog.def);
    EXPECT_TRUE(f.custom.endsWith(">Quillon</a>."));
    EXPECT_EQ(f.sideColor, 1);
    EXPECT_EQ(f.syntaxColour, 4);
    EXPECT_EQ(f.timeFormat, 5);
    EXPECT_TRUE(f.lowerCaseTags);
    EXPECT_TRUE(f.fullCellTag);
    EXPECT_TRUE(f.keepSelected);
    EXPECT_TRUE(f.stampAsComment);  // showupdate false
    EXPECT_FALSE(f.microsoftBrowser);
    EXPECT_EQ(f.preCustom, "This page was last updated on");
    EXPECT_EQ(f.name, "Quillon User");
    EXPECT_EQ(f.phone, "555-1212");
    EXPECT_EQ(f.fax, "555-1313");
    EXPECT_EQ(f.browserPath, settings::user::kNsPath.def);
    EXPECT_EQ(f.quickTable, markup::kQuickTableDefault);
    EXPECT_EQ(f.quickStyle, markup::kQuickStyleDefault);
    EXPECT_EQ(f.quickScript, markup::kQuickScriptDefault);
    EXPECT_TRUE(f.quickTable.contains("\r\n"));
    EXPECT_TRUE(f.preImage.isEmpty() && f.tool1Path.isEmpty() && f.tool3Name.isEmpty());
}

TEST(OptionsForm, OkOnFirstUseStoresTheDialogsSideFilter)
{
    SettingsStore store;
    dialogs::writeOptionsForm(store, dialogs::readOptionsForm(store));
    EXPECT_EQ(store.ReadString("user", "sidemask", "-"), "*.htm;*.shtm;*.txt;*.map;*.gif;*.jpg;*.jpeg");
    // The stored filter is what the side panel then uses, not its own default.
    EXPECT_EQ(settings::LoadOptions(store).sideMask, "*.htm;*.shtm;*.txt;*.map;*.gif;*.jpg;*.jpeg");
    EXPECT_EQ(store.ReadString("user", "custom", "-"), settings::user::kCustomInDialog.def);
}

// Every field distinct, so that two idents swapped or one forgotten show.
const OptionsForm kEveryFieldChanged{.sideMask = "*.a",
                                     .sideColor = 2,
                                     .lowerCaseTags = false,
                                     .fullCellTag = false,
                                     .keepSelected = false,
                                     .preImage = "img/",
                                     .syntaxColour = 13,
                                     .name = "N",
                                     .address = "line 1\r\nline 2",
                                     .phone = "P",
                                     .fax = "F",
                                     .mail = "M",
                                     .url = "U",
                                     .stampAsComment = false,
                                     .preCustom = "pre",
                                     .custom = "post",
                                     .timeFormat = 2,
                                     .quickTable = "<t>\r\n</t>",
                                     .quickStyle = "<s>",
                                     .quickScript = "<x>",
                                     .microsoftBrowser = true,
                                     .browserPath = "/b",
                                     .tool1Path = "/t1",
                                     .tool1Name = "n1",
                                     .tool2Path = "/t2",
                                     .tool2Name = "n2",
                                     .tool3Path = "/t3",
                                     .tool3Name = "n3"};

TEST(OptionsForm, EveryFieldRoundTripsUnderItsOwnIdent)
{
    SettingsStore store;
    dialogs::writeOptionsForm(store, kEveryFieldChanged);
    EXPECT_EQ(dialogs::readOptionsForm(store), kEveryFieldChanged);

    const std::pair<const char*, const char*> stored[] = {
        {"showupdate", "1"},      {"case", "0"},      {"syntaxclr", "13"}, {"sidecolor", "2"},  {"timeformat", "2"},
        {"browser", "microsoft"}, {"mapedit", "/t1"}, {"mapname", "n1"},   {"deftool1", "/t2"}, {"defname1", "n2"},
        {"deftool2", "/t3"},      {"defname2", "n3"}, {"nspath", "/b"},    {"mail", "M"},       {"preimage", "img/"}};
    for (const auto& [ident, value] : stored) EXPECT_EQ(store.ReadString("user", ident, "-"), value) << ident;
    EXPECT_EQ(store.ReadString("quick", "table", "-"), "<t>\r\n</t>");
}

TEST(OptionsForm, EmptyTextFieldsAreStoredEmpty)
{
    SettingsStore store;
    OptionsForm f = dialogs::readOptionsForm(store);
    f.sideMask.clear();
    f.custom.clear();
    f.name.clear();
    dialogs::writeOptionsForm(store, f);
    for (const char* ident : {"sidemask", "custom", "name", "mapedit", "preimage"}) {
        EXPECT_TRUE(store.HasValue("user", ident)) << ident;
        EXPECT_EQ(store.ReadString("user", ident, "-"), "") << ident;
    }
}

TEST(OptionsForm, ValuesNoControlOffersAreKeptOrMarked)
{
    SettingsStore store;
    store.WriteInteger("user", "timeformat", 7);
    store.WriteInteger("user", "sidecolor", 3);
    OptionsForm f = dialogs::readOptionsForm(store);
    EXPECT_EQ(f.timeFormat, 7);
    f.sideColor = -1;  // the list shows no entry for 3
    dialogs::writeOptionsForm(store, f);
    EXPECT_EQ(store.ReadInteger("user", "timeformat", 0), 7);
    EXPECT_EQ(store.ReadInteger("user", "sidecolor", 0), -1);

    store.WriteString("user", "timeformat", "0");
    f.timeFormat = 0;
    dialogs::writeOptionsForm(store, f);
    EXPECT_EQ(store.ReadString("user", "timeformat", "-"), "0");
}

TEST(OptionsForm, MicrosoftInAnyCaseSelectsMicrosoft)
{
    SettingsStore store;
    const std::pair<const char*, bool> cases[] = {{"microsoft", true}, {"Microsoft", true}, {"MICROSOFT", true},
                                                  {"netscape", false}, {"", false},         {"microsoft ", false}};
    for (const auto& [stored, microsoft] : cases) {
        store.WriteString("user", "browser", stored);
        EXPECT_EQ(dialogs::readOptionsForm(store).microsoftBrowser, microsoft) << stored;
    }
    OptionsForm f;
    f.microsoftBrowser = true;
    dialogs::writeOptionsForm(store, f);
    EXPECT_EQ(store.ReadString("user", "browser", "-"), "microsoft");
    f.microsoftBrowser = false;
    dialogs::writeOptionsForm(store, f);
    EXPECT_EQ(store.ReadString("user", "browser", "-"), "netscape");
}

TEST(OptionsForm, LineBreaksAreStoredAsCrLf)
{
    const std::pair<QString, QString> cases[] = {
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"},
        {"a\rb", "a\r\nb"},
        {QString("a") + QChar::ParagraphSeparator + "b" + QChar::LineSeparator + "c", "a\r\nb\r\nc"},
        {"\n\n", "\r\n\r\n"},
        {"", ""}};
    for (const auto& [edited, stored] : cases) {
        EXPECT_EQ(dialogs::toStoredLines(edited), stored) << edited.toStdString();
        EXPECT_EQ(dialogs::toStoredLines(dialogs::fromStoredLines(stored)), stored) << edited.toStdString();
    }
}

}  // namespace
