#include "app/TfrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/DocumentLifecycle.h"
#include "app/Recovery.h"
#include "app/StatusPanels.h"
#include "app/TVexSplitter.h"
#include "app/WindowLayout.h"
#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
#include "editor/StartupTrace.h"
#include "files/SidePanel.h"
#include "interaction/Captions.h"
#include "markup/Highlighter.h"

namespace app {

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(interaction::kUntitled) + QString::fromLatin1(interaction::TitleSuffix));
    commands_ = new commands::CommandUi(*this, registry_);
    commands_->build();
    buildClientArea();
    status_ = new StatusPanels(*statusBar(), *body_, [this] { return DocumentPath(); });
    layout_ = std::make_unique<WindowLayout>(
        LayoutParts{*this, *this, *body_, *commands_, *status_, *side_, *Splitter_, *gline_});
    document_ =
        std::make_unique<DocumentLifecycle>(DocumentParts{*this, *body_, registry_, *commands_, *layout_, *side_});
    recovery_ = std::make_unique<Recovery>(
        *body_,
        [this] {
            return storage::DocumentName{document_->path(), document_->format()};
        },
        storage::recoveryFileOf(QCoreApplication::applicationPid()));

    // Our own commands, then those of the command modules; entries nobody
    // handles stay disabled.
    document_->registerCommands(registry_);
    layout_->registerCommands(registry_);
    registry_.add(QStringLiteral("HelpAboutClick"), [this] { showAboutBox(this); });
    commands::registerAllCommands(*this, registry_);
    commands::trackKeyFlags(*body_, *this);
    commands_->connectHandlers();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildClientArea()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // The rule above the toolbars, then the bars top to bottom.
    gline_ = new QFrame(central);
    gline_->setObjectName(QStringLiteral("gline"));
    gline_->setFrameShape(QFrame::HLine);
    gline_->setFrameShadow(QFrame::Sunken);
    gline_->setFixedHeight(7);
    column->addWidget(gline_);
    column->addWidget(commands_->standardBar());
    column->addWidget(commands_->formatBar());
    column->addWidget(commands_->customBar());

    auto* row = new QWidget(central);
    row->setObjectName(QStringLiteral("editorRow"));
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(0);
    side_ = new files::SidePanel(row);
    Splitter_ = new TVexSplitter(row);
    Splitter_->setObjectName(QStringLiteral("Splitter"));
    body_ = new editor::BodyControl(row);
    body_->setObjectName(QStringLiteral("body"));
    Splitter_->setFixedWidth(2);
    Splitter_->setLeftTopControl(side_);
    Splitter_->setRightBottomControl(body_);
    Splitter_->setLeftTopMargin(0);
    Splitter_->setRightBottomMargin(300);
    rowLayout->addWidget(side_);
    rowLayout->addWidget(Splitter_);
    rowLayout->addWidget(body_, 1);
    column->addWidget(row, 1);
    setCentralWidget(central);

    connect(body_, &editor::BodyControl::contextMenuRequested, this, &TfrmMain::showContextMenu);
    connect(side_, &files::SidePanel::folderChanged, this, [this](const QString& folder) { options_.dir = folder; });
}

void TfrmMain::showContextMenu(const QPoint& globalPos)
{
    if (commands::openFinderOnSelectedCode(*this)) return;
    if (QMenu* menu = commands_->menu(QStringLiteral("pmenu"))) menu->exec(globalPos);
}

editor::TextView& TfrmMain::body()
{
    return *body_;
}

void TfrmMain::start(const QStringList& arguments)
{
    startFolder_ = QDir::currentPath();
    document_->updateTitle(QString());
    keyFlags_ = {};

    layout_->LoadWindowState();
    document_->RefreshRecentMenu();
    layout_->ArrangeBars();
    layout_->ApplyWordWrap();
    layout_->applyLineNumbers();
    layout_->ApplySidePanel();
    // Before the document: a new font would lay it out again.
    layout_->ApplyEditorFont();
    editor::startupMark("window state and options read");
    if (layout_->maximizedAtStart())
        showMaximized();
    else
        show();
    // A window manager activates a new window itself; without one (a bare X
    // server) the menu shortcuts would stay dead until the window is clicked.
    activateWindow();
    editor::traceFirstPaintAndIdle(*body_);
    editor::startupMark("window shown");

    document_->openCommandLine(arguments);
    editor::startupMark("command line's document opened");
    // The modules' start: the custom buttons, the tag list window.
    registry_.started();
    editor::startupMark("modules started");
    // A file holding only a stray line break shows as empty.
    if (shownEmptyAtStart(body_->characters())) body_->loadText({});
    body_->setSelection(0, 0);
    body_->focus();
    body_->setModified(false);
    status_->update();
    ColourDocument();
    // After the command line's file: a recovered text takes the place of a
    // file just opened (nothing of it is lost), never the other way round.
    recovery_->offerStaleFiles([this](const storage::RecoveredText& recovered) {
        document_->restore(recovered.name.path, recovered.name.format, recovered.text);
    });
    editor::startupMark("start done");
}

void TfrmMain::LoadOptions()
{
    options_ = settings::LoadOptions();
    side_->setSideColour(options_.sideColour);
    side_->setMask(options_.sideMaskPatterns());
    // The highlighting commands give `body` the tag colour here.
    registry_.optionsLoaded();
}

void TfrmMain::setHighlightingOn(bool on)
{
    HighlightingOn_ = on;
    // A large document opened without colours keeps no style bytes.
    body_->setColoursWanted(on);
    commands_->refreshChecks();
}

void TfrmMain::RecolourNearCaret(int linesBack, int extraLines)
{
    if (HighlightingOn_) markup::RecolourNearCaret(*body_, linesBack, extraLines);
}

void TfrmMain::ColourDocument()
{
    if (HighlightingOn_) commands::colourDocumentWithWait(*this);
}

void TfrmMain::beginWait(const QString& caption)
{
    waitCaptions_.push_back(windowTitle());
    setWindowTitle(caption);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TfrmMain::endWait()
{
    if (waitCaptions_.isEmpty()) return;
    setWindowTitle(waitCaptions_.takeLast());
    QApplication::restoreOverrideCursor();
}

void TfrmMain::notify(const QString& text)
{
    status_->notify(text);
}

QString TfrmMain::DocumentPath() const
{
    return document_->path();
}

bool TfrmMain::SaveDocument(bool addToRecent)
{
    return document_->SaveDocument(addToRecent) == SaveResult::Saved;
}

bool TfrmMain::openDocument(const QString& path)
{
    return document_->openAsDocument(path);
}

bool TfrmMain::askToSaveChanges()
{
    return document_->askToSave(QStringLiteral("Save changes to "));
}

void TfrmMain::setDocumentFile(const QString& path, const storage::DocumentFormat& format)
{
    document_->setFile(path, format);
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Back from another program, which may have changed the document's file;
    // asked after the activation, not inside it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(
            this, [this] { document_->offerReload(); }, Qt::QueuedConnection);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (document_->closeQuery())
        event->accept();
    else
        event->ignore();
}

}  // namespace app
