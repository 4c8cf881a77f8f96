// The production interaction: after a modal dialog the window that was active
// is active again, so that its shortcuts work without a click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "interaction/Interaction.h"

namespace {

TEST(WidgetInteraction, GivesTheActivationBackAfterAModalDialog)
{
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QDialog dialog(&window);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
    interaction::WidgetInteraction ui;
    EXPECT_EQ(ui.runModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
}

}  // namespace
