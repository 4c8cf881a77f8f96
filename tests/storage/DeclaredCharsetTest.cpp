// The page's declared encoding: where it is found, how it is followed, what is
// said when it is not, and that every file still comes back byte for byte.

#include "storage/DeclaredCharset.h"
#include "storage/DocumentFile.h"

namespace {

using storage::Declared;
using storage::Encoding;
using namespace std::string_literals;

TEST(DeclaredCharset, IsFoundInEitherMetaFormWithinTheFirstKilobyte)
{
    // The whole tag lies within the window: ending at its last byte, or one past it.
    const std::string meta = R"(<meta charset="utf-8">)";
    const std::string pad(storage::kDeclarationWindow - meta.size(), ' ');
    const std::pair<std::string, const char*> rows[] = {
        {R"(<meta charset="utf-8">)", "utf-8"},
        {"<META CHARSET=ISO-8859-1>", "ISO-8859-1"},
        {R"(<meta charset = "big5" >)", "big5"},
        {R"(<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">)", "Shift_JIS"},
        {"<Meta HTTP-EQUIV=content-type CONTENT='text/html;charset=windows-1251'>", "windows-1251"},
        {R"(<!-- <meta charset="koi8-r"> --><meta name="x"><meta charset="gbk">)", "gbk"},
        {R"(<meta name="author"><metadata charset="x"><p>charset=x)", ""},
        {pad + meta, "utf-8"},
        {pad + ' ' + meta, ""},
        {R"(<meta charset="utf-8)", ""},
    };
    for (const auto& [page, name] : rows) EXPECT_EQ(storage::findDeclaredCharset(page), name) << page;
}

// Each page: what it is read as, what became of its declaration, the text the
// editor holds; then it must write back to the very same bytes.
TEST(DeclaredCharset, ChoosesHowAPageIsRead)
{
    struct Row {
        std::string bytes;
        Encoding encoding;
        Declared declared;
        std::string held;
    };
    // An ASCII text in UTF-16LE, with its mark.
    const auto utf16 = [](std::string_view ascii) {
        std::string out = "\xFF\xFE";
        for (const char c : ascii) out += std::string{c, '\0'};
        return out;
    };
    const std::string latin1 = "<meta charset=\"iso-8859-1\">";
    const std::string sjis = "<meta http-equiv=Content-Type content=\"text/html; charset=Shift_JIS\">";
    const Row rows[] = {
        {"<p>\xC3\xA9", Encoding::Utf8, Declared::None, "<p>\xC3\xA9"},
        {latin1 + "\xC3\xA9", Encoding::Windows1252, Declared::Followed, latin1 + "\xC3\x83\xC2\xA9"},
        {"<meta charset=utf-8>\xC3\xA9", Encoding::Utf8, Declared::Followed, "<meta charset=utf-8>\xC3\xA9"},
        {"<meta charset=utf-8>\xE9", Encoding::Windows1252, Declared::NotUtf8, "<meta charset=utf-8>\xC3\xA9"},
        {"<meta charset=utf-16>ab", Encoding::Utf8, Declared::Followed, "<meta charset=utf-16>ab"},
        {"<meta charset=koi8-r>\xC1\n", Encoding::Named, Declared::Followed, "<meta charset=koi8-r>\xD0\xB0\r\n"},
        {sjis + "\x93\xFA\x96\x7B", Encoding::Named, Declared::Followed, sjis + "\xE6\x97\xA5\xE6\x9C\xAC"},
        {sjis + "\xFF\xE9", Encoding::Windows1252, Declared::NotInIt, sjis + "\xC3\xBF\xC3\xA9"},
        {"<meta charset=x-klingon>\xC3\xA9", Encoding::Utf8, Declared::Unknown, "<meta charset=x-klingon>\xC3\xA9"},
        {"\xEF\xBB\xBF<meta charset=latin1>\xC3\xA9", Encoding::Utf8, Declared::None,
         "\xEF\xBB\xBF<meta charset=latin1>\xC3\xA9"},
        {utf16("<meta charset=koi8-r>a"), Encoding::Utf16Le, Declared::None, "<meta charset=koi8-r>a"},
    };
    for (const Row& row : rows) {
        const storage::LoadedDocument doc = storage::decodeDocument(row.bytes);
        EXPECT_EQ(doc.format.encoding, row.encoding) << row.bytes;
        EXPECT_EQ(doc.format.declared, row.declared) << row.bytes;
        EXPECT_EQ(doc.text, row.held) << row.bytes;
        EXPECT_EQ(storage::encodeDocument(doc.text, doc.format), row.bytes) << row.bytes;
        // Only a declaration that was not followed is told, naming itself.
        const QString notice = storage::declarationNotice(doc.format);
        const bool told = row.declared != Declared::None && row.declared != Declared::Followed;
        EXPECT_EQ(!notice.isEmpty(), told) << row.bytes;
        if (told && row.declared != Declared::NotUtf8) {
            EXPECT_TRUE(notice.contains(QString::fromStdString(doc.format.declaredName))) << notice.toStdString();
        }
    }
}

// A page saved as UTF-8 declares UTF-8: every declaration near the top that
// names another encoding, in either form and its own letter case, changed in
// one edit, so that the file reads back as written.
TEST(DeclaredCharset, ASaveAsUtf8RewritesTheDeclarationsNearTheTop)
{
    std::string crLfs;  // as held; half as many bytes in an LF file
    while (crLfs.size() < storage::kDeclarationWindow + 400) crLfs += "\r\n";
    const std::string spaces(2 * storage::kDeclarationWindow, ' ');
    const std::string httpEquiv = R"(<meta http-equiv="Content-Type" content="text/html; charset=)";
    // The page, the page afterwards, the first name changed.
    const std::tuple<std::string, std::string, const char*> rows[] = {
        {"<meta charset=\"koi8-r\"><p>\xC3\xA9", "<meta charset=\"utf-8\"><p>\xC3\xA9", "koi8-r"},
        {httpEquiv + "windows-1251\">\r\n<meta charset='ISO-8859-1'>", httpEquiv + "utf-8\">\r\n<meta charset='UTF-8'>",
         "windows-1251"},
        {"<!-- <meta charset=koi8-r> --><meta charset=latin1>", "<!-- <meta charset=koi8-r> --><meta charset=utf-8>",
         "latin1"},
        {"<meta charset=utf-8><meta charset=gbk>", "<meta charset=utf-8><meta charset=utf-8>", "gbk"},
        {crLfs + "<meta charset=koi8-r>", crLfs + "<meta charset=utf-8>", "koi8-r"},
        {"<meta charset=UTF-8>", "<meta charset=UTF-8>", ""},
        {spaces + "<meta charset=koi8-r>", spaces + "<meta charset=koi8-r>", ""},
        {"<p>no declaration", "<p>no declaration", ""},
    };
    for (const auto& [page, after, oldName] : rows) {
        std::string text = page;
        const auto edit = storage::declareUtf8(text);
        if (edit) text.replace(edit->offset, edit->length, edit->replacement);
        EXPECT_EQ(text, after) << page;
        EXPECT_EQ(edit ? edit->oldName : "", oldName) << page;
        const storage::LoadedDocument back =
            storage::decodeDocument(storage::encodeDocument(text, {Encoding::Utf8, storage::LineBreaks::Lf}));
        EXPECT_EQ(back.format.encoding, Encoding::Utf8) << page;
        EXPECT_TRUE(back.format.declared == Declared::None || back.format.declared == Declared::Followed) << page;
    }
}

}  // namespace
