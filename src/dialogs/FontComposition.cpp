#include "FontComposition.h"

#include <algorithm>
#include <functional>

#include "markup/TagCase.h"
#include "markup/Text.h"

namespace dialogs {

FontTag fontTag(const FontFields& f, bool lower)
{
    const QString code = f.colour ? f.code.trimmed() : QString();
    // Only "<default>" means no size: an empty box (no item chosen, as a stored
    // index of -1 opens it) still writes its empty value.
    const bool size = f.size.toLower() != QLatin1String("<default>");
    const bool colour = !code.isEmpty(), face = !f.face.isEmpty();
    if (!size && !colour && !face) return {};
    QString tag = QStringLiteral("<FONT");
    if (size) tag += QStringLiteral(" SIZE=\"") + f.size + u'"';
    if (colour) tag += QStringLiteral(" COLOR=\"") + code + u'"';
    if (face) tag += QStringLiteral(" FACE=\"") + f.face + u'"';
    tag += u'>';
    return {markup::toTagCase(tag, lower), markup::toTagCase(QStringLiteral("</FONT>"), lower)};
}

std::string fontInsertion(const FontTag& tag, std::string_view selected)
{
    std::string text = tag.start.toStdString();
    if (selected.empty()) return text;
    text += selected;
    return text + tag.end.toStdString();
}

QStringList fontSizeItems()
{
    return {QStringLiteral("-3"), QStringLiteral("-2"), QStringLiteral("-1"), QStringLiteral("<default>"),
            QStringLiteral("+1"), QStringLiteral("+2"), QStringLiteral("+3"), QStringLiteral("+4"),
            QStringLiteral("+5"), QStringLiteral("+6"), QStringLiteral("+7"), QStringLiteral("+8"),
            QStringLiteral("+9"), QStringLiteral("+10")};
}

std::optional<Rgb> pageBackground(std::string_view document)
{
    constexpr std::string_view needle = "bgcolor=\"";
    const auto hash = [](char c) { return std::hash<char>{}(markup::asciiLower(c)); };
    const auto equal = [](char a, char b) { return markup::asciiLower(a) == markup::asciiLower(b); };
    const auto found = std::search(document.begin(), document.end(),
                                   std::boyer_moore_horspool_searcher(needle.begin(), needle.end(), hash, equal));
    if (found == document.end()) return std::nullopt;
    std::string_view value = document.substr(static_cast<size_t>(found - document.begin()) + needle.size(), 7);
    if (value.starts_with('#')) value.remove_prefix(1);
    return parseColourCode(QString::fromLatin1(value.substr(0, 6)));
}

}  // namespace dialogs
