#include "naming/sancai.h"

#include "naming/ratings.h"
#include "naming/sancai_data.h"

namespace xingming::naming {

std::string_view scdyx(std::string_view scstr, float& zf)
{
    for (const SancaiRow& row : kSancaiTable) {
        if (row.key == scstr) {
            switch (trailingRating(row.text)) {
            case Rating3::Good:
                zf += 5;
                break;
            case Rating3::Fair:
                zf += 3;
                break;
            default:
                break;
            }
            return row.text;
        }
    }
    return {};
}

} // namespace xingming::naming
