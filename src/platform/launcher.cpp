#include "platform/launcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

extern char** environ;

namespace tabulo::platform {
namespace {

// Runs the opener in a grandchild so that it is neither waited for nor left
// as a zombie of the host process.
bool SpawnDetached(const std::string& program, const std::string& argument) {
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    setsid();
    pid_t grandchild = 0;
    std::string program_copy = program;
    std::string argument_copy = argument;
    char* argv[] = {program_copy.data(), argument_copy.data(), nullptr};
    int status = posix_spawnp(&grandchild, program_copy.c_str(), nullptr, nullptr, argv, environ);
    _exit(status == 0 ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) < 0) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool DesktopLauncher::Open(const std::filesystem::path& file) {
  const char* opener = std::getenv("TABULO_OPENER");
  std::string program = opener != nullptr && *opener != '\0' ? opener : "xdg-open";
  return SpawnDetached(program, file.string());
}

}  // namespace tabulo::platform
