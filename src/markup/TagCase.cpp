#include "TagCase.h"

#include "Text.h"

namespace markup {

std::string toTagCase(std::string_view literal, bool lower)
{
    std::string out(literal);
    for (char& c : out) c = asciiCase(c, lower);
    return out;
}

QString toTagCase(const QString& literal, bool lower)
{
    QString out = literal;
    for (QChar& c : out)
        if (c.unicode() < 0x80) c = QChar(asciiCase(static_cast<char>(c.unicode()), lower));
    return out;
}

}  // namespace markup
