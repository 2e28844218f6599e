// The online naming request of the naming pane: its checks, the five-element report it
// shows, and the request address of the naming page.
#pragma once

#include "calendar/birthinput.h"
#include "calendar/fiveelements.h"

#include <optional>
#include <string>
#include <string_view>

namespace xingming::naming {

// What the naming pane holds when "开始取名" is pressed.
struct NamingForm {
    std::string surname;                     // Text9
    calendar::Sex sex = calendar::Sex::None; // Option25 / Option26
    bool twoCharName = true;                 // Option28 "双字名" (selected at start) or Option27 "单字名"
    calendar::CalendarKind calendar = calendar::CalendarKind::None; // Option24 / Option23 / Option35
    calendar::DateFields date;                                      // Combo20 .. Combo23
    int modePage = 4; // the page of the naming panel whose button was pressed: its mode
};

// The page of the naming panel that holds the inputs, 音形义模式.
inline constexpr int kInputsPage = 4;

struct NamingOutcome {
    std::string message;       // the text of the one message box the request shows
    bool refused = true;       // true: message is a refusal and nothing else happens
    std::string sex;           // "男" or "女" as stored (set once the checks pass)
    calendar::BirthDate birth; // the stored solar birth date
    std::string query;         // path and query of the request address (yxy_str after the host)
};

// The checks in their order, the lunar conversion, the report and the address.
NamingOutcome runNamingRequest(const NamingForm& form);

// The path and query of the naming page for the stored values; surname and sex are
// percent-encoded in GBK like the fixed parts, so no text can change the address's shape.
// The key xn carries the page of the naming panel (1 to 4), which names the mode.
std::string namingQuery(std::string_view surname, std::string_view sex, const calendar::BirthDate& birth,
                        bool twoCharName, int modePage = kInputsPage);

// Percent-encoding of text in GBK (GB18030 for a character GBK lacks); unreserved ASCII
// characters stand as they are.
std::string gbkPercentEncode(std::string_view utf8);

// The path of the naming page, on the program's own site.
inline constexpr std::string_view kNamingPath = "/bestnametwo.asp";

inline constexpr std::string_view kNamingInvitation = "请您稍后参考此资料取名！";

} // namespace xingming::naming
