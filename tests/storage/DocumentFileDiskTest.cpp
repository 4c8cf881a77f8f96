// Documents on disk: saves that fail (full disk, size limit, permissions,
// immutable file, folder, missing folder, unencodable character) leaving the
// old file whole and no temporary file, loads that fail leaving the document
// alone, symbolic links, hard links, extended attributes and owners a save
// keeps, and what tells another file at the path from the one read.
// (Unusual file names: tests/app/HostileNamesTest.)
#include <fcntl.h>
#include <sys/xattr.h>

#include <cstdio>

#include "storage/DocumentFile.h"

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

const std::string kBigText = std::string(256 * 1024, 'x') + "\r\n";
const std::string kOld(20000, 'o');

// Conditions a save into an existing file must survive, each with its reason.
enum class Obstacle { FullFilesystem, SizeLimit, ReadOnlyFile, ReadOnlyFolder, Immutable };
struct SaveFailureRow {
    const char* name;
    Obstacle obstacle;
    int errnum;
};

class DocumentFileDiskSaveFailure : public DocumentFileDisk, public testing::WithParamInterface<SaveFailureRow> {};

TEST_P(DocumentFileDiskSaveFailure, KeepsTheOldFile)
{
    const Obstacle obstacle = GetParam().obstacle;
    std::optional<faults::SmallTmpfs> small;
    if (obstacle == Obstacle::FullFilesystem && !small.emplace(dir_.path(), 64).mounted())
        GTEST_SKIP() << "mounting a tmpfs is not allowed here";
    const QString file = path(QStringLiteral("page.html"));
    const QByteArray native = QFile::encodeName(file), folder = QFile::encodeName(dir_.path());
    writeBytes(file, kOld);
    ASSERT_EQ(obstacle == Obstacle::ReadOnlyFile ? ::chmod(native.constData(), 0444) : 0, 0);
    ASSERT_EQ(obstacle == Obstacle::ReadOnlyFolder ? ::chmod(folder.constData(), 0555) : 0, 0);
    if (obstacle == Obstacle::Immutable && !faults::setImmutable(file, true))
        GTEST_SKIP() << "the immutable attribute cannot be set here";
    QString error;
    bool saved = true;
    {
        faults::ObeyFilePermissions asUser;
        std::optional<faults::FileSizeLimit> limit;
        if (obstacle == Obstacle::SizeLimit && !limit.emplace(64 * 1024).active())
            GTEST_SKIP() << "cannot limit the file size";
        saved = storage::saveDocumentFile(file, kBigText, {}, &error);
    }
    ::chmod(folder.constData(), 0700);
    if (obstacle == Obstacle::Immutable) faults::setImmutable(file, false);
    EXPECT_FALSE(saved);
    expectUntouched(dir_, file, kOld, error, qt_error_string(GetParam().errnum));
    // The file itself could be written: the reason names the folder.
    if (obstacle == Obstacle::ReadOnlyFolder) {
        EXPECT_TRUE(error.contains(QLatin1Char('"') + dir_.path() + QLatin1Char('"'))) << error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentFileDiskSaveFailure,
                         testing::Values(SaveFailureRow{"full_filesystem", Obstacle::FullFilesystem, ENOSPC},
                                         SaveFailureRow{"file_size_limit", Obstacle::SizeLimit, EFBIG},
                                         SaveFailureRow{"read_only_file", Obstacle::ReadOnlyFile, EACCES},
                                         SaveFailureRow{"read_only_folder", Obstacle::ReadOnlyFolder, EACCES},
                                         SaveFailureRow{"immutable_file", Obstacle::Immutable, EPERM}),
                         [](const auto& row) { return std::string(row.param.name); });

// A folder in the file's place, a missing folder and a character a
// Windows-1252 file has no code for (said with its line and its reference).
TEST_F(DocumentFileDisk, ASaveThatCannotBeMadeIsRefusedWithItsReason)
{
    ASSERT_TRUE(QDir().mkpath(path("folder.html")));
    writeBytes(path("page.html"), "caf\xE9\r\n");
    const std::tuple<const char*, DocumentFormat, QStringList> rows[] = {
        {"folder.html", {}, {qt_error_string(EISDIR)}},
        {"missing/page.html", {}, {qt_error_string(ENOENT)}},
        {"page.html", {Encoding::Windows1252, LineBreaks::CrLf}, {"U+4E2D) on line 2", "&#20013;"}}};
    for (const auto& [name, format, reasons] : rows) {
        QString error;
        EXPECT_FALSE(storage::saveDocumentFile(path(name), "caf\xC3\xA9\r\n\xE4\xB8\xAD", format, &error));
        for (const QString& reason : reasons) EXPECT_TRUE(error.contains(reason)) << error.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("folder.html")).isDir());
    EXPECT_EQ(entries(dir_.path()), QStringList({"folder.html", "page.html"}));
    EXPECT_EQ(readBytes(path("page.html")), "caf\xE9\r\n");
}

