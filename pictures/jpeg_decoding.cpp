#include "pictures/jpeg_decoding.h"

// jpeglib.h expects FILE and size_t to be declared before it.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <csetjmp>
#include <new>
#include <vector>

namespace wufu::pictures {

namespace {

// Real encoders write a dozen scans or so. A stream of hundreds of scans over a large picture
// costs a full pass over its coefficients each, so such a stream is refused rather than let run
// for minutes.
constexpr int max_scans = 500;

// libjpeg reports a fatal error through error_exit and expects it not to return. The escape
// point sits beside the library's error manager so that error_exit can find it.
struct ErrorManager {
  jpeg_error_mgr library;  // first member: the library's pointer to it is a pointer to this
  std::jmp_buf escape;
};

// Everything that is live while libjpeg may longjmp. All of it is trivially destructible; the
// buffers it points into are owned by decode_jpeg, above the escape point.
struct Session {
  jpeg_decompress_struct decompressor;
  ErrorManager error;
  jpeg_progress_mgr progress;
  const std::uint8_t* image;
  std::size_t image_size;
  std::uint8_t* pixels;       // output_width * output_height * 3 bytes
  std::uint8_t* scratch_row;  // one decoder row when its components are not red, green, blue
};

[[noreturn]] void escape(j_common_ptr common) {
  std::longjmp(reinterpret_cast<ErrorManager*>(common->err)->escape, 1);
}

void drop_message(j_common_ptr, int) {}
void drop_output(j_common_ptr) {}

void limit_scans(j_common_ptr common) {
  if (reinterpret_cast<j_decompress_ptr>(common)->input_scan_number > max_scans) escape(common);
}

// The only function that sets the escape point. Neither it nor any step has a local with a
// destructor, so a longjmp out of the library skips no destructor.
bool guarded(Session& session, bool (*step)(Session&)) {
  if (setjmp(session.error.escape) != 0) return false;
  return step(session);
}

bool read_header(Session& s) {
  s.decompressor.err = jpeg_std_error(&s.error.library);
  s.error.library.error_exit = escape;
  s.error.library.emit_message = drop_message;
  s.error.library.output_message = drop_output;
  jpeg_create_decompress(&s.decompressor);
  // The memory source supplies an end-of-image marker when the data run out, and rejects data
  // that are empty from the start.
  jpeg_mem_src(&s.decompressor, s.image, static_cast<unsigned long>(s.image_size));
  if (jpeg_read_header(&s.decompressor, TRUE) != JPEG_HEADER_OK) return false;
  jpeg_calc_output_dimensions(&s.decompressor);
  return true;
}

void cmyk_to_rgb(const std::uint8_t* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    // Adobe's files store the inks inverted (0 is full ink); others store them plainly.
    const unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned ink = inverted ? cmyk[c] : 255u - cmyk[c];
      rgb[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
    }
  }
}

bool decompress(Session& s) {
  jpeg_decompress_struct& d = s.decompressor;
  s.progress.progress_monitor = limit_scans;
  d.progress = &s.progress;
  if (!jpeg_start_decompress(&d)) return false;
  const JDIMENSION width = d.output_width;
  const std::size_t row_bytes = std::size_t{width} * 3;
  const bool inverted_cmyk = d.saw_Adobe_marker;
  while (d.output_scanline < d.output_height) {
    std::uint8_t* out = s.pixels + row_bytes * d.output_scanline;
    if (d.output_components == 3) {
      // Red, green, blue rows go straight into the picture, as many at once as the library
      // will give.
      JSAMPROW rows[16];
      JDIMENSION count = 0;
      for (; count < 16 && d.output_scanline + count < d.output_height; ++count)
        rows[count] = out + row_bytes * count;
      if (jpeg_read_scanlines(&d, rows, count) == 0) return false;
      continue;
    }
    JSAMPROW row = s.scratch_row;
    if (jpeg_read_scanlines(&d, &row, 1) != 1) return false;
    if (d.output_components == 1) {
      for (JDIMENSION x = 0; x < width; ++x) out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = row[x];
    } else {
      cmyk_to_rgb(row, out, width, inverted_cmyk);
    }
  }
  jpeg_finish_decompress(&d);
  return true;
}

bool has_rgb_conversion(const jpeg_decompress_struct& d) {
  return d.output_components == 3 || d.output_components == 1 ||
         (d.output_components == 4 && d.out_color_space == JCS_CMYK);
}

}  // namespace

std::optional<DecodedPicture> decode_jpeg(std::span<const std::uint8_t> image) {
  Session session{};
  session.image = image.data();
  session.image_size = image.size();
  struct Destroy {
    Session& s;
    ~Destroy() { jpeg_destroy_decompress(&s.decompressor); }
  } destroy{session};

  if (!guarded(session, read_header)) return std::nullopt;
  const jpeg_decompress_struct& d = session.decompressor;
  if (!has_rgb_conversion(d) || !fits_pixel_cap(d.output_width, d.output_height))
    return std::nullopt;

  DecodedPicture picture;
  picture.kind = PictureKind::jpeg;
  picture.width = static_cast<int>(d.output_width);
  picture.height = static_cast<int>(d.output_height);
  picture.layout = PixelLayout::rgb;
  std::vector<std::uint8_t> scratch;
  try {
    picture.pixels.resize(std::size_t(picture.row_bytes()) * picture.height);
    if (d.output_components != 3) scratch.resize(std::size_t{d.output_width} * d.output_components);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  session.pixels = picture.pixels.data();
  session.scratch_row = scratch.empty() ? nullptr : scratch.data();
  if (!guarded(session, decompress)) return std::nullopt;
  return picture;
}

}  // namespace wufu::pictures
