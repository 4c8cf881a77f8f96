// The recovery file keeps the document's path, format and text byte for byte,
// and anything else is refused.

#include "storage/RecoveryFile.h"

TEST(RecoveryFile, KeepsItsDocumentByteForByte)
{
    const std::string text("a\0b\r\n\xE9\xFF end", 11);
    const storage::DocumentFormat cp1252Lf{storage::Encoding::Windows1252, storage::LineBreaks::Lf};
    for (const QString& path : {QString(), QStringLiteral("/web/page.html"), QStringLiteral("/web/a\nb %1 .html"),
                                QFile::decodeName("/web/\xFF\xFE.html")})
        for (const storage::DocumentFormat& format : {storage::DocumentFormat{},
                                                      cp1252Lf,
                                                      {storage::Encoding::Named, storage::LineBreaks::CrLf, "KOI8-R"},
                                                      {storage::Encoding::Utf16Be, storage::LineBreaks::Lf},
                                                      {storage::Encoding::Utf32Le}}) {
            const auto back = storage::decodeRecovery(storage::encodeRecovery({path, format}, text));
            ASSERT_TRUE(back) << path.toStdString();
            EXPECT_EQ(back->name.path, path);
            EXPECT_EQ(back->name.format, format);
            EXPECT_EQ(back->text, text);
        }
    for (const char* damaged :
         {"", "text", "QUILLON-RECOVERY 1 utf-8 crlf 2\n/p", "QUILLON-RECOVERY 1 utf-8 crlf 9\n/p\nx",
          "QUILLON-RECOVERY 2 utf-8 crlf 2\n/p\nx", "QUILLON-RECOVERY 1 no-such-codec crlf 2\n/p\nx",
          "QUILLON-RECOVERY 1 utf-8 cr 2\n/p\nx", "QUILLON-RECOVERY 1 utf-8 crlf -2\n/p\nx"})
        EXPECT_FALSE(storage::decodeRecovery(damaged)) << damaged;
}
