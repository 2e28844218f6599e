// Both calendar conversions over any text and any numbers, with their round trip.
#include "calendar/lunarcalendar.h"
#include "fuzz/fuzzinput.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace xingming::calendar;
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)SolarToLunar(text, 1);
    (void)SolarToLunar(text, 2);
    (void)ExpandLunarEntry(text);
    if (size >= 13) {
        int y = 0, m = 0, d = 0;
        std::memcpy(&y, data, 4);
        std::memcpy(&m, data + 4, 4);
        std::memcpy(&d, data + 8, 4);
        const bool leap = data[12] & 1;
        const std::string solar = LunarToSolar(y, m, d, leap);
        // A lunar date that converts must come back as the same lunar date.
        if (!solar.empty()) {
            int sy = 0, sm = 0, sd = 0;
            if (std::sscanf(solar.c_str(), "%d/%d/%d", &sy, &sm, &sd) != 3)
                std::abort();
            const auto back = solarToLunarDate(std::chrono::year{sy} / sm / sd);
            if (sy >= 1900 && sy <= 2100 && (!back || back->day != d || back->month != m || back->leap != leap))
                std::abort();
        }
    }
    return 0;
}
