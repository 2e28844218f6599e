// The name test: the driver over what the name-test panel holds, the central computation
// pxmz, and the content of the report page.
#pragma once

#include "calendar/birthinput.h"
#include "calendar/fiveelements.h"
#include "naming/grids.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::naming {

// What the name-test panel holds when "开始评分" is pressed.
struct NameTestForm {
    std::string surname;                                            // Text1, at most two characters are read
    std::string given;                                              // Text2
    calendar::Sex sex = calendar::Sex::None;                        // Option1 / Option2
    calendar::CalendarKind calendar = calendar::CalendarKind::None; // Option13 / Option18 / Option31
    calendar::DateFields date;                                      // pxznc, pxzyc, pxzrc, pxzsc: raw texts
};

// Line colours of the five 81-number lines; nullopt is the line's design colour.
struct GridColours {
    std::optional<std::uint32_t> t, r, d, z, w;
};

// Everything pxmz works out for one name. Its views are texts of the constant tables, each
// of them plain text (isPlainText), as the tables check while compiling.
struct PxmzResult {
    std::array<std::string, 4> chars;         // surname first/second, given first/second ("" when absent)
    std::array<std::int16_t, 4> strokes{};    // 0 for an absent character
    std::array<std::string_view, 4> ziwuhang; // ziwuhang1 .. ziwuhang4: 木 火 土 金 水 or "?"
    Grids grids;                              // tg, rg, dG, wg, zg
    std::string_view tp, rp, dp, zp, wp;      // 81-number texts of 天格 人格 地格 总格 外格
    GridColours colours;
    std::string_view scstr;                          // three-talents key
    std::string_view scp;                            // three-talents text
    int jcnum = 0, cgnum = 0, rjnum = 0;             // luck keys
    std::string_view jsp, cgp, rjp;                  // basic, success and social luck
    std::string_view ranshi, danshi, wanshi, zanshi; // hints of 人格 地格 外格 总格
    std::string zdp;                                 // flags text of the hints
    float zf2 = 53;                                  // the score
    std::string_view lastdp;                         // commentary and warnings
    std::string nongli, bazhi, wuhang, whstr;        // birth chart values
};

// The central computation over the four characters (each one character or ""), the sex
// and the solar birth date.
PxmzResult pxmz(std::string_view xsone, std::string_view xstwo, std::string_view ming1, std::string_view ming2,
                calendar::Sex sex, const calendar::BirthDate& birth);
// The same into r, whose texts keep their storage: for loops over many names.
void pxmz(std::string_view xsone, std::string_view xstwo, std::string_view ming1, std::string_view ming2,
          calendar::Sex sex, const calendar::BirthDate& birth, PxmzResult& r);

// The name half of pxmz for given stroke counts: grids, the lookups of the 81 numbers,
// three talents, luck and hints, the score and the commentary (fields of r from grids on).
void judgeName(const NameStrokes& s, calendar::Sex sex, PxmzResult& r);

// A filled report: the stored values of the run and the results of pxmz.
struct NameTestReport {
    calendar::Sex sex = calendar::Sex::Male; // Male or Female
    calendar::BirthDate birth;               // the solar birth date as stored
    PxmzResult result;
    bool twoCharSurname = false;
    bool twoCharGiven = false;
};

// Either the message of the first check that failed, or the report.
struct NameTestOutcome {
    std::string message;
    std::optional<NameTestReport> report;
};

// The driver of "开始评分": the checks in their order, the lunar conversion, pxmz.
NameTestOutcome runNameTest(const NameTestForm& form);
// The same into out, whose report keeps its storage while the checks pass: for loops over
// many names.
void runNameTest(const NameTestForm& form, NameTestOutcome& out);

// A character of a name that the character table lacks: the name test counts it 1 stroke
// of no element ("?"); derivedStrokes is its Kangxi count by radical, 0 when unknown.
struct OutsideChar {
    std::string ch;
    int derivedStrokes = 0;
};

// The characters of the report's name (surname first) that the table lacks, each once.
std::vector<OutsideChar> charsOutsideTable(const PxmzResult& result);

// One line naming each such character, e.g. "字库中没有“䶮”：按 1 划、五行“?”计分（按部首推算
// 康熙笔画为 20 划）。"; empty when there is none.
std::string outsideTableWarning(const std::vector<OutsideChar>& chars);

// The score in its shortest decimal form (80.5, 100).
std::string scoreText(float zf);

// The text of a grid cell of the report: number, "(", element by yy, ")", e.g. 16(土).
std::string gridCellText(int number);

// The sections of the report page, in their order.
enum class ReportSection { Basic, Chart, Grids, Influence, Hints, Score };

// The caption of a section: "姓名的基本信息", "您的八字信息", "五格的详细解剖", "对各方面的影响",
// "五格的数理暗示", "名字点评及得分".
std::string_view sectionCaption(ReportSection section);

// One line of the report page, as a window or the command line shows it.
struct ReportLine {
    ReportSection section;
    std::string caption;                 // fixed caption of the item ("" for a line without one)
    std::string text;                    // text written by the driver
    std::optional<std::uint32_t> colour; // for the 81-number lines
    bool visible = true;                 // second-character cells are hidden for one-character parts
};

// Every line the driver fills, section by section, in the order of the report page.
std::vector<ReportLine> reportLines(const NameTestReport& report);

} // namespace xingming::naming
