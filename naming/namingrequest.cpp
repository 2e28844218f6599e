#include "naming/namingrequest.h"

#include <iconv.h>

namespace xingming::naming {

namespace {

// The naming panel has no given-name box.
constexpr calendar::PanelRules kNamingPanel{false, "您输入的是公历还是农历？请选择！"};

// Converts UTF-8 text with iconv; false when a character has no form in the target.
bool convert(const char* target, std::string_view utf8, std::string& out)
{
    iconv_t cd = iconv_open(target, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.assign(utf8.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    const size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1))
        return false;
    out.resize(out.size() - outLeft);
    return true;
}

bool unreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

} // namespace

std::string gbkPercentEncode(std::string_view utf8)
{
    std::string bytes;
    if (!convert("GBK", utf8, bytes) && !convert("GB18030", utf8, bytes))
        bytes.clear(); // not UTF-8 at all: nothing of it goes into an address
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (unreserved(c)) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    return out;
}

std::string namingQuery(std::string_view surname, std::string_view sex, const calendar::BirthDate& birth,
                        bool twoCharName, int modePage)
{
    std::string q(kNamingPath);
    q += "?cm=8&youname1=";
    q += gbkPercentEncode(surname);
    q += "&sex=";
    q += gbkPercentEncode(sex);
    // The date sent is always solar: nx is 公历 in GBK.
    q += "&nx=%B9%AB%C0%FA&nian=";
    q += gbkPercentEncode(birth.year);
    q += "&yue=";
    q += gbkPercentEncode(birth.month);
    q += "&ri=";
    q += gbkPercentEncode(birth.day);
    q += "&hh=";
    q += gbkPercentEncode(birth.hour);
    q += "&ns=";
    q += twoCharName ? "2" : "1";
    // xn is the page of the naming panel, and so the mode: 4 for the page of the inputs.
    q += "&zd=0&ji=yes&bj=yes&xiong=yes&xn=";
    q += std::to_string(modePage >= 1 && modePage <= 4 ? modePage : kInputsPage);
    q += "&zf=80&btnAdd=%B5%BD%CF%C2%D2%BB%B2%BD";
    return q;
}

NamingOutcome runNamingRequest(const NamingForm& form)
{
    NamingOutcome out;
    calendar::CheckedBirth checked =
        calendar::checkPanel({form.surname, {}, form.sex, form.calendar, form.date}, kNamingPanel);
    // The sex is stored once the fields pass, even when the lunar date turns out not to exist.
    if (checked.fieldsPassed)
        out.sex = sexText(form.sex);
    if (!checked.birth) {
        out.message = std::move(checked.message);
        return out;
    }
    out.birth = std::move(*checked.birth);
    out.refused = false;
    // The checks above leave no birth without a chart; should one slip through, the
    // request still goes out, with the invitation alone.
    const std::optional<std::string> report = calendar::whduoshao(out.birth, calendar::birthDateText(out.birth));
    out.message = report.value_or(std::string()) + std::string(kNamingInvitation);
    out.query = namingQuery(form.surname, out.sex, out.birth, form.twoCharName, form.modePage);
    return out;
}

} // namespace xingming::naming
