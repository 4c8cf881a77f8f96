// Handlers of the custom buttons, the "&Custom" menu with its hidden
// closing-tag shortcuts, and the custom tag list window (View > Custom Tag
// List). The ten pairs are read into memory at start and after every edit;
// the buttons and menu entries exist already (the command table builds them)
// and are reached by their names in the table.
#include <QAction>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <memory>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "dialogs/CustomButtons.h"
#include "dialogs/TagList.h"
#include "dialogs/TfrmCustom.h"
#include "dialogs/TfrmTags.h"
#include "editor/TextView.h"
#include "interaction/Interaction.h"
#include "settings/SettingsStore.h"

namespace commands {
namespace {

constexpr int kButtons = settings::custom::kButtons;

QString menuEntryName(int n)
{
    return QStringLiteral("N%1Custom1").arg(n);
}
QString buttonName(int n)
{
    return QStringLiteral("btnCustom%1").arg(n);
}

// Lives as long as the window, whose children the buttons and the list are.
class CustomTags : public QObject {
public:
    CustomTags(CommandContext& context, CommandRegistry& registry)
        : QObject(context.window()), context_(context), registry_(registry)
    {
    }

    void registerCommands()
    {
        for (int n = 1; n <= kButtons; ++n) {
            registry_.add(QStringLiteral("btnCustom%1Click").arg(n), [this, n] { insertPair(n); });
            registry_.add(
                n == 1 ? QStringLiteral("close11Click") : QStringLiteral("Close%1").arg(n) + QStringLiteral("1Click"),
                [this, n] { insertStop(n); });
            registry_.add(buttonName(n) + QStringLiteral("MouseDown"), [this, n] { editButton(n); });
        }
        registry_.add(QStringLiteral("Custom1Click"), [this] { showMenuCaptions(); });
        registry_.addToggle(
            QStringLiteral("ViewTagListClick"), [this] { toggleTagList(); }, [this] { return !tags_.isNull(); });
        registry_.onStarted([this] { start(); });
        registry_.onWindowClosing([this] { closeTagList(); });

        for (int n = 1; n <= kButtons; ++n) button(n)->installEventFilter(this);
    }

protected:
    // A right click on a custom button runs its edit command, once the click
    // itself has been handled.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress || static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
            return false;
        const QString command = watched->objectName() + QStringLiteral("MouseDown");
        QTimer::singleShot(0, this, [this, command] { registry_.run(command); });
        return true;
    }

private:
    QAction* menuEntry(int n) const { return context_.commands().action(menuEntryName(n)); }
    QToolButton* button(int n) const { return context_.commands().button(buttonName(n)); }

    void start()
    {
        LoadCustomButtons();
        if (settings::SettingsStore().read(settings::window::kTagList)) openTagList();
    }

    // The pairs into memory, the captions onto the buttons and, unless a
    // caption is its button's design caption, the pair as its hint.
    void LoadCustomButtons()
    {
        const settings::SettingsStore store;
        for (int n = 1; n <= kButtons; ++n) {
            const dialogs::CustomButton b = dialogs::readCustomButton(store, n);
            table_[n - 1] = b;
            QAction* entry = menuEntry(n);
            // An empty icon text would show the menu caption: a blank stands in.
            entry->setIconText(b.caption.isEmpty() ? QStringLiteral(" ") : b.caption);
            entry->setToolTip(dialogs::customHint(n, b, entry->toolTip()));
            // The caption's accelerator clicks the button, unless the key
            // already runs something else (Alt+1 is entry 1's own shortcut):
            // two owners of one key would leave it running neither.
            QToolButton* bn = button(n);
            const QKeySequence key = QKeySequence::mnemonic(bn->text());
            bn->setShortcut(key.isEmpty() || context_.commands().keyTaken(key, bn) ? QKeySequence() : key);
        }
    }

    void insertPair(int n)
    {
        markup::TagContext tags = tagContextOf(context_);
        dialogs::InsertCustomPair(context_.body(), tags, table_[n - 1]);
    }

    void insertStop(int n)
    {
        markup::TagContext tags = tagContextOf(context_);
        markup::InsertRawText(context_.body(), tags, table_[n - 1].stop.toStdString());
    }

    void showMenuCaptions()
    {
        for (int n = 1; n <= kButtons; ++n) menuEntry(n)->setText(table_[n - 1].caption);
    }

    void editButton(int n)
    {
        settings::SettingsStore().write(settings::custom::kSet, n);
        dialogs::TfrmCustom dialog(context_.window());
        interaction::ui().runModal(dialog);
        LoadCustomButtons();
    }

    void toggleTagList()
    {
        const bool open = tags_.isNull();
        if (open)
            openTagList();
        else
            closeTagList();
        settings::SettingsStore().write(settings::window::kTagList, open);
        giveFocusBack();
    }

    void openTagList()
    {
        tags_ = new dialogs::TfrmTags(context_.window());
        QObject::connect(tags_, &dialogs::TfrmTags::entryChosen, context_.window(),
                         [this](const QString& entry) { insertEntry(entry); });
        QObject::connect(tags_, &dialogs::TfrmTags::closedByUser, context_.window(), [this] {
            tags_ = nullptr;
            markTagList(false);
        });
        tags_->show();
        markTagList(true);
        giveFocusBack();
    }

    // The check mark of View > Custom Tag List, also where no command runs.
    void markTagList(bool open) { context_.commands().action(QStringLiteral("ViewTagList"))->setChecked(open); }

    // Without storing its place.
    void closeTagList()
    {
        if (tags_.isNull()) return;
        tags_->hide();
        tags_->deleteLater();
        tags_ = nullptr;
    }

    void insertEntry(const QString& entry)
    {
        editor::TextView& body = context_.body();
        const bool recolour = dialogs::insertTagListEntry(body, entry.toStdString());
        giveFocusBack();
        if (recolour) context_.RecolourNearCaret(1, 1);
    }

    void giveFocusBack()
    {
        context_.window()->activateWindow();
        context_.body().focus();
    }

    CommandContext& context_;
    CommandRegistry& registry_;
    std::array<dialogs::CustomButton, kButtons> table_;
    QPointer<dialogs::TfrmTags> tags_;
};

}  // namespace

void registerCustomCommands(CommandContext& context, CommandRegistry& registry)
{
    (new CustomTags(context, registry))->registerCommands();
}

}  // namespace commands
