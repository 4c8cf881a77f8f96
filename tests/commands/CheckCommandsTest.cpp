// Tools > Check Page in the main window: F6 shows the panel, which lists and
// marks what the checker finds, F4 and Ctrl+Shift+F4 and Enter on a row select
// the problem's text, the panel follows typing, and F6 again clears the marks.
#include <QTreeWidget>

#include "check/PageCheck.h"
#include "commands/CheckPanel.h"
#include "support/MainWindowFixture.h"

namespace {

using Ranges = std::vector<std::pair<markup::Pos, markup::Pos>>;

Ranges rangesOf(const std::vector<check::Problem>& problems)
{
    Ranges ranges;
    for (const check::Problem& p : problems)
        ranges.emplace_back(static_cast<markup::Pos>(p.offset), static_cast<markup::Pos>(p.length));
    ranges.erase(std::unique(ranges.begin(), ranges.end()), ranges.end());  // one squiggle for a place
    return ranges;
}

TEST_F(MainWindowTest, CheckPageListsMarksAndStepsThroughTheProblems)
{
    const QString page =
        writeFile("page.html",
                  "<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>\r\n"
                  "<img src=\"gone.png\" alt=\"\">\r\n<p>x</b> y</p>\r\n<p id=a>1</p> <p id=a>2</p>\r\n"
                  "</body></html>\r\n");
    start({page});
    activate();
    QTest::keyClick(window.get(), Qt::Key_F6);
    auto* panel = window->findChild<commands::CheckPanel*>();
    ASSERT_TRUE(panel);
    const auto expected = check::checkPage(text(), page, {});
    ASSERT_EQ(expected.size(), 3u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->problems() == expected; }));
    EXPECT_EQ(panel->list().topLevelItemCount(), 3);
    EXPECT_EQ(body().problemMarks(), rangesOf(expected));
    EXPECT_TRUE(settings::SettingsStore().read(settings::window::kCheckPanel));

    const auto selected = [&](size_t i) {
        return std::pair(body().selectionStart(), body().selectionLength()) == rangesOf(expected)[i];
    };
    body().setSelection(0, 0);
    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_TRUE(selected(0));
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(selected(2));  // round the start
    panel->list().setCurrentItem(panel->list().topLevelItem(1));
    QTest::keyClick(&panel->list(), Qt::Key_Return);
    EXPECT_TRUE(selected(1));

    // Typing: checked again after the pause, the new problem listed and marked.
    body().setSelection(0, 0);
    type(QStringLiteral("< "));
    const auto typed = check::checkPage(text(), page, {});
    ASSERT_GT(typed.size(), expected.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->problems() == typed; }));
    EXPECT_EQ(body().problemMarks(), rangesOf(panel->problems()));

    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_TRUE(body().problemMarks().empty());
    EXPECT_FALSE(settings::SettingsStore().read(settings::window::kCheckPanel));
}

}  // namespace
