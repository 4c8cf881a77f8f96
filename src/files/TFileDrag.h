// TFileDrag: makes a window a target for files dropped from other programs
// (a file manager), and keeps what the last drop brought: the full paths, the
// names without folder, the extensions (the text after the first dot of the
// name, empty without one) and their number. OnDrop tells of each drop.
// Drags that start inside this program (the side panel's file list) are left
// to the control they are dropped on.
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace files {

class TFileDrag : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList NameWithPath READ NameWithPath)
    Q_PROPERTY(QStringList NameOnly READ NameOnly)
    Q_PROPERTY(QStringList Extension READ Extension)
    Q_PROPERTY(int FileCount READ FileCount)
    Q_PROPERTY(bool EnableDrop READ EnableDrop WRITE setEnableDrop)
public:
    // Watches `owner`'s events; drops are taken once EnableDrop is set.
    explicit TFileDrag(QWidget* owner);
    ~TFileDrag() override;

    QStringList NameWithPath() const { return nameWithPath_; }
    QStringList NameOnly() const { return nameOnly_; }
    QStringList Extension() const { return extension_; }
    int FileCount() const { return static_cast<int>(nameWithPath_.size()); }
    bool EnableDrop() const { return enabled_; }
    void setEnableDrop(bool enable);

signals:
    void OnDrop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* owner_;
    bool enabled_ = false;
    QStringList nameWithPath_, nameOnly_, extension_;
};

}  // namespace files
