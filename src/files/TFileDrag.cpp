#include "TFileDrag.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "storage/FileNames.h"

namespace files {

TFileDrag::TFileDrag(QWidget* owner) : QObject(owner), owner_(owner)
{
    owner_->installEventFilter(this);
}

TFileDrag::~TFileDrag()
{
    owner_->removeEventFilter(this);
}

void TFileDrag::setEnableDrop(bool enable)
{
    enabled_ = enable;
    owner_->setAcceptDrops(enable);
}

bool TFileDrag::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!enabled_ || watched != owner_ ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    // A drag from inside the program (it has a source widget) is not a file
    // manager's drop.
    const QStringList paths = drop->source() ? QStringList() : storage::droppedFiles(drop->mimeData()->urls());
    if (paths.isEmpty()) {
        event->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type != QEvent::Drop) return true;
    nameWithPath_ = paths;
    nameOnly_.clear();
    extension_.clear();
    for (const QString& path : paths) {
        const QString name = storage::FileNamePart(path);
        nameOnly_ << name;
        const qsizetype dot = name.indexOf(u'.');
        extension_ << (dot < 0 ? QString() : name.mid(dot + 1));
    }
    emit OnDrop();
    return true;
}

}  // namespace files
