// "Custom Tag List" (TfrmTags): a small floating tool window beside the main
// window listing the entries of `taglist.htx`. A double click (or Enter) on an
// entry hands it to the main window for insertion; the list's context menu
// edits the file (TfrmModTags), saves the window's place and switches its
// always-on-top state. The View menu opens and closes it; a close by the
// window system stores its place. Its title bar asks for no button but Close:
// an X11 window manager shows every button of a window that names none.
#pragma once

#include <QStringList>
#include <QWidget>

#include "interaction/WindowPlace.h"

class QAction;
class QListWidget;
class QMenu;

namespace dialogs {

class TfrmTags : public QWidget {
    Q_OBJECT
public:
    // Placed from the settings `tagwindow` (kept on the screen); by default
    // at the right edge of the screen, level with `mainWindow` and as tall as it. Reads the list
    // file, creating it with the default entries when it is missing.
    explicit TfrmTags(QWidget* mainWindow);

    QListWidget* taglist() const { return taglist_; }
    QMenu* pMenuTags() const { return pMenuTags_; }
    QStringList entries() const;
    bool staysOnTop() const;
    // The list file, as this window found it.
    QString path() const { return path_; }

    void ModifyTagList1Click();
    void SaveWindowPosition1Click();
    void mnuTopClick();

signals:
    // An entry was double-clicked: the main window inserts it.
    void entryChosen(const QString& entry);
    // The window system closed the window (its place has been stored).
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setEntries(const QStringList& entries);
    void reload();
    void setStaysOnTop(bool on);
    void storePlace(const QRect& place);

    QString path_;
    QListWidget* taglist_;
    QMenu* pMenuTags_;
    QAction* mnuTop_;
    interaction::RestoredPlace place_;
};

}  // namespace dialogs
