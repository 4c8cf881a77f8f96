// The generated pages: whatever the stored values, every page is whole lines
// ended by CR LF, in either tag case.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "generators/Templates.h"
#include "settings/Options.h"

namespace {
void checkLines(const QString& page)
{
    FUZZ_CHECK(page.endsWith(QStringLiteral("\r\n")));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList parts = text.split(u'|');
    const auto part = [&](int i) { return parts.value(i); };
    for (const bool lower : {true, false}) {
        generators::DefaultPage page;
        page.lowerCase = lower;
        page.UseDefault = size % 2;
        page.bgImage = part(0);
        page.dtd = part(1);
        for (size_t i = 0; i < page.colours.size(); ++i) page.colours[i] = part(2 + static_cast<int>(i));
        checkLines(generators::defaultTemplate(page));
        checkLines(generators::framesetTemplate(lower, part(1)));
        settings::Options options;
        options.tagCase = lower;
        options.name = part(0);
        options.address = part(1);
        options.mail = part(2);
        options.url = part(3);
        options.phone = part(4);
        options.fax = part(5);
        checkLines(generators::quickPage(options, QDate(2026, 12, 7), QLocale::c()));
    }
    return 0;
}
