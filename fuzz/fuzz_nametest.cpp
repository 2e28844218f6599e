// The name-test driver over any eight field texts and any choice of sex and calendar.
#include "fuzz/fuzzinput.h"
#include "naming/nametest.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    const std::vector<std::string> f = fuzzFields(data + 1, size - 1, 6);
    xingming::naming::NameTestForm form;
    form.surname = f[0];
    form.given = f[1];
    form.sex = static_cast<xingming::calendar::Sex>(choice % 3);
    form.calendar = static_cast<xingming::calendar::CalendarKind>((choice / 3) % 4);
    form.date = {f[2], f[3], f[4], f[5]};
    const xingming::naming::NameTestOutcome out = xingming::naming::runNameTest(form);
    if (out.report) {
        const float zf = out.report->result.zf2;
        if (zf < 53 || zf > 100)
            std::abort();
        (void)xingming::naming::reportLines(*out.report);
    } else if (out.message.empty()) {
        std::abort();
    }
    return 0;
}
