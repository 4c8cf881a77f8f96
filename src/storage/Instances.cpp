#include "storage/Instances.h"

#include <signal.h>
#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <cerrno>

namespace storage {
namespace {

// The program name and state of a process from /proc/PID/stat
// ("1234 (tagsmith) S ..."): the name may hold blanks and parentheses, so it
// runs to the last ")".
struct ProcessState {
    QByteArray name;
    char state = '?';
};

bool readProcessState(const QByteArray& pid, ProcessState* out)
{
    QFile file(QByteArrayLiteral("/proc/") + pid + QByteArrayLiteral("/stat"));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray stat = file.read(512);
    const qsizetype open = stat.indexOf('('), close = stat.lastIndexOf(')');
    if (open < 0 || close < open || close + 2 >= stat.size()) return false;
    out->name = stat.mid(open + 1, close - open - 1);
    out->state = stat[close + 2];
    return true;
}

bool exists(qint64 pid)
{
    return pid > 0 && pid == static_cast<pid_t>(pid) && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH);
}

}  // namespace

bool isProcessAlive(qint64 pid)
{
    ProcessState other;
    return exists(pid) && (!readProcessState(QByteArray::number(pid), &other) || other.state != 'Z');
}

bool isRunningInstance(qint64 pid)
{
    if (pid == ::getpid()) return true;
    ProcessState self, other;
    if (!exists(pid)) return false;
    if (!readProcessState(QByteArrayLiteral("self"), &self) || !readProcessState(QByteArray::number(pid), &other))
        return true;
    return other.state != 'Z' && other.name == self.name;
}

}  // namespace storage
