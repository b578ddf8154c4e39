// One whole merovane-convert process for one conversion, beside GNU units doing the same kind
// of job, timed in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace {

// Runs the command with its output thrown away; false if it could not run or failed.
bool runprocess(const std::vector<const char*>& command) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const char* argument : command) argv.push_back(const_cast<char*>(argument));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void timeprocess(benchmark::State& state, const std::vector<const char*>& command) {
  if (!runprocess(command)) {
    state.SkipWithError("the command did not run");
    return;
  }
  for (auto _ : state) runprocess(command);
}

void BM_MerovaneConvertProcess(benchmark::State& state) {
  timeprocess(state, {MEROVANE_CONVERT_PATH, "length", "1", "Miles", "Meters"});
}
BENCHMARK(BM_MerovaneConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UnitsProcess(benchmark::State& state) {
  timeprocess(state, {"units", "-t", "1 mile", "m"});
}
BENCHMARK(BM_UnitsProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
