// Starting the game as a child process and reading its clock, memory and CPU figures.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace kestalon::bench {

// CLOCK_MONOTONIC in nanoseconds: one clock for every process on the machine.
std::int64_t MonotonicNs();
double NsToMs(std::int64_t ns);

struct Child {
  pid_t pid = -1;
  int stdoutFd = -1;  // read end of the child's standard output, when captured
};

// Starts program with arguments; environment is this process's with the given entries
// set (an empty value unsets the variable). Returns a child with pid -1 on failure.
Child SpawnChild(const std::string& program, const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment, bool captureStdout);

// Reads the child's standard output to its end (or until timeoutMs passes).
std::string ReadAll(int fd, int timeoutMs);

// Ends a child we started: SIGTERM, then SIGKILL if it has not gone within a second.
void StopChild(Child& child);
// Waits for a child to end by itself; false (and the child killed) after timeoutMs.
bool WaitChild(Child& child, int timeoutMs);

// VmHWM (peak resident set) and VmRSS of a process in kilobytes, from /proc/PID/status.
std::optional<long> PeakResidentKb(pid_t pid);
std::optional<long> ResidentKb(pid_t pid);
// utime + stime of all the process's threads, in clock ticks, from /proc/PID/stat.
std::optional<long> CpuTicks(pid_t pid);
long TicksPerSecond();
// Time on CPU of the process's live threads in nanoseconds, from /proc/PID/task/*/schedstat.
std::optional<std::int64_t> CpuNs(pid_t pid);
// Context switches of the process's live threads (voluntary and not): each wake-up adds one.
std::optional<long> ContextSwitches(pid_t pid);

// A new private (0700) folder under the temporary directory; removed by RemoveTree.
std::string MakePrivateDir(const std::string& prefix);
void RemoveTree(const std::string& path);

// The directory of this executable, for finding the tools built beside it.
std::string OwnDirectory();

}  // namespace kestalon::bench
