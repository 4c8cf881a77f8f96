// The production interaction: after a modal dialog the window that was active
// is active again, so that its shortcuts work without a click. Where windows go
// on the screens there are.

#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"

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

// The rule every restored or centred window follows: on the area it overlaps
// most (else the nearest), moved first, shrunk only where it cannot fit.
TEST(KeepOnScreens, MovesAWindowBeforeShrinkingIt)
{
    const QRect small(0, 0, 1024, 768), panelled(0, 32, 1024, 736), right(1024, 0, 1280, 1024),
        twin(1024, 0, 1024, 768);
    const struct {
        QRect frame;
        QList<QRect> areas;
        QRect kept;
    } rows[] = {
        {{100, 100, 400, 300}, {small}, {100, 100, 400, 300}},            // fits: unchanged
        {{200, 100, 1120, 860}, {small}, {0, 0, 1024, 768}},              // larger than the screen
        {{800, 600, 400, 300}, {small}, {624, 468, 400, 300}},            // over the edges: moved back
        {{-50, -20, 400, 300}, {small}, {0, 0, 400, 300}},                // left of and above it
        {{10, 0, 300, 200}, {panelled}, {10, 32, 300, 200}},              // under a panel
        {{1500, 200, 400, 300}, {small}, {624, 200, 400, 300}},           // on a screen no longer there
        {{900, 100, 400, 300}, {small, right}, {1024, 100, 400, 300}},    // mostly on the second
        {{900, 100, 200, 300}, {small, right}, {824, 100, 200, 300}},     // mostly on the first
        {{2500, 1100, 400, 300}, {small, right}, {1904, 724, 400, 300}},  // nearest the second
        {{-900, 900, 400, 300}, {small, right}, {0, 468, 400, 300}},      // nearest the first
        {{0, 0, 2048, 768}, {small, twin}, {0, 0, 1024, 768}},            // the primary when both hold as much
        {{40, 50, 300, 200}, {}, {40, 50, 300, 200}},                     // no screen: as wanted
    };
    for (const auto& row : rows)
        EXPECT_EQ(interaction::keepOnScreens(row.frame, row.areas), row.kept) << row.frame.x() << "," << row.frame.y();
}

}  // namespace
