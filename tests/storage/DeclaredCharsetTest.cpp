// The page's declared encoding: where it is found, how it is followed, what is
// said when it is not, and that every file still comes back byte for byte.
#include <gtest/gtest.h>

#include "storage/DeclaredCharset.h"
#include "storage/DocumentFile.h"

namespace {

using storage::Declared;
using storage::Encoding;
using namespace std::string_literals;

TEST(DeclaredCharset, IsFoundInEitherMetaFormWithinTheFirstKilobyte)
{
    const std::string pad(storage::kDeclarationWindow - 20, ' ');
    const std::pair<std::string, const char*> rows[] = {
        {R"(<meta charset="utf-8">)", "utf-8"},
        {"<META CHARSET=ISO-8859-1>", "ISO-8859-1"},
        {"<meta charset='koi8-r'/>", "koi8-r"},
        {R"(<meta charset = "big5" >)", "big5"},
        {R"(<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">)", "Shift_JIS"},
        {"<Meta HTTP-EQUIV=content-type CONTENT='text/html;charset=windows-1251'>", "windows-1251"},
        {R"(<!-- <meta charset="koi8-r"> --><meta name="x"><meta charset="gbk">)", "gbk"},
        {R"(<meta name="author"><metadata charset="x"><p>charset=x)", ""},
        {pad + R"(<meta charset="utf-8">)", ""},
        {R"(<meta charset="utf-8)", ""},
    };
    for (const auto& [page, name] : rows) EXPECT_EQ(storage::findDeclaredCharset(page), name) << page;
}

// Each page: what it is read as, what became of its declaration, the text the
// editor holds; then it must write back to the very same bytes.
TEST(DeclaredCharset, ChoosesTheReadingAndEveryFileRoundTrips)
{
    struct Row {
        std::string bytes;
        Encoding encoding;
        Declared declared;
        std::string held;
    };
    const std::string latin1 = "<meta charset=\"iso-8859-1\">";
    const std::string sjis = "<meta http-equiv=Content-Type content=\"text/html; charset=Shift_JIS\">";
    const Row rows[] = {
        {"<p>\xC3\xA9", Encoding::Utf8, Declared::None, "<p>\xC3\xA9"},
        {latin1 + "\xC3\xA9", Encoding::Windows1252, Declared::Followed, latin1 + "\xC3\x83\xC2\xA9"},
        {latin1 + "\x80", Encoding::Windows1252, Declared::Followed, latin1 + "\xE2\x82\xAC"},
        {"<meta charset=utf-8>\xC3\xA9", Encoding::Utf8, Declared::Followed, "<meta charset=utf-8>\xC3\xA9"},
        {"<meta charset=utf-8>\xE9", Encoding::Windows1252, Declared::NotUtf8, "<meta charset=utf-8>\xC3\xA9"},
        {"<meta charset=utf-16>ab", Encoding::Utf8, Declared::Followed, "<meta charset=utf-16>ab"},
        {"<meta charset=koi8-r>\xC1\n", Encoding::Named, Declared::Followed, "<meta charset=koi8-r>\xD0\xB0\r\n"},
        {sjis + "\x93\xFA\x96\x7B", Encoding::Named, Declared::Followed, sjis + "\xE6\x97\xA5\xE6\x9C\xAC"},
        {sjis + "\xFF\xE9", Encoding::Windows1252, Declared::NotInIt, sjis + "\xC3\xBF\xC3\xA9"},
        {"<meta charset=x-klingon>\xC3\xA9", Encoding::Utf8, Declared::Unknown, "<meta charset=x-klingon>\xC3\xA9"},
        {"\xEF\xBB\xBF<meta charset=latin1>\xC3\xA9", Encoding::Utf8, Declared::None,
         "\xEF\xBB\xBF<meta charset=latin1>\xC3\xA9"},
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

}  // namespace
