// The layout of the generated ideograph tables (naming/hanzi_data.cpp, written by
// tools/make-hanzi.py): for each block of ideographs, one entry per code point from the
// block's first on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace xingming::naming::hanzidata {

struct Block {
    char32_t first;
    std::size_t size;             // entries; code points past them have no data
    const std::uint8_t* radical;  // Kangxi radical number 1 .. 214, 0 when unknown
    const std::int8_t* residual;  // strokes besides the radical
    const std::uint16_t* reading; // index into kReadingLists; bit 15: several readings
};

extern const Block kBlocks[];
extern const std::size_t kBlockCount;

// The 214 Kangxi radicals in number order, each as its unified ideograph (水 for 85).
extern const std::string_view kRadicalCharacters;

// Readings in tone-marked pinyin, separated by blanks, the common one first; entry 0 is empty.
extern const std::string_view kReadingLists[];
extern const std::size_t kReadingListCount;

} // namespace xingming::naming::hanzidata
