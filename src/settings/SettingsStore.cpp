#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace settings {
namespace {
QString key(const QString& section, const QString& ident)
{
    return section.toLower() + u'/' + ident.toLower();
}
}  // namespace

QString SettingsStore::folder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Corvantis");
}

QString SettingsStore::pathOf(const QString& name) { return folder() + u'/' + name + QStringLiteral(".conf"); }

SettingsStore::SettingsStore(const QString& name)
    : settings_(std::make_unique<QSettings>(pathOf(name), QSettings::IniFormat))
{
    // Reading the file once tells whether it parsed; a damaged file is copied
    // aside before our first write replaces it.
    settings_->contains(QStringLiteral("\x01"));
    damaged_ = settings_->status() == QSettings::FormatError;
}

SettingsStore::~SettingsStore() { close(); }

QString SettingsStore::fileName() const { return settings_->fileName(); }

bool SettingsStore::HasValue(const QString& section, const QString& ident) const
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
        ok = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f'); });
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
    if (settings_) settings_->sync();
}

void EraseEarlierVersions()
{
    for (const char* old : {"Quillon 1.2", "Quillon 1.3", "Quillon 1.5", "Quillon 2.0"})
        QFile::remove(SettingsStore::pathOf(QString::fromLatin1(old)));
}

}  // namespace settings
