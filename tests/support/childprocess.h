// Work a test must do in a process of its own, or in a thread without the
// rights on files of root: a run that a signal ends, or that must not have
// the rights of the user running the tests.
#pragma once

#include <grp.h>
#include <sys/fsuid.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace kelvarin::test {

// How a child process ended, and what it wrote to its standard error.
struct ChildEnd {
  int status = 0;
  std::string errorText;

  bool Exited(int code) const { return WIFEXITED(status) && WEXITSTATUS(status) == code; }
  bool KilledBy(int signo) const { return WIFSIGNALED(status) && WTERMSIG(status) == signo; }
};

// Runs body in a forked child whose standard error is captured; the child
// ends with body's return value unless body ends it otherwise. No test
// assertion belongs in body: it tells its findings by its exit code and its
// standard error.
inline ChildEnd RunInChild(const std::function<int()>& body) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) std::abort();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(pipeFds[0]);
    ::dup2(pipeFds[1], STDERR_FILENO);
    ::_exit(body());
  }
  ::close(pipeFds[1]);
  ChildEnd end;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
    end.errorText.append(buffer, static_cast<size_t>(n));
  ::close(pipeFds[0]);
  ::waitpid(pid, &end.status, 0);
  return end;
}

constexpr uid_t kNobody = 65534;

// In a child: gives up the rights of root, so that file permissions hold as
// for any user. False when they cannot be given up.
inline bool DropRootRights() {
  if (::geteuid() != 0) return true;
  return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

// While it lives, the calling thread makes, opens and removes files as an
// unprivileged user, so that folder and file permissions hold for root too;
// the other threads keep their rights. For another user it changes nothing.
class FileRightsOfNobody {
 public:
  FileRightsOfNobody() : m_root(::geteuid() == 0) {
    if (!m_root) return;
    ::setfsgid(kNobody);
    ::setfsuid(kNobody);
  }
  ~FileRightsOfNobody() {
    if (!m_root) return;
    ::setfsuid(0);
    ::setfsgid(0);
  }
  FileRightsOfNobody(const FileRightsOfNobody&) = delete;
  FileRightsOfNobody& operator=(const FileRightsOfNobody&) = delete;

  // Whether the rights were given up (an invalid id only reads the current one).
  bool Taken() const { return !m_root || ::setfsuid(static_cast<uid_t>(-1)) == int(kNobody); }

 private:
  bool m_root;
};

}  // namespace kelvarin::test
