// The window's costs, headless: reading the description, loading the start window, switching to
// each page with its paint, repainting a shown page, and a soak of many switches.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "app/kinds.h"
#include "bench/support/process_clock.h"
#include "app/program_header.h"
#include "window/builder.h"
#include "window/description.h"

namespace {

using namespace wufu;

// The start window, loaded once and shown on the offscreen platform.
struct StartWindow {
  WindowDescription description;
  std::unique_ptr<WindowBuilder> builder;
  QWidget* window = nullptr;
  QTabBar* strip = nullptr;
  QWidget* tabs = nullptr;

  StartWindow() {
    auto read = read_description(program_header.description_bytes());
    if (!read) std::abort();
    description = std::move(read).value();
    builder = std::make_unique<WindowBuilder>(description, program_kinds());
    auto loaded = builder->load(0x52010001);
    if (!loaded) std::abort();
    window = dynamic_cast<QWidget*>(*loaded);
    strip = window->findChild<QTabBar*>();
    if (strip == nullptr) std::abort();
    tabs = strip->parentWidget();
    QApplication::processEvents();
  }
  ~StartWindow() {
    builder->window_destroyed(dynamic_cast<WindowControl*>(window));
    delete window;
  }
  // A page switch as a click on its tab does it, then the paint of what is shown.
  void show_page(int page, QImage& target) {
    strip->setCurrentIndex(page);
    paint(target);
  }
  void paint(QImage& target) {
    QPainter p(&target);
    window->render(&p);
  }
};

StartWindow& start_window() {
  static StartWindow w;
  return w;
}

void ReadDescription(benchmark::State& state) {
  const ByteSpan bytes = program_header.description_bytes();
  for (auto _ : state) {
    auto d = read_description(bytes);
    benchmark::DoNotOptimize(d);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(ReadDescription)->Unit(benchmark::kMicrosecond);

void LoadStartWindow(benchmark::State& state) {
  auto read = read_description(program_header.description_bytes());
  const WindowDescription description = std::move(read).value();
  for (auto _ : state) {
    WindowBuilder builder(description, program_kinds());
    auto loaded = builder.load(0x52010001);
    if (!loaded) {
      state.SkipWithError("the start window does not load");
      return;
    }
    QApplication::processEvents();
    state.PauseTiming();
    builder.window_destroyed(*loaded);
    delete dynamic_cast<QWidget*>(*loaded);
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(LoadStartWindow)->Unit(benchmark::kMillisecond);

const char* const captions[] = {"五福简介", "AR福",   "移动福",   "可口可乐福", "星巴克福",
                                "安慕希福", "其他福", "后续玩法", "说明"};

// Switching from the first page to page p and painting the window, per switch.
void SwitchToPage(benchmark::State& state) {
  StartWindow& w = start_window();
  QImage target(w.window->size(), QImage::Format_RGB32);
  const int page = static_cast<int>(state.range(0));
  state.SetLabel(captions[page]);
  for (auto _ : state) {
    state.PauseTiming();
    w.show_page(page == 0 ? 1 : 0, target);
    state.ResumeTiming();
    w.show_page(page, target);
  }
}
BENCHMARK(SwitchToPage)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

// Painting the shown page again, unchanged.
void RepaintPage(benchmark::State& state) {
  StartWindow& w = start_window();
  QImage target(w.window->size(), QImage::Format_RGB32);
  const int page = static_cast<int>(state.range(0));
  state.SetLabel(captions[page]);
  w.show_page(page, target);
  for (auto _ : state) w.paint(target);
}
BENCHMARK(RepaintPage)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

// Ten thousand page switches with their paints; reports how resident memory grew.
void Soak(benchmark::State& state) {
  StartWindow& w = start_window();
  QImage target(w.window->size(), QImage::Format_RGB32);
  for (int i = 0; i < 90; ++i) w.show_page(i % 9, target);  // every page painted once first
  const long before = bench::status_kib("VmRSS");
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) w.show_page(i % 9, target);
  }
  state.counters["rss_growth_KiB"] = static_cast<double>(bench::status_kib("VmRSS") - before);
}
BENCHMARK(Soak)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
