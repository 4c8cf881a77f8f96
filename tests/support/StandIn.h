// A stand-in for an external program (a browser, a tool, the help viewer): a
// small shell script that records the arguments it was started with, so that a
// test can check that each arrived whole, as one argument.
#pragma once

#include <QString>
#include <QStringList>

namespace testing_support {

class StandIn {
public:
    // Writes the program `name` into `folder` (created when missing); it ends
    // with `exitCode` once it has recorded its arguments.
    StandIn(const QString& folder, const QString& name, int exitCode = 0);

    QString path() const { return path_; }
    // Whether it has run (the record is complete).
    bool ran() const;
    // The arguments of its last run, waiting up to a few seconds for it.
    QStringList arguments() const;
    // Puts its folder first in PATH for the rest of the test.
    void putFirstInPath() const;

private:
    QString path_, record_;
};

}  // namespace testing_support
