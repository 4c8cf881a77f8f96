// The settings store: names without regard to case, values as strings, the
// defaults of every reader, damaged files, several writers at once, and files
// that cannot be written or are no files at all.

#include <QSettings>
#include <cerrno>

#include "settings/Options.h"
#include "settings/SettingsStore.h"

using settings::SettingsStore;

namespace {

QByteArray readFile(const QString& path)
{
    return QByteArray::fromStdString(faults::readBytes(path));
}

TEST(SettingsStore, ValuesAreStringsReadUnderAnyCase)
{
    EXPECT_EQ(SettingsStore().fileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Corvantis/Quillon.conf");
    const QString text = "<table>\r\n<tr><td>a, b; c = \"d\" @x %20</td></tr>\r\n</table>\r\n";
    {
        SettingsStore s;
        s.WriteBool("window", "maxed", true);
        s.WriteInteger("Fonts", "size", -12);
        s.WriteString("quick", "Table", text);
    }
    QSettings raw(SettingsStore::pathOf("Quillon"), QSettings::IniFormat);
    EXPECT_EQ(std::pair(raw.value("window/maxed").toString(), raw.value("fonts/size").toString()),
              std::pair(QStringLiteral("1"), QStringLiteral("-12")));
    SettingsStore s;
    EXPECT_EQ(s.ReadInteger("fonts", "SIZE", 10), -12);
    EXPECT_EQ(s.ReadString("QUICK", "table", ""), text);
}

// Numbers parse decimal and hex; flags are numbers not zero; other texts give
// the reader's default.
TEST(SettingsStore, ValuesThatDoNotParseGiveTheDefault)
{
    SettingsStore s;
    const std::pair<const char*, int> numbers[] = {{"42", 42}, {"0X1f", 31}, {"0x", 7},          {"abc", 7},
                                                   {"", 7},    {"12abc", 7}, {"99999999999", 7}, {"0x-1", 7}};
    for (const auto& [stored, expected] : numbers) {
        s.WriteString("t", "v", stored);
        EXPECT_EQ(s.ReadInteger("t", "v", 7), expected) << stored;
    }
    const std::tuple<const char*, bool, bool> flags[] = {{"0x1", false, true}, {"yes", true, true}, {"0", true, false}};
    for (auto [stored, fallback, expected] : flags) {
        s.WriteString("t", "v", stored);
        EXPECT_EQ(s.ReadBool("t", "v", fallback), expected) << stored << " " << fallback;
    }
}

TEST(SettingsStore, AWriteChangesOnlyItsOwnPart)
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

TEST(SettingsStore, ADamagedFileIsKeptBeforeTheFirstWrite)
{
    const QString path = SettingsStore::pathOf("Quillon");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary.append(static_cast<char>((i * 37) & 0xFF));
    const QByteArray damaged[] = {QByteArray::fromRawData(kGarbage, sizeof kGarbage - 1), binary,
                                  QByteArray("[user]\nname=A\0nn\n", 17)};
    for (const QByteArray& content : damaged) {
        QDir().mkpath(SettingsStore::folder());
        faults::writeBytes(path, content.toStdString());
        QFile::remove(path + ".damaged");
        SettingsStore s;
        EXPECT_EQ(s.ReadInteger("window", "width", 639), 639);
        EXPECT_TRUE(settings::LoadOptions(s).KeepSelected);
        s.WriteInteger("window", "top", 5);
        s.close();
        EXPECT_EQ(SettingsStore().ReadInteger("window", "top", 1), 5);
        EXPECT_EQ(readFile(path + ".damaged"), content) << content.toStdString();
    }
}

// What this program writes, line breaks and brackets included, is no damage.
TEST(SettingsStore, ItsOwnFileIsNotKeptAsDamaged)
{
    const QString path = SettingsStore::pathOf("Quillon");
    SettingsStore().WriteString("user", "address", "a\r\nb; [c] = d");
    EXPECT_TRUE(settings::looksLikeSettingsFile(readFile(path)));
    SettingsStore().WriteString("user", "name", "x");
    EXPECT_FALSE(QFile::exists(path + ".damaged"));
}

TEST(SettingsStore, WritersInOtherProcessesLoseNothing)
{
    // Three editor instances writing at once: every value of each arrives.
    const QStringList writers = {"a", "b", "c"};
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QString& ident : writers) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(QUILLON_SETTINGS_WRITER), {ident});
        processes.push_back(std::move(p));
    }
    for (auto& p : processes) ASSERT_TRUE(p->waitForFinished(30000) && p->exitCode() == 0);
    SettingsStore s;
    for (const QString& ident : writers)
        for (int i = 0; i < 20; ++i) EXPECT_EQ(s.ReadString("user", ident + QString::number(i), ""), ident);
}

// A read-only folder (where a link planted under the old probe's name leads to
// a file of the user's) and a folder in the place of the file.
TEST(SettingsStore, AFileThatCannotBeWrittenIsReportedOnce)
{
    testing_support::ScriptedInteraction ui;
    const QString folder = SettingsStore::folder();
    QDir().mkpath(folder);
    const QString victim = QDir::currentPath() + "/victim.html";
    faults::writeBytes(victim, "precious");
    ASSERT_TRUE(QFile::link(victim, folder + "/.quillon-write-test"));
    QDir().mkpath(SettingsStore::pathOf("Folder"));
    const QStringList before = faults::entries(folder);
    const std::pair<const char*, int> cases[] = {{"Quillon", EACCES}, {"Folder", EISDIR}};
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    {
        faults::ObeyFilePermissions asUser;
        for (const auto& [name, error] : cases)
            for (int i = 0; i < 3; ++i) {
                SettingsStore s(name);
                s.WriteBool("window", "toolbar", false);
                EXPECT_FALSE(s.ReadBool("window", "toolbar", true)) << "the value holds for this run";
            }
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(ui.shown.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ui.shown[i].kind, interaction::MessageKind::Error);
        EXPECT_EQ(ui.shown[i].text, "Cannot save \"" + SettingsStore::pathOf(cases[i].first) + "\".\n" +
                                        qt_error_string(cases[i].second) + "\nChanged settings will not be kept.");
    }
    EXPECT_TRUE(faults::readBytes(victim) == "precious") << "written through a link planted in the folder";
    EXPECT_EQ(faults::entries(folder), before);
}

}  // namespace
