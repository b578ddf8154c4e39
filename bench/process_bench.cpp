// Whole merovane-convert processes (one conversion, a grid, a stream of values on standard
// input) beside GNU units doing the same jobs and a static program that does nothing, timed in
// the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the command with its output thrown away and `input` (a file) as its standard input;
// false if it could not run or failed.
bool runprocess(const std::vector<const char*>& command, const char* input = "/dev/null") {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input, O_RDONLY, 0);
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

void timeprocess(benchmark::State& state, const std::vector<const char*>& command,
                 const char* input = "/dev/null") {
  if (!runprocess(command, input)) {
    state.SkipWithError("the command did not run");
    return;
  }
  for (auto _ : state) runprocess(command, input);
}

void BM_MerovaneConvertProcess(benchmark::State& state) {
  timeprocess(state, {MEROVANE_CONVERT_PATH, "length", "1", "Miles", "Meters"});
}
BENCHMARK(BM_MerovaneConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SharedConvertProcess(benchmark::State& state) {
  timeprocess(state, {MEROVANE_CONVERT_SHARED_PATH, "length", "1", "Miles", "Meters"});
}
BENCHMARK(BM_SharedConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UnitsProcess(benchmark::State& state) {
  timeprocess(state, {"units", "-t", "1 mile", "m"});
}
BENCHMARK(BM_UnitsProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GridProcess(benchmark::State& state) {
  timeprocess(state, {MEROVANE_CONVERT_PATH, "--grid", "Length", "1"});
}
BENCHMARK(BM_GridProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StaticDoNothingProcess(benchmark::State& state) {
  timeprocess(state, {MEROVANE_DONOTHING_PATH});
}
BENCHMARK(BM_StaticDoNothingProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CxxDoNothingProcess(benchmark::State& state) {
  timeprocess(state, {MEROVANE_DONOTHING_CXX_PATH});
}
BENCHMARK(BM_CxxDoNothingProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// Values on standard input, one conversion each: merovane-convert takes one a line, units -t a
// line "VALUE UNIT" and a line with the unit to convert to.
constexpr int kStreamValues = 20000;

// A file of `count` values, each written as `line` writes it; removed at exit.
const char* streamfile(const char* name, std::string (*line)(const std::string& value),
                       int count = kStreamValues) {
  static std::vector<std::string> paths;
  std::string path = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                     "/merovane-bench-" + name + "-" + std::to_string(getpid());
  if (FILE* file = std::fopen(path.c_str(), "w")) {
    for (int n = 1; n <= count; ++n)
      std::fputs(line(std::to_string(n) + "." + std::to_string(n % 100)).c_str(), file);
    std::fclose(file);
  }
  static const bool cleanup = (std::atexit([] {
                                 for (const std::string& each : paths) std::remove(each.c_str());
                               }),
                               true);
  static_cast<void>(cleanup);
  paths.push_back(path);
  return paths.back().c_str();
}

void timestream(benchmark::State& state, const std::vector<const char*>& command,
                const char* input) {
  timeprocess(state, command, input);
  state.SetItemsProcessed(state.iterations() * kStreamValues);
}

const char* values() {
  static const char* path =
      streamfile("values", [](const std::string& value) { return value + "\n"; });
  return path;
}

void BM_StreamLength(benchmark::State& state) {
  timestream(state, {MEROVANE_CONVERT_PATH, "Length", "-", "Miles", "Meters"}, values());
}
BENCHMARK(BM_StreamLength)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StreamSpeed(benchmark::State& state) {
  timestream(state, {MEROVANE_CONVERT_PATH, "Speed", "-", "Miles/hour", "Kilometers/hour"},
             values());
}
BENCHMARK(BM_StreamSpeed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UnitsStreamLength(benchmark::State& state) {
  static const char* path =
      streamfile("units-length", [](const std::string& value) { return value + " mile\nm\n"; });
  timestream(state, {"units", "-t"}, path);
}
BENCHMARK(BM_UnitsStreamLength)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UnitsStreamSpeed(benchmark::State& state) {
  static const char* path =
      streamfile("units-speed", [](const std::string& value) { return value + " mph\nkm/hr\n"; });
  timestream(state, {"units", "-t"}, path);
}
BENCHMARK(BM_UnitsStreamSpeed)->Unit(benchmark::kMillisecond)->UseRealTime();

// A million values a process, one run an iteration: the tables' path and the precise path of
// one pair and the floor, a program that only reads, multiplies and writes, as often as every
// benchmark repeats, since a single run of a tenth of a second is at the mercy of the machine;
// units -t once (it takes several seconds).
constexpr int kMillion = 1000000;

const char* millionvalues() {
  static const char* path = streamfile(
      "million", [](const std::string& value) { return value + "\n"; }, kMillion);
  return path;
}

void timemillion(benchmark::State& state, const std::vector<const char*>& command,
                 const char* input) {
  timeprocess(state, command, input);
  state.SetItemsProcessed(state.iterations() * kMillion);
}

void BM_MillionTables(benchmark::State& state) {
  timemillion(state, {MEROVANE_CONVERT_PATH, "--tables", "Length", "-", "Miles", "Meters"},
              millionvalues());
}
BENCHMARK(BM_MillionTables)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_MillionPrecise(benchmark::State& state) {
  // By the definitions, the default.
  timemillion(state, {MEROVANE_CONVERT_PATH, "Length", "-", "Miles", "Meters"}, millionvalues());
}
BENCHMARK(BM_MillionPrecise)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_MillionFloor(benchmark::State& state) {
  timemillion(state, {MEROVANE_FLOOR_PATH}, millionvalues());
}
BENCHMARK(BM_MillionFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_MillionUnits(benchmark::State& state) {
  static const char* path = streamfile(
      "million-units", [](const std::string& value) { return value + " mile\nm\n"; }, kMillion);
  timemillion(state, {"units", "-t"}, path);
}
BENCHMARK(BM_MillionUnits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(1);

}  // namespace
