// The words of the command line that name the file (the answers to --help and
// --version are checked on the installed program by tests/install).
#include <gtest/gtest.h>

#include "app/Application.h"

TEST(CommandLine, ALeadingDoubleDashOnlyEndsTheOptions)
{
    const std::pair<QStringList, QStringList> rows[] = {{{"--", "--help"}, {"--help"}},
                                                        {{"--", "my", "page.html"}, {"my", "page.html"}},
                                                        {{"a", "--", "b"}, {"a", "--", "b"}},
                                                        {{}, {}}};
    for (const auto& [words, file] : rows) EXPECT_EQ(app::fileWords(words), file) << words.join('|').toStdString();
}
