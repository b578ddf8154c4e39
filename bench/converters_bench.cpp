// The per-keystroke cost without widgets: every category's conversion once per call on in-memory
// controls, and the number-to-text conversion alone.
#include <benchmark/benchmark.h>

#include <string>

#include "categories/categories.h"
#include "core/memorycontrols.h"
#include "core/runtime.h"
#include "engine/frame.h"
#include "forms/converters.h"

namespace merovane {
namespace {

// One conversion of a category with the value typed and its first and last units selected.
void BM_Converter(benchmark::State& state, CategoryId id) {
  const CategoryRecord& chosen = category(id);
  const int units = static_cast<int>(chosen.units.size());
  MemoryListBox source(units), destination(units);
  MemoryTextBox sourcebox, destinationbox;
  sourcebox.SetText("1234.5");
  source.select(0);
  destination.select(units - 1);
  MemoryMessageBox messages;
  DisplayReporter reporter(chosen.failures, messages);
  for (auto _ : state) convert(chosen, source, destination, sourcebox, destinationbox, reporter);
  benchmark::DoNotOptimize(destinationbox.Text());
}

// The window's categories: the others have no window to convert in.
void registerconverters() {
  for (const CategoryRecord& each : categories().first(kCategoryCount))
    benchmark::RegisterBenchmark(("convert/" + std::string(each.caption)).c_str(), BM_Converter,
                                 each.id);
}
const int registered = (registerconverters(), 0);

void BM_ConvertLengthDirect(benchmark::State& state) {
  MemoryListBox source(22), destination(22);
  MemoryTextBox sourcebox, destinationbox;
  sourcebox.SetText("1");
  source.select(20);
  destination.select(5);
  for (auto _ : state) convertlength(source, destination, sourcebox, destinationbox);
  benchmark::DoNotOptimize(destinationbox.Text());
}
BENCHMARK(BM_ConvertLengthDirect);

void BM_NumberToText(benchmark::State& state) {
  double value = 5878499562554.68;
  for (auto _ : state) {
    benchmark::DoNotOptimize(numbertotext(value));
    value += 0.37;
  }
}
BENCHMARK(BM_NumberToText);

void BM_TextToNumber(benchmark::State& state) {
  const std::string text = "1609.344";
  for (auto _ : state) benchmark::DoNotOptimize(texttonumber(text));
}
BENCHMARK(BM_TextToNumber);

}  // namespace
}  // namespace merovane
