// Tools > Options: the dialog runs modally, and the option variables are read
// again after it closes, whether it was confirmed or cancelled.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/CommandModules.h"
#include "settings/SettingsStore.h"
#include "support/FakeEditorContext.h"
#include "support/ScriptedInteraction.h"

namespace {

class OptionsCommand : public testing::Test {
protected:
    OptionsCommand() { app::registerOptionsCommands(context, context.registry); }

    testing_support::FakeEditorContext context;
    testing_support::ScriptedInteraction ui;
};

TEST_F(OptionsCommand, CancelAfterChangesStoresNothingButStillReloads)
{
    settings::SettingsStore().WriteString("user", "name", "Kept");
    ui.onModal([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("txtName")->setText("Changed");
        dialog.findChild<QLineEdit*>("txtSideMask")->clear();
        dialog.findChild<QCheckBox*>("chkCase")->setChecked(false);
        dialog.findChild<QPushButton*>("btnCancel")->click();
        return dialog.result();
    });
    ASSERT_TRUE(context.registry.run("ToolsOptionsClick"));
    EXPECT_TRUE(ui.modals.empty());
    EXPECT_EQ(context.loads, 1);
    const settings::SettingsStore store;
    EXPECT_EQ(store.ReadString("user", "name", "-"), "Kept");
    EXPECT_FALSE(store.HasValue("user", "sidemask"));
    EXPECT_FALSE(store.HasValue("user", "case"));
    EXPECT_TRUE(context.options().tagCase);
    EXPECT_EQ(context.options().name, "Kept");
}

TEST_F(OptionsCommand, TagCaseChangeIsSeenAtOnce)
{
    std::vector<bool> seenByHooks;
    context.registry.onOptionsLoaded([&] { seenByHooks.push_back(context.options().tagCase); });
    ui.onModal([](QDialog& dialog) {
        dialog.show();
        auto* tags = dialog.findChild<QCheckBox*>("chkCase");
        QTest::mouseClick(tags, Qt::LeftButton, {}, QPoint(8, tags->height() / 2));
        dialog.findChild<QPushButton*>("btnOK")->click();
        return dialog.result();
    });
    ASSERT_TRUE(context.registry.run("ToolsOptionsClick"));
    EXPECT_FALSE(context.options().tagCase);
    EXPECT_EQ(seenByHooks, std::vector<bool>{false});
    EXPECT_FALSE(settings::SettingsStore().ReadBool("user", "case", true));
}

}  // namespace
