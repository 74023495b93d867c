#include "support/child_process.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
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

}  // namespace

Outcome run_program(const fs::path& program,
                    const std::vector<std::string>& arguments,
                    const fs::path& dir) {
  std::wstring command_line = quoted(program.wstring());
  for (const std::string& argument : arguments) {
    command_line += L" " + quoted(path_of(argument).wstring());
  }

  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return {kNotExited, ""};
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  HANDLE null_device = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE,
                                   &inherit, OPEN_EXISTING, 0, nullptr);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = write_end;
  startup.hStdError = null_device;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(
      program.wstring().c_str(), command_line.data(), nullptr, nullptr, TRUE, 0,
      nullptr, dir.wstring().c_str(), &startup, &process);
  CloseHandle(write_end);
  CloseHandle(null_device);

  Outcome outcome{kNotExited, ""};
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(read_end, buffer, sizeof buffer, &count, nullptr) &&
         count > 0) {
    outcome.output.append(buffer, count);
  }
  CloseHandle(read_end);
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

  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return {kNotExited, ""};
  const pid_t child = fork();
  if (child == 0) {
    const int null_device = open("/dev/null", O_WRONLY);
    dup2(pipe_ends[1], STDOUT_FILENO);
    dup2(null_device, STDERR_FILENO);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    if (chdir(dir.c_str()) == 0) execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipe_ends[1]);
  Outcome outcome{kNotExited, ""};
  char buffer[4096];
  ssize_t count;
  while ((count = read(pipe_ends[0], buffer, sizeof buffer)) > 0) {
    outcome.output.append(buffer, static_cast<std::size_t>(count));
  }
  close(pipe_ends[0]);
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    outcome.status = WEXITSTATUS(status);
  }
  return outcome;
}

#endif

}  // namespace wfpack::testing_support
