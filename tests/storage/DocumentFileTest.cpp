// The conversions between file bytes and the editor's text: encoding and
// line-break detection, what the editor holds, and byte-exact round trips.

#include "storage/DocumentFile.h"

namespace {

using storage::DocumentFormat;
using storage::Encoding;
using storage::LineBreaks;
using namespace std::string_literals;

const DocumentFormat kUtf8CrLf{Encoding::Utf8, LineBreaks::CrLf};
const DocumentFormat kUtf8Lf{Encoding::Utf8, LineBreaks::Lf};
const DocumentFormat kCp1252CrLf{Encoding::Windows1252, LineBreaks::CrLf};
const DocumentFormat kCp1252Lf{Encoding::Windows1252, LineBreaks::Lf};

// Each file: the format detected, the text as the editor holds it, and the
// file written back byte for byte.
TEST(DecodeDocument, DetectsTheFormat)
{
    // name, file, held text, format
    const std::tuple<const char*, std::string, std::string, DocumentFormat> rows[] = {
        {"empty", "", "", kUtf8CrLf},
        {"crlf", "a\r\nb\r\n", "a\r\nb\r\n", kUtf8CrLf},
        {"lf", "a\nb\n\n", "a\r\nb\r\n\r\n", kUtf8Lf},
        {"lf_with_lone_cr", "a\rb\nc", "a\rb\r\nc", kUtf8Lf},
        {"mixed_crlf_and_lf", "a\r\nb\nc", "a\r\nb\nc", kUtf8CrLf},
        {"lone_cr_only", "a\rb\r", "a\rb\r", kUtf8CrLf},
        {"cr_cr_lf", "a\r\r\nb", "a\r\r\nb", kUtf8CrLf},
        {"nul_bytes", "a\0b\0\r\n"s, "a\0b\0\r\n"s, kUtf8CrLf},
        {"utf8_two_to_four_bytes", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
         "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", kUtf8CrLf},
        {"utf8_bom_kept", "\xEF\xBB\xBFx\n", "\xEF\xBB\xBFx\r\n", kUtf8Lf},
        {"cp1252_e_acute", "caf\xE9\n", "caf\xC3\xA9\r\n", kCp1252Lf},
        {"cp1252_euro_quotes", "\x80 \x93x\x94", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D", kCp1252CrLf},
        {"cp1252_undefined_five", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", kCp1252CrLf},
        {"overlong_c0_80", "\xC0\x80", "\xC3\x80\xE2\x82\xAC", kCp1252CrLf},
        {"surrogate_ed_a0_80", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC", kCp1252CrLf},
        {"past_10ffff_f4_90", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC", kCp1252CrLf},
        {"sequence_cut_at_end", "ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A", kCp1252CrLf},
        {"lone_continuation_byte", "a\xA9", "a\xC2\xA9", kCp1252CrLf},
        {"utf16le_lf", "\xFF\xFE<\0p\0\n\0"s, "<p\r\n", {Encoding::Utf16Le, LineBreaks::Lf}},
        {"utf16le_nul_first", "\xFF\xFE\0\0A\0"s, "\0A"s, {Encoding::Utf16Le, LineBreaks::CrLf}},
        {"utf16be_pair_crlf",
         "\xFE\xFF\0\xE9\xD8\x3D\xDE\0\0\r\0\n"s,
         "\xC3\xA9\xF0\x9F\x98\x80\r\n",
         {Encoding::Utf16Be, LineBreaks::CrLf}},
        {"utf32le", "\xFF\xFE\0\0A\0\0\0\0\xF6\x01\0"s, "A\xF0\x9F\x98\x80", {Encoding::Utf32Le, LineBreaks::CrLf}},
        {"utf32be_lf", "\0\0\xFE\xFF\0\0\0\xE9\0\0\0\n"s, "\xC3\xA9\r\n", {Encoding::Utf32Be, LineBreaks::Lf}}};
    for (const auto& [name, file, held, format] : rows) {
        const storage::LoadedDocument doc = storage::decodeDocument(file);
        EXPECT_EQ(doc.text, held) << name;
        EXPECT_EQ(doc.format, format) << name;
        EXPECT_EQ(storage::encodeDocument(doc.text, doc.format), file) << name;
    }
}

// Texts as the editor holds them (typed, pasted, converted) in a format.
TEST(EncodeDocument, WritesTheHeldTextInTheFilesFormat)
{
    const std::tuple<std::string, DocumentFormat, std::string> written[] = {
        {"<p>\xC3\xA9</p>\r\n", kUtf8CrLf, "<p>\xC3\xA9</p>\r\n"},
        {"a\r\nb\rc\r\n", kUtf8Lf, "a\nb\rc\n"},  // only the CR of CR LF is dropped
        {"a\r\r\n", kUtf8Lf, "a\r\n"},
        {"\xE2\x82\xAC\xE2\x80\x9C\xC5\xB8", kCp1252CrLf, "\x80\x93\x9F"},
        {"\xC3\xA9\r\n", kCp1252Lf, "\xE9\n"},
        {"a\xFF\xC3", kCp1252CrLf, "a\xFF\xC3"},  // invalid bytes kept
        {"a\xFF\xC3\0"s, kUtf8CrLf, "a\xFF\xC3\0"s}};
    for (const auto& [held, format, file] : written) EXPECT_EQ(storage::encodeDocument(held, format), file) << held;
}

// A file marked as UTF-16 or UTF-32 whose units are not valid in it cannot be
// held without changing it: refused, saying what and where.
TEST(DecodeDocument, RefusesMarkedFilesThatAreNotValidInTheirForm)
{
    const std::pair<std::string, const char*> rows[] = {
        {"\xFF\xFE<\0a"s, "UTF-16LE (an incomplete last character at offset 4)"},
        {"\xFF\xFE<\0\x00\xDC"s, "UTF-16LE (an unpaired surrogate at offset 4)"},
        {"\xFE\xFF\xD8\x3D\0a"s, "UTF-16BE (an unpaired surrogate at offset 2)"},
        {"\xFF\xFE\x3D\xD8", "UTF-16LE (an unpaired surrogate at offset 2)"},
        {"\0\0\xFE\xFF\0\x11\0\0"s, "UTF-32BE (a value that is not a character at offset 4)"},
        {"\xFF\xFE\0\0\0\xD8\0\0"s, "UTF-32LE (a value that is not a character at offset 4)"},
        {"\xFF\xFE\0\0A\0\0\xDC"s, "UTF-16LE (an unpaired surrogate at offset 6)"}};
    for (const auto& [file, reason] : rows) {
        const storage::LoadedDocument doc = storage::decodeDocument(file);
        EXPECT_TRUE(doc.refused.contains(QString::fromLatin1(reason))) << reason << ": " << doc.refused.toStdString();
        EXPECT_EQ(doc.text, "") << reason;
    }
}

// (Random bytes: fuzz/DocumentFileFuzz.) Every byte value: read as
// Windows-1252, written back unchanged, and every character it gives can be
// saved in Windows-1252 again, and as UTF-8 reads back as the same text.
TEST(DocumentFileRoundTrip, EveryByteValueSurvives)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto doc = storage::decodeDocument(all);
    EXPECT_EQ(doc.format.encoding, Encoding::Windows1252);
    EXPECT_EQ(storage::encodeDocument(doc.text, doc.format), all);
    EXPECT_FALSE(storage::firstUnencodable(doc.text, Encoding::Windows1252).has_value());
    const auto again = storage::decodeDocument(storage::encodeDocument(doc.text, kUtf8CrLf));
    EXPECT_EQ(std::pair(again.format.encoding, again.text), std::pair(Encoding::Utf8, doc.text));
}

// The first character a Windows-1252 file has no code for: its offset and line.
TEST(FirstUnencodable, FindsTheFirstCharacterWithoutACode)
{
    const std::tuple<std::string, size_t, char32_t, int> unencodable[] = {
        {"a\r\nb\nc \xE4\xB8\xAD", 7, 0x4E2D, 3},
        {"\xC3\xA9\r\xF0\x9F\x98\x80", 3, 0x1F600, 2},  // after a lone CR
        {"\xC2\x80", 0, 0x80, 1}};                      // a C1 control whose byte is a defined character
    for (const auto& [held, offset, codePoint, line] : unencodable) {
        const auto bad = storage::firstUnencodable(held, Encoding::Windows1252);
        ASSERT_TRUE(bad.has_value()) << held;
        EXPECT_EQ(std::tuple(bad->offset, bad->codePoint, bad->line), std::tuple(offset, codePoint, line)) << held;
        EXPECT_FALSE(storage::firstUnencodable(held, Encoding::Utf8).has_value());
    }
    // Bytes that are not UTF-8 have no UTF-16 form; every character has a UTF-32 one.
    const auto bad = storage::firstUnencodable("ok\r\n\xFF", Encoding::Utf16Be);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(std::tuple(bad->offset, bad->line), std::tuple(size_t(4), 2));
    EXPECT_FALSE(storage::firstUnencodable("\xF0\x9F\x98\x80", Encoding::Utf32Le).has_value());
}

}  // namespace