// A missing file, a folder, an unreadable file, a pipe (which would wait for
// a writer forever), a file past what the editor holds (refused before it is
// read: a sparse file) and a file marked as UTF-16 that is not are refused
// with the reason, by both readers, the document left alone.
TEST_F(DocumentFileDisk, AFailedLoadLeavesTheDocument)
{
    ASSERT_TRUE(QDir().mkpath(path("folder")));
    writeBytes(path("unreadable"), "secret");
    ASSERT_EQ(::chmod(QFile::encodeName(path("unreadable")).constData(), 0200), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    QFile huge(path("huge"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(storage::kMaxDocumentBytes) + 1));
    writeBytes(path("bad16"), "\xFF\xFE<\0\0\xDC"s);
    const std::pair<const char*, QString> rows[] = {
        {"missing", qt_error_string(ENOENT)},
        {"folder", qt_error_string(EISDIR)},
        {"unreadable", qt_error_string(EACCES)},
        {"pipe", QString()},
        {"huge", QStringLiteral("2147483647 bytes (2 GiB)")},
        {"bad16", QStringLiteral("not valid UTF-16LE (an unpaired surrogate")}};
    for (const auto& [name, reason] : rows) {
        storage::LoadedDocument doc{"kept", {Encoding::Windows1252, LineBreaks::Lf}, {}};
        QString error, pieceError;
        DocumentFormat format;
        struct : storage::TextSink {
            void begin(size_t) override { ADD_FAILURE() << "no text expected"; }
            void append(std::string_view) override {}
        } none;
        faults::ObeyFilePermissions asUser;
        EXPECT_FALSE(storage::loadDocumentFile(path(name), &doc, &error)) << name;
        EXPECT_TRUE(doc.text == "kept" && doc.format == (DocumentFormat{Encoding::Windows1252, LineBreaks::Lf}));
        EXPECT_TRUE(error.contains(reason)) << error.toStdString();
        EXPECT_FALSE(storage::readDocumentFile(path(name), &format, none, &pieceError));
        EXPECT_EQ(pieceError, error);
    }
}

// What readDocumentFile hands over: the text since the last begin().
struct CollectedText : storage::TextSink {
    void begin(size_t) override
    {
        text.clear();
        ++begins;
        if (onBegin) onBegin(begins);
    }
    void append(std::string_view piece) override
    {
        if (full) throw std::bad_alloc();
        text += piece;
    }
    std::string text;
    int begins = 0;
    bool full = false;
    std::function<void(int)> onBegin;
};

// Read in pieces, a file gives what a whole read gives, also where a
// character, a CR LF or an invalid byte falls between two pieces. A file
// written between the two readings is read again, whole, as it is then; a
// sink without room for the text fails the read. A text longer than the sink
// takes, as the editor holds it, is refused before the sink gets more than it
// takes: LFs that become CR LF, Windows-1252 and UTF-16 that grow in UTF-8.
TEST_F(DocumentFileDisk, ReadInPiecesGivesWhatAWholeReadGives)
{
    const std::string pad(storage::kReadPiece - 1, 'a');  // the next byte ends the first piece
    const std::string rows[] = {"",
                                "caf\xE9\n\x80",
                                pad + "\xC3\xA9\n",
                                pad.substr(1) + "\xF0\x9F\x98\x80 x\n",
                                pad + "\r\nb\n",
                                pad + "\n\r" + pad + "\n",
                                pad + "\xE9\n" + pad + "\n",
                                pad + "\xC3",
                                "<meta charset=latin1>\xC3\xA9\n" + pad,
                                "<meta charset=koi8-r>\xC1\n" + pad,
                                "\xFF\xFE<\0p\0\n\0"s,
                                "\0\0\xFE\xFF\0\0\0\xE9\0\0\0\r"s};
    const QString file = path(QStringLiteral("page.html"));
    DocumentFormat format;
    QString error;
    for (const std::string& bytes : rows) {
        writeBytes(file, bytes);
        storage::LoadedDocument whole;
        CollectedText pieces;
        ASSERT_TRUE(storage::loadDocumentFile(file, &whole, &error));
        ASSERT_TRUE(storage::readDocumentFile(file, &format, pieces, &error)) << error.toStdString();
        EXPECT_TRUE(pieces.text == whole.text)
            << bytes.size() << " bytes ending " << bytes.substr(bytes.size() / 2 + 1);
        EXPECT_EQ(format, whole.format) << bytes.size();
        EXPECT_EQ(pieces.begins, 1);
    }

    writeBytes(file, "a\nb\n");
    CollectedText changed, full;
    changed.onBegin = [&](int n) {
        if (n == 1) writeBytes(file, "caf\xE9\r\nlonger");
    };
    full.full = true;
    ASSERT_TRUE(storage::readDocumentFile(file, &format, changed, &error)) << error.toStdString();
    EXPECT_EQ(std::tuple(changed.text, format, changed.begins),
              std::tuple("caf\xC3\xA9\r\nlonger"s, DocumentFormat{Encoding::Windows1252, LineBreaks::CrLf}, 2));
    EXPECT_FALSE(storage::readDocumentFile(file, &format, full, &error));
    EXPECT_TRUE(error.contains(qt_error_string(ENOMEM))) << error.toStdString();

    struct : storage::TextSink {
        void begin(size_t) override {}
        void append(std::string_view piece) override { given += piece.size(); }
        size_t capacity() const override { return 10; }
        size_t given = 0;
    } small;
    for (const std::string& bytes : {"a\nb\nc\nd\n"s, "\xE9\xE9\xE9\xE9\xE9\xE9"s, "\xFF\xFE-N-N-N-N"s}) {
        writeBytes(file, bytes);
        EXPECT_FALSE(storage::readDocumentFile(file, &format, small, &error)) << bytes;
        EXPECT_TRUE(error.contains(QStringLiteral("more than 10 bytes"))) << error.toStdString();
        EXPECT_EQ(small.given, 0u) << bytes;
    }
}

// A save through a symbolic link writes its target, which keeps its mode and
// (where the system allows) its owner; the link stays a link.
TEST_F(DocumentFileDisk, ASaveThroughALinkWritesItsTarget)
{
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("real"))));
    const QString target = path(QStringLiteral("real/page.html"));
    const QString link = path(QStringLiteral("link.html"));
    const QByteArray native = QFile::encodeName(target);
    writeBytes(target, "old\n");
    ASSERT_EQ(::chmod(native.constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    ASSERT_EQ(root ? ::chown(native.constData(), 65534, 65534) : 0, 0);
    ASSERT_EQ(::symlink("real/page.html", QFile::encodeName(link).constData()), 0);

    QString error;
    ASSERT_TRUE(storage::saveDocumentFile(link, "new\n", {storage::Encoding::Utf8, LineBreaks::Lf}, &error))
        << error.toStdString();

    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_EQ(readBytes(target), "new\n");
    struct stat st {};
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_TRUE(!root || st.st_uid == 65534u);
    EXPECT_EQ(entries(path(QStringLiteral("real"))), QStringList{QStringLiteral("page.html")});
    EXPECT_EQ(entries(dir_.path()), (QStringList{QStringLiteral("link.html"), QStringLiteral("real")}));
}

// What another program may do to the file at the path, and whether the file
// there is then another one than the one known (read, or written by a save).
TEST_F(DocumentFileDisk, AnotherFileAtThePathIsToldFromTheOneKnown)
{
    const QString file = path(QStringLiteral("page.html")), other = path(QStringLiteral("other.html"));
    const QByteArray native = QFile::encodeName(file);
    struct Row {
        const char* name;
        bool changed;
        std::function<void()> change;
    };
    const Row rows[] = {
        {"read again", false, [] {}},
        {"another mode", false, [&] { ::chmod(native.constData(), 0600); }},
        {"same size, later time", true,
         [&] {
             writeBytes(file, "<p>two</p>");
             const struct timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) + 60, 0}};
             ::utimensat(AT_FDCWD, native.constData(), times, 0);
         }},
        {"another size", true, [&] { writeBytes(file, "<p>three</p>"); }},
        {"replaced by a rename", true,
         [&] { writeBytes(other, "<p>one</p>"), ::rename(QFile::encodeName(other).constData(), native.constData()); }},
        {"replaced by a link", true, [&] { writeBytes(other, "x"), QFile::remove(file), QFile::link(other, file); }},
        {"a dangling link", true, [&] { QFile::remove(file), QFile::link(path(QStringLiteral("none")), file); }},
        {"removed", false, [&] { QFile::remove(file); }},
    };
    for (const Row& row : rows) {
        QFile::remove(file), QFile::remove(other);
        writeBytes(file, "<p>one</p>");
        const storage::FileIdentity known = storage::identityOf(file);
        storage::LoadedDocument doc;
        ASSERT_TRUE(storage::loadDocumentFile(file, &doc, nullptr));
        row.change();
        EXPECT_EQ(storage::changedOnDisk(known, storage::identityOf(file)), row.changed) << row.name;
    }
    EXPECT_FALSE(storage::changedOnDisk({}, storage::identityOf(file))) << "nothing known";

    // A save reports the file it left: new, replaced, through a link, in place.
    const QString link = path(QStringLiteral("link.html"));
    ASSERT_TRUE(QFile::link(other, link));
    for (const QString& name : {other, other, link, path(QStringLiteral("hard.html"))}) {
        storage::SaveOutcome outcome;
        ASSERT_TRUE(storage::saveDocumentFile(name, "saved", {}, nullptr, &outcome));
        EXPECT_TRUE(outcome.written.exists && outcome.written == storage::identityOf(name)) << name.toStdString();
        const QByteArray hard = QFile::encodeName(path(QStringLiteral("hard.html")));
        if (name == link) {
            ASSERT_EQ(::link(QFile::encodeName(other).constData(), hard.constData()), 0);
        }
    }
}

