#include "storage/RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <algorithm>
#include <utility>

#include "storage/DeclaredCharset.h"

namespace storage {
namespace {

constexpr std::string_view kMagic = "QUILLON-RECOVERY 1";

// The encodings of our own, by the name a recovery file gives them; any other
// name is a codec's (Encoding::Named).
constexpr std::pair<Encoding, std::string_view> kOwnEncodings[] = {
    {Encoding::Utf8, "utf-8"},       {Encoding::Windows1252, "windows-1252"}, {Encoding::Utf16Le, "utf-16le"},
    {Encoding::Utf16Be, "utf-16be"}, {Encoding::Utf32Le, "utf-32le"},         {Encoding::Utf32Be, "utf-32be"}};

}  // namespace

QString recoveryFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Corvantis/Quillon/recovery");
}

QString recoveryFileOf(qint64 pid)
{
    return recoveryFolder() + QLatin1Char('/') + QString::number(pid);
}

std::string recoveryHeader(const DocumentName& name)
{
    const QByteArray path = QFile::encodeName(name.path);
    std::string header(kMagic);
    // A codec's name holds no blank (one that did could not be declared).
    std::string_view encoding = name.format.charset;
    for (const auto& [e, own] : kOwnEncodings)
        if (e == name.format.encoding) encoding = own;
    header += ' ';
    header += encoding;
    header += name.format.lineBreaks == LineBreaks::CrLf ? " crlf " : " lf ";
    header += std::to_string(path.size()) + '\n';
    header.append(path.constData(), static_cast<size_t>(path.size()));
    header += '\n';
    return header;
}

std::string encodeRecovery(const DocumentName& name, std::string_view text)
{
    return recoveryHeader(name).append(text);
}

std::optional<RecoveredText> decodeRecovery(std::string bytes)
{
    const size_t eol = bytes.find('\n');
    if (eol == std::string::npos) return std::nullopt;
    const QList<QByteArray> fields = QByteArray(bytes.data(), static_cast<qsizetype>(eol)).split(' ');
    if (fields.size() != 5 || fields[0] + ' ' + fields[1] != QByteArray(kMagic.data(), kMagic.size()))
        return std::nullopt;
    RecoveredText out;
    const std::string_view encoding(fields[2].constData(), static_cast<size_t>(fields[2].size()));
    const auto own = std::ranges::find_if(kOwnEncodings, [&](const auto& e) { return encoding == e.second; });
    if (own != std::end(kOwnEncodings)) {
        out.name.format.encoding = own->first;
    } else {
        if (!codecAvailable(fields[2].toStdString())) return std::nullopt;
        out.name.format.encoding = Encoding::Named;
        out.name.format.charset = fields[2].toStdString();
    }
    if (fields[3] == "lf")
        out.name.format.lineBreaks = LineBreaks::Lf;
    else if (fields[3] != "crlf")
        return std::nullopt;
    bool ok = false;
    const qulonglong length = fields[4].toULongLong(&ok);
    const size_t text = eol + 1 + length + 1;
    if (!ok || length >= bytes.size() || text > bytes.size() || bytes[text - 1] != '\n') return std::nullopt;
    out.name.path = QFile::decodeName(QByteArray(bytes.data() + eol + 1, static_cast<qsizetype>(length)));
    bytes.erase(0, text);
    out.text = std::move(bytes);
    return out;
}

}  // namespace storage
