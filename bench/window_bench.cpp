// The window's costs on real widgets (offscreen): one keystroke in a source box until the
// destination box shows its result, and the window created, loaded and shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "categories/categories.h"
#include "forms/application.h"
#include "forms/frmmain.h"

namespace merovane {
namespace {

// Weight is the slowest conversion per keystroke: a result grid of 23 x 23 texts.
void BM_KeystrokeToResult(benchmark::State& state) {
  FrmMain window;
  window.show();
  QTest::mouseClick(&window.button(CategoryId::Weight), Qt::LeftButton);
  window.list(CategoryId::Weight, Side::Source).setCurrentRow(11);      // Ounces
  window.list(CategoryId::Weight, Side::Destination).setCurrentRow(6);  // Grams
  UnitBox& source = window.box(CategoryId::Weight, Side::Source);
  UnitBox& destination = window.box(CategoryId::Weight, Side::Destination);
  QTest::keyClick(&source, Qt::Key_1);
  bool typed = false;
  for (auto _ : state) {
    // Alternately "12" and "1": every keystroke converts once and changes the result.
    if (typed)
      QTest::keyClick(&source, Qt::Key_Backspace);
    else
      QTest::keyClick(&source, Qt::Key_2);
    typed = !typed;
  }
  if (destination.text() != (typed ? "340.19427756" : "28.34952313"))
    state.SkipWithError("the destination box did not follow the keystrokes");
}
BENCHMARK(BM_KeystrokeToResult)->Unit(benchmark::kMicrosecond);

void BM_WindowCreatedLoadedShown(benchmark::State& state) {
  for (auto _ : state) {
    auto window = std::make_unique<FrmMain>();
    window->show();
    QApplication::processEvents();
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowCreatedLoadedShown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace merovane

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  merovane::setupapplication(application);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
