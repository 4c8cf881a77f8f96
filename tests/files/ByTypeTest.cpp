// Files opened from the side list or dropped on the editor: which kind a path
// is, the reference each kind becomes, and the GIF header.

#include "files/ByType.h"

namespace {

using files::FileKind;

TEST(ByType, OnlyTheFileNameDecidesTheKind)
{
    // path, kind opened, kind dropped
    const std::tuple<const char*, FileKind, FileKind> rows[] = {
        {"/w/report.doc", FileKind::Ignored, FileKind::Ignored},
        {"/w/shortcut.lnk", FileKind::Ignored, FileKind::Other},
        // Only the file name decides: folders are often named after domains.
        {"/sites/www.example.com/index.html", FileKind::Other, FileKind::Other},
        {"/w/page.doc.html", FileKind::Ignored, FileKind::Ignored},
        {"/w/Logo.GIF", FileKind::Gif, FileKind::Gif},
        {"/w/old.gifs/pic.jpg", FileKind::Jpeg, FileKind::Jpeg},
        {"/w/style.css", FileKind::Other, FileKind::StyleSheet},
    };
    for (const auto& [path, opened, dropped] : rows) {
        EXPECT_EQ(files::fileKind(path, files::Arrival::Opened), opened) << path;
        EXPECT_EQ(files::fileKind(path, files::Arrival::Dropped), dropped) << path;
    }
}

// The reference each kind becomes, in the tag case; the caret goes back into
// an anchor.
TEST(ByType, ReferencesFollowTheKind)
{
    // kind, path, selected text, lower case, reference, caret moved back by
    const std::tuple<FileKind, const char*, const char*, bool, const char*, int> refs[] = {
        {FileKind::Gif, "/Web/Logo.GIF", "sel", false,
         "sel<IMG SRC=\"images/Logo.GIF\" ALIGN=\"\" WIDTH=\"640\" HEIGHT=\"480\" BORDER=\"0\" ALT=\"\">\r\n", 0},
        {FileKind::Jpeg, "/w/photo.jpeg", "", true,
         "<img src=\"images/photo.jpeg\" align=\"\" border=\"0\" alt=\"\">\r\n", 0},
        {FileKind::StyleSheet, "/w/style.css", "", false, "<LINK REL=STYLESHEET HREF=\"style.css\" TYPE=\"text/css\">",
         0},
        {FileKind::Other, "/w/shortcut.lnk", "see", false, "<A HREF=\"shortcut.lnk\">see</A>", 4},
    };
    for (const auto& [kind, path, selected, lower, text, caretBack] : refs) {
        const files::Reference ref = files::referenceTo(kind, path, selected, "images/", {640, 480}, lower);
        EXPECT_EQ(std::pair(ref.text, ref.caretBack), std::pair(std::string(text), caretBack)) << path;
    }
}

// The size from a GIF's header; a file too short, a pipe, a folder, a missing
// file or a device is refused without waiting.
TEST(GifHeader, GivesTheSizeOrARefusal)
{
    const QString dir = QDir::currentPath();
    // 640 by 480 in the header, whatever follows.
    faults::writeBytes(dir + "/big.gif", std::string("GIF89a\x80\x02\xE0\x01\xF7\x00\x00\xFF", 14) + "rest");
    QString error;
    const auto size = files::readGifSize(dir + "/big.gif", &error);
    ASSERT_TRUE(size.has_value()) << error.toStdString();
    EXPECT_EQ(std::pair(size->width, size->height), std::pair(640u, 480u));

    faults::writeBytes(dir + "/short.gif", std::string("GIF89a\x80\x02\xE0\x01\xF7\x00\x00", 13));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/pipe.gif").constData(), 0600), 0);
    QDir().mkdir(dir + "/folder.gif");
    for (const char* name : {"short.gif", "pipe.gif", "folder.gif", "/dev/zero"}) {
        const QString path = name[0] == '/' ? QString(name) : dir + "/" + name;
        error.clear();
        EXPECT_FALSE(files::readGifSize(path, &error).has_value()) << name;
        EXPECT_TRUE(error.startsWith("Cannot open \"" + path + "\".\n")) << error.toStdString();
    }
}

}  // namespace
