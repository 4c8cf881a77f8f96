// The Find and Go to Line dialogs driven with real key presses, and the check
// of the line number. The commands behind them: tests/app/FindCommandsTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/FindDialog.h"
#include "dialogs/GoLineDialog.h"
#include "markup/TextBuffer.h"
#include "support/ScriptedInteraction.h"

namespace {

using Verdict = dialogs::GoLineCheck::Verdict;

// Shows a dialog and waits until it has the keyboard.
void showActive(QWidget& w)
{
    if (auto* dialog = qobject_cast<dialogs::FindDialog*>(&w))
        dialog->present();
    else
        w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

TEST(FindDialog, ReturnAndAltFRunFindNextOnlyWithATextAndEscKeepsIt)
{
    dialogs::FindDialog dlg;
    QSignalSpy findNext(&dlg, &dialogs::FindDialog::findNextClicked);
    showActive(dlg);
    QTest::keyClick(focused(), Qt::Key_Return);  // nothing to search for yet
    EXPECT_EQ(findNext.count(), 0);
    QTest::keyClicks(focused(), QStringLiteral("cafe"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(findNext.count(), 1);
    // A button pressed by its Alt key shows itself pressed for a moment first.
    QTest::keyClick(focused(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return findNext.count() == 2; }));
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.findText(), QStringLiteral("cafe"));  // kept for the next showing
}

TEST(FindDialog, HoldsAtMost255Characters)
{
    dialogs::FindDialog dlg;
    dlg.setFindText(QString(300, QLatin1Char('x')));
    EXPECT_EQ(dlg.findText().size(), 255);
    showActive(dlg);
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClicks(focused(), QStringLiteral("yy"));
    EXPECT_EQ(dlg.findText(), QString(255, QLatin1Char('x')));
}

TEST(GoLineCheck, InATenLineDocument)
{
    const QString outOfRange = QStringLiteral("Line number out of range.");
    const std::tuple<QString, Verdict, int, QString> rows[] = {
        {"9", Verdict::Go, 9, ""},
        {"0", Verdict::OutOfRange, 0, outOfRange},
        {"-3", Verdict::OutOfRange, 0, outOfRange},
        {"2.5", Verdict::NotAnInteger, 0, "'2.5' is not a valid integer value"},
        {"  ", Verdict::NotAnInteger, 0, "'  ' is not a valid integer value"},
        {"99999999999", Verdict::NotAnInteger, 0, "'99999999999' is not a valid integer value"}};
    for (const auto& [text, verdict, line, message] : rows) {
        const dialogs::GoLineCheck check = dialogs::checkGoLine(text, 10);
        EXPECT_EQ(std::tuple(check.verdict, check.line, check.message), std::tuple(verdict, line, message))
            << text.toStdString();
    }
}

std::string tenLines()
{
    std::string text;
    for (int i = 1; i <= 10; ++i) text += "line" + std::to_string(i) + "\r\n";
    return text;
}

class GoLineDialog : public testing::Test {
protected:
    GoLineDialog() { body.setSelection(3, 0); }
    // Types `text` into the field, presses Return and tells whether the dialog closed.
    bool goTo(const QString& text)
    {
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), text);
        QTest::keyClick(focused(), Qt::Key_Return);
        return !dlg.isVisible();
    }

    markup::TextBuffer body{tenLines()};
    testing_support::ScriptedInteraction ui;
    dialogs::TfrmGoLine dlg{body};
};

TEST_F(GoLineDialog, RefusedNumbersKeepItOpenUntilOneFits)
{
    showActive(dlg);
    EXPECT_FALSE(goTo(QStringLiteral("")));
    EXPECT_FALSE(goTo(QStringLiteral("x1")));
    EXPECT_FALSE(goTo(QStringLiteral("10")));
    EXPECT_EQ(body.selectionStart(), 3);
    EXPECT_TRUE(goTo(QStringLiteral("9")));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Error);
    EXPECT_EQ(ui.shown[0].text, QStringLiteral("'x1' is not a valid integer value"));
    EXPECT_EQ(ui.shown[1].kind, interaction::MessageKind::Information);
    EXPECT_EQ(ui.shown[1].text, QStringLiteral("Line number out of range."));
    EXPECT_EQ(body.textRange(body.selectionStart() - 5, 7), "line9\r\n");
}

TEST_F(GoLineDialog, EscapeClosesWithoutMovingTheCaret)
{
    showActive(dlg);
    QTest::keyClicks(focused(), QStringLiteral("5"));
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(body.selectionStart(), 3);
}

}  // namespace
