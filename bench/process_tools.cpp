// Child processes and /proc readings for the start-up and real-window benchmarks.
#include "bench/process_tools.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace kestalon::bench {

std::int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double NsToMs(std::int64_t ns) {
  return static_cast<double>(ns) / 1e6;
}

Child SpawnChild(const std::string& program, const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment, bool captureStdout) {
  std::vector<std::string> envStrings;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (!environment.contains(name)) envStrings.push_back(text);
  }
  for (const auto& [name, value] : environment) {
    if (!value.empty()) envStrings.push_back(name + "=" + value);
  }
  std::vector<char*> envp;
  for (auto& text : envStrings) envp.push_back(text.data());
  envp.push_back(nullptr);

  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& text : argStrings) argv.push_back(text.data());
  argv.push_back(nullptr);

  Child child;
  int pipeFds[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (captureStdout) {
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return child;
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  }
  const int result =
      posix_spawn(&child.pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (captureStdout) {
    close(pipeFds[1]);
    if (result == 0) {
      child.stdoutFd = pipeFds[0];
    } else {
      close(pipeFds[0]);
    }
  }
  if (result != 0) child.pid = -1;
  return child;
}

std::string ReadAll(int fd, int timeoutMs) {
  std::string text;
  const std::int64_t deadline = MonotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
  char buffer[4096];
  for (;;) {
    const std::int64_t left = (deadline - MonotonicNs()) / 1'000'000;
    if (left <= 0) break;
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, static_cast<int>(left)) <= 0) break;
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

bool WaitChild(Child& child, int timeoutMs) {
  if (child.pid <= 0) return true;
  const std::int64_t deadline = MonotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(child.pid, &status, WNOHANG);
    if (done == child.pid || (done < 0 && errno != EINTR)) break;
    if (MonotonicNs() > deadline) {
      kill(child.pid, SIGKILL);
      waitpid(child.pid, &status, 0);
      child.pid = -1;
      if (child.stdoutFd >= 0) close(child.stdoutFd);
      child.stdoutFd = -1;
      return false;
    }
    usleep(1000);
  }
  child.pid = -1;
  if (child.stdoutFd >= 0) close(child.stdoutFd);
  child.stdoutFd = -1;
  return true;
}

void StopChild(Child& child) {
  if (child.pid <= 0) return;
  kill(child.pid, SIGTERM);
  WaitChild(child, 1000);
}

namespace {

std::optional<long> StatusField(pid_t pid, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) {
      return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<long> PeakResidentKb(pid_t pid) {
  return StatusField(pid, "VmHWM");
}

std::optional<long> ResidentKb(pid_t pid) {
  return StatusField(pid, "VmRSS");
}

std::optional<long> CpuTicks(pid_t pid) {
  std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(statFile, text)) return std::nullopt;
  // The command name in parentheses may hold blanks; the fields after it are plain.
  const auto close = text.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  long utime = 0;
  long stime = 0;
  // After the name: state is field 3, utime field 14, stime field 15.
  for (int number = 3; number <= 15 && fields >> field; ++number) {
    if (number == 14) utime = std::strtol(field.c_str(), nullptr, 10);
    if (number == 15) stime = std::strtol(field.c_str(), nullptr, 10);
  }
  return utime + stime;
}

long TicksPerSecond() {
  return sysconf(_SC_CLK_TCK);
}

std::optional<std::int64_t> CpuNs(pid_t pid) {
  std::error_code error;
  std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
  if (error) return std::nullopt;
  std::int64_t total = 0;
  for (const auto& task : tasks) {
    std::ifstream schedstat(task.path() / "schedstat");
    long long onCpu = 0;
    if (schedstat >> onCpu) total += onCpu;
  }
  return total;
}

std::optional<long> ContextSwitches(pid_t pid) {
  std::error_code error;
  std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
  if (error) return std::nullopt;
  long total = 0;
  for (const auto& task : tasks) {
    std::ifstream status(task.path() / "status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
          line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
        total += std::strtol(line.c_str() + line.find(':') + 1, nullptr, 10);
      }
    }
  }
  return total;
}

std::string MakePrivateDir(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) return {};
  return pattern;
}

void RemoveTree(const std::string& path) {
  std::error_code ignored;
  if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

std::string OwnDirectory() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : self.parent_path().string();
}

}  // namespace kestalon::bench
