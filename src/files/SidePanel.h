// The side panel: the drive box (mounted volumes, root first), the folder
// list of the chosen volume and the list of the files in the chosen folder,
// filtered by the side mask. Choosing a folder makes it the current folder.
// Files are dragged from the list; its context menus and keys are the
// command module's (app/SideCommands.cpp).
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeView;

namespace files {

// The name filters the file list applies for the side mask's patterns. Letter
// case is ignored, and a pattern ending in a three-letter extension also
// matches the longer extensions that begin with it ("*.htm" lists page.htm
// and page.html), as the short file names of the editor's first home did.
QStringList sideMaskFilters(const QStringList& patterns);

class SidePanel : public QWidget {
    Q_OBJECT
public:
    explicit SidePanel(QWidget* parent = nullptr);

    // The mounted volumes as the drive box lists them (root paths).
    QStringList drives() const;
    int driveIndex() const;
    // Selects a drive entry without a change notification.
    void setDriveIndex(int index);

    // The folder shown (absolute path, no trailing "/" except for the root).
    QString folder() const { return folder_; }
    // Shows `path` (and selects the volume holding it); false when it is not
    // an existing folder, which leaves the panel as it was. folder() changes
    // at once; the lists follow when the event loop next runs.
    bool setFolder(const QString& path);

    // Patterns of the file list ("*.*" and "*" show every file).
    void setMask(const QStringList& patterns);
    QStringList mask() const { return mask_; }
    // Background of the three lists: 0 window colour, 1 light 3-D colour,
    // 2 silver; any other value leaves them as they are.
    void setSideColour(int choice);
    // Re-reads the folder and file lists from the disk.
    void refresh();

    // The full path of the file selected in the file list (the current one
    // when several are), or empty when none is.
    QString selectedFile() const;

    QComboBox* drivebox() const { return drivebox_; }
    QTreeView* dirbox() const { return dirbox_; }
    QListView* filebox() const { return filebox_; }

signals:
    // The folder shown changed (by the user or by setFolder).
    void folderChanged(const QString& folder);
    // The Delete key was pressed in the file list.
    void deleteKeyPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillDrives();
    // The lists follow the chosen drive and folder once the caller is done:
    // the start sets the folder twice (the home folder, then the stored one)
    // and each listing watches every folder above the one shown, which the
    // kernel makes costly for crowded ones.
    void showLater();
    void showNow();
    void onDirActivated();
    int driveOf(const QString& path) const;

    QComboBox* drivebox_;
    QTreeView* dirbox_;
    QListView* filebox_;
    QFileSystemModel* dirModel_;
    QFileSystemModel* fileModel_;
    QStringList drives_;
    QStringList mask_;
    QString folder_;
    int shownDrive_ = -1;
    bool showPending_ = false;
    bool settingFolder_ = false;
    bool revealing_ = false;
    QTimer revealTimer_;
};

}  // namespace files
