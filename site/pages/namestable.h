// The table of suggested names that the naming page and the character page show.
#pragma once

#include "site/html.h"

#include "calendar/kinds.h"
#include "naming/suggest.h"

#include <string>
#include <vector>

namespace xingming::site {

// One row a name: rank, the name (each character a link), score, strokes, elements and
// the five grids; withFit adds how many of its characters the birth chart wants.
Html namesTable(const std::vector<naming::Suggestion>& names, const std::vector<std::string>& surname,
                calendar::Sex sex, bool withFit);

// One card a name, for the naming page: the name with its pinyin and score, each given
// character with its reading and meaning, strokes, elements and grids, the line of
// classical poetry or prose it comes from, and the rules it passes.
Html nameCards(const std::vector<naming::Suggestion>& names, const std::vector<std::string>& surname,
               calendar::Sex sex);

} // namespace xingming::site
