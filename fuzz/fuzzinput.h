// Splits a fuzzer's bytes into fields at NUL bytes, so one input drives several texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::string> fuzzFields(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::vector<std::string> fields(count);
    std::size_t f = 0;
    for (std::size_t i = 0; i < size && f < count; ++i) {
        if (data[i] == 0)
            ++f;
        else
            fields[f].push_back(static_cast<char>(data[i]));
    }
    return fields;
}
