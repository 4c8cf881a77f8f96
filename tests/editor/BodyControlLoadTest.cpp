// Loading into the control piece by piece: a failed load leaves the document,
// its undo history and the view as they were; a large document opened without
// colours keeps no style bytes until colours come; a file read on its own
// thread at start-up is the file as a plain read gives it.

#include "editor/BodyControl.h"
#include "markup/Highlighter.h"

namespace {

using markup::Pos;
using namespace std::string_literals;

TEST(BodyControlLoad, AFailedLoadLeavesTheDocumentAndOnlyTheLastReadingCounts)
{
    editor::BodyControl body;
    body.loadText("<p>one</p>\r\n<p>two</p>");
    body.setSelection(3, 0);
    body.replaceSelection("x");
    for (const bool noRoom : {false, true}) {
        EXPECT_FALSE(body.loadPieces([&](storage::TextSink& sink) {
            sink.begin(100);
            sink.append("the new text");
            if (noRoom) throw std::bad_alloc();
            return false;
        }));
        EXPECT_EQ(std::pair(body.text(), body.caretPosition()),
                  std::pair(std::string("<p>xone</p>\r\n<p>two</p>"), Pos(4)));
        EXPECT_TRUE(body.isModified() && body.canUndo());
    }
    // A file that changed while it was read is read again: what came before
    // the second begin is void.
    EXPECT_TRUE(body.loadPieces([](storage::TextSink& sink) {
        sink.begin(4);
        sink.append("ne");
        sink.begin(4);
        sink.append("new\0"s);
        return true;
    }));
    EXPECT_EQ(body.text(), "new\0"s);
    EXPECT_FALSE(body.isModified() || body.canUndo());
}

// Small documents, those loaded while colours are wanted, and a minified page
// (to hide most of its line) keep styles.
TEST(BodyControlLoad, ALargeDocumentWithoutColoursKeepsNoStylesUntilColoured)
{
    std::string text;
    for (int i = 0; text.size() < editor::BodyControl::kPlainFrom; ++i)
        text += "<p class=\"c\">" + std::to_string(i) + "</p>\r\n";
    editor::BodyControl body;
    const std::string minified(editor::BodyControl::kPlainFrom, 'x');
    for (const auto& [wanted, loaded] : {std::pair(false, std::string("<p>")), {true, text}, {false, minified}}) {
        body.setColoursWanted(wanted);
        body.loadText(loaded);
        EXPECT_TRUE(body.keepsStyles()) << loaded.size();
    }
    body.setColoursWanted(false);
    body.loadText(text);
    EXPECT_FALSE(body.keepsStyles());
    body.setSelection(5, 0);
    body.replaceSelection("x");
    text.insert(5, "x");
    markup::ColourDocument(body);
    EXPECT_TRUE(body.keepsStyles() && body.isModified());
    EXPECT_TRUE(body.text() == text);
    for (const Pos p : {Pos(0), Pos(4), body.length() - 3})
        EXPECT_EQ(static_cast<char>(body.styleAt(p)), markup::tagStyles(text)[static_cast<size_t>(p)]) << p;
}

TEST(BodyControlLoad, APreloadedFileIsTakenOnceAsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    const std::string lines = "<p>caf\xE9</p>\n";  // Windows-1252, LF
    std::string bytes;
    while (bytes.size() < editor::BodyControl::kPlainFrom) bytes += lines;
    faults::writeBytes(path, bytes);
    storage::LoadedDocument read;
    QString error;
    ASSERT_TRUE(storage::loadDocumentFile(path, &read, &error));

    for (const bool colours : {false, true}) {
        const editor::BodyControl::PreloadScope scope = editor::BodyControl::preload(path, colours);
        editor::BodyControl body;
        storage::DocumentFormat format;
        storage::FileIdentity identity;
        EXPECT_FALSE(body.loadPreloaded(path + QStringLiteral(".other"), &format, &identity));
        ASSERT_TRUE(body.loadPreloaded(path, &format, &identity));
        EXPECT_TRUE(body.text() == read.text && format == read.format && identity == storage::identityOf(path));
        EXPECT_EQ(body.keepsStyles(), colours);
        EXPECT_FALSE(body.isModified() || body.canUndo());
        EXPECT_FALSE(body.loadPreloaded(path, &format, &identity)) << "taken once";
    }
    // One never taken ends with its scope.
    EXPECT_TRUE(editor::BodyControl::preload(path, false) != nullptr);
    EXPECT_TRUE(editor::BodyControl::preload(dir.path(), false) == nullptr) << "a folder";
    // Nor a file the control cannot hold (sparse: nothing written); no
    // document is made with room past what it can address.
    QFile huge(dir.filePath(QStringLiteral("huge.html")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(storage::kMaxDocumentBytes) + 1));
    EXPECT_TRUE(editor::BodyControl::preload(huge.fileName(), false) == nullptr) << "past the limit";
    EXPECT_EQ(editor::BodyControl::roomToEdit(storage::kMaxDocumentBytes - 1), storage::kMaxDocumentBytes);
}

}  // namespace
