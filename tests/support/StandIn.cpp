#include "StandIn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace testing_support {

StandIn::StandIn(const QString& folder, const QString& name, int exitCode)
    : path_(folder + QLatin1Char('/') + name), record_(path_ + QStringLiteral(".args"))
{
    QDir().mkpath(folder);
    QFile script(path_);
    if (!script.open(QIODevice::WriteOnly)) return;
    // Each argument ends in a NUL; the record appears whole (renamed into place).
    script.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$0.args.part\" && mv \"$0.args.part\" \"$0.args\"\nexit " +
                 QByteArray::number(exitCode) + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool StandIn::ran() const
{
    return QFileInfo::exists(record_);
}

QStringList StandIn::arguments() const
{
    if (!QTest::qWaitFor([this] { return ran(); }, 5000)) return {QStringLiteral("<did not run>")};
    QFile file(record_);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<did not run>")};
    QStringList args;
    for (const QByteArray& arg : file.readAll().split('\0')) args << QFile::decodeName(arg);
    args.removeLast();  // after the last NUL
    return args;
}

void StandIn::putFirstInPath() const
{
    qputenv("PATH", (QFileInfo(path_).absolutePath() + QLatin1Char(':') + qEnvironmentVariable("PATH")).toLocal8Bit());
}

}  // namespace testing_support
