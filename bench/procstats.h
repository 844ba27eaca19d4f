#pragma once
// What /proc tells of a started program: its memory, processor time,
// threads and shared libraries.

#include <sys/types.h>

namespace zentak::bench {

// A "key:" line of /proc/PID/status in KiB (VmHWM:, VmRSS:), -1 when absent.
double statusKiB(pid_t pid, const char *key);
// The processor time of all the process's threads so far.
double cpuMilliseconds(pid_t pid);
// Whether any of the process's threads is running, waiting for a core or
// for the disk: on a busy machine a program can use no processor time for
// a while and still have work to do.
bool anyThreadBusy(pid_t pid);
// The shared libraries mapped.
int sharedLibraries(pid_t pid);

} // namespace zentak::bench
