// Tools > Check Page and the steps from problem to problem: the problems
// panel docked below the editor, shown and hidden like the bars, its state
// written to section "window" at once.
#include <QDockWidget>
#include <QMainWindow>

#include "commands/CheckPanel.h"
#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "editor/BodyControl.h"
#include "settings/SettingsStore.h"

namespace commands {
namespace {

// The panel and where it lives: a dock of the main window, or a window of its
// own beside a window that has no docks.
class CheckDock {
public:
    explicit CheckDock(CommandContext& context) : context_(context) {}

    bool shown() const { return shown_; }

    void setShown(bool on)
    {
        shown_ = on;
        settings::SettingsStore().write(settings::window::kCheckPanel, on);
        if (on && !panel_) build();
        if (!panel_) return;
        holder()->setVisible(on);
        panel_->follow(on);
    }

    void step(int direction)
    {
        if (!shown_) setShown(true);
        panel_->step(direction);
    }

private:
    void build()
    {
        CommandContext* c = &context_;
        panel_ = new CheckPanel(context_.body(), [c] { return c->DocumentPath(); });
        QObject::connect(&context_.bodyControl(), &editor::BodyControl::contentChanged, panel_,
                         &CheckPanel::textChanged);
        if (auto* window = qobject_cast<QMainWindow*>(context_.window())) {
            dock_ = new QDockWidget(QStringLiteral("Problems"), window);
            dock_->setObjectName(QStringLiteral("CheckDock"));
            dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
            dock_->setWidget(panel_);
            window->addDockWidget(Qt::BottomDockWidgetArea, dock_);
        } else {
            panel_->setParent(context_.window(), Qt::Window);
        }
    }
    QWidget* holder() const { return dock_ ? static_cast<QWidget*>(dock_) : panel_; }

    CommandContext& context_;
    CheckPanel* panel_ = nullptr;
    QDockWidget* dock_ = nullptr;
    bool shown_ = false;
};

}  // namespace

void registerCheckCommands(CommandContext& context, CommandRegistry& registry)
{
    // Lives as long as the window's handlers that use it.
    auto dock = std::make_shared<CheckDock>(context);
    registry.addToggle(
        QStringLiteral("ToolsCheckClick"), [dock] { dock->setShown(!dock->shown()); },
        [dock] { return dock->shown(); });
    registry.add(QStringLiteral("ToolsNextProblemClick"), [dock] { dock->step(+1); });
    registry.add(QStringLiteral("ToolsPrevProblemClick"), [dock] { dock->step(-1); });
    if (settings::SettingsStore().read(settings::window::kCheckPanel)) dock->setShown(true);
}

}  // namespace commands
