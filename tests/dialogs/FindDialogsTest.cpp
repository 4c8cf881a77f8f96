// The Find, Replace and Go to Line dialogs driven with real key presses, and
// the check of the line number.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/FindDialog.h"
#include "dialogs/GoLineDialog.h"
#include "markup/TextBuffer.h"
#include "support/ScriptedInteraction.h"

using dialogs::GoLineCheck;
using Verdict = dialogs::GoLineCheck::Verdict;

namespace {

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

// A button pressed by its Alt key shows itself pressed for a moment before it
// reports the click.
bool waitForCount(const QSignalSpy& spy, int count)
{
    return QTest::qWaitFor([&] { return spy.count() >= count; }) && spy.count() == count;
}

// Types text as key presses, letters beyond ASCII included.
void type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

TEST(FindDialog, StartsInFindWhatAndRunsFindNextOnReturnAndAltF)
{
    dialogs::FindDialog dlg;
    QSignalSpy findNext(&dlg, &dialogs::FindDialog::findNextClicked);
    showActive(dlg);
    auto* what = dlg.findChild<QLineEdit*>(QStringLiteral("txtFindWhat"));
    ASSERT_EQ(focused(), what);

    QTest::keyClick(what, Qt::Key_Return);  // nothing to search for yet
    EXPECT_EQ(findNext.count(), 0);
    type(what, QStringLiteral("caf\u00e9"));
    EXPECT_EQ(dlg.findText(), QStringLiteral("caf\u00e9"));
    QTest::keyClick(what, Qt::Key_Return);
    EXPECT_EQ(findNext.count(), 1);
    QTest::keyClick(what, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(waitForCount(findNext, 2));
    EXPECT_TRUE(dlg.isVisible());

    QTest::keyClick(what, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.findText(), QStringLiteral("caf\u00e9"));  // kept for the next showing
}

TEST(FindDialog, HoldsAtMost255Characters)
{
    dialogs::FindDialog dlg;
    dlg.setFindText(QString(300, QLatin1Char('x')));
    EXPECT_EQ(dlg.findText().size(), 255);
    showActive(dlg);
    QTest::keyClick(focused(), Qt::Key_End);
    type(focused(), QStringLiteral("yy"));
    EXPECT_EQ(dlg.findText(), QString(255, QLatin1Char('x')));
}

TEST(ReplaceDialog, TabMovesToReplaceWithAndAltKeysPressTheButtons)
{
    dialogs::ReplaceDialog dlg;
    QSignalSpy findNext(&dlg, &dialogs::FindDialog::findNextClicked);
    QSignalSpy replace(&dlg, &dialogs::FindDialog::replaceClicked);
    QSignalSpy replaceAll(&dlg, &dialogs::FindDialog::replaceAllClicked);
    showActive(dlg);
    ASSERT_EQ(focused(), dlg.findChild<QLineEdit*>(QStringLiteral("txtFindWhat")));

    type(focused(), QStringLiteral("a"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), dlg.findChild<QLineEdit*>(QStringLiteral("txtReplaceWith")));
    type(focused(), QStringLiteral("aa"));
    EXPECT_EQ(dlg.findText(), QStringLiteral("a"));
    EXPECT_EQ(dlg.replaceText(), QStringLiteral("aa"));

    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(findNext.count(), 1);
    QTest::keyClick(focused(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(waitForCount(replace, 1));
    QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(waitForCount(replaceAll, 1));
    EXPECT_EQ(findNext.count(), 1);

    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
}

TEST(ReplaceDialog, OffersNoCaseWordOrDirectionChoices)
{
    dialogs::ReplaceDialog dlg;
    QStringList captions;
    for (auto* b : dlg.findChildren<QPushButton*>()) captions << b->text();
    EXPECT_EQ(captions, (QStringList{"&Find Next", "&Replace", "Replace &All", "Cancel"}));
    EXPECT_EQ(dlg.findChildren<QLineEdit*>().size(), 2);
    EXPECT_EQ(dlg.findChildren<QAbstractButton*>().size(), 4);  // no check or radio boxes
}

struct GoLineRow {
    const char* name;
    QString text;
    Verdict verdict;
    int line;
    QString message;
};

class GoLineChecks : public testing::TestWithParam<GoLineRow> {};

TEST_P(GoLineChecks, InATenLineDocument)
{
    const GoLineRow& row = GetParam();
    const GoLineCheck check = dialogs::checkGoLine(row.text, 10);
    EXPECT_EQ(check.verdict, row.verdict);
    EXPECT_EQ(check.line, row.line);
    EXPECT_EQ(check.message, row.message);
}

const QString kOutOfRange = QStringLiteral("Line number out of range.");

INSTANTIATE_TEST_SUITE_P(
    Rows, GoLineChecks,
    testing::Values(GoLineRow{"nine", "9", Verdict::Go, 9, ""},
                    GoLineRow{"zero", "0", Verdict::OutOfRange, 0, kOutOfRange},
                    GoLineRow{"negative", "-3", Verdict::OutOfRange, 0, kOutOfRange},
                    GoLineRow{"decimal", "2.5", Verdict::NotAnInteger, 0, "'2.5' is not a valid integer value"},
                    GoLineRow{"blanks", "  ", Verdict::NotAnInteger, 0, "'  ' is not a valid integer value"},
                    GoLineRow{"too_big", "99999999999", Verdict::NotAnInteger, 0,
                              "'99999999999' is not a valid integer value"}),
    [](const testing::TestParamInfo<GoLineRow>& row) { return std::string(row.param.name); });

std::string tenLines()
{
    std::string text;
    for (int i = 1; i <= 10; ++i) text += "line" + std::to_string(i) + "\r\n";
    return text;
}

class GoLineDialog : public testing::Test {
protected:
    // Types `text` into the field, presses Return and tells whether the dialog closed.
    bool goTo(const QString& text)
    {
        type(focused(), text);
        QTest::keyClick(focused(), Qt::Key_Return);
        return !dlg.isVisible();
    }

    markup::TextBuffer body{tenLines()};
    testing_support::ScriptedInteraction ui;
    dialogs::TfrmGoLine dlg{body};
};

TEST_F(GoLineDialog, GoPutsTheCaretAtTheEndOfTheLine)
{
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Go to Line"));
    showActive(dlg);
    ASSERT_EQ(focused(), dlg.findChild<QLineEdit*>(QStringLiteral("txtGoLine")));
    EXPECT_TRUE(goTo(QStringLiteral("5")));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(body.selectionStart(), 5 * 7 - 2);  // after "line5"
    EXPECT_EQ(body.selectionLength(), 0);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(GoLineDialog, RefusedNumbersKeepItOpenUntilOneFits)
{
    showActive(dlg);
    EXPECT_FALSE(goTo(QStringLiteral("")));
    EXPECT_FALSE(goTo(QStringLiteral("x1")));
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(goTo(QStringLiteral("10")));
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(goTo(QStringLiteral("9")));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Error);
    EXPECT_EQ(ui.shown[0].text, QStringLiteral("'x1' is not a valid integer value"));
    EXPECT_EQ(ui.shown[1].kind, interaction::MessageKind::Information);
    EXPECT_EQ(ui.shown[1].text, kOutOfRange);
    EXPECT_EQ(body.textRange(body.selectionStart() - 5, 5), "line9");
}

TEST_F(GoLineDialog, EscapeClosesWithoutMovingTheCaret)
{
    body.setSelection(3, 0);
    showActive(dlg);
    type(focused(), QStringLiteral("5"));
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(body.selectionStart(), 3);
}

}  // namespace
