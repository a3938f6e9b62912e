#include "support/run_program.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <stdexcept>

extern char** environ;

namespace kep::test {
namespace {

using Clock = std::chrono::steady_clock;

// Reads both pipes until the program has closed them, so that neither can fill
// up and stall it; interrupts the program at the moment given.
void Drain(int outFd, int errFd, pid_t pid, std::optional<Clock::time_point> interruptAt,
           std::optional<Clock::time_point>& interrupted, ProgramResult& result) {
  std::array<pollfd, 2> fds = {{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
  std::array<std::string*, 2> sinks = {&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    int timeout = -1;
    if (interruptAt && !interrupted) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(*interruptAt - Clock::now());
      timeout = static_cast<int>(std::max<std::int64_t>(left.count(), 0));
      if (timeout == 0) {
        ::kill(pid, SIGINT);
        interrupted = Clock::now();
        timeout = -1;
      }
    }
    if (::poll(fds.data(), fds.size(), timeout) < 0) throw std::runtime_error("poll failed");
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(got));
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         std::optional<std::chrono::milliseconds> interruptAfter) {
  std::vector<std::string> texts = {program};
  texts.insert(texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);

  int outPipe[2];
  int errPipe[2];
  if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
  for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  ProgramResult result;
  if (spawned != 0) {
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    throw std::runtime_error("cannot start " + program);
  }
  std::optional<Clock::time_point> interruptAt;
  if (interruptAfter) interruptAt = Clock::now() + *interruptAfter;
  std::optional<Clock::time_point> interrupted;
  Drain(outPipe[0], errPipe[0], pid, interruptAt, interrupted, result);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (interrupted) {
    result.secondsAfterInterrupt =
        std::chrono::duration<double>(Clock::now() - *interrupted).count();
  }
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace kep::test
