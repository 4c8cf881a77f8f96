// Tools > Options: the dialog runs modally, and the option variables are read
// again after it closes, whether it was confirmed or cancelled.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "app/CommandModules.h"
#include "settings/SettingsStore.h"
#include "support/FakeEditorContext.h"
#include "support/ScriptedInteraction.h"

namespace {

TEST(OptionsCommand, CancelAfterChangesStoresNothingButStillReloads)
{
    testing_support::FakeEditorContext context;
    testing_support::ScriptedInteraction ui;
    app::registerOptionsCommands(context, context.registry);
    settings::SettingsStore().write(settings::user::kName, QStringLiteral("Kept"));
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
    EXPECT_EQ(store.read(settings::user::kName), "Kept");
    EXPECT_FALSE(store.HasValue(settings::user::kSideMask.section, settings::user::kSideMask.ident));
    EXPECT_FALSE(store.HasValue(settings::user::kLowerCase.section, settings::user::kLowerCase.ident));
    EXPECT_TRUE(context.options().tagCase);
    EXPECT_EQ(context.options().name, "Kept");
}

}  // namespace
