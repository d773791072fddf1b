// The program header: where the platform finds the stored window description in the executable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace wufu {

struct ProgramHeader {
  const std::uint8_t* description;  // the stored block, one contiguous run of bytes
  std::size_t description_length;

  std::span<const std::uint8_t> description_bytes() const {
    return {description, description_length};
  }
};

// Defined next to the embedded block of each executable.
extern const ProgramHeader program_header;

}  // namespace wufu
