// The classical source of any given-name text, and the check of the poetry data over the
// compiled-in blob with any of its bytes changed and cut to any length: nothing crashes, a
// damaged blob is either refused or still consistent, and every view lies inside the blob.
#include "fuzz/fuzzinput.h"
#include "naming/poetry.h"

#include <cstdlib>
#include <cstring>

using namespace xingming::naming;

namespace {

bool inside(std::string_view part, std::string_view blob)
{
    return part.data() >= blob.data() && part.data() + part.size() <= blob.data() + blob.size();
}

void checkSource(const std::optional<PoemSource>& s, std::string_view blob)
{
    if (s && (s->line.empty() || !inside(s->line, blob) || !inside(s->title, blob) || !inside(s->author, blob) ||
              !inside(s->work, blob)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Up to the first NUL: a given name, looked up in the compiled-in data.
    const std::vector<std::string> name = fuzzFields(data, size, 1);
    checkSource(poemSource(name[0]), poetryData().bytes());

    // After it: changes of 5 bytes each (a 32-bit little-endian offset into the blob, the new
    // byte); 4 bytes left over give the length to cut the blob to.
    const std::string_view original = poetryData().bytes();
    static std::string blob(original);
    const std::uint8_t* rest = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
    const std::size_t restSize = rest ? size - static_cast<std::size_t>(rest + 1 - data) : 0;
    rest = rest ? rest + 1 : data + size;
    std::vector<std::size_t> changed;
    std::size_t i = 0;
    auto u32 = [&rest](std::size_t at) {
        return static_cast<std::uint32_t>(rest[at] | rest[at + 1] << 8 | rest[at + 2] << 16) |
               static_cast<std::uint32_t>(rest[at + 3]) << 24;
    };
    for (; i + 5 <= restSize; i += 5) {
        const std::size_t at = u32(i) % blob.size();
        blob[at] = static_cast<char>(rest[i + 4]);
        changed.push_back(at);
    }
    const std::size_t length = restSize - i == 4 ? u32(i) % (blob.size() + 1) : blob.size();
    const std::string_view view = std::string_view(blob).substr(0, length);

    const PoetryData poetry(view);
    if (poetry.valid()) {
        checkSource(poetry.find(U'思', U'远'), view);
        for (std::size_t k : {std::size_t{0}, poetry.pairCount() / 2, poetry.pairCount() - 1}) {
            if (k >= poetry.pairCount())
                continue;
            const PoemPair p = poetry.pair(k);
            const std::optional<PoemSource> s = poetry.find(p.first, p.second);
            checkSource(s, view);
            if (!s || s->line.data() != p.source.line.data())
                std::abort(); // a checked table finds each of its records
        }
    } else if (poetry.pairCount() != 0 || poetry.find(U'思', U'远')) {
        std::abort();
    }

    for (std::size_t at : changed)
        blob[at] = original[at];
    return 0;
}
