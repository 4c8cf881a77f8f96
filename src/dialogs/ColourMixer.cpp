#include "ColourMixer.h"

#include <algorithm>

#include "markup/TagCase.h"

namespace dialogs {
namespace {
constexpr int kStep = 7;

template <typename F>
Rgb each(Rgb c, F f)
{
    return {f(c.red), f(c.green), f(c.blue)};
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}
}  // namespace

int clampPosition(int position)
{
    return std::clamp(position, 0, kBarMaximum);
}

Rgb darker(Rgb c)
{
    return each(c, [](int p) { return std::max(0, p - kStep); });
}
Rgb lighter(Rgb c)
{
    return each(c, [](int p) { return std::min(kBarMaximum, p + kStep); });
}
Rgb littleDarker(Rgb c)
{
    return each(c, [](int p) { return std::max(0, p - 1); });
}
Rgb littleLighter(Rgb c)
{
    return each(c, [](int p) { return std::min(kBarMaximum, p + 1); });
}

QString colourCode(Rgb c)
{
    return QStringLiteral("%1%2%3")
        .arg(clampPosition(c.red), 2, 16, QLatin1Char('0'))
        .arg(clampPosition(c.green), 2, 16, QLatin1Char('0'))
        .arg(clampPosition(c.blue), 2, 16, QLatin1Char('0'))
        .toUpper();
}

std::optional<Rgb> parseColourCode(QStringView code)
{
    if (code.size() != 6) return std::nullopt;
    int v[6];
    for (int i = 0; i < 6; ++i)
        if ((v[i] = hexDigit(code[i])) < 0) return std::nullopt;
    return Rgb{v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]};
}

QString validCodeOr(const QString& code, const QString& fallback)
{
    return parseColourCode(code) ? code : fallback;
}

QString codeInTagCase(const QString& code, bool lower)
{
    return markup::toTagCase(code, lower);
}

unsigned rgbValue(Rgb c)
{
    return static_cast<unsigned>(clampPosition(c.red) << 16 | clampPosition(c.green) << 8 | clampPosition(c.blue));
}

}  // namespace dialogs
