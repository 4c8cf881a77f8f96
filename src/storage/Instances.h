// Whether the process that left a file is still running: the files an
// instance keeps while it runs (its recovery file, the temporary file of a
// save in progress) carry its process id, and only those of processes that
// are gone may be offered or removed by another.
#pragma once

#include <QtGlobal>

namespace storage {

// True while a process of that id exists and has not ended (a zombie has).
// Where that cannot be told, true, so that nothing of it is touched.
bool isProcessAlive(qint64 pid);

// True when `pid` is this process, or a live process whose program has the
// same name as ours (the id of an instance that ended before a restart of the
// system is soon some other program's).
bool isRunningInstance(qint64 pid);

}  // namespace storage
