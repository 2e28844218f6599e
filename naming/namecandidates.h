// Lookups in the candidate list (naming/namecandidates_data.h) that need none of what the
// naming engine works out for its candidates: an index by code point, compiled in.
#pragma once

#include "naming/namecandidates_data.h"

namespace xingming::naming {

// The row of a character of the character table in the candidate list, or nullptr when the
// list lacks it (the same character as findCandidate finds, without building the list).
const CandidateRow* candidateRow(char32_t c);

} // namespace xingming::naming
