// The custom tag list window.
#include "TfrmTags.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSet>
#include <QVBoxLayout>

#include "TagList.h"
#include "TfrmModTags.h"
#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace dialogs {
namespace {

inline constexpr int kDefaultWidth = 120;

// A list file that cannot be read or created is told once per run; the list
// goes on working in memory.
void reportOnce(const QString& message)
{
    static QSet<QString> reported;
    if (message.isEmpty() || reported.contains(message)) return;
    reported.insert(message);
    interaction::ui().error(message);
}

}  // namespace

TfrmTags::TfrmTags(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      path_(settings::programDataFile(QStringLiteral("taglist.htx"))),
      taglist_(new QListWidget(this)),
      pMenuTags_(new QMenu(this)),
      mnuTop_(nullptr)
{
    setObjectName(QStringLiteral("frmTags"));
    setWindowTitle(QStringLiteral("Custom Tag List"));
    setAttribute(Qt::WA_DeleteOnClose);

    taglist_->setObjectName(QStringLiteral("taglist"));
    taglist_->setSelectionMode(QAbstractItemView::SingleSelection);
    taglist_->setUniformItemSizes(true);
    taglist_->setToolTip(QStringLiteral("Right-Click for Options"));
    taglist_->setContextMenuPolicy(Qt::CustomContextMenu);
    taglist_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(taglist_);

    pMenuTags_->setObjectName(QStringLiteral("pMenuTags"));
    QAction* modify = pMenuTags_->addAction(QStringLiteral("&Modify Tag List"), this, &TfrmTags::ModifyTagList1Click);
    modify->setObjectName(QStringLiteral("ModifyTagList1"));
    pMenuTags_->addSeparator();
    QAction* save =
        pMenuTags_->addAction(QStringLiteral("Sa&ve Window Position"), this, &TfrmTags::SaveWindowPosition1Click);
    save->setObjectName(QStringLiteral("SaveWindowPosition1"));
    mnuTop_ = pMenuTags_->addAction(QStringLiteral("&Always On Top"), this, &TfrmTags::mnuTopClick);
    mnuTop_->setObjectName(QStringLiteral("mnuTop"));
    mnuTop_->setCheckable(true);
    connect(taglist_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pMenuTags_->exec(taglist_->viewport()->mapToGlobal(at)); });
    connect(taglist_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit entryChosen(item->text()); });

    // By default at the right edge of the screen, level with the main window
    // and as tall as it.
    namespace tagwindow = settings::tagwindow;
    const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const settings::SettingsStore store;
    const int left = store.read(tagwindow::kLeft, area.x() + area.width() - kDefaultWidth);
    const int top = store.read(tagwindow::kTop, mainWindow ? mainWindow->y() : area.y());
    const int width = store.read(tagwindow::kWidth);
    const int height = store.read(tagwindow::kHeight, mainWindow ? mainWindow->height() : area.height() / 2);
    interaction::placeFrame(*this, {left, top}, {width, height});
    place_ = {QRect(left, top, width, height), interaction::storedPlaceOf(*this)};
    setStaysOnTop(store.read(tagwindow::kStayOnTop));

    reload();
}

QStringList TfrmTags::entries() const
{
    QStringList list;
    for (int i = 0; i < taglist_->count(); ++i) list << taglist_->item(i)->text();
    return list;
}

bool TfrmTags::staysOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TfrmTags::setEntries(const QStringList& entries)
{
    taglist_->clear();
    taglist_->addItems(entries);
}

void TfrmTags::reload()
{
    QString message;
    setEntries(loadTagList(path_, entries(), &message));
    reportOnce(message);
}

void TfrmTags::setStaysOnTop(bool on)
{
    mnuTop_->setChecked(on);
    if (on == staysOnTop()) return;
    // Changing the flag hides the window; it comes back where it was.
    const bool shown = isVisible();
    const QPoint at = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) {
        move(at);
        show();
    }
}

void TfrmTags::ModifyTagList1Click()
{
    TfrmModTags editor(path_, entries(), this);
    interaction::ui().runModal(editor);
    // The list shows the file as it now stands, or what was saved when the
    // file would not take it.
    if (editor.saved() && !editor.written())
        setEntries(editor.entries());
    else
        reload();
}

void TfrmTags::SaveWindowPosition1Click()
{
    storePlace(interaction::storedPlaceOf(*this));
}

void TfrmTags::storePlace(const QRect& place)
{
    namespace tagwindow = settings::tagwindow;
    settings::SettingsStore store;
    store.write(tagwindow::kLeft, place.x());
    store.write(tagwindow::kTop, place.y());
    store.write(tagwindow::kWidth, place.width());
    store.write(tagwindow::kHeight, place.height());
}

void TfrmTags::mnuTopClick()
{
    const bool on = !staysOnTop();
    setStaysOnTop(on);
    settings::SettingsStore().write(settings::tagwindow::kStayOnTop, on);
}

void TfrmTags::closeEvent(QCloseEvent* event)
{
    // Closed by the window system (it has no close button): the place is kept
    // and the list opens again at the next start. A place given for this
    // screen and not changed since leaves the stored one alone.
    storePlace(place_.toStore(interaction::storedPlaceOf(*this)));
    emit closedByUser();
    event->accept();
}

bool TfrmTags::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == taglist_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QListWidgetItem* item = taglist_->currentItem();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && item && item->isSelected()) {
            emit entryChosen(item->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace dialogs
