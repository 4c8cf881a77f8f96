// Handlers of the tag builder dialogs (anchor, e-mail link, style sheet,
// image, font, line), the colour finder and the toolbar's colour grid. Each
// dialog composes its text; on OK it replaces the selection and the lines
// around the caret are recoloured. A cancelled dialog leaves the text and the
// selection as they were.
#include <QDialog>
#include <QFileInfo>
#include <optional>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "dialogs/ColorGrid.h"
#include "dialogs/TfrmEMail.h"
#include "dialogs/TfrmFonts.h"
#include "dialogs/TfrmHex.h"
#include "dialogs/TfrmImage.h"
#include "dialogs/TfrmLine.h"
#include "dialogs/TfrmLink.h"
#include "dialogs/TfrmStyle.h"
#include "editor/TextView.h"
#include "interaction/Interaction.h"
#include "markup/Palette.h"

namespace commands {
namespace {

QString selectedText(CommandContext& context)
{
    return QString::fromStdString(context.body().selectedText());
}

// Runs a dialog; on OK its text replaces the selection (caret after it).
template <typename Dialog, typename Text>
void runAndInsert(CommandContext& context, Dialog& dialog, Text text)
{
    if (interaction::ui().runModal(dialog) != QDialog::Accepted) return;
    context.body().replaceSelection(text(dialog));
    context.RecolourNearCaret(1, 1);
}

std::string elementOf(const auto& dialog)
{
    return dialog.element().toStdString();
}

void InsertHlinkClick(CommandContext& c)
{
    dialogs::TfrmLink dialog(selectedText(c), c.options().tagCase, c.window());
    runAndInsert(c, dialog, [](const auto& d) { return elementOf(d); });
}

void InsertElinkClick(CommandContext& c)
{
    dialogs::TfrmEMail dialog(selectedText(c), c.options().tagCase, c.window());
    runAndInsert(c, dialog, [](const auto& d) { return elementOf(d); });
}

void InsertStyleClick(CommandContext& c)
{
    const QString path = c.DocumentPath();
    dialogs::TfrmStyle dialog(path.isEmpty() ? QString() : QFileInfo(path).absolutePath(), c.options().tagCase,
                              c.window());
    runAndInsert(c, dialog, [](const auto& d) { return elementOf(d); });
}

void InsertImageClick(CommandContext& c)
{
    dialogs::TfrmImage dialog(c.options().tagCase, c.window());
    runAndInsert(c, dialog, [](const auto& d) { return elementOf(d); });
}

void HorizontalLine1Click(CommandContext& c)
{
    dialogs::TfrmLine dialog(c.options().tagCase, c.window());
    runAndInsert(c, dialog, [](const auto& d) { return elementOf(d); });
}

void FormatFontClick(CommandContext& c)
{
    // The document is searched in place for its page colour while the dialog is made.
    dialogs::TfrmFonts dialog(c.body().characters(), c.options().tagCase, c.window());
    runAndInsert(c, dialog, [&c](const dialogs::TfrmFonts& d) {
        return dialogs::fontInsertion(d.tag(), c.body().selectedText());
    });
}

// A colour code in place of the selection; while highlighting is on it takes
// the tag colour, and the caret stays right after it.
void insertCode(CommandContext& c, const QString& code)
{
    const std::string text = code.toStdString();
    c.body().replaceSelection(text);
    const auto size = static_cast<markup::Pos>(text.size());
    if (c.HighlightingOn()) c.body().setStyle(c.body().caretPosition() - size, size, markup::TagStyle);
}

QPoint windowCentre(CommandContext& c)
{
    const QRect frame = c.window()->frameGeometry();
    return {frame.x() + frame.width() / 2, frame.y() + frame.height() / 2};
}

// The colour finder, on its last colour or on `start`; Insert puts its code in
// place of the selection. Closed any other way, it leaves the text and the
// caret as they were.
void runFinder(CommandContext& c, std::optional<dialogs::Rgb> start = std::nullopt)
{
    dialogs::TfrmHex finder(c.options().tagCase, windowCentre(c), c.window());
    if (start) finder.startOn(*start);
    if (interaction::ui().runModal(finder) == QDialog::Accepted) insertCode(c, finder.code());
}

void ColorGridClick(CommandContext& c, int index)
{
    insertCode(c, dialogs::codeInTagCase(QString::fromLatin1(markup::paletteCode(index)), c.options().tagCase));
}

}  // namespace

bool openFinderOnSelectedCode(CommandContext& c)
{
    editor::TextView& body = c.body();
    if (body.selectionLength() != 6 || body.textRange(body.selectionStart() + 6, 1) != "\"") return false;
    const auto colour = dialogs::parseColourCode(selectedText(c));
    if (!colour) return false;
    runFinder(c, colour);
    return true;
}

void registerTagDialogCommands(CommandContext& context, CommandRegistry& registry)
{
    CommandContext* c = &context;
    registry.add(QStringLiteral("InsertHlinkClick"), [c] { InsertHlinkClick(*c); });
    registry.add(QStringLiteral("InsertElinkClick"), [c] { InsertElinkClick(*c); });
    registry.add(QStringLiteral("InsertStyleClick"), [c] { InsertStyleClick(*c); });
    registry.add(QStringLiteral("InsertImageClick"), [c] { InsertImageClick(*c); });
    registry.add(QStringLiteral("HorizontalLine1Click"), [c] { HorizontalLine1Click(*c); });
    registry.add(QStringLiteral("FormatFontClick"), [c] { FormatFontClick(*c); });
    registry.add(QStringLiteral("ColorFinder1Click"), [c] { runFinder(*c); });

    // The toolbar's grid: a left click inserts the cell's code in the tag case,
    // a right click opens the finder (after the click, not inside it).
    dialogs::ColorGrid* grid = context.commands().colorGrid();
    QObject::connect(
        grid, &dialogs::ColorGrid::cellClicked, grid,
        [c](int index, Qt::MouseButton button) {
            if (button == Qt::LeftButton) ColorGridClick(*c, index);
            if (button == Qt::RightButton) runFinder(*c);
        },
        Qt::QueuedConnection);
}

}  // namespace commands
