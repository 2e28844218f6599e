// Couple match (爱情缘份预测): one of 31 verdicts chosen by the difference of two days of birth.
//
// The page calls these functions with the texts of its two boxes, Text10 (girl) and Text11
// (boy); nothing here shows anything.
#pragma once

#include <string_view>
#include <variant>

namespace xingming::fun {

inline constexpr std::string_view kBirthdayEmpty = "生日不能为空！";
inline constexpr std::string_view kDayOutOfRange = "输入的范围应该是1 - 31";

// Key filter of Text10 and Text11: the digits, backspace (8), tab (9) and enter (13) pass.
bool keyPasses(int keyAscii);

// ShowVerdict: verdict row D; "" for a D outside 0 .. 30 (Label55 then keeps its text).
std::string_view ShowVerdict(int D);

// A verdict: the page shows the verdict view ("结果分析", Label55, "继续测试").
struct MatchVerdict {
    int D = 0;                // |A - B|, the text of Label33
    std::string_view verdict; // the text of Label55
};

// A refusal: the message box text (title "提示"), and whether both boxes are emptied.
struct MatchRefusal {
    std::string_view message;
    bool emptyBoxes = false;
};

// The match test (click of qingyuan). An empty box gives kBirthdayEmpty and keeps both texts;
// a day outside 1 .. 31 gives kDayOutOfRange and empties both boxes. A text that is not one
// or two digits (pasted past the key filter) counts as a day outside 1 .. 31.
std::variant<MatchVerdict, MatchRefusal> matchTest(std::string_view Text10, std::string_view Text11);

} // namespace xingming::fun
