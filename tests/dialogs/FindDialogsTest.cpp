// The check of the line number. The dialogs driven with keys through their
// commands: tests/app/FindCommandsTest.

#include "dialogs/TfrmGoLine.h"

namespace {

using Verdict = dialogs::GoLineCheck::Verdict;

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

}  // namespace
