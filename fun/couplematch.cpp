#include "fun/couplematch.h"

#include "fun/couplematch_data.h"

#include <optional>

namespace xingming::fun {

namespace {

// The day in a box: one or two digits, 0 .. 99; nullopt for any other text.
std::optional<int> dayOf(std::string_view text)
{
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int day = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        day = day * 10 + (c - '0');
    }
    return day;
}

bool inRange(const std::optional<int>& day)
{
    return day && *day >= 1 && *day <= 31;
}

} // namespace

bool keyPasses(int keyAscii)
{
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8 || keyAscii == 9 || keyAscii == 13;
}

std::string_view ShowVerdict(int D)
{
    if (D < 0 || D >= static_cast<int>(data::kVerdicts.size()))
        return {};
    return data::kVerdicts[static_cast<size_t>(D)];
}

std::variant<MatchVerdict, MatchRefusal> matchTest(std::string_view Text10, std::string_view Text11)
{
    if (Text10.empty() || Text11.empty())
        return MatchRefusal{kBirthdayEmpty, false};
    const auto A = dayOf(Text10);
    const auto B = dayOf(Text11);
    if (!inRange(A) || !inRange(B))
        return MatchRefusal{kDayOutOfRange, true};
    const int D = *A >= *B ? *A - *B : *B - *A; // 0 .. 30
    return MatchVerdict{D, ShowVerdict(D)};
}

} // namespace xingming::fun
