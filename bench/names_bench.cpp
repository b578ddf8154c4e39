// What refusing an unknown name costs: a stream of request lines, each naming a unit nobody has,
// beside a stream of valid lines of the same length. Refusing must cost about what reading does.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "api/linereader.h"
#include "cli/convert.h"

namespace merovane {
namespace {

constexpr int kLines = 100;

// kLines request lines of `length` bytes: `1 NAME km`, NAME an unknown name of letters, or a
// valid line padded with blanks in front.
std::string requests(std::size_t length, bool unknown) {
  const std::string valid = "1 mi km";
  const std::string line =
      unknown ? "1 " + std::string(length - valid.size() + 2, 'q').substr(0, length - 5) + " km"
              : std::string(length - valid.size(), ' ') + valid;
  std::string text;
  for (int at = 0; at < kLines; ++at) text += line + "\n";
  return text;
}

void stream(benchmark::State& state, bool unknown) {
  const std::string input = requests(static_cast<std::size_t>(state.range(0)), unknown);
  for (auto _ : state) {
    std::istringstream in(input);
    std::ostringstream out, err;
    benchmark::DoNotOptimize(runconvert({"-"}, in, out, err));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void BM_UnknownNameLines(benchmark::State& state) {
  stream(state, true);
}
void BM_ValidLines(benchmark::State& state) {
  stream(state, false);
}
BENCHMARK(BM_UnknownNameLines)->Arg(100)->Arg(kLongestLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidLines)->Arg(100)->Arg(kLongestLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace merovane
