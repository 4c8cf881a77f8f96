// "Modify Tag List" (TfrmModTags): the tag list file in a plain text field,
// one entry per line, with its line count; "&Save" replaces the file,
// "&Cancel" leaves it alone.
#pragma once

#include <QDialog>
#include <QStringList>

#include "storage/DocumentFile.h"

class QLabel;

namespace dialogs {

class MultiLineField;

class TfrmModTags : public QDialog {
    Q_OBJECT
public:
    // Shows the file at `path`; when it cannot be read, `shown` (what the
    // list window shows).
    TfrmModTags(const QString& path, const QStringList& shown, QWidget* parent = nullptr);

    MultiLineField* memoTags() const { return memoTags_; }
    QLabel* Label1() const { return Label1_; }

    // After "&Save": the entries saved, and whether the file took them (a
    // failure has been reported; the list then keeps them in memory).
    bool saved() const { return saved_; }
    bool written() const { return written_; }
    QStringList entries() const { return entries_; }

private:
    void btnSaveClick();

    QString path_;
    storage::DocumentFormat format_;
    MultiLineField* memoTags_;
    QLabel* Label1_;
    bool saved_ = false;
    bool written_ = false;
    QStringList entries_;
};

}  // namespace dialogs
