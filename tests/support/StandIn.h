// A stand-in for an external program (a browser, a tool, the help viewer): a
// small shell script that records the arguments it was started with, so that a
// test can check that each arrived whole, as one argument.
#pragma once

namespace testing_support {

class StandIn {
public:
    // Writes the program `name` into `folder` (created when missing); it ends
    // with `exitCode` once it has recorded its arguments.
    StandIn(const QString& folder, const QString& name, int exitCode = 0)
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

    QString path() const { return path_; }
    // Whether it has run (the record is complete).
    bool ran() const { return QFileInfo::exists(record_); }
    // The arguments of its last run, waiting up to a few seconds for it.
    QStringList arguments() const
    {
        QFile file(record_);
        if (!QTest::qWaitFor([this] { return ran(); }, 5000) || !file.open(QIODevice::ReadOnly))
            return {QStringLiteral("<did not run>")};
        QStringList args;
        for (const QByteArray& arg : file.readAll().split('\0')) args << QFile::decodeName(arg);
        args.removeLast();  // after the last NUL
        return args;
    }
    // Puts its folder first in PATH for the rest of the test.
    void putFirstInPath() const
    {
        qputenv("PATH",
                (QFileInfo(path_).absolutePath() + QLatin1Char(':') + qEnvironmentVariable("PATH")).toLocal8Bit());
    }

private:
    QString path_, record_;
};

}  // namespace testing_support
