// The command line's JSON writer against nlohmann::json, the library the commands printed
// their objects with before: the same bytes for every string (awkward ones and random
// bytes), every real number the commands print, and every command's object.
#include "cli/jsonoutput.h"
#include "cli/jsonwriter.h"

#include "naming/hanzi.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace xingming;
using cli::BackspaceFormFeed;
using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// What the commands printed: a compact dump, non-ASCII kept, ill-formed UTF-8 replaced.
template <typename Json> std::string dump(const Json& j)
{
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// nlohmann's text with its "\b" and "\f" written as "\u0008" and "\u000c", as `score` writes them.
std::string numericBackspaceFormFeed(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'b' ? "\\u0008" : c == 'f' ? "\\u000c" : std::string{'\\', c};
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string escaped(std::string_view s, BackspaceFormFeed bf = BackspaceFormFeed::Short)
{
    std::string out;
    cli::appendJsonString(out, s, bf);
    return out;
}

std::string allControls()
{
    std::string s;
    for (int c = 0; c < 0x20; ++c)
        s += static_cast<char>(c);
    return s + "\x7f";
}

// Strings that touch every path of the escaping: the word scan (a special byte at every
// place of an eight-byte step), runs of ASCII and of Chinese, and ill-formed UTF-8 of
// each kind (a lone continuation byte, a lead byte without its continuation, an overlong
// form, a surrogate, past U+10FFFF, a character cut off at the end).
const struct {
    const char* name;
    std::string text;
} kStrings[] = {
    {"empty", ""},
    {"plain", "score_text"},
    {"quote and backslash", "a\"b\\c\"\\"},
    {"controls", allControls()},
    {"controls among text", "李\b明\f\n\r\t\x01\x1f"},
    {"ascii run", std::string(1000, 'x')},
    {"quote at 7", std::string(7, 'x') + "\"" + std::string(20, 'y')},
    {"quote at 8", std::string(8, 'x') + "\"" + std::string(20, 'y')},
    {"quote at 15", std::string(15, 'x') + "\"" + std::string(20, 'y')},
    {"quote last", std::string(999, 'x') + "\""},
    {"chinese run",
     [] {
         std::string s;
         for (int i = 0; i < 300; ++i)
             s += "福寿圆满，";
         return s;
     }()},
    {"chinese then quote", "此命五行缺木；\"日主\"天干为水"},
    {"every length of character", "a\u00e9\u4e2d\U00020000\U0010FFFF\uFFFD\u3000"},
    {"line and paragraph separators", "\u2028\u2029"},
    {"lone continuation", "a\x80"
                          "b"},
    {"continuations", "\x80\xbf\x80"},
    {"lead at end", "abc\xe4"},
    {"lead and continuation at end", "abc\xe4\xb8"},
    {"four-byte cut at end", "\xf0\x9f\x98"},
    {"lead then ascii", "\xe4"
                        "A\xe4\xb8"
                        "B"},
    {"overlong", "\xc0\xaf\xc1\xbf\xe0\x80\xaf\xf0\x80\x80\xaf"},
    {"surrogate", "\xed\xa0\x80\xed\xbf\xbf"},
    {"past U+10FFFF", "\xf4\x90\x80\x80\xf5\x80\xff\xfe"},
    {"bad among chinese", "中\xff文\xe4\xb8中\x80"},
    {"bad then quote", "\xe4\"\xb8\\"},
};

TEST(JsonWriter, StringsAsNlohmannWritesThem)
{
    for (const auto& row : kStrings) {
        SCOPED_TRACE(row.name);
        const std::string want = dump(json(row.text));
        EXPECT_EQ(escaped(row.text), want);
        EXPECT_EQ(escaped(row.text, BackspaceFormFeed::Numeric), numericBackspaceFormFeed(want));
    }
}

// Random bytes, weighted towards those that need a look, at random lengths and offsets;
// those that make plain text also as plain values.
TEST(JsonWriter, RandomBytesAsNlohmannWritesThem)
{
    static constexpr unsigned char kBytes[] = {'a',  'Z',  ' ',  '"',  '\\', 0,    '\b', '\n', 0x1f,
                                               0x7f, 0x80, 0x9f, 0xa0, 0xbf, 0xc0, 0xc2, 0xdf, 0xe0,
                                               0xe4, 0xed, 0xef, 0xf0, 0xf4, 0xf5, 0xff};
    std::mt19937 rng(20240229);
    for (int i = 0; i < 20000; ++i) {
        std::string s;
        const size_t n = rng() % 40;
        for (size_t k = 0; k < n; ++k) {
            switch (rng() % 4) {
            case 0:
                s += "中";
                break;
            case 1:
                s += "text";
                break;
            default:
                s += static_cast<char>(kBytes[rng() % std::size(kBytes)]);
            }
        }
        ASSERT_EQ(escaped(s), dump(json(s))) << testing::PrintToString(s);
        // A text that is plain is written as it stands, and reads the same.
        if (xingming::naming::isPlainText(s)) {
            std::string out;
            xingming::cli::JsonWriter(out).plainValue(s);
            ASSERT_EQ(out, dump(json(s))) << testing::PrintToString(s);
        }
    }
}

// Runs of Chinese and ASCII as the scans of sixteen and thirty-two bytes take them, with one
// piece that needs a look at every place of more than two steps of thirty-two bytes: a
// character cut short or cut off at either end of a step, the lead bytes with a narrower
// second byte (E0, ED), characters of two and four bytes, escapes and ill-formed bytes.
TEST(JsonWriter, EveryPlaceOfASixteenByteStepAsNlohmannWritesIt)
{
    const std::string pieces[] = {"\"",           "\\",           "\n",           std::string(1, '\0'),
                                  "\x1f",         "\xe4\xb8",     "\xe4",         "\x80",
                                  "\xbf\xbf",     "\xe0\xa0\x80", "\xe0\x80\x80", "\xed\x9f\xbf",
                                  "\xed\xa0\x80", "\xee\x80\x80", "\xef\xbf\xbd", "\u00e9",
                                  "\U00020000",   "\xf0\x9f\x98", "\xff",         "x"};
    const std::string runs[] = {"福寿圆满，富贵荣誉，涵养雅量，德高望重。福寿圆满，富贵荣誉，涵养雅量，德高望重。",
                                "15 （福寿） 福寿圆满 (大吉) 15 （福寿） 福寿圆满 (大吉) 15 （福寿）",
                                "The quick brown fox jumps over the lazy dog and the quick fox"};
    for (const std::string& run : runs) {
        for (const std::string& piece : pieces) {
            for (size_t at = 0; at <= 70 && at <= run.size(); ++at) {
                const std::string s = run.substr(0, at) + piece + run.substr(at) + piece;
                ASSERT_EQ(escaped(s), dump(json(s))) << testing::PrintToString(s);
                ASSERT_EQ(escaped(s.substr(1)), dump(json(s.substr(1)))) << testing::PrintToString(s);
            }
        }
    }
}

// The scores the commands print are halves in [0, 100]: every eighth up to 1000 is checked,
// and the layouts (fixed, "0.000…", exponent) at their edges. Past short numbers
// nlohmann's Grisu2 and the shortest form of std::to_chars part: Grisu2 may write digits
// more than needed (48.387487900000004 for 48.3874879), or the other of two equally near
// last digits (96.49710083007813 for 96.497100830078125).
// The writer makes room at the end of the output while an object is open: what was there
// before stays, and the output holds exactly what was written once no object is open, after
// texts that need escapes amid plain ones, texts longer than the room, and a writer gone
// with its array still open.
TEST(JsonWriter, OutputHoldsWhatWasWrittenWheneverNoObjectIsOpen)
{
    const std::string longText(10000, 'x');
    std::string out = "before";
    {
        cli::JsonWriter w(out);
        w.value(5);
        EXPECT_EQ(out, "before5");
        w.beginObject();
        w.member("plain", "福寿");
        w.member("escaped", "a\"b\n");
        w.member("long", longText);
        w.member("n", -7);
        w.key("list");
        w.beginArray();
        w.value(true);
        w.null();
        w.realValue(0.5);
        w.value(80.5f);
        w.endArray();
        w.endObject();
        // Values side by side at the top are parted by commas, as elements are.
        EXPECT_EQ(out, "before5,{\"plain\":\"福寿\",\"escaped\":\"a\\\"b\\n\",\"long\":\"" + longText +
                           "\",\"n\":-7,\"list\":[true,null,0.5,80.5]}");
    }
    out = "before";
    {
        cli::JsonWriter w(out);
        w.beginArray();
        w.value("x");
        w.value(1);
    }
    EXPECT_EQ(out, "before[\"x\",1");
}

// Floats (the score) in their shortest form: every half below 65536 takes a short way, the
// rest the general one; both as std::to_chars writes them.
TEST(JsonWriter, FloatsInTheirShortestForm)
{
    std::vector<float> values{0.0f,
                              -0.0f,
                              0.25f,
                              0.1f,
                              -0.5f,
                              -80.5f,
                              65535.5f,
                              65536.0f,
                              65536.5f,
                              1e10f,
                              1e-10f,
                              std::nextafter(80.5f, 81.0f),
                              std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN(),
                              std::numeric_limits<float>::max()};
    for (int halves = 0; halves < 131072; ++halves)
        values.push_back(static_cast<float>(halves) / 2);
    for (float v : values) {
        char buf[64];
        const std::string want(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
        std::string out;
        cli::JsonWriter w(out);
        w.value(v);
        ASSERT_EQ(out, want) << v;
    }
}

TEST(JsonWriter, RealNumbersAsNlohmannWritesThem)
{
    std::vector<double> values{0.0,
                               -0.0,
                               1.0,
                               -1.0,
                               0.5,
                               0.1,
                               1e-4,
                               1e-5,
                               1.5e-5,
                               2.5e-7,
                               123456.0,
                               1e15,
                               1e16,
                               1.25e16,
                               1e21,
                               -1e21,
                               1e100,
                               1e-100,
                               1e300,
                               1e-300,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()};
    for (int i = 0; i <= 8000; ++i)
        values.push_back(static_cast<float>(i) / 8);
    for (double v : values) {
        std::string out;
        cli::JsonWriter w(out);
        w.realValue(v);
        EXPECT_EQ(out, dump(json(v))) << v;
    }
}

// Objects of every command, filled with the awkward strings, against the object the
// command built for nlohmann::json (keys sorted) or, for `score` and `char`, which have
// always been written in their own order, an ordered_json of that order.
std::vector<std::string> awkward()
{
    std::vector<std::string> out;
    for (const auto& row : kStrings)
        out.push_back(row.text);
    return out;
}

TEST(JsonOutput, ErrorBaziNamingMatch)
{
    for (const std::string& s : awkward()) {
        SCOPED_TRACE(testing::PrintToString(s));
        std::string out;
        cli::writeErrorJson(out, s);
        EXPECT_EQ(out, dump(json{{"error", s}}));

        const calendar::BirthChartValues c{s, s + "八字", "五行" + s, s + s};
        out.clear();
        cli::writeBaziJson(out, c);
        EXPECT_EQ(out, dump(json{{"nongli", c.nongli}, {"bazhi", c.bazhi}, {"wuhang", c.wuhang}, {"whstr", c.whstr}}));

        out.clear();
        cli::writeNamingJson(out, s, "http://127.0.0.1/" + s);
        EXPECT_EQ(out, dump(json{{"message", s}, {"yxy_str", "http://127.0.0.1/" + s}}));

        out.clear();
        cli::writeMatchJson(out, {-17, s});
        EXPECT_EQ(out, dump(json{{"D", -17}, {"verdict", s}}));
    }
}

TEST(JsonOutput, ChildSex)
{
    const std::string s = "王子\"\\\x01\xff";
    const std::array<std::optional<std::string_view>, 4> rows[] = {
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {s, "公主", std::nullopt, s},
        {"王子", "王子", "公主", "公主"},
    };
    for (const auto& results : rows) {
        json want = json::object();
        const char* keys[4] = {"LjieG1", "LjieG2", "LjieG3", "LjieG4"};
        for (int i = 0; i < 4; ++i)
            want[keys[i]] = results[i] ? json(std::string(*results[i])) : json(nullptr);
        std::string out;
        cli::writeChildSexJson(out, results);
        EXPECT_EQ(out, dump(want));
    }
}

TEST(JsonOutput, Biorhythm)
{
    for (const std::string& s : awkward()) {
        fun::BiorhythmReading r;
        r.days = std::int64_t{1} << 40;
        for (size_t i = 0; i < 3; ++i)
            r.cycles[i] = {static_cast<int>(i) * 7, 0, s + "0.00", "指数为：" + s};
        json want{{"days", r.days}};
        const char* keys[3] = {"emotional", "intellectual", "physical"};
        for (size_t i = 0; i < 3; ++i) {
            const auto& c = r.cycles[i];
            want[keys[i]] = json{{"d", c.d}, {"index", c.index}, {"label", c.label}};
        }
        std::string out;
        cli::writeBiorhythmJson(out, r);
        EXPECT_EQ(out, dump(want)) << testing::PrintToString(s);
    }
}

TEST(JsonOutput, Suggest)
{
    const std::vector<std::string> texts = awkward();
    naming::SuggestResult res;
    res.qualifying = 148610;
    res.chart.whstr = "此命五行缺木\"\x02";
    const float scores[] = {100, 80.5f, 53, 99.5f, 0.25f};
    for (size_t i = 0; i < texts.size(); ++i) {
        naming::Suggestion s;
        s.given = texts[i];
        s.fullName = "王" + texts[i];
        s.score = scores[i % std::size(scores)];
        s.strokes = {4, 0, static_cast<int>(i), 12};
        s.elements = {naming::Element::Earth, naming::Element::Unknown, naming::Element::Wood, naming::Element::Water};
        s.grids = {5, 13, static_cast<std::int16_t>(21 + i), 13, 25};
        s.fit = static_cast<int>(i % 3);
        naming::SuggestedChar c;
        c.ch = texts[i];
        c.pinyin = texts[(i + 1) % texts.size()];
        c.gloss = texts[(i + 2) % texts.size()];
        c.strokes = static_cast<int>(i);
        c.element = naming::Element::Metal;
        c.inTable = i % 2 == 0;
        c.severalReadings = i % 3 == 0;
        s.chars.push_back(c);
        s.chars.push_back(c);
        if (i % 2 == 1)
            s.source = naming::PoemSource{texts[i], texts[0], texts.back(), "诗经"};
        s.passed.add(naming::Rule::Tones);
        if (i % 2 == 1)
            s.passed.add(naming::Rule::Source);
        res.names.push_back(s);
    }
    res.message = texts[2];
    for (const std::string& t : {std::string("王"), texts[3], texts.back()}) {
        const std::string wanted = "木" + t;
        const std::string avoid = t + "\"";
        const cli::SuggestJson req{t, "男\b", 2, {"1990" + t, "5", "17\f", "18"}, wanted, "音形义模式", t, 2, avoid};
        std::string out;
        cli::writeSuggestJson(out, req, res);

        json list = json::array();
        for (const naming::Suggestion& s : res.names) {
            json elements = json::array();
            for (naming::Element e : s.elements)
                elements.push_back(std::string(naming::elementText(e)));
            json chars = json::array();
            for (const naming::SuggestedChar& c : s.chars)
                chars.push_back(json{{"char", c.ch},
                                     {"pinyin", std::string(c.pinyin)},
                                     {"gloss", std::string(c.gloss)},
                                     {"strokes", c.strokes},
                                     {"element", std::string(naming::elementText(c.element))},
                                     {"in_table", c.inTable},
                                     {"several_readings", c.severalReadings}});
            json rules = json::array();
            for (naming::Rule rule : s.passed.rules())
                rules.push_back(std::string(naming::ruleText(rule)));
            json source = nullptr;
            if (s.source)
                source = json{{"line", std::string(s.source->line)},
                              {"title", std::string(s.source->title)},
                              {"author", std::string(s.source->author)},
                              {"work", std::string(s.source->work)}};
            list.push_back(json{
                {"chars", chars},
                {"rules", rules},
                {"source", source},
                {"name", s.given},
                {"full_name", s.fullName},
                {"score", s.score},
                {"score_text", naming::scoreText(s.score)},
                {"strokes", s.strokes},
                {"elements", elements},
                {"grids",
                 {{"tg", s.grids.tg}, {"rg", s.grids.rg}, {"dG", s.grids.dG}, {"wg", s.grids.wg}, {"zg", s.grids.zg}}},
                {"fit", s.fit},
            });
        }
        const calendar::BirthDate& b = req.birth;
        const json want{
            {"surname", std::string(req.surname)},
            {"sex", std::string(req.sex)},
            {"length", req.length},
            {"birth", {{"year", b.year}, {"month", b.month}, {"day", b.day}, {"hour", b.hour}}},
            {"whstr", res.chart.whstr},
            {"wanted", std::string(req.wanted)},
            {"qualifying", res.qualifying},
            {"suggestions", list},
            {"mode", std::string(req.mode)},
            {"generation", std::string(req.generation)},
            {"generation_place", req.generationPlace},
            {"avoid", std::string(req.avoid)},
            {"message", res.message},
        };
        EXPECT_EQ(out, dump(want));
    }

    // Written out as it goes: the pieces and what is left make the same text, and a long
    // list goes in several pieces of bounded size.
    while (res.names.size() < 2000)
        res.names.push_back(res.names[res.names.size() % texts.size()]);
    const cli::SuggestJson req{"王", "男", 2, {"1990", "5", "17", "18"}, "木", "音形义模式", "", 1, ""};
    std::string whole;
    cli::writeSuggestJson(whole, req, res);
    std::string pieces, rest;
    size_t count = 0, largest = 0;
    cli::writeSuggestJson(rest, req, res, [&](std::string_view piece) {
        pieces += piece;
        ++count;
        largest = std::max(largest, piece.size());
    });
    EXPECT_EQ(pieces + rest, whole);
    EXPECT_GT(count, 5u);
    EXPECT_LE(largest, size_t{1} << 17);
}

TEST(JsonOutput, Score)
{
    for (const std::string& s : awkward()) {
        SCOPED_TRACE(testing::PrintToString(s));
        naming::NameTestReport rep;
        naming::PxmzResult& r = rep.result;
        r.chars = {s, "", "明" + s, s + "\""};
        r.strokes = {7, 0, 8, -1};
        // The views are texts of the tables, plain text by the result's contract; the texts
        // the result owns take every awkward text.
        const std::string_view t = naming::isPlainText(s) ? std::string_view(s) : "（凶）";
        r.ziwuhang = {"火", "?", s, "水"};
        r.grids = {8, 15, 9, 2, 15};
        r.tp = t;
        r.rp = "15 （福寿）";
        r.dp = t;
        r.zp = "";
        r.wp = t;
        r.colours = {33023, std::nullopt, 0, 0xffffff, std::nullopt};
        r.scp = t;
        r.jsp = t;
        r.cgp = "（吉）";
        r.rjp = t;
        r.ranshi = t;
        r.danshi = "败财运";
        r.wanshi = t;
        r.zanshi = "";
        r.zf2 = s.size() % 2 ? 80.5f : 100;
        const std::string lastdp = "你的名字" + std::string(t);
        r.lastdp = lastdp;
        r.nongli = s;
        r.bazhi = s + s;
        r.wuhang = "金火";
        r.whstr = s;
        rep.birth = {"1990" + s, "\b5", "17\f", s};

        const naming::Grids& g = r.grids;
        const auto colour = [](std::optional<std::uint32_t> c) { return c ? ordered_json(*c) : ordered_json(nullptr); };
        ordered_json warnings = ordered_json::array();
        for (const naming::OutsideChar& c : naming::charsOutsideTable(r))
            warnings.push_back(ordered_json{
                {"char", c.ch}, {"derived_strokes", c.derivedStrokes}, {"message", naming::outsideTableWarning({c})}});
        const ordered_json want{
            {"chars", r.chars},
            {"strokes", r.strokes},
            {"ziwuhang", {r.ziwuhang[0], r.ziwuhang[1], r.ziwuhang[2], r.ziwuhang[3]}},
            {"tg", g.tg},
            {"rg", g.rg},
            {"dG", g.dG},
            {"wg", g.wg},
            {"zg", g.zg},
            {"grid_elements",
             {{"tg", naming::gridCellText(g.tg)},
              {"rg", naming::gridCellText(g.rg)},
              {"dG", naming::gridCellText(g.dG)},
              {"wg", naming::gridCellText(g.wg)},
              {"zg", naming::gridCellText(g.zg)}}},
            {"tp", r.tp},
            {"rp", r.rp},
            {"dp", r.dp},
            {"zp", r.zp},
            {"wp", r.wp},
            {"colors",
             {{"t", colour(r.colours.t)},
              {"r", colour(r.colours.r)},
              {"d", colour(r.colours.d)},
              {"z", colour(r.colours.z)},
              {"w", colour(r.colours.w)}}},
            {"scp", r.scp},
            {"jsp", r.jsp},
            {"cgp", r.cgp},
            {"rjp", r.rjp},
            {"ranshi", r.ranshi},
            {"danshi", r.danshi},
            {"wanshi", r.wanshi},
            {"zanshi", r.zanshi},
            {"zf2", r.zf2},
            {"score_text", naming::scoreText(r.zf2)},
            {"lastdp", r.lastdp},
            {"birth",
             {{"year", rep.birth.year}, {"month", rep.birth.month}, {"day", rep.birth.day}, {"hour", rep.birth.hour}}},
            {"nongli", r.nongli},
            {"bazhi", r.bazhi},
            {"wuhang", r.wuhang},
            {"whstr", r.whstr},
            {"warnings", warnings},
        };
        // zf2 is a float, written in its own shortest form (80.5, 100), where nlohmann
        // writes the double it widens to (100.0); the halves of the score read alike.
        std::string expected = numericBackspaceFormFeed(dump(want));
        const std::string wide = "\"zf2\":" + dump(ordered_json(r.zf2)) + ",";
        expected.replace(expected.find(wide), wide.size(), "\"zf2\":" + naming::scoreText(r.zf2) + ",");
        std::string out;
        cli::writeScoreJson(out, rep);
        EXPECT_EQ(out, expected);
    }
}

TEST(JsonOutput, Chars)
{
    std::vector<cli::CharRow> rows;
    for (const std::string& s : awkward())
        rows.push_back({s,
                        naming::decodeUtf8(s).empty() ? U'明' : naming::decodeUtf8(s)[0],
                        {static_cast<int>(s.size()), 7, naming::Element::Fire}});
    rows.push_back({"䶮", U'䶮', {}});
    ordered_json want = ordered_json::array();
    for (const cli::CharRow& row : rows) {
        const naming::NameCandidate* cand = naming::findCandidate(row.code);
        const auto rs = naming::radicalStrokes(row.code);
        const naming::KangxiStrokes kx = naming::kangxiStrokes(row.code);
        want.push_back(ordered_json{
            {"char", row.ch},
            {"position", row.info.position},
            {"strokes", row.info.strokes},
            {"element", naming::elementText(row.info.element)},
            {"in_table", row.info.position != 0},
            {"pinyin", naming::commonReading(row.code)},
            {"readings", naming::readingsOf(row.code)},
            {"several_readings", naming::hasSeveralReadings(row.code)},
            {"gloss", cand ? std::string(cand->gloss) : std::string()},
            {"lean", cand ? ordered_json(std::string(naming::leanText(cand->sex))) : ordered_json(nullptr)},
            {"radical",
             rs ? ordered_json(naming::encodeUtf8(naming::radicalCharacter(rs->radical))) : ordered_json(nullptr)},
            {"radical_number", rs ? ordered_json(rs->radical) : ordered_json(nullptr)},
            {"kangxi_strokes", kx.strokes},
            {"derived", kx.derived}});
    }
    std::string out;
    cli::writeCharsJson(out, rows);
    EXPECT_EQ(out, dump(want));
    out.clear();
    cli::writeCharsJson(out, {});
    EXPECT_EQ(out, "[]");
}

} // namespace
