// Handlers of the commands, registered by name (the names of the command
// table: "FormatBoldClick", "FileOpenClick", ...). The main window connects each
// menu entry, toolbar button and shortcut of the table to the handler of its
// name; an entry without a handler is shown disabled.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace commands {

class CommandRegistry {
public:
    using Handler = std::function<void()>;

    void add(const QString& name, Handler handler) { handlers_[name] = std::move(handler); }
    const Handler* find(const QString& name) const
    {
        auto it = handlers_.find(name);
        return it == handlers_.end() ? nullptr : &it->second;
    }
    // A command shown with a check mark (a view toggle): its state is asked
    // again after every command and whenever its menu opens.
    void addToggle(const QString& name, Handler handler, std::function<bool()> isChecked)
    {
        add(name, std::move(handler));
        checked_[name] = std::move(isChecked);
    }
    // The check state of a toggle; nullopt for an ordinary command.
    std::optional<bool> checked(const QString& name) const
    {
        auto it = checked_.find(name);
        if (it == checked_.end()) return std::nullopt;
        return it->second();
    }

    bool has(const QString& name) const { return handlers_.count(name) != 0; }
    // Runs a command by name; false when it has no handler.
    bool run(const QString& name) const
    {
        const Handler* h = find(name);
        if (!h) return false;
        (*h)();
        return true;
    }

    // Called whenever the document's text is replaced by another document
    // (New, Open, a recent file): modules forget per-document state here.
    void onDocumentReplaced(std::function<void()> hook) { documentReplaced_.push_back(std::move(hook)); }
    void documentReplaced() const
    {
        for (const auto& hook : documentReplaced_) hook();
    }

    // Called once when the main window has started: shown, the options read
    // and the file of the command line open.
    void onStarted(std::function<void()> hook) { started_.push_back(std::move(hook)); }
    void started() const
    {
        for (const auto& hook : started_) hook();
    }

    // Called when the main window is about to close for good (after the
    // question about unsaved changes, not when the close was cancelled):
    // modules end what they started outside the editor here.
    void onWindowClosing(std::function<void()> hook) { windowClosing_.push_back(std::move(hook)); }
    void windowClosing() const
    {
        for (const auto& hook : windowClosing_) hook();
    }

    // Called after the options dialog or anything else re-read the options.
    void onOptionsLoaded(std::function<void()> hook) { optionsLoaded_.push_back(std::move(hook)); }
    void optionsLoaded() const
    {
        for (const auto& hook : optionsLoaded_) hook();
    }

private:
    std::map<QString, Handler> handlers_;
    std::map<QString, std::function<bool()>> checked_;
    std::vector<std::function<void()>> documentReplaced_;
    std::vector<std::function<void()>> started_;
    std::vector<std::function<void()>> optionsLoaded_;
    std::vector<std::function<void()>> windowClosing_;
};

}  // namespace commands
