// The window's costs, headless: reading the description, loading the start window, switching to
// each page with its paint, repainting a shown page, and a soak of many switches.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QWidget>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "app/kinds.h"
#include "app/program_header.h"
#include "bench/support/process_clock.h"
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
  // A page switch as a click on its tab does it; then the events that showing and hiding posted
  // are handled as the message loop handles them, which repaints what changed into the window's
  // backing store.
  void show_page(int page) {
    strip->setCurrentIndex(page);
    QApplication::sendPostedEvents();
  }
  // The whole window painted again into its backing store, as an expose of it does.
  void repaint() { window->repaint(); }
};

std::unique_ptr<StartWindow> shared_window;

StartWindow& start_window() {
  if (!shared_window) shared_window = std::make_unique<StartWindow>();
  return *shared_window;
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

// Switching from another page to page p, with the paint it causes, per switch.
void SwitchToPage(benchmark::State& state) {
  StartWindow& w = start_window();
  const int page = static_cast<int>(state.range(0));
  state.SetLabel(captions[page]);
  for (auto _ : state) {
    state.PauseTiming();
    w.show_page(page == 0 ? 1 : 0);
    state.ResumeTiming();
    w.show_page(page);
  }
}
BENCHMARK(SwitchToPage)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

// Painting the shown page again, unchanged.
void RepaintPage(benchmark::State& state) {
  StartWindow& w = start_window();
  const int page = static_cast<int>(state.range(0));
  state.SetLabel(captions[page]);
  w.show_page(page);
  for (auto _ : state) w.repaint();
}
BENCHMARK(RepaintPage)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

// Painting one shown control alone, without its children: where a repaint's time goes.
void RepaintControl(benchmark::State& state) {
  StartWindow& w = start_window();
  const auto id = static_cast<ControlId>(state.range(0));
  QWidget* widget = nullptr;
  if (auto* window = dynamic_cast<WindowControl*>(w.window); window && window->controls()) {
    widget = dynamic_cast<QWidget*>(window->controls()->control(id));
  }
  if (widget == nullptr) return state.SkipWithError("no such control");
  QImage target(widget->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&target);
    widget->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  }
}
// 选择夹1, 标签10, 标签9, 标签8, 标签7, 分组框1, 图片框8, 图片框2
BENCHMARK(RepaintControl)
    ->Arg(0x16010002)
    ->Arg(0x16010014)
    ->Arg(0x16010013)
    ->Arg(0x16010011)
    ->Arg(0x1601000F)
    ->Arg(0x16010010)
    ->Arg(0x16010015)
    ->Arg(0x16010004)
    ->Unit(benchmark::kMicrosecond);

// Ten thousand page switches with their paints; reports how resident memory grew.
void Soak(benchmark::State& state) {
  StartWindow& w = start_window();
  for (int i = 0; i < 90; ++i) w.show_page(i % 9);  // every page painted once first
  const long before = bench::status_kib("VmRSS");
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) w.show_page(i % 9);
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
  shared_window.reset();  // before the application goes
  return 0;
}
