// Tools > Options: the dialog runs modally, and the option variables are read
// again after it closes, whether it was confirmed or cancelled.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/BodyEditor.h"
#include "app/CommandModules.h"
#include "app/CommandRegistry.h"
#include "app/EditorContext.h"
#include "dialogs/TfrmOptions.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedInteraction.h"

namespace {

// Just enough of the main window: the options and their reload, which tells
// the registry as the main window does.
class FakeEditorContext final : public app::EditorContext {
public:
    explicit FakeEditorContext(app::CommandRegistry& registry) : registry_(registry)
    {
        options_ = settings::LoadOptions();
    }

    app::BodyEditor& body() override
    {
        if (!body_) body_ = std::make_unique<app::BodyEditor>();
        return *body_;
    }
    QWidget* window() override { return nullptr; }
    const settings::Options& options() const override { return options_; }
    void loadOptions() override
    {
        options_ = settings::LoadOptions();
        ++loads;
        registry_.optionsLoaded();
    }
    bool highlightingOn() const override { return false; }
    void setHighlightingOn(bool) override {}
    void recolourNearCaret(int, int) override {}
    void colourDocument() override {}
    markup::KeyFlags& keyFlags() override { return flags_; }
    void beginWait(const QString&) override {}
    void endWait() override {}
    QString documentPath() const override { return {}; }
    bool saveDocument(bool) override { return false; }

    int loads = 0;

private:
    app::CommandRegistry& registry_;
    settings::Options options_;
    markup::KeyFlags flags_;
    std::unique_ptr<app::BodyEditor> body_;
};

class OptionsCommand : public testing::Test {
protected:
    OptionsCommand() { app::registerOptionsCommands(context, registry); }

    app::CommandRegistry registry;
    FakeEditorContext context{registry};
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
    ASSERT_TRUE(registry.run("ToolsOptionsClick"));
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
    registry.onOptionsLoaded([&] { seenByHooks.push_back(context.options().tagCase); });
    ui.onModal([](QDialog& dialog) {
        dialog.show();
        auto* tags = dialog.findChild<QCheckBox*>("chkCase");
        QTest::mouseClick(tags, Qt::LeftButton, {}, QPoint(8, tags->height() / 2));
        dialog.findChild<QPushButton*>("btnOK")->click();
        return dialog.result();
    });
    ASSERT_TRUE(registry.run("ToolsOptionsClick"));
    EXPECT_FALSE(context.options().tagCase);
    EXPECT_EQ(seenByHooks, std::vector<bool>{false});
    EXPECT_FALSE(settings::SettingsStore().ReadBool("user", "case", true));
}

}  // namespace
