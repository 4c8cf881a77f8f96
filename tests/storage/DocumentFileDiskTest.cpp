// Documents on disk: saves that fail (full disk, size limit, permissions,
// immutable file, folder, missing folder, unencodable character) leaving the
// old file whole and no temporary file, loads that fail leaving the document
// alone, and symbolic links. (Unusual file names: tests/app/HostileNamesTest.)
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <optional>

#include "storage/DocumentFile.h"
#include "support/FileFaults.h"
#include "support/Rows.h"

namespace {

using faults::entries;
using faults::readBytes;
using faults::writeBytes;
using storage::DocumentFormat;
using storage::Encoding;
using storage::LineBreaks;

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

TEST_F(DocumentFileDisk, SaveOntoFullFilesystemKeepsOldFile)
{
    const QString mountPoint = path(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    faults::SmallTmpfs tmpfs(mountPoint, 64);
    if (!tmpfs.mounted()) GTEST_SKIP() << "mounting a tmpfs is not allowed here";
    QTemporaryDir inside(mountPoint + QStringLiteral("/d-XXXXXX"));
    const QString file = inside.filePath(QStringLiteral("page.html"));
    writeBytes(file, kOld);
    QString error;
    EXPECT_FALSE(storage::saveDocumentFile(file, kBigText, {}, &error));
    expectUntouched(inside, file, kOld, error, qt_error_string(ENOSPC));
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
    writeBytes(file, kOld);
    const Obstacle obstacle = GetParam().obstacle;
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
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentFileDiskSaveFailure,
                         testing::Values(SaveFailureRow{"file_size_limit", Obstacle::SizeLimit, EFBIG},
                                         SaveFailureRow{"read_only_file", Obstacle::ReadOnlyFile, EACCES},
                                         SaveFailureRow{"read_only_folder", Obstacle::ReadOnlyFolder, EACCES},
                                         SaveFailureRow{"immutable_file", Obstacle::Immutable, EPERM}),
                         testing_support::RowName());

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

// A missing file, a folder, an unreadable file and a pipe (which would wait for
// a writer forever) are refused with the reason, the document left alone.
TEST_F(DocumentFileDisk, FailedLoadsGiveTheReasonAndLeaveTheDocument)
{
    const QByteArray missing = QFile::encodeName(path("missing")), folder = QFile::encodeName(path("folder")),
                     unreadable = QFile::encodeName(path("unreadable")), pipe = QFile::encodeName(path("pipe"));
    ASSERT_TRUE(QDir().mkpath(path("folder")));
    writeBytes(path("unreadable"), "secret");
    ASSERT_EQ(::chmod(unreadable.constData(), 0200), 0);
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    for (const auto& [file, errnum] : {std::pair(missing, ENOENT), {folder, EISDIR}, {unreadable, EACCES}, {pipe, 0}}) {
        storage::LoadedDocument doc{"kept", {Encoding::Windows1252, LineBreaks::Lf}};
        QString error;
        bool loaded = true;
        {
            faults::ObeyFilePermissions asUser;
            loaded = storage::loadDocumentFile(QFile::decodeName(file), &doc, &error);
        }
        EXPECT_FALSE(loaded) << file.constData();
        EXPECT_EQ(doc.text, "kept");
        EXPECT_EQ(doc.format, (DocumentFormat{Encoding::Windows1252, LineBreaks::Lf}));
        EXPECT_TRUE(!errnum || error.contains(qt_error_string(errnum))) << error.toStdString();
        QString pieceError;
        DocumentFormat format;
        struct : storage::TextSink {
            void begin(size_t) override { ADD_FAILURE() << "no text expected"; }
            void append(std::string_view) override {}
        } none;
        faults::ObeyFilePermissions asUser;
        EXPECT_FALSE(storage::readDocumentFile(QFile::decodeName(file), &format, none, &pieceError));
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
// character, a CR LF or an invalid byte falls between two pieces.
TEST_F(DocumentFileDisk, ReadInPiecesGivesWhatAWholeReadGives)
{
    const std::string pad(storage::kReadPiece - 1, 'a');  // the next byte ends the first piece
    const std::string rows[] = {"",
                                "a\r\nb\n",
                                "caf\xE9\n\x80",
                                pad + "\xC3\xA9\n",
                                pad.substr(1) + "\xF0\x9F\x98\x80 x\n",
                                pad.substr(2) + "\xF0\x9F\x98\x80 x\n",
                                pad + "\r\nb\n",
                                pad + "\n\r" + pad + "\n",
                                pad + "\xE9\n" + pad + "\n",
                                pad + "\xC3",
                                pad + "\xC3x",
                                "<meta charset=latin1>\xC3\xA9\n" + pad,
                                "<meta charset=utf-8>\xE9\n" + pad,
                                "<meta charset=koi8-r>\xC1\n" + pad};
    const QString file = path(QStringLiteral("page.html"));
    for (const std::string& bytes : rows) {
        writeBytes(file, bytes);
        storage::LoadedDocument whole;
        CollectedText pieces;
        DocumentFormat format;
        QString error;
        ASSERT_TRUE(storage::loadDocumentFile(file, &whole, &error));
        ASSERT_TRUE(storage::readDocumentFile(file, &format, pieces, &error)) << error.toStdString();
        EXPECT_TRUE(pieces.text == whole.text)
            << bytes.size() << " bytes ending " << bytes.substr(bytes.size() / 2 + 1);
        EXPECT_EQ(format, whole.format) << bytes.size();
        EXPECT_EQ(pieces.begins, 1);
    }
}

// A file written between the two readings is read again, whole, as it is
// then; a sink without room for the text fails the read.
TEST_F(DocumentFileDisk, ReadInPiecesCopesWithAChangedFileAndNoRoom)
{
    const QString file = path(QStringLiteral("page.html"));
    writeBytes(file, "a\nb\n");
    CollectedText changed;
    changed.onBegin = [&](int n) {
        if (n == 1) writeBytes(file, "caf\xE9\r\nlonger");
    };
    DocumentFormat format;
    QString error;
    ASSERT_TRUE(storage::readDocumentFile(file, &format, changed, &error)) << error.toStdString();
    EXPECT_EQ(changed.text, "caf\xC3\xA9\r\nlonger");
    EXPECT_EQ(format, (DocumentFormat{Encoding::Windows1252, LineBreaks::CrLf}));
    EXPECT_EQ(changed.begins, 2);

    CollectedText full;
    full.full = true;
    EXPECT_FALSE(storage::readDocumentFile(file, &format, full, &error));
    EXPECT_TRUE(error.contains(qt_error_string(ENOMEM))) << error.toStdString();
}

// A save through a symbolic link writes its target, which keeps its mode and
// (where the system allows) its owner; the link stays a link.
TEST_F(DocumentFileDisk, SaveKeepsALinkAndTheTargetsModeAndOwner)
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

    storage::LoadedDocument doc;
    QString error;
    ASSERT_TRUE(storage::loadDocumentFile(link, &doc, &error)) << error.toStdString();
    ASSERT_TRUE(storage::saveDocumentFile(link, "new\r\n", doc.format, &error)) << error.toStdString();

    char linkText[64] = {};
    EXPECT_EQ(::readlink(QFile::encodeName(link).constData(), linkText, sizeof linkText - 1), 14);
    EXPECT_STREQ(linkText, "real/page.html");
    EXPECT_EQ(readBytes(target), "new\n");
    struct stat st {};
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_TRUE(!root || st.st_uid == 65534u);
    EXPECT_EQ(entries(path(QStringLiteral("real"))), QStringList{QStringLiteral("page.html")});
    EXPECT_EQ(entries(dir_.path()), (QStringList{QStringLiteral("link.html"), QStringLiteral("real")}));
}

// Qt decodes a name that is not UTF-8 with U+FFFD, and that name encoded back
// is its twin's: such a name, of the file or of a folder on the way, is read
// and written as missing and nothing is touched. A name that holds U+FFFD
// itself is used as any other while no name beside it is shown alike.
TEST_F(DocumentFileDisk, ANameThatIsNotUtf8IsMissingAndItsTwinIsLeftAlone)
{
    const QByteArray folder = QFile::encodeName(dir_.path()) + '/';
    const QByteArray latin = "caf\xe9", twin = "caf\xef\xbf\xbd";
    const auto put = [](const QByteArray& file, const QByteArray& text) {
        FILE* f = std::fopen(file.constData(), "w");
        ASSERT_TRUE(f);
        std::fputs(text.constData(), f);
        std::fclose(f);
    };
    const auto content = [](const QByteArray& file) {
        char text[64] = {};
        FILE* f = std::fopen(file.constData(), "r");
        if (f) text[std::fread(text, 1, sizeof text - 1, f)] = '\0';
        if (f) std::fclose(f);
        return std::string(text);
    };
    const QByteArray files[] = {latin + ".html", twin + ".html", latin + "/page.html", twin + "/page.html"};
    for (const QByteArray& name : {latin, twin}) ASSERT_EQ(::mkdir((folder + name).constData(), 0700), 0);
    for (const QByteArray& file : files) put(folder + file, file);
    // Decoded, each name is also its twin's.
    for (const QByteArray& file : {latin + ".html", latin + "/page.html"}) {
        const QString decoded = QFile::decodeName(folder + file);
        storage::LoadedDocument doc;
        QString loadError, saveError;
        EXPECT_FALSE(storage::loadDocumentFile(decoded, &doc, &loadError)) << file.toHex().constData();
        EXPECT_FALSE(storage::saveDocumentFile(decoded, "new", {}, &saveError)) << file.toHex().constData();
        EXPECT_EQ(loadError, qt_error_string(ENOENT));
        EXPECT_EQ(saveError, qt_error_string(ENOENT));
    }
    for (const QByteArray& file : files) EXPECT_EQ(content(folder + file), file.toStdString());
    ASSERT_EQ(std::remove((folder + latin + ".html").constData()), 0);
    QString error;
    EXPECT_TRUE(storage::saveDocumentFile(QFile::decodeName(folder + twin + ".html"), "new", {}, &error))
        << error.toStdString();
    EXPECT_EQ(content(folder + twin + ".html"), "new");
    // The temporary folder's removal cannot name them.
    std::remove((folder + latin + "/page.html").constData());
    ::rmdir((folder + latin).constData());
}

}  // namespace
