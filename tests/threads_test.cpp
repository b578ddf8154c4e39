// Conversions keep no state: every category's charts, by the tables and precisely, worked out
// from eight threads at once through the public API are what one thread works out. Run under
// ThreadSanitizer in CI, which reports any data race between them.
#include <gtest/gtest.h>
#include <merovane/merovane.h>

#include <string>
#include <thread>
#include <vector>

namespace {

// Every cell of every category's charts for a few values, in both modes, as one text.
std::string everychart() {
  std::string text;
  for (const merovane::Category& category : merovane::Category::all())
    for (const char* value : {"1", "-40", "2.5E+3", "1E+308", "x", ""})
      for (const merovane::Mode mode : {merovane::Mode::Tables, merovane::Mode::Precise}) {
        const merovane::Chart chart = category.chart(value, {mode, 15});
        for (size_t from = 0; from < chart.units().size(); ++from)
          for (size_t to = 0; to < chart.units().size(); ++to) {
            const merovane::Result& cell = chart.at(from, to);
            text += cell.converted() ? cell.text() : "!" + cell.error();
            text += '\t';
          }
      }
  const auto pair = merovane::Pair::find("kWh", "BTU");
  text += pair ? pair->convert("1", merovane::Mode::Precise).text() : pair.error().message();
  return text;
}

TEST(Threads, EightThreadsConvertAsOne) {
  const std::string alone = everychart();
  ASSERT_NE(alone.find("1609.344"), std::string::npos);
  std::vector<std::string> results(8);
  std::vector<std::thread> threads;
  for (std::string& result : results) threads.emplace_back([&result] { result = everychart(); });
  for (std::thread& thread : threads) thread.join();
  for (const std::string& result : results) EXPECT_EQ(result, alone);
}

}  // namespace
