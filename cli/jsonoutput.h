// The JSON objects the commands print, one function a command, each appending one object
// to out (without the line end). The keys of every object are those of the command line's
// documentation, in the order the command has always printed them.
#pragma once

#include "cli/jsonwriter.h"

#include "calendar/fiveelements.h"
#include "fun/biorhythm.h"
#include "fun/couplematch.h"
#include "naming/chartable.h"
#include "naming/nametest.h"
#include "naming/suggest.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::cli {

// {"error": message}: a refusal.
void writeErrorJson(std::string& out, std::string_view message);

// `score`: the filled report.
void writeScoreJson(std::string& out, const naming::NameTestReport& rep);

// `char`: one object a character.
struct CharRow {
    std::string ch;
    char32_t code = 0;
    naming::CharInfo info;
};
void writeCharsJson(std::string& out, const std::vector<CharRow>& rows);

// `bazi`: the birth chart.
void writeBaziJson(std::string& out, const calendar::BirthChartValues& chart);

// `naming`: the message and the request address.
void writeNamingJson(std::string& out, std::string_view message, std::string_view address);

// `child-sex`: the four predictions, null where a method writes nothing.
void writeChildSexJson(std::string& out, const std::array<std::optional<std::string_view>, 4>& results);

// `match`: the difference of the days and the verdict.
void writeMatchJson(std::string& out, const fun::MatchVerdict& verdict);

// `biorhythm`: the days lived and the three cycles.
void writeBiorhythmJson(std::string& out, const fun::BiorhythmReading& reading);

// `suggest`: the request as the naming pane's checks stored it, and the ranked names.
struct SuggestJson {
    std::string_view surname, sex;
    int length = 2;
    calendar::BirthDate birth;
    std::string_view wanted; // the wanted elements, "木火"
    std::string_view mode;   // "音形义模式"
    std::string_view generation;
    int generationPlace = 1;
    std::string_view avoid;
};
// With a sink the text goes to it in pieces as it is written, each of some 64 KB, and out
// keeps the rest: a long list is written out through one small buffer.
void writeSuggestJson(std::string& out, const SuggestJson& request, const naming::SuggestResult& result,
                      const std::function<void(std::string_view)>& sink = {});

} // namespace xingming::cli
