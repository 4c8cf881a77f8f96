// Documents on disk: byte-exact load and save through the editing control,
// saves that fail (full disk, size limit, permissions, immutable file, folder,
// missing folder, unencodable character) leaving the old file whole and no
// temporary file, loads that fail leaving the document alone, symbolic links
// and unusual file names.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "app/BodyEditor.h"
#include "storage/DocumentFile.h"
#include "support/FileFaults.h"

namespace {

using faults::entries;
using faults::readBytes;
using faults::writeBytes;
using storage::DocumentFormat;
using storage::Encoding;
using storage::LineBreaks;
using namespace std::string_literals;

class DocumentFileDisk : public testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

// ---------------------------------------------------------------- round trips

struct FileRow {
    const char* name;
    std::string bytes;
};

class DocumentFileDiskRoundTrip : public DocumentFileDisk, public testing::WithParamInterface<FileRow> {};

TEST_P(DocumentFileDiskRoundTrip, OpenShowAndSaveUneditedIsByteIdentical)
{
    const QString file = path(QStringLiteral("page.html"));
    writeBytes(file, GetParam().bytes);
    storage::LoadedDocument doc;
    QString error;
    ASSERT_TRUE(storage::loadDocumentFile(file, &doc, &error)) << error.toStdString();

    app::BodyEditor body;
    body.loadText(doc.text);
    ASSERT_TRUE(storage::saveDocumentFile(file, body.text(), doc.format, &error)) << error.toStdString();
    EXPECT_EQ(readBytes(file), GetParam().bytes);
    EXPECT_EQ(entries(dir_.path()), QStringList{QStringLiteral("page.html")});
}

std::string everyByte()
{
    std::string all;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    return all;
}

INSTANTIATE_TEST_SUITE_P(Files, DocumentFileDiskRoundTrip,
                         testing::Values(FileRow{"utf8_crlf", "<p>caf\xC3\xA9</p>\r\n<p>\xE2\x82\xAC</p>\r\n"},
                                         FileRow{"utf8_lf", "<p>caf\xC3\xA9</p>\n<p>x</p>\n"},
                                         FileRow{"mixed_breaks", "a\r\nb\nc\rd"}, FileRow{"lone_cr", "a\rb\rc"},
                                         FileRow{"cp1252_with_undefined_bytes", "caf\xE9 \x80\x81\x8D\x8F\x90\x9D\n"},
                                         FileRow{"nul_bytes", "a\0b\r\n\0"s},
                                         FileRow{"invalid_utf8", "\xC3\x28\xE2\x82 \xF5\xFF\n"},
                                         FileRow{"binary_every_byte", everyByte()}, FileRow{"empty", ""}),
                         [](const testing::TestParamInfo<FileRow>& p) { return std::string(p.param.name); });

TEST_F(DocumentFileDisk, LargeFileOpensAndSavesIntact)
{
    // 100 MB of lines through the control, as a user would open and save it.
    std::string bytes;
    const std::string line = "<tr><td class=\"n\">12345</td><td>caf\xC3\xA9 au lait</td></tr>\n";
    bytes.reserve((100u << 20) + line.size());
    while (bytes.size() < (100u << 20)) bytes += line;
    const QString file = path(QStringLiteral("big.html"));
    writeBytes(file, bytes);

    storage::LoadedDocument doc;
    QString error;
    ASSERT_TRUE(storage::loadDocumentFile(file, &doc, &error)) << error.toStdString();
    EXPECT_EQ(doc.format, (DocumentFormat{Encoding::Utf8, LineBreaks::Lf}));
    {
        app::BodyEditor body;
        body.loadText(doc.text);
        doc.text = {};
        ASSERT_TRUE(storage::saveDocumentFile(file, body.text(), doc.format, &error)) << error.toStdString();
    }
    EXPECT_TRUE(readBytes(file) == bytes);
}

// ---------------------------------------------------------------- failed saves

// What every failed save must leave: the old file byte for byte, nothing else
// in its folder, and the system's reason.
void expectUntouched(const QTemporaryDir& dir, const QString& file, const std::string& old, const QString& error,
                     const QString& reason)
{
    const std::string now = readBytes(file);
    EXPECT_TRUE(now == old) << "the old file changed: " << now.size() << " bytes instead of " << old.size();
    EXPECT_EQ(entries(dir.path()), QStringList{QFileInfo(file).fileName()});
    EXPECT_TRUE(error.contains(reason)) << error.toStdString() << " lacks " << reason.toStdString();
}

std::string bigText()
{
    return std::string(256 * 1024, 'x') + "\r\n";
}

TEST_F(DocumentFileDisk, SaveOntoFullFilesystemKeepsOldFile)
{
    const QString mountPoint = path(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    faults::SmallTmpfs tmpfs(mountPoint, 64);
    if (!tmpfs.mounted()) GTEST_SKIP() << "mounting a tmpfs is not allowed here";
    QTemporaryDir inside(mountPoint + QStringLiteral("/d-XXXXXX"));
    const QString file = inside.filePath(QStringLiteral("page.html"));
    const std::string old(20000, 'o');
    writeBytes(file, old);

    QString error;
    EXPECT_FALSE(storage::saveDocumentFile(file, bigText(), {}, &error));
    expectUntouched(inside, file, old, error, qt_error_string(ENOSPC));
}

// Conditions a save into an existing file must survive, each with its reason.
enum class Obstacle { SizeLimit, ReadOnlyFile, ReadOnlyFolder, Immutable };
struct SaveFailureRow {
    const char* name;
    Obstacle obstacle;
    int errnum;
};

class DocumentFileDiskSaveFailure : public DocumentFileDisk, public testing::WithParamInterface<SaveFailureRow> {};

TEST_P(DocumentFileDiskSaveFailure, KeepsTheOldFile)
{
    const QString file = path(QStringLiteral("page.html"));
    const QByteArray native = QFile::encodeName(file), folder = QFile::encodeName(dir_.path());
    const std::string old(20000, 'o');
    writeBytes(file, old);
    const Obstacle obstacle = GetParam().obstacle;
    if (obstacle == Obstacle::ReadOnlyFile) {
        ASSERT_EQ(::chmod(native.constData(), 0444), 0);
    }
    if (obstacle == Obstacle::ReadOnlyFolder) {
        ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    }
    if (obstacle == Obstacle::Immutable && !faults::setImmutable(file, true))
        GTEST_SKIP() << "the immutable attribute cannot be set here";
    QString error;
    bool saved = true;
    {
        faults::ObeyFilePermissions asUser;
        std::optional<faults::FileSizeLimit> limit;
        if (obstacle == Obstacle::SizeLimit && !limit.emplace(64 * 1024).active())
            GTEST_SKIP() << "cannot limit the file size";
        saved = storage::saveDocumentFile(file, bigText(), {}, &error);
    }
    ::chmod(folder.constData(), 0700);
    if (obstacle == Obstacle::Immutable) faults::setImmutable(file, false);
    EXPECT_FALSE(saved);
    expectUntouched(dir_, file, old, error, qt_error_string(GetParam().errnum));
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentFileDiskSaveFailure,
                         testing::Values(SaveFailureRow{"file_size_limit", Obstacle::SizeLimit, EFBIG},
                                         SaveFailureRow{"read_only_file", Obstacle::ReadOnlyFile, EACCES},
                                         SaveFailureRow{"read_only_folder", Obstacle::ReadOnlyFolder, EACCES},
                                         SaveFailureRow{"immutable_file", Obstacle::Immutable, EPERM}),
                         [](const testing::TestParamInfo<SaveFailureRow>& p) { return std::string(p.param.name); });

TEST_F(DocumentFileDisk, SaveOntoFolderOrIntoMissingFolderIsRefused)
{
    const QString folder = path(QStringLiteral("page.html"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (auto [name, errnum] : {std::pair("page.html", EISDIR), {"missing/page.html", ENOENT}}) {
        QString error;
        EXPECT_FALSE(storage::saveDocumentFile(path(QString::fromLatin1(name)), "new", {}, &error));
        EXPECT_TRUE(error.contains(qt_error_string(errnum))) << error.toStdString();
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(entries(folder), QStringList{});
    EXPECT_EQ(entries(dir_.path()), QStringList{QStringLiteral("page.html")});
}

TEST_F(DocumentFileDisk, UnencodableCharacterInWindows1252FileIsRefusedWithItsLine)
{
    const QString file = path(QStringLiteral("page.html"));
    writeBytes(file, "caf\xE9\r\n");
    QString error;
    EXPECT_FALSE(storage::saveDocumentFile(file, "caf\xC3\xA9\r\n\xE4\xB8\xAD",
                                           {Encoding::Windows1252, LineBreaks::CrLf}, &error));
    expectUntouched(dir_, file, "caf\xE9\r\n", error, QStringLiteral("U+4E2D) on line 2"));
    EXPECT_TRUE(error.contains(QStringLiteral("&#20013;"))) << error.toStdString();
}

TEST_F(DocumentFileDisk, SaveKeepsModeAndOwner)
{
    const QString file = path(QStringLiteral("page.html"));
    writeBytes(file, "old");
    const QByteArray native = QFile::encodeName(file);
    ASSERT_EQ(::chmod(native.constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(native.constData(), 65534, 65534), 0);
    }
    QString error;
    ASSERT_TRUE(storage::saveDocumentFile(file, "new", {}, &error)) << error.toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
    }
    EXPECT_EQ(readBytes(file), "new");
}

// ---------------------------------------------------------------- failed loads

struct LoadFailureRow {
    const char* name;
    void (*prepare)(const QString& file);
    int errnum;  // 0: a message of our own
};

class DocumentFileDiskLoadFailure : public DocumentFileDisk, public testing::WithParamInterface<LoadFailureRow> {};

TEST_P(DocumentFileDiskLoadFailure, ShowsTheReasonAndLeavesTheDocument)
{
    const QString file = path(QStringLiteral("page.html"));
    GetParam().prepare(file);
    storage::LoadedDocument doc{"kept", {Encoding::Windows1252, LineBreaks::Lf}};
    QString error;
    bool loaded = true;
    {
        faults::ObeyFilePermissions asUser;
        loaded = storage::loadDocumentFile(file, &doc, &error);
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(doc.text, "kept");
    EXPECT_EQ(doc.format, (DocumentFormat{Encoding::Windows1252, LineBreaks::Lf}));
    if (GetParam().errnum) {
        EXPECT_TRUE(error.contains(qt_error_string(GetParam().errnum))) << error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentFileDiskLoadFailure,
    testing::Values(LoadFailureRow{"missing", [](const QString&) {}, ENOENT},
                    LoadFailureRow{"folder", [](const QString& f) { QDir().mkpath(f); }, EISDIR},
                    LoadFailureRow{"unreadable",
                                   [](const QString& f) {
                                       writeBytes(f, "secret");
                                       ::chmod(QFile::encodeName(f).constData(), 0200);
                                   },
                                   EACCES},
                    // Opening a pipe would wait for a writer forever.
                    LoadFailureRow{"pipe", [](const QString& f) { ::mkfifo(QFile::encodeName(f).constData(), 0600); },
                                   0}),
    [](const testing::TestParamInfo<LoadFailureRow>& p) { return std::string(p.param.name); });

// ---------------------------------------------------------------- links and names

TEST_F(DocumentFileDisk, SaveThroughSymbolicLinkWritesTheTargetAndKeepsTheLink)
{
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("real"))));
    const QString target = path(QStringLiteral("real/page.html"));
    const QString link = path(QStringLiteral("link.html"));
    writeBytes(target, "old\n");
    ASSERT_EQ(::symlink("real/page.html", QFile::encodeName(link).constData()), 0);

    storage::LoadedDocument doc;
    QString error;
    ASSERT_TRUE(storage::loadDocumentFile(link, &doc, &error)) << error.toStdString();
    ASSERT_TRUE(storage::saveDocumentFile(link, "new\r\n", doc.format, &error)) << error.toStdString();

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    char linkText[64] = {};
    EXPECT_EQ(::readlink(QFile::encodeName(link).constData(), linkText, sizeof linkText - 1), 14);
    EXPECT_STREQ(linkText, "real/page.html");
    EXPECT_EQ(readBytes(target), "new\n");
    EXPECT_EQ(entries(path(QStringLiteral("real"))), QStringList{QStringLiteral("page.html")});
    EXPECT_EQ(entries(dir_.path()), (QStringList{QStringLiteral("link.html"), QStringLiteral("real")}));
}

// Names with blanks, shell characters, a leading dash or non-ASCII letters,
// given relative to the current folder.
class DocumentFileDiskName : public DocumentFileDisk, public testing::WithParamInterface<const char*> {};

TEST_P(DocumentFileDiskName, IsUsedExactlyAsGiven)
{
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const QString name = QString::fromUtf8(GetParam());
    QString error;
    ASSERT_TRUE(storage::saveDocumentFile(name, "<p>x</p>\r\n", {}, &error)) << error.toStdString();
    storage::LoadedDocument doc;
    ASSERT_TRUE(storage::loadDocumentFile(name, &doc, &error)) << error.toStdString();
    EXPECT_EQ(doc.text, "<p>x</p>\r\n");
    EXPECT_EQ(entries(dir_.path()), QStringList{name});
}

INSTANTIATE_TEST_SUITE_P(Names, DocumentFileDiskName,
                         testing::Values("my page.html", "$(touch pwned);'\"&|*?`x`.html", "-rf.html", "-n page.html",
                                         "Gr\xC3\xBC\xC3\x9F"
                                         "e \xE6\x97\xA5\xE6\x9C\xAC.html",
                                         "%2 %1.html", " lead and trail .html "),
                         [](const testing::TestParamInfo<const char*>& p) { return "name" + std::to_string(p.index); });

}  // namespace
