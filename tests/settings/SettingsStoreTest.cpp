// The settings store: names without regard to case, values as strings, the
// defaults of every reader, damaged files and several writers at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <cerrno>
#include <memory>

#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "support/FileFaults.h"
#include "support/ScriptedInteraction.h"

using settings::SettingsStore;

namespace {

QByteArray readFile(const QString& path)
{
    return QByteArray::fromStdString(faults::readBytes(path));
}

TEST(SettingsStore, ValuesAreStoredAsStringsUnderXdgConfigHomeAndReadUnderAnyCase)
{
    EXPECT_EQ(SettingsStore().fileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Corvantis/Quillon.conf");
    const QString text = "<table>\r\n<tr><td>a, b; c = \"d\" @x %20</td></tr>\r\n</table>\r\n";
    {
        SettingsStore s;
        s.WriteBool("window", "maxed", true);
        s.WriteBool("window", "toolbar", false);
        s.WriteInteger("Fonts", "size", -12);
        s.WriteString("quick", "Table", text);
        s.WriteString("MRU List", "1", "/home/a b/x.html");
    }
    QSettings raw(SettingsStore::pathOf("Quillon"), QSettings::IniFormat);
    EXPECT_EQ(raw.value("window/maxed").toString(), "1");
    EXPECT_EQ(raw.value("window/toolbar").toString(), "0");
    EXPECT_EQ(raw.value("fonts/size").toString(), "-12");
    SettingsStore s;
    EXPECT_EQ(s.ReadInteger("fonts", "SIZE", 10), -12);
    EXPECT_EQ(s.ReadString("QUICK", "table", ""), text);
    EXPECT_EQ(s.ReadString("mru list", "1", ""), "/home/a b/x.html");
    EXPECT_EQ(s.ReadInteger("fonts", "lastsize", 3), 3);
    // Numbers parse decimal and hex; flags are numbers not zero; other texts give the default.
    const std::pair<const char*, int> numbers[] = {{"42", 42},         {"-1", -1},  {"0x1", 1}, {"0X1f", 31},
                                                   {"0x", 7},          {"abc", 7},  {"", 7},    {"12abc", 7},
                                                   {"99999999999", 7}, {"0xzz", 7}, {"0x-1", 7}};
    for (const auto& [stored, expected] : numbers) {
        s.WriteString("t", "v", stored);
        EXPECT_EQ(s.ReadInteger("t", "v", 7), expected) << stored;
    }
    const std::tuple<const char*, bool, bool> flags[] = {
        {"0x1", false, true}, {"yes", true, true}, {"yes", false, false}, {"0", true, false}, {"2", false, true}};
    for (auto [stored, fallback, expected] : flags) {
        s.WriteString("t", "v", stored);
        EXPECT_EQ(s.ReadBool("t", "v", fallback), expected) << stored << " " << fallback;
    }
}

TEST(SettingsStore, ReadingWritesNothingAndAWriteOrErasureChangesOnlyItsOwnPart)
{
    {
        SettingsStore s;
        EXPECT_EQ(s.ReadString("user", "name", "x"), "x");
        settings::LoadOptions(s);
    }
    EXPECT_FALSE(QFile::exists(SettingsStore::pathOf("Quillon")));
    {
        SettingsStore s;
        s.WriteBool("window", "toolbar", true);
        s.WriteString("custom", "start1", "<x>");
        s.WriteString("user", "name", "n");
        s.EraseSection("Custom");
    }
    QSettings raw(SettingsStore::pathOf("Quillon"), QSettings::IniFormat);
    EXPECT_EQ(raw.allKeys(), QStringList({"user/name", "window/toolbar"}));
}

// Garbage, binary bytes with NUL, a file cut off in the middle of a line: the
// reader falls back to the defaults and never stops, and the file is kept as
// `.damaged` before the first write replaces it.
constexpr char kGarbage[] = "[user]\nname=Ann\n[broken\n\x01\x02\xff\xfe\x00zz=\n[window\nwidth=notanumber";

TEST(SettingsStore, DamagedFilesAreReadAsFarAsTheyGoAndKeptBeforeTheFirstWrite)
{
    const QString path = SettingsStore::pathOf("Quillon");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary.append(static_cast<char>((i * 37) & 0xFF));
    const QByteArray damaged[] = {QByteArray::fromRawData(kGarbage, sizeof kGarbage - 1), binary,
                                  QByteArray("[user]\nname=A\0nn\n", 17), QByteArray("[user]\ncase=0x"),
                                  QByteArray("[user]\nname=Ann\nsyntaxclr=bl")};
    for (const QByteArray& content : damaged) {
        QDir().mkpath(SettingsStore::folder());
        faults::writeBytes(path, content.toStdString());
        QFile::remove(path + ".damaged");
        SettingsStore s;
        EXPECT_EQ(s.ReadInteger("window", "width", 639), 639);
        EXPECT_TRUE(settings::LoadOptions(s).keepSelected);
        s.WriteInteger("window", "top", 5);
        s.close();
        EXPECT_EQ(SettingsStore().ReadInteger("window", "top", 1), 5);
        EXPECT_EQ(readFile(path + ".damaged"), content) << content.toStdString();
    }
    // What this program writes is not damage.
    QFile::remove(path + ".damaged");
    SettingsStore().WriteString("user", "address", "a\r\nb; [c] = d");
    EXPECT_TRUE(settings::looksLikeSettingsFile(readFile(path)));
    SettingsStore().WriteString("user", "name", "x");
    EXPECT_FALSE(QFile::exists(path + ".damaged"));
}

// Run in a process of its own by the test below: writes one value.
TEST(SettingsWriterProcess, WritesOneValue)
{
    const QString ident = qEnvironmentVariable("QUILLON_TEST_WRITE");
    if (ident.isEmpty()) GTEST_SKIP() << "started by WritersInOtherProcessesLoseNothing";
    qputenv("XDG_CONFIG_HOME", qgetenv("QUILLON_TEST_CONFIG"));
    SettingsStore s;
    for (int i = 0; i < 20; ++i) s.WriteString("user", ident + QString::number(i), ident);
}

TEST(SettingsStore, WritersInOtherProcessesLoseNothing)
{
    // Three editor instances writing at once: every value of each arrives.
    const QStringList writers = {"a", "b", "c"};
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QString& ident : writers) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUILLON_TEST_WRITE", ident);
        env.insert("QUILLON_TEST_CONFIG", qEnvironmentVariable("XDG_CONFIG_HOME"));
        p->setProcessEnvironment(env);
        p->start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SettingsWriterProcess.*"});
        processes.push_back(std::move(p));
    }
    for (auto& p : processes) ASSERT_TRUE(p->waitForFinished(30000) && p->exitCode() == 0);
    SettingsStore s;
    for (const QString& ident : writers)
        for (int i = 0; i < 20; ++i) EXPECT_EQ(s.ReadString("user", ident + QString::number(i), ""), ident);
}

TEST(SettingsStore, AFolderThatCannotBeWrittenIsReportedOnceAndNothingStops)
{
    testing_support::ScriptedInteraction ui;
    const QString folder = SettingsStore::folder();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    {
        faults::ObeyFilePermissions asUser;
        for (int i = 0; i < 3; ++i) {
            SettingsStore s;
            s.WriteBool("window", "toolbar", false);
            EXPECT_FALSE(s.ReadBool("window", "toolbar", true)) << "the value holds for this run";
        }
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Error);
    EXPECT_EQ(ui.shown[0].text, "Cannot save \"" + SettingsStore::pathOf("Quillon") + "\".\n" +
                                    qt_error_string(EACCES) + "\nChanged settings will not be kept.");
}

}  // namespace