// Extended attributes (a user attribute, an ACL), an owner the saving user
// cannot give a new file and another name for the file all survive a save:
// the other name shows the new text, and no copy of the old text stays.
TEST_F(DocumentFileDisk, ASaveKeepsWhatTheFileCarries)
{
    const QString file = path(QStringLiteral("page.html")), linked = path(QStringLiteral("linked.html"));
    const QByteArray native = QFile::encodeName(file);
    writeBytes(file, kOld);
    ASSERT_EQ(::chmod(native.constData(), 0666), 0);
    // Owner, group and others read and write; user 4242 reads.
    std::string acl("\x02\0\0\0", 4);
    for (const auto& [tag, perm, id] : {std::tuple(0x01, 6, ~0u), std::tuple(0x02, 4, 4242u), std::tuple(0x04, 6, ~0u),
                                        std::tuple(0x10, 6, ~0u), std::tuple(0x20, 6, ~0u)}) {
        const uint16_t entry[2] = {static_cast<uint16_t>(tag), static_cast<uint16_t>(perm)};
        acl.append(reinterpret_cast<const char*>(entry), 4).append(reinterpret_cast<const char*>(&id), 4);
    }
    const std::pair<const char*, std::string> attributes[] = {{"user.origin", "camera"},
                                                              {"system.posix_acl_access", acl}};
    for (const auto& [name, value] : attributes)
        if (::setxattr(native.constData(), name, value.data(), value.size(), 0) != 0)
            GTEST_SKIP() << "NOTICE: this file system takes no " << name << " attribute";
    const auto expectAttributes = [&](const char* after) {
        for (const auto& [name, value] : attributes) {
            std::string now(256, '\0');
            now.resize(
                static_cast<size_t>(std::max<ssize_t>(::getxattr(native.constData(), name, now.data(), 256), 0)));
            EXPECT_TRUE(now == value) << name << " lost after " << after;
        }
    };
    const auto save = [&](const std::string& text) {
        faults::ObeyFilePermissions asUser;  // root cannot give a file away then
        QString error;
        EXPECT_TRUE(storage::saveDocumentFile(file, text, {}, &error)) << error.toStdString();
    };

    save("attributes");
    expectAttributes("a save");
    const bool root = ::geteuid() == 0;
    ASSERT_EQ(root ? ::chown(native.constData(), 65534, 65534) : 0, 0);
    save("an owner");
    ASSERT_EQ(::link(native.constData(), QFile::encodeName(linked).constData()), 0);
    save("another name");
    EXPECT_EQ(readBytes(linked), "another name");
    EXPECT_EQ(entries(dir_.path()), (QStringList{QStringLiteral("linked.html"), QStringLiteral("page.html")}));
    struct stat st {};
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    EXPECT_TRUE(!root || (st.st_uid == 65534u && st.st_gid == 65534u)) << "owner " << st.st_uid;
    expectAttributes("saves in place");
}

