#include "SidePanel.h"

#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMutex>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QStorageInfo>
#include <QTreeView>
#include <algorithm>

namespace files {
namespace {

// The icons of both lists: one per kind of entry (a folder, a drive, a file
// by its extension). The lists' own provider asks the type database (by name,
// for some files by their content) and the icon theme again for every entry
// that arrives, on the user-interface thread: a folder of a few hundred
// entries kept the window busy for a tenth of a second at start-up. The type
// text (a hidden column) is made from the extension alone.
class KindIcons final : public QObject, public QFileIconProvider {
public:
    explicit KindIcons(QObject* owner) : QObject(owner) {}

    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override
    {
        const QString kind = info.isRoot()  ? QStringLiteral("drive")
                             : info.isDir() ? QStringLiteral("folder")
                                            : QLatin1Char('.') + info.suffix().toLower();
        const QMutexLocker lock(&mutex_);
        auto found = icons_.constFind(kind);
        if (found == icons_.cend()) found = icons_.insert(kind, QFileIconProvider::icon(info));
        return *found;
    }
    QString type(const QFileInfo& info) const override
    {
        if (info.isRoot()) return QStringLiteral("Drive");
        if (info.isDir()) return QStringLiteral("Folder");
        return info.suffix().isEmpty() ? QStringLiteral("File") : info.suffix() + QStringLiteral(" File");
    }

private:
    mutable QMutex mutex_;
    mutable QHash<QString, QIcon> icons_;
};

}  // namespace

QStringList sideMaskFilters(const QStringList& patterns)
{
    static const QRegularExpression threeLetterExtension(QStringLiteral("^\\*\\.[^*?.\\[\\]]{3}$"));
    QStringList filters;
    for (const QString& raw : patterns) {
        const QString p = raw.trimmed();
        if (p.isEmpty()) continue;
        if (p == QLatin1String("*.*") || p == QLatin1String("*"))
            filters << QStringLiteral("*");
        else if (threeLetterExtension.match(p).hasMatch())
            filters << p + QLatin1Char('*');
        else
            filters << p;
    }
    if (filters.isEmpty()) filters << QStringLiteral("*");
    filters.removeDuplicates();
    return filters;
}

SidePanel::SidePanel(QWidget* parent)
    : QWidget(parent),
      drivebox_(new QComboBox(this)),
      dirbox_(new QTreeView(this)),
      filebox_(new QListView(this)),
      dirModel_(new QFileSystemModel(this)),
      fileModel_(new QFileSystemModel(this))
{
    setObjectName(QStringLiteral("pnlSide"));
    // Made after the lists' models, so that it goes after them.
    auto* icons = new KindIcons(this);
    dirModel_->setIconProvider(icons);
    fileModel_->setIconProvider(icons);
    drivebox_->setObjectName(QStringLiteral("drivebox"));
    dirbox_->setObjectName(QStringLiteral("dirbox"));
    filebox_->setObjectName(QStringLiteral("filebox"));

    dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    dirModel_->setReadOnly(true);
    dirbox_->setModel(dirModel_);
    for (int c = 1; c < dirModel_->columnCount(); ++c) dirbox_->hideColumn(c);
    dirbox_->header()->hide();
    dirbox_->setIndentation(10);

    fileModel_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    fileModel_->setNameFilterDisables(false);
    fileModel_->setReadOnly(true);
    filebox_->setModel(fileModel_);
    filebox_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    filebox_->setDragEnabled(true);
    filebox_->installEventFilter(this);
    dirbox_->setContextMenuPolicy(Qt::CustomContextMenu);
    filebox_->setContextMenuPolicy(Qt::CustomContextMenu);

    fillDrives();
    connect(drivebox_, &QComboBox::activated, this, [this](int index) { setFolder(drives_.value(index)); });
    // The folder list reads the disk in the background, in batches: keep the
    // current folder in view while the folders around it arrive, until the
    // author moves in the list.
    auto reveal = [this] {
        if (revealing_) dirbox_->scrollTo(dirbox_->currentIndex());
    };
    connect(dirModel_, &QFileSystemModel::directoryLoaded, this, reveal);
    connect(dirModel_, &QAbstractItemModel::rowsInserted, this, reveal);
    connect(dirModel_, &QAbstractItemModel::layoutChanged, this, reveal);
    revealTimer_.setSingleShot(true);
    revealTimer_.setInterval(3000);
    connect(&revealTimer_, &QTimer::timeout, this, [this] { revealing_ = false; });
    connect(dirbox_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex&, const QModelIndex&) { onDirActivated(); });
    setMask({QStringLiteral("*.*")});
    setFolder(QDir::homePath());
}

void SidePanel::showLater()
{
    if (showPending_) return;
    showPending_ = true;
    QTimer::singleShot(0, this, &SidePanel::showNow);
}

