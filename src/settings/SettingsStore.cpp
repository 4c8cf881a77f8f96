#include "SettingsStore.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <cerrno>

#include "interaction/Interaction.h"
#include "markup/Text.h"
#include "storage/DocumentFile.h"

namespace settings {
namespace {
QString key(const QString& section, const QString& ident)
{
    return section.toLower() + u'/' + ident.toLower();
}

// A probe file of our own in `folder`: created exclusively under a name of
// this process, so that a file or link planted under any name is never
// opened, let alone overwritten. The open's errno on failure.
int createProbe(const QByteArray& folder, QByteArray* name)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = folder + "/.quillon-write-test-" + QByteArray::number(::getpid()) + '-';
        for (int i = 0; i < 6; ++i) *name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Why the settings file cannot be written: the system's text for a small
// file created and synced in its folder (a read-only folder, a full disk), or
// for the settings file itself.
QString writeFailureReason(const QString& path)
{
    if (QFileInfo::exists(path) && !QFileInfo(path).isWritable()) return qt_error_string(EACCES);
    QByteArray probe;
    const int fd = createProbe(QFile::encodeName(QFileInfo(path).absolutePath()), &probe);
    if (fd < 0) return qt_error_string(errno);
    const QByteArray block(8192, '\n');
    int error = 0;
    if (::write(fd, block.constData(), static_cast<size_t>(block.size())) != block.size() || ::fsync(fd) != 0)
        error = errno ? errno : ENOSPC;
    ::close(fd);
    ::unlink(probe.constData());
    return error ? qt_error_string(error) : QStringLiteral("The file could not be written.");
}

// Each settings file whose write failed is reported once per run.
void reportWriteFailure(const QString& path, const QString& reason)
{
    static QSet<QString> reported;
    if (reported.contains(path)) return;
    reported.insert(path);
    interaction::ui().error(
        QStringLiteral("Cannot save \"%1\".\n%2\nChanged settings will not be kept.").arg(path, reason));
}

// Why `path` is not opened: it exists and is no plain file (see
// storage::isPlainFile); empty for a plain or a missing file.
QString refusalOf(const QString& path)
{
    QString reason;
    return QFileInfo::exists(path) && !storage::isPlainFile(path, &reason) ? reason : QString();
}

QByteArray readWholeFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

bool looksLikeSettingsFile(QByteArrayView bytes)
{
    if (bytes.isEmpty()) return true;
    const std::string_view text(bytes.data(), static_cast<size_t>(bytes.size()));
    if (text.find('\0') != std::string_view::npos || !markup::isValidUtf8(text)) return false;
    if (text.back() != '\n') return false;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(from, end - from);
        from = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.size() < 2 || line.back() != ']') return false;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0) return false;
    }
    return true;
}

QFont storedEditorFont(const SettingsStore& store, const QFont& base)
{
    QFont font = base;
    font.setFamily(store.read(fonts::kName));
    font.setPointSize(std::max(1, store.read(fonts::kSize)));
    const bool bold = store.read(fonts::kBold), italic = store.read(fonts::kItalic);
    // Neither flag leaves the style as it was.
    if (bold || italic) {
        font.setBold(bold);
        font.setItalic(italic);
    }
    return font;
}

QString SettingsStore::folder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Corvantis");
}

QString SettingsStore::pathOf(const QString& name)
{
    return folder() + u'/' + name + QStringLiteral(".conf");
}

SettingsStore::SettingsStore(const QString& name) : path_(pathOf(name)), refusal_(refusalOf(path_))
{
    // Only plain files are opened, the settings and the lock file QSettings
    // takes while it writes: the open of a pipe would wait for a writer for
    // good, and a folder or a device holds no settings. The store then keeps
    // its values in memory (the defaults at first) and a write is reported
    // with the reason.
    const QString lock = path_ + QStringLiteral(".lock");
    if (const QString lockRefusal = refusalOf(lock); refusal_.isEmpty() && !lockRefusal.isEmpty())
        refusal_ = QStringLiteral("\"%1\": %2").arg(lock, lockRefusal);
    if (!refusal_.isEmpty()) {
        settings_ = std::make_unique<QSettings>(QString(), QSettings::IniFormat);
        return;
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    // A damaged file is copied aside before our first write replaces it.
    settings_->contains(QStringLiteral("\x01"));
    damaged_ = settings_->status() == QSettings::FormatError || !looksLikeSettingsFile(readWholeFile(path_));
}

SettingsStore::~SettingsStore()
{
    close();
}

QString SettingsStore::fileName() const
{
    return path_;
}

bool SettingsStore::hasValue(const QString& section, const QString& ident) const
{
    return settings_->contains(key(section, ident));
}

QString SettingsStore::ReadString(const QString& section, const QString& ident, const QString& def) const
{
    const QVariant v = settings_->value(key(section, ident));
    if (!v.isValid()) return def;
    // An unquoted value with commas reads back as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    if (!v.canConvert<QString>()) return def;
    return v.toString();
}

bool parseStoredInteger(const QString& text, int* value)
{
    const QString t = text.trimmed();
    bool ok = false;
    int n = 0;
    if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        const QStringView digits = QStringView(t).mid(2);
        // toUInt accepts a sign or another prefix; hex digits alone are allowed.
        ok = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
        });
        if (ok) n = static_cast<int>(digits.toUInt(&ok, 16));
    } else {
        n = t.toInt(&ok, 10);
    }
    if (ok && value) *value = n;
    return ok;
}

int SettingsStore::ReadInteger(const QString& section, const QString& ident, int def) const
{
    int n = def;
    const QVariant v = settings_->value(key(section, ident));
    if (!v.isValid() || v.typeId() == QMetaType::QStringList) return def;
    return parseStoredInteger(v.toString(), &n) ? n : def;
}

bool SettingsStore::ReadBool(const QString& section, const QString& ident, bool def) const
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void SettingsStore::beforeWrite()
{
    if (!damaged_) return;
    damaged_ = false;
    const QString path = fileName();
    const QString copy = path + QStringLiteral(".damaged");
    QFile::remove(copy);
    QFile::copy(path, copy);
}

void SettingsStore::WriteString(const QString& section, const QString& ident, const QString& text)
{
    beforeWrite();
    settings_->setValue(key(section, ident), text);
}

void SettingsStore::WriteInteger(const QString& section, const QString& ident, int n)
{
    WriteString(section, ident, QString::number(n));
}

void SettingsStore::WriteBool(const QString& section, const QString& ident, bool b)
{
    WriteString(section, ident, b ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::EraseSection(const QString& section)
{
    beforeWrite();
    settings_->remove(section.toLower());
}

void SettingsStore::close()
{
    if (!settings_) return;
    settings_->sync();
    if (settings_->status() == QSettings::AccessError)
        reportWriteFailure(path_, refusal_.isEmpty() ? writeFailureReason(path_) : refusal_);
}

void eraseEarlierVersions()
{
    for (const char* old : {"Quillon 1.2", "Quillon 1.3", "Quillon 1.5", "Quillon 2.0"})
        QFile::remove(SettingsStore::pathOf(QString::fromLatin1(old)));
}

}  // namespace settings
