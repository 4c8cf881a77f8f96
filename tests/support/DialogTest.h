// A dialog of type D shown and active, driven with real keys where the focus
// is, its controls found by name.
#pragma once

namespace testing_support {

template <typename D = QDialog>
class DialogTest : public testing::Test {
protected:
    // Shows `made` (by default a new D) and waits until it has the keyboard.
    void open(std::unique_ptr<D> made = std::make_unique<D>())
    {
        dialog = std::move(made);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <typename W = QWidget>
    W* child(const char* name) const
    {
        W* w = dialog->template findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : dialog.get(), key, modifiers);
    }
    // The name of the control with the focus.
    static std::string focus()
    {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->objectName().toStdString() : "none";
    }

    std::unique_ptr<D> dialog;
};

}  // namespace testing_support