void SidePanel::showNow()
{
    if (!showPending_) return;
    showPending_ = false;
    const int drive = drivebox_->currentIndex();
    const QString root = drives_.value(drive);
    if (!root.isEmpty() && drive != shownDrive_) {
        shownDrive_ = drive;
        dirModel_->setRootPath(root);
        dirbox_->setRootIndex(dirModel_->index(root));
    }
    if (folder_.isEmpty()) return;
    const QModelIndex index = dirModel_->index(folder_);
    if (index.isValid()) {
        // The view must hear of the change to paint it; our own handler must not.
        const bool was = settingFolder_;
        settingFolder_ = true;
        for (QModelIndex up = index.parent(); up.isValid() && up != dirbox_->rootIndex(); up = up.parent())
            dirbox_->expand(up);
        dirbox_->setCurrentIndex(index);
        dirbox_->scrollTo(index);
        settingFolder_ = was;
        revealing_ = true;
        revealTimer_.start();
    }
    fileModel_->setRootPath(folder_);
    filebox_->setRootIndex(fileModel_->index(folder_));
}

void SidePanel::fillDrives()
{
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Files mounted on their own (as containers do) are no drives.
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir()) continue;
        drives_ << volume.rootPath();
    }
    std::sort(drives_.begin(), drives_.end());
    drives_.removeDuplicates();
    drives_.removeAll(QDir::rootPath());
    drives_.prepend(QDir::rootPath());
    for (const QString& root : drives_) {
        const QString name = QStorageInfo(root).name();
        drivebox_->addItem(name.isEmpty() ? root : QStringLiteral("%1  [%2]").arg(root, name));
    }
}

QStringList SidePanel::drives() const
{
    return drives_;
}

int SidePanel::driveIndex() const
{
    return drivebox_->currentIndex();
}

void SidePanel::setDriveIndex(int index)
{
    if (index < 0 || index >= drives_.size()) return;
    const QSignalBlocker block(drivebox_);
    drivebox_->setCurrentIndex(index);
    showLater();
}

int SidePanel::driveOf(const QString& path) const
{
    int best = 0;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives_.size(); ++i) {
        const QString& root = drives_[i];
        const bool under =
            path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (under && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

bool SidePanel::setFolder(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir()) return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    const int drive = driveOf(folder);
    if (drive != drivebox_->currentIndex()) {
        const QSignalBlocker block(drivebox_);
        drivebox_->setCurrentIndex(drive);
    }
    const bool changed = folder != folder_;
    folder_ = folder;
    if (changed) filebox_->selectionModel()->clear();
    showLater();
    if (changed) emit folderChanged(folder_);
    return true;
}

void SidePanel::onDirActivated()
{
    if (settingFolder_) return;
    revealing_ = false;
    const QModelIndex current = dirbox_->currentIndex();
    if (current.isValid()) setFolder(dirModel_->filePath(current));
}

void SidePanel::setMask(const QStringList& patterns)
{
    mask_ = patterns;
    fileModel_->setNameFilters(sideMaskFilters(patterns));
}

void SidePanel::setSideColour(int choice)
{
    QColor colour;
    switch (choice) {
        case 0:
            colour = palette().color(QPalette::Base);
            break;
        case 1:
            colour = palette().color(QPalette::Midlight);
            break;
        case 2:
            colour = QColor(0xC0, 0xC0, 0xC0);
            break;
        default:
            return;
    }
    for (QWidget* list :
         {static_cast<QWidget*>(drivebox_), static_cast<QWidget*>(dirbox_), static_cast<QWidget*>(filebox_)}) {
        QPalette p = list->palette();
        p.setColor(QPalette::Base, colour);
        list->setPalette(p);
    }
}

void SidePanel::refresh()
{
    showNow();
    const QString folder = folder_;
    fileModel_->setRootPath(QString());
    fileModel_->setRootPath(folder);
    filebox_->setRootIndex(fileModel_->index(folder));
}

QString SidePanel::selectedFile() const
{
    const QItemSelectionModel* selection = filebox_->selectionModel();
    QModelIndex index = filebox_->currentIndex();
    if (!index.isValid() || !selection->isSelected(index)) {
        const QModelIndexList rows = selection->selectedIndexes();
        index = rows.isEmpty() ? QModelIndex() : rows.first();
    }
    // Only a file of the folder shown.
    if (!index.isValid() || index.parent() != filebox_->rootIndex()) return {};
    return fileModel_->filePath(index);
}

bool SidePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == filebox_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        (static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit deleteKeyPressed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SidePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width(), h = height();
    const int driveHeight = drivebox_->sizeHint().height();
    drivebox_->setGeometry(0, 0, w, driveHeight);
    const int dirTop = driveHeight + 2;
    const int dirHeight = h / 3;
    dirbox_->setGeometry(0, dirTop, w, dirHeight);
    const int fileTop = dirTop + dirHeight + 2;
    filebox_->setGeometry(0, fileTop, w, std::max(0, h - (dirTop + dirHeight) - 3));
}

}  // namespace files
