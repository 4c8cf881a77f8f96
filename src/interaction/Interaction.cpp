#include "Interaction.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "WindowPlace.h"
#include "interaction/Captions.h"

namespace interaction {
namespace {
Interaction* g_current = nullptr;

QWidget* parentWindow()
{
    return QApplication::activeWindow();
}

QMessageBox::StandardButton toButton(Answer a)
{
    switch (a) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Ok:
            return QMessageBox::Ok;
    }
    return QMessageBox::NoButton;
}

// A file dialog that asks nothing itself: the editor's own save routine adds
// the suffix and asks about overwriting.
QFileDialog* fileDialog(const QString& title, const QString& folder, const QStringList& filters)
{
    auto* d = new QFileDialog(parentWindow(), title, folder);
    d->setNameFilters(filters);
    d->setOption(QFileDialog::DontConfirmOverwrite, true);
    d->setOption(QFileDialog::DontUseNativeDialog, true);
    return d;
}
// Swallows an Alt (or, on X11 after Shift, Meta) combination that reaches a
// field: no access key took it, and the field would type its letter.
class AltKeyGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers();
        return (held & (Qt::AltModifier | Qt::MetaModifier)) && !(held & Qt::ControlModifier) &&
               !key->text().isEmpty() && key->text().front().isPrint();
    }
};

bool takesTyping(const QWidget* w)
{
    // A drop-down hands its keys to its line straight, past the line's filters.
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// Where a line may break: a box wraps its text where the language allows
// (at spaces, after hyphens), and breaks a longer path anywhere or, on a small
// screen, runs off it. Within a path (a word holding a "/") a zero-width space
// after each "/" lets it break there, and a word joiner keeps every other
// place of the path whole, so that no folder's name is split.
constexpr QChar kBreak(0x200B), kJoin(0x2060);

QString breakableAfterSlashes(const QString& text)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    QString shown;
    shown.reserve(text.size() * 2);
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace()) wordStart = i + 1;
        const qsizetype wordEnd =
            std::find_if(text.begin() + i, text.end(), [](QChar c) { return c.isSpace(); }) - text.begin();
        const bool inPath = i > wordStart && QStringView(text).sliced(wordStart, wordEnd - wordStart).contains(u'/');
        if (inPath && text[i - 1] == u'/' && text[i] != u'/') {
            shown += kBreak;
        } else if (inPath) {
            breaks.setPosition(i);
            if (breaks.isAtBoundary()) shown += kJoin;
        }
        shown += text[i];
    }
    return shown;
}

// The editor's message box: long paths wrap after their slashes, and Ctrl+C
// copies the message as it was given (the path whole, without the marks).
class MessageBox final : public QMessageBox {
public:
    MessageBox(Icon icon, const QString& text, StandardButtons buttons)
        : QMessageBox(icon, QString::fromLatin1(interaction::kAppTitle), breakableAfterSlashes(text), buttons,
                      parentWindow()),
          text_(text)
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event == QKeySequence::Copy)
            QGuiApplication::clipboard()->setText(text_);
        else
            QMessageBox::keyPressEvent(event);
    }

private:
    QString text_;
};

// Runs a modal dialog, then gives the activation back to the window that had it.
int execModal(QDialog& dialog)
{
    prepareDialog(dialog);
    const QPointer<QWidget> before = QApplication::activeWindow();
    const int result = dialog.exec();
    reactivateAfterDialog(before);
    return result;
}
}  // namespace

void prepareDialog(QDialog& dialog)
{
    dialog.ensurePolished();
    if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
    const QSize fitted = dialog.size().boundedTo(roomOnScreen(dialog));
    if (fitted != dialog.size()) dialog.resize(fitted);
    const QString name = QStringLiteral("altKeyGuard");
    QObject* guard = dialog.findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    if (!guard) {
        guard = new AltKeyGuard(&dialog);
        guard->setObjectName(name);
    }
    for (QWidget* w : dialog.findChildren<QWidget*>())
        if (takesTyping(w)) w->installEventFilter(guard);
}

void reactivateAfterDialog(QWidget* window)
{
    const QWidget* now = QApplication::activeWindow();
    if (window && window->isVisible() && (!now || !now->isVisible())) window->activateWindow();
}

Interaction& ui()
{
    static WidgetInteraction production;
    return g_current ? *g_current : production;
}

Interaction* setInteraction(Interaction* next)
{
    Interaction* previous = g_current;
    g_current = next;
    return previous;
}

Answer WidgetInteraction::ask(const QString& text, Buttons buttons, Answer defaultButton)
{
    MessageBox box(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
    if (buttons == Buttons::YesNoCancel) box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(toButton(defaultButton));
    box.setEscapeButton(buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (execModal(box)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

int WidgetInteraction::choose(const QString& text, const QStringList& buttons, int defaultButton, int escapeButton)
{
    MessageBox box(QMessageBox::Question, text, QMessageBox::NoButton);
    QList<QAbstractButton*> made;
    for (const QString& caption : buttons) made << box.addButton(caption, QMessageBox::ActionRole);
    if (defaultButton >= 0 && defaultButton < made.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(made[defaultButton]));
    // Esc and the close box: the escape button when it is one of the buttons,
    // else a hidden one, so that the box can still be closed without a choice.
    QAbstractButton* escape = escapeButton >= 0 && escapeButton < made.size() ? made[escapeButton] : nullptr;
    if (!escape) {
        escape = box.addButton(QMessageBox::Cancel);
        escape->hide();
    }
    box.setEscapeButton(escape);
    execModal(box);
    const qsizetype chosen = made.indexOf(box.clickedButton());
    return chosen >= 0 ? static_cast<int>(chosen) : escapeButton;
}

void WidgetInteraction::show(MessageKind kind, const QString& text)
{
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Warning   ? QMessageBox::Warning
                                   : kind == MessageKind::Error     ? QMessageBox::Critical
                                                                    : QMessageBox::Question;
    MessageBox box(icon, text, QMessageBox::Ok);
    execModal(box);
}

QString WidgetInteraction::openFileName(const QString& title, const QString& folder, const QStringList& filters)
{
    std::unique_ptr<QFileDialog> d(fileDialog(title, folder, filters));
    d->setAcceptMode(QFileDialog::AcceptOpen);
    d->setFileMode(QFileDialog::ExistingFile);
    if (execModal(*d) != QDialog::Accepted || d->selectedFiles().isEmpty()) return {};
    return d->selectedFiles().first();
}

QString WidgetInteraction::saveFileName(const QString& title, const QString& folder, const QString& name,
                                        const QStringList& filters)
{
    std::unique_ptr<QFileDialog> d(fileDialog(title, folder, filters));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    if (!name.isEmpty()) d->selectFile(name);
    if (execModal(*d) != QDialog::Accepted || d->selectedFiles().isEmpty()) return {};
    return d->selectedFiles().first();
}

int WidgetInteraction::runModal(QDialog& dialog)
{
    return execModal(dialog);
}

}  // namespace interaction
