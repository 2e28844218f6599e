// Words a name must not sound like, and characters whose meaning keeps them out of names.
// Chosen for this program.
#pragma once

#include <array>
#include <string_view>

// clang-format off
namespace xingming::naming {

struct UnfortunateWord {
    std::string_view syllables; // toneless pinyin, blank-separated, ü as v
    std::string_view word;
    std::string_view category;
};

inline constexpr std::array<UnfortunateWord, 6> kUnfortunateWords{{
    {"du zi teng", "肚子疼", "谐音笑话"},
    {"fan tong", "饭桶", "辱骂"},
    {"yang wei", "阳痿", "疾病"},
    {"si wang", "死亡", "死亡"},
    {"bai chi", "白痴", "辱骂"},
    {"wu ren yao", "无人要", "谐音笑话"},
}};

struct UnfortunateChar {
    std::string_view ch;
    std::string_view reason;
};

inline constexpr std::array<UnfortunateChar, 4> kUnfortunateChars{{
    {"死", "死亡"},
    {"病", "疾病"},
    {"屎", "污秽"},
    {"鬼", "不祥"},
}};

} // namespace xingming::naming
// clang-format on
