#include "storage/DeclaredCharset.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "markup/Text.h"

namespace storage {
namespace {

// The labels browsers give these encodings (ISO-8859-1 and US-ASCII are read
// as Windows-1252 by every browser).
constexpr std::array<std::string_view, 6> kUtf8Labels = {
    "unicode-1-1-utf-8", "unicode11utf8", "unicode20utf8", "utf-8", "utf8", "x-unicode20utf8"};
constexpr std::array<std::string_view, 17> kWindows1252Labels = {
    "ansi_x3.4-1968", "ascii",        "cp1252",   "cp819",      "csisolatin1",     "ibm819", "iso-8859-1",
    "iso-ir-100",     "iso8859-1",    "iso88591", "iso_8859-1", "iso_8859-1:1987", "l1",     "latin1",
    "us-ascii",       "windows-1252", "x-cp1252"};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The position of `lowerWord` in `text` from `from` on, ignoring ASCII case.
size_t findIgnoringCase(std::string_view text, std::string_view lowerWord, size_t from)
{
    for (size_t at = from; at + lowerWord.size() <= text.size(); ++at)
        if (markup::startsWithIgnoringAsciiCase(text, at, lowerWord)) return at;
    return std::string_view::npos;
}

// Where the value of the first "charset = name" in the text of a meta tag is.
std::optional<DeclaredName> charsetInTag(std::string_view tag)
{
    for (size_t k = findIgnoringCase(tag, "charset", 0); k != std::string_view::npos;
         k = findIgnoringCase(tag, "charset", k + 1)) {
        size_t p = k + 7;
        while (p < tag.size() && isSpace(tag[p])) ++p;
        if (p >= tag.size() || tag[p] != '=') continue;
        ++p;
        while (p < tag.size() && isSpace(tag[p])) ++p;
        if (p < tag.size() && (tag[p] == '"' || tag[p] == '\'')) ++p;
        size_t end = p;
        while (end < tag.size() && !isSpace(tag[end]) && tag[end] != ';' && tag[end] != '"' && tag[end] != '\'' &&
               tag[end] != '/')
            ++end;
        if (end > p) return DeclaredName{p, end - p};
    }
    return std::nullopt;
}

QByteArray nameOf(std::string_view name)
{
    return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::vector<DeclaredName> findDeclarations(std::string_view bytes, size_t window)
{
    std::vector<DeclaredName> found;
    const std::string_view head = bytes.substr(0, std::min(bytes.size(), window));
    for (size_t at = head.find('<'); at != std::string_view::npos; at = head.find('<', at + 1)) {
        if (head.substr(at, 4) == "<!--") {
            at = head.find("-->", at + 4);
            if (at == std::string_view::npos) break;
            continue;
        }
        if (!markup::startsWithIgnoringAsciiCase(head, at + 1, "meta") || at + 5 >= head.size() ||
            !isSpace(head[at + 5]))
            continue;
        const size_t close = head.find('>', at);
        if (close == std::string_view::npos) break;
        if (const auto name = charsetInTag(head.substr(at + 5, close - at - 5)))
            found.push_back({at + 5 + name->offset, name->length});
        at = close;
    }
    return found;
}

std::string findDeclaredCharset(std::string_view bytes)
{
    const std::vector<DeclaredName> found = findDeclarations(bytes);
    return found.empty() ? std::string() : std::string(bytes.substr(found[0].offset, found[0].length));
}

std::optional<Redeclaration> declareUtf8(std::string_view text)
{
    std::optional<Redeclaration> edit;
    size_t end = 0;
    for (const DeclaredName& d : findDeclarations(text, 2 * kDeclarationWindow)) {
        const std::string_view name = text.substr(d.offset, d.length);
        if (kindOfCharset(name) == CharsetKind::Utf8) continue;
        // In the letter case the page writes its name in.
        const std::string_view utf8 = std::ranges::any_of(name, markup::isAsciiLower) ? "utf-8" : "UTF-8";
        if (!edit) {
            edit.emplace();
            edit->offset = end = d.offset;
            edit->oldName = name;
            edit->newName = utf8;
        }
        edit->replacement.append(text.substr(end, d.offset - end));
        edit->replacement += utf8;
        end = d.offset + d.length;
    }
    if (edit) edit->length = end - edit->offset;
    return edit;
}

CharsetKind kindOfCharset(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), markup::asciiLower);
    const auto among = [&](const auto& labels) { return std::ranges::find(labels, lower) != labels.end(); };
    if (among(kUtf8Labels) || lower.starts_with("utf-16") || lower.starts_with("utf-32")) return CharsetKind::Utf8;
    if (among(kWindows1252Labels)) return CharsetKind::Windows1252;
    return CharsetKind::Other;
}

bool codecAvailable(std::string_view name)
{
    const QByteArray n = nameOf(name);
    return QStringDecoder(n.constData()).isValid() && QStringEncoder(n.constData()).isValid();
}

std::optional<std::string> decodeNamed(std::string_view bytes, std::string_view name)
{
    const QByteArray n = nameOf(name);
    QStringDecoder decoder(n.constData());
    if (!decoder.isValid()) return std::nullopt;
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) return std::nullopt;
    // The check goes through the UTF-8 the editor will hold: a decoder may
    // pass on a lone surrogate, which has no UTF-8 form.
    const QByteArray utf8 = text.toUtf8();
    QStringEncoder encoder(n.constData());
    const QByteArray again = encoder.encode(QString::fromUtf8(utf8));
    if (encoder.hasError() || std::string_view(again.constData(), static_cast<size_t>(again.size())) != bytes)
        return std::nullopt;
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

std::string encodeNamed(std::string_view text, std::string_view name)
{
    const QByteArray n = nameOf(name);
    QStringEncoder encoder(n.constData());
    const QByteArray bytes = encoder.encode(fromUtf8(text));
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::optional<Unstorable> firstUnstorable(std::string_view text, std::string_view name)
{
    const QByteArray n = nameOf(name);
    const QString held = fromUtf8(text);
    QStringEncoder encoder(n.constData());
    QStringDecoder decoder(n.constData());
    const QString back = decoder.decode(encoder.encode(held));
    if (back == held) return std::nullopt;
    // The first character that came back otherwise: the one without a code.
    const qsizetype shorter = std::min(held.size(), back.size());
    qsizetype i = 0;
    while (i < shorter && held[i] == back[i]) ++i;
    if (i >= held.size()) i = held.size() - 1;
    if (i < 0) return std::nullopt;
    if (i > 0 && held[i].isLowSurrogate()) --i;
    const bool pair = held[i].isHighSurrogate() && i + 1 < held.size();
    const char32_t cp = pair ? QChar::surrogateToUcs4(held[i], held[i + 1]) : held[i].unicode();
    return Unstorable{static_cast<size_t>(QStringView(held).first(i).toUtf8().size()), cp};
}

}  // namespace storage
