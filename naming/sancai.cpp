#include "naming/sancai.h"

#include "naming/sancai_data.h"

namespace xingming::naming {

Judgement scdyx(std::string_view scstr)
{
    for (const SancaiRow& row : kSancaiTable) {
        if (row.key == scstr) {
            const Rating3 r = trailingRating(row.text);
            return {row.text, r, r == Rating3::Good ? 5.0f : r == Rating3::Fair ? 3.0f : 0.0f};
        }
    }
    return {};
}

} // namespace xingming::naming
