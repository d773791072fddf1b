// Decoding each stored picture, set against the bare library call for the same bytes, and
// drawing the largest picture into its box.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/bare_decoders.h"
#include "pictures/decoded_picture.h"
#include "pictures/picture_drawing.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace wufu::pictures;

// The stored pictures are named after their picture boxes.
struct StoredPicture {
  const char* file;
  const char* label;
};
const StoredPicture stored_pictures[] = {
    {"图片框1.jpg", "box1_papercut_409x396_progressive"},
    {"图片框2.jpg", "box2_brush_1225x813_progressive"},
    {"图片框3.jpg", "box3_china_mobile_330x275_baseline"},
    {"图片框4.jpg", "box4_cola_522x376_baseline"},
    {"图片框5.jpg", "box5_coffee_560x397_baseline"},
    {"图片框6.jpg", "box6_yogurt_438x195_baseline"},
    {"图片框7.jpg", "box7_qr_169x195_progressive"},
    {"图片框8.png", "box8_payment_580x489_png"},
};

Bytes read_asset(const std::string& name) {
  std::ifstream in(std::string(WUFU_PICTURE_ASSETS) + "/" + name, std::ios::binary);
  if (!in) return {};
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

using wufu::bench::bare_jpeg;
using wufu::bench::bare_png;

bool is_png(const std::string& name) {
  return name.ends_with(".png");
}

void BM_Decode(benchmark::State& state, std::string name) {
  const Bytes image = read_asset(name);
  if (image.empty()) return state.SkipWithError(("missing " + name).c_str());
  for (auto _ : state) {
    auto picture = decode_picture(image);
    if (!picture) return state.SkipWithError(("cannot decode " + name).c_str());
    benchmark::DoNotOptimize(picture->pixels.data());
  }
}

void BM_BareLibrary(benchmark::State& state, std::string name) {
  const Bytes image = read_asset(name);
  if (image.empty()) return state.SkipWithError(("missing " + name).c_str());
  for (auto _ : state) {
    if (!(is_png(name) ? bare_png(image) : bare_jpeg(image)))
      return state.SkipWithError(("cannot decode " + name).c_str());
  }
}

// Both decodes of the same bytes in turns, so that a busy machine slows both alike. The counters
// give our decode's time over the bare library's: of the fastest run of each, and of the medians.
void BM_DecodeRatio(benchmark::State& state, std::string name) {
  const Bytes image = read_asset(name);
  if (image.empty()) return state.SkipWithError(("missing " + name).c_str());
  using Clock = std::chrono::steady_clock;
  std::vector<double> ours, bare;
  auto time = [](auto&& decode) {
    const auto start = Clock::now();
    decode();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
  };
  bool ours_first = true;
  for (auto _ : state) {
    // The order alternates, so that neither decode always finds the caches warmed by the other.
    auto run_ours = [&] {
      ours.push_back(time([&] { benchmark::DoNotOptimize(decode_picture(image)); }));
    };
    auto run_bare = [&] {
      bare.push_back(time([&] { is_png(name) ? bare_png(image) : bare_jpeg(image); }));
    };
    if (ours_first) {
      run_ours();
      run_bare();
    } else {
      run_bare();
      run_ours();
    }
    ours_first = !ours_first;
  }
  auto median = [](std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
  };
  state.counters["fastest_ratio"] =
      *std::min_element(ours.begin(), ours.end()) / *std::min_element(bare.begin(), bare.end());
  state.counters["median_ratio"] = median(ours) / median(bare);
  state.counters["bare_us"] = median(bare);
}

struct DrawCase {
  const char* name;
  const char* label;
  int width, height;
};

// One paint of a stretched box: composition (PNG only), the smooth scaled copy and the copy onto
// the box, as a box whose size or composition colour has just changed pays it.
void BM_DrawFresh(benchmark::State& state, DrawCase c) {
  const auto picture = decode_picture(read_asset(c.name));
  if (!picture) return state.SkipWithError("missing or undecodable picture");
  QImage box(c.width, c.height, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&box);
    draw_picture(painter, *picture, {0, 0, c.width, c.height}, 0xFFF0F0F0, 32);
  }
}

// A repaint of an unchanged box: the kept scaled copy is copied onto it.
void BM_DrawKept(benchmark::State& state, DrawCase c) {
  auto picture = decode_picture(read_asset(c.name));
  if (!picture) return state.SkipWithError("missing or undecodable picture");
  PictureDrawing drawing(std::move(*picture));
  QImage box(c.width, c.height, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&box);
    drawing.draw(painter, {0, 0, c.width, c.height}, 0xFFF0F0F0, 32);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  for (const StoredPicture& p : stored_pictures) {
    benchmark::RegisterBenchmark((std::string("Decode/") + p.label).c_str(), BM_Decode, p.file)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string("BareLibrary/") + p.label).c_str(), BM_BareLibrary,
                                 p.file)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string("DecodeRatio/") + p.label).c_str(), BM_DecodeRatio,
                                 p.file)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const DrawCase c : {DrawCase{"图片框2.jpg", "box2_jpeg_1225x813", 344, 248},
                           DrawCase{"图片框8.png", "box8_png_580x489", 248, 200}}) {
    const std::string size = std::to_string(c.width) + "x" + std::to_string(c.height);
    const std::string label = std::string(c.label) + "_into_" + size;
    benchmark::RegisterBenchmark(("DrawFresh/" + label).c_str(), BM_DrawFresh, c)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("DrawKept/" + label).c_str(), BM_DrawKept, c)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
