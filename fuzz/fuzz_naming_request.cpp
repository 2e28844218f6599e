// The naming request over any field texts: a refusal or an address whose query keeps its
// shape whatever the surname holds.
#include "naming/namingrequest.h"
#include "fuzz/fuzzinput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    const std::vector<std::string> f = fuzzFields(data + 1, size - 1, 5);
    xingming::naming::NamingForm form;
    form.surname = f[0];
    form.sex = static_cast<xingming::calendar::Sex>(choice % 3);
    form.calendar = static_cast<xingming::calendar::CalendarKind>((choice / 3) % 4);
    form.twoCharName = choice & 0x80;
    form.date = {f[1], f[2], f[3], f[4]};
    const xingming::naming::NamingOutcome out = xingming::naming::runNamingRequest(form);
    if (!out.refused) {
        // Exactly the fixed keys, in order: no typed text may add a key or a fragment.
        std::size_t amps = 0;
        for (char c : out.query) {
            if (c == '&')
                ++amps;
            if (c == '#' || c == ' ' || static_cast<unsigned char>(c) >= 0x80)
                std::abort();
        }
        if (amps != 15)
            std::abort();
    }
    return 0;
}
