// The custom buttons' settings, hints and insertion.
#include "CustomButtons.h"

#include "settings/SettingsStore.h"

namespace dialogs {

CustomButton readCustomButton(const settings::SettingsStore& store, int n)
{
    namespace custom = settings::custom;
    return {store.read(custom::caption(n)), store.read(custom::start(n)), store.read(custom::stop(n))};
}

void writeCustomButton(settings::SettingsStore& store, int n, const CustomButton& button)
{
    namespace custom = settings::custom;
    store.write(custom::start(n), button.start);
    store.write(custom::stop(n), button.stop);
    store.write(custom::caption(n), button.caption);
}

QString designCaption(int n)
{
    return QStringLiteral("Custom #%1").arg(n);
}

QString customHint(int n, const CustomButton& button, const QString& currentHint)
{
    if (button.caption == designCaption(n)) return currentHint;
    return button.start + QStringLiteral(" .. ") + button.stop;
}

void InsertCustomPair(markup::TextEditor& editor, markup::TagContext& context, const CustomButton& button)
{
    const std::string start = button.start.toStdString();
    const auto recolour = [&context] {
        if (context.RecolourNearCaret) context.RecolourNearCaret();
    };
    const markup::Pos s = editor.selectionStart();
    const markup::Pos length = editor.selectionLength();
    if (context.flags.EndTagOnly || length == 0) {
        editor.replaceSelection(start);
        context.flags.EndTagOnly = false;
        recolour();
        return;
    }
    editor.replaceSelection(start + editor.selectedText() + button.stop.toStdString());
    recolour();
    if (context.KeepSelected) editor.setSelection(s + static_cast<markup::Pos>(start.size()), length);
}

}  // namespace dialogs
