#include "support/child_process.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <thread>
#else
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace wfpack::testing_support {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

fs::path path_of(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// One argument quoted so that the C runtime's parser gives it back as it
// is: backslashes are doubled only where a quote follows them.
std::wstring quoted(const std::wstring& argument) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

std::string read_all(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) && count > 0) {
    text.append(buffer, count);
  }
  return text;
}

}  // namespace

Outcome run_program(const fs::path& program,
                    const std::vector<std::string>& arguments,
                    const fs::path& dir) {
  std::wstring command_line = quoted(program.wstring());
  for (const std::string& argument : arguments) {
    command_line += L" " + quoted(path_of(argument).wstring());
  }

  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE out_read = nullptr;
  HANDLE out_write = nullptr;
  HANDLE err_read = nullptr;
  HANDLE err_write = nullptr;
  if (!CreatePipe(&out_read, &out_write, &inherit, 0)) {
    return {kNotExited, "", ""};
  }
  if (!CreatePipe(&err_read, &err_write, &inherit, 0)) {
    CloseHandle(out_read);
    CloseHandle(out_write);
    return {kNotExited, "", ""};
  }
  SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out_write;
  startup.hStdError = err_write;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(
      program.wstring().c_str(), command_line.data(), nullptr, nullptr, TRUE, 0,
      nullptr, dir.wstring().c_str(), &startup, &process);
  CloseHandle(out_write);
  CloseHandle(err_write);

  // Both pipes are drained at once, so that a child that fills one while
  // the other is read never waits for ever.
  Outcome outcome{kNotExited, "", ""};
  std::thread errors([&] { outcome.errors = read_all(err_read); });
  outcome.output = read_all(out_read);
  errors.join();
  CloseHandle(out_read);
  CloseHandle(err_read);
  if (!started) return outcome;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  if (GetExitCodeProcess(process.hProcess, &code)) {
    outcome.status = static_cast<int>(code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return outcome;
}

#else

Outcome run_program(const fs::path& program,
                    const std::vector<std::string>& arguments,
                    const fs::path& dir) {
  std::vector<std::string> strings{program.string()};
  strings.insert(strings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);

  int out_pipe[2];
  int err_pipe[2];
  if (pipe(out_pipe) != 0) return {kNotExited, "", ""};
  if (pipe(err_pipe) != 0) {
    close(out_pipe[0]);
    close(out_pipe[1]);
    return {kNotExited, "", ""};
  }
  const pid_t child = fork();
  if (child == 0) {
    dup2(out_pipe[1], STDOUT_FILENO);
    dup2(err_pipe[1], STDERR_FILENO);
    for (const int end : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) {
      close(end);
    }
    if (chdir(dir.c_str()) == 0) execv(argv[0], argv.data());
    _exit(127);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);

  // Both pipes are drained as they fill, so that a child that fills one
  // while the other is read never waits for ever.
  Outcome outcome{kNotExited, "", ""};
  pollfd ends[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* texts[2] = {&outcome.output, &outcome.errors};
  char buffer[4096];
  for (int open_ends = 2; open_ends > 0;) {
    if (poll(ends, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (std::size_t i = 0; i < 2; ++i) {
      if (ends[i].fd < 0 || ends[i].revents == 0) continue;
      const ssize_t count = read(ends[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        texts[i]->append(buffer, static_cast<std::size_t>(count));
      } else if (count < 0 && errno == EINTR) {
        continue;
      } else {
        close(ends[i].fd);
        ends[i].fd = -1;  // poll passes over it from now on
        --open_ends;
      }
    }
  }
  for (const pollfd& end : ends) {
    if (end.fd >= 0) close(end.fd);
  }
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    outcome.status = WEXITSTATUS(status);
  }
  return outcome;
}

#endif

}  // namespace wfpack::testing_support
