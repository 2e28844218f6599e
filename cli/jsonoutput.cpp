#include "cli/jsonoutput.h"

#include "naming/hanzi.h"
#include "naming/namecandidates.h"
#include "naming/utf8.h"

#include <ranges>

namespace xingming::cli {

namespace {

void writeBirth(JsonWriter& w, const calendar::BirthDate& b, bool sorted)
{
    w.key("birth");
    w.beginObject();
    if (sorted) {
        w.member("day", b.day);
        w.member("hour", b.hour);
        w.member("month", b.month);
        w.member("year", b.year);
    } else {
        w.member("year", b.year);
        w.member("month", b.month);
        w.member("day", b.day);
        w.member("hour", b.hour);
    }
    w.endObject();
}

} // namespace

void writeErrorJson(std::string& out, std::string_view message)
{
    JsonWriter w(out);
    w.beginObject();
    w.member("error", message);
    w.endObject();
}

void writeScoreJson(std::string& out, const naming::NameTestReport& rep)
{
    const naming::PxmzResult& r = rep.result;
    const naming::Grids& g = r.grids;
    JsonWriter w(out, BackspaceFormFeed::Numeric);
    w.beginObject();
    w.arrayMember("chars", r.chars);
    w.arrayMember("strokes", r.strokes);
    w.arrayMember("ziwuhang", r.ziwuhang);
    w.member("tg", g.tg);
    w.member("rg", g.rg);
    w.member("dG", g.dG);
    w.member("wg", g.wg);
    w.member("zg", g.zg);
    w.key("grid_elements");
    w.beginObject();
    w.member("tg", naming::gridCellText(g.tg));
    w.member("rg", naming::gridCellText(g.rg));
    w.member("dG", naming::gridCellText(g.dG));
    w.member("wg", naming::gridCellText(g.wg));
    w.member("zg", naming::gridCellText(g.zg));
    w.endObject();
    w.plainMember("tp", r.tp);
    w.plainMember("rp", r.rp);
    w.plainMember("dp", r.dp);
    w.plainMember("zp", r.zp);
    w.plainMember("wp", r.wp);
    w.key("colors");
    w.beginObject();
    w.member("t", r.colours.t);
    w.member("r", r.colours.r);
    w.member("d", r.colours.d);
    w.member("z", r.colours.z);
    w.member("w", r.colours.w);
    w.endObject();
    w.plainMember("scp", r.scp);
    w.plainMember("jsp", r.jsp);
    w.plainMember("cgp", r.cgp);
    w.plainMember("rjp", r.rjp);
    w.plainMember("ranshi", r.ranshi);
    w.plainMember("danshi", r.danshi);
    w.plainMember("wanshi", r.wanshi);
    w.plainMember("zanshi", r.zanshi);
    w.member("zf2", r.zf2);
    w.member("score_text", naming::scoreText(r.zf2));
    w.plainMember("lastdp", r.lastdp);
    writeBirth(w, rep.birth, false);
    w.member("nongli", r.nongli);
    w.member("bazhi", r.bazhi);
    w.member("wuhang", r.wuhang);
    w.member("whstr", r.whstr);
    // Characters the table lacks: the name test counts them 1 stroke without element.
    w.key("warnings");
    w.beginArray();
    for (const naming::OutsideChar& c : naming::charsOutsideTable(r)) {
        w.beginObject();
        w.member("char", c.ch);
        w.member("derived_strokes", c.derivedStrokes);
        w.member("message", naming::outsideTableWarning({c}));
        w.endObject();
    }
    w.endArray();
    w.endObject();
}

void writeCharsJson(std::string& out, const std::vector<CharRow>& rows)
{
    JsonWriter w(out);
    w.beginArray();
    for (const CharRow& row : rows) {
        w.beginObject();
        w.member("char", row.ch);
        w.member("position", row.info.position);
        w.member("strokes", row.info.strokes);
        w.member("element", naming::elementText(row.info.element));
        w.member("in_table", row.info.position != 0);
        w.member("pinyin", naming::commonReading(row.code));
        w.member("readings", naming::readingsOf(row.code));
        w.member("several_readings", naming::hasSeveralReadings(row.code));
        const naming::CandidateRow* cand = naming::candidateRow(row.code);
        w.member("gloss", cand ? cand->gloss : std::string_view());
        if (cand) {
            w.member("lean", naming::leanText(cand->sex));
        } else {
            w.key("lean");
            w.null();
        }
        const std::optional<naming::RadicalStrokes> rs = naming::radicalStrokes(row.code);
        if (rs) {
            w.member("radical", naming::encodeUtf8(naming::radicalCharacter(rs->radical)));
            w.member("radical_number", rs->radical);
        } else {
            w.key("radical");
            w.null();
            w.key("radical_number");
            w.null();
        }
        const naming::KangxiStrokes kx = naming::kangxiStrokes(row.code);
        w.member("kangxi_strokes", kx.strokes);
        w.member("derived", kx.derived);
        w.endObject();
    }
    w.endArray();
}

void writeBaziJson(std::string& out, const calendar::BirthChartValues& chart)
{
    JsonWriter w(out);
    w.beginObject();
    w.member("bazhi", chart.bazhi);
    w.member("nongli", chart.nongli);
    w.member("whstr", chart.whstr);
    w.member("wuhang", chart.wuhang);
    w.endObject();
}

void writeNamingJson(std::string& out, std::string_view message, std::string_view address)
{
    JsonWriter w(out);
    w.beginObject();
    w.member("message", message);
    w.member("yxy_str", address);
    w.endObject();
}

void writeChildSexJson(std::string& out, const std::array<std::optional<std::string_view>, 4>& results)
{
    JsonWriter w(out);
    w.beginObject();
    w.member("LjieG1", results[0]);
    w.member("LjieG2", results[1]);
    w.member("LjieG3", results[2]);
    w.member("LjieG4", results[3]);
    w.endObject();
}

void writeMatchJson(std::string& out, const fun::MatchVerdict& verdict)
{
    JsonWriter w(out);
    w.beginObject();
    w.member("D", verdict.D);
    w.member("verdict", verdict.verdict);
    w.endObject();
}

void writeBiorhythmJson(std::string& out, const fun::BiorhythmReading& reading)
{
    static constexpr JsonKey kCycleKeys[3] = {"emotional", "intellectual", "physical"};
    JsonWriter w(out);
    w.beginObject();
    w.member("days", reading.days);
    for (size_t i = 0; i < 3; ++i) {
        const fun::CycleReading& c = reading.cycles[i];
        w.key(kCycleKeys[i]);
        w.beginObject();
        w.member("d", c.d);
        w.member("index", c.index);
        w.member("label", c.label);
        w.endObject();
    }
    w.endObject();
}

void writeSuggestJson(std::string& out, const SuggestJson& request, const naming::SuggestResult& result,
                      const std::function<void(std::string_view)>& sink)
{
    // A suggestion takes some 850 bytes, a long source line more: the buffer is made once,
    // not grown and copied again and again through a long list. With a sink it holds a piece.
    constexpr std::size_t kPiece = 1 << 16;
    out.reserve(out.size() + 1024 + (sink ? kPiece : 1536 * result.names.size()));
    JsonWriter w(out);
    w.beginObject();
    w.member("avoid", request.avoid);
    writeBirth(w, request.birth, true);
    w.member("generation", request.generation);
    w.member("generation_place", request.generationPlace);
    w.member("length", request.length);
    w.member("message", result.message);
    w.member("mode", request.mode);
    w.member("qualifying", result.qualifying);
    w.member("sex", request.sex);
    w.key("suggestions");
    w.beginArray();
    for (const naming::Suggestion& s : result.names) {
        w.beginObject();
        w.key("chars");
        w.beginArray();
        for (const naming::SuggestedChar& c : s.chars) {
            w.beginObject();
            w.member("char", c.ch);
            w.member("element", naming::elementText(c.element));
            w.member("gloss", c.gloss);
            w.member("in_table", c.inTable);
            w.member("pinyin", c.pinyin);
            w.member("several_readings", c.severalReadings);
            w.member("strokes", c.strokes);
            w.endObject();
        }
        w.endArray();
        w.arrayMember("elements", s.elements | std::views::transform(naming::elementText));
        w.member("fit", s.fit);
        w.member("full_name", s.fullName);
        w.key("grids");
        w.beginObject();
        w.member("dG", s.grids.dG);
        w.member("rg", s.grids.rg);
        w.member("tg", s.grids.tg);
        w.member("wg", s.grids.wg);
        w.member("zg", s.grids.zg);
        w.endObject();
        w.member("name", s.given);
        w.arrayMember("rules", s.passed.rules() | std::views::transform(naming::ruleText));
        w.key("score");
        w.realValue(s.score);
        w.member("score_text", naming::scoreText(s.score));
        if (s.source) {
            w.key("source");
            w.beginObject();
            w.member("author", s.source->author);
            w.member("line", s.source->line);
            w.member("title", s.source->title);
            w.member("work", s.source->work);
            w.endObject();
        } else {
            w.key("source");
            w.null();
        }
        w.arrayMember("strokes", s.strokes);
        w.endObject();
        if (sink && w.size() >= kPiece - 4096)
            w.drain(sink);
    }
    w.endArray();
    w.member("surname", request.surname);
    w.member("wanted", request.wanted);
    w.member("whstr", result.chart.whstr);
    w.endObject();
}

} // namespace xingming::cli
