#include "storage/RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QList>

namespace storage {
namespace {

constexpr std::string_view kMagic = "QUILLON-RECOVERY 1";

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
    header += name.format.encoding == Encoding::Utf8 ? " utf-8" : " windows-1252";
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
    if (fields[2] == "windows-1252")
        out.name.format.encoding = Encoding::Windows1252;
    else if (fields[2] != "utf-8")
        return std::nullopt;
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
