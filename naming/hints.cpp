#include "naming/hints.h"

namespace xingming::naming {

Hint anshi(calendar::Sex sex, int number)
{
    const bool male = sex == calendar::Sex::Male;
    switch (number) {
    case 2:
    case 9:
    case 19:
    case 20:
    case 26:
        return {"败财运", "2"};
    case 3:
    case 13:
    case 23:
    case 31:
    case 47:
        return {"首领运", ""};
    case 4:
    case 10:
    case 12:
        return {"败财运、孤独运", "12"};
    case 5:
        if (!male)
            return {};
        return {"双妻运", "1"};
    case 6:
        return {"*", "1"};
    case 14:
    case 21:
        return {"*", "12"};
    case 16:
    case 29:
    case 41:
        if (!male)
            return {"首领运、富贵运", ""};
        return {"首领运、富贵运、双妻运", "1"};
    case 22:
    case 28:
    case 34:
        return {"孤独运", "1"};
    case 24:
    case 33:
        return {"富贵运", ""};
    case 25:
    case 27:
    case 38:
    case 43:
        return {"*", ""};
    default:
        return {};
    }
}

std::string_view dianping(float zf)
{
    if (zf >= 90)
        return "你的名字起得非常棒，成功与惊喜会伴随你的一生。但千万注意不要失去上进心。";
    if (zf >= 85)
        return "你的名字起得很好，相信它会助你一生顺利的，祝你好运。";
    if (zf >= 80)
        return "你的名字起得相当不错，但别忘了要想成功，还要继续努力哟。";
    if (zf >= 75)
        return "你的名字还算可以。虽然人生路途中会遇到一些困难，但只要努力，还是会有很多收获的。";
    if (zf >= 68)
        return "你的名字只能算是一般，要想赢得成功，必须比别人付出更多的艰辛和汗水。";
    if (zf >= 60)
        return "你的名字起得不算理想，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
    return "你的名字结合你的先天条件来看，不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。";
}

std::string warnings(std::string_view zdp, calendar::Sex sex)
{
    std::string w;
    if (zdp.find('1') != std::string_view::npos && sex != calendar::Sex::Female)
        w = "可能对婚姻不利\u3000";
    if (zdp.find('2') != std::string_view::npos)
        w += "需谨慎处理财富";
    return w;
}

} // namespace xingming::naming