// Qt decodes a name that is not UTF-8 with U+FFFD, and that name encoded back
// is its twin's: such a name, of the file or of a folder on the way, is read
// and written as missing and nothing is touched. A name that holds U+FFFD
// itself is used as any other while no name beside it is shown alike.
TEST_F(DocumentFileDisk, ANameThatIsNotUtf8IsMissing)
{
    const QByteArray folder = QFile::encodeName(dir_.path());
    for (const char* name : {"/caf\xe9", "/caf\xef\xbf\xbd"}) ASSERT_EQ(::mkdir(folder + name, 0700), 0);
    {
        const faults::NameTwins files(dir_.path()), inFolders(dir_.path(), "/page.html");
        for (const faults::NameTwins* names : {&files, &inFolders}) {
            storage::LoadedDocument doc;
            QString loadError, saveError;
            EXPECT_FALSE(storage::loadDocumentFile(names->decoded(), &doc, &loadError));
            EXPECT_FALSE(storage::saveDocumentFile(names->decoded(), "new", {}, &saveError));
            EXPECT_EQ(std::pair(loadError, saveError), std::pair(qt_error_string(ENOENT), qt_error_string(ENOENT)));
            EXPECT_TRUE(names->untouched());
        }
    }
    // Alone, a name holding U+FFFD is used as any other.
    QString error;
    EXPECT_TRUE(storage::saveDocumentFile(QFile::decodeName(folder + "/caf\xef\xbf\xbd.html"), "new", {}, &error))
        << error.toStdString();
    ::rmdir(folder + "/caf\xe9");  // which the temporary folder's removal cannot name
}

}  // namespace
