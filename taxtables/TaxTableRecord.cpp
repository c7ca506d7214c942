#include "taxtables/TaxTableRecord.h"

#include <array>
#include <cstring>

namespace {
// Field widths in line order; each field in the record is its width plus a NUL.
constexpr std::array<std::size_t, 22> kFieldWidths = {10, 25, 25, 8, 5, 5, 1, 5, 5, 1, 5,
                                                      1,  8,  8,  5, 5, 1, 5, 5, 1, 5, 1};
// Lines are read with a 200-byte buffer, so no stored line is longer than 199 characters.
constexpr std::size_t kScratchSize = 200;
} // namespace

void TaxTableRecord::clear() {
    std::memset(this, 0, sizeof(*this));
}

void TaxTableRecord::parse(std::string_view line) {
    clear();
    std::array<char, kScratchSize> scratch{};
    std::memcpy(scratch.data(), line.data(), std::min(line.size(), kScratchSize - 1));

    auto* out = reinterpret_cast<char*>(this);
    std::size_t position = 0;
    for (std::size_t width : kFieldWidths) {
        // Copy at most `width` characters, stopping at the scratch text's end like strncpy.
        const char* source = scratch.data() + position;
        std::memcpy(out, source, ::strnlen(source, width));
        out += width + 1;
        position += width;
    }
}
