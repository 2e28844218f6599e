// The table of the 81 numbers (数理): title, rating for a man and for a woman, and the
// plain text the report shows. The rated text is formed from these (see numbers81.cpp).
// Source: the titles and ratings of the traditional 81-number table (八十一数理) of the
// five-grid method (五格剖象法), as the program fixes them; the short texts are ours.
#pragma once

#include "naming/ratings.h"

#include <array>
#include <string_view>

// clang-format off
namespace xingming::naming {

struct Number81Row {
    int number;
    std::string_view title;
    Rating81 ratingMale;            // rating for a man
    Rating81 ratingFemale;          // rating otherwise (differs for 21, 23, 33, 39)
    std::string_view plain;         // number, blank, title in （ ）, description
};

inline constexpr std::array<Number81Row, 81> kNumbers81{{
    {1, "太极之数", Rating81::GreatGood, Rating81::GreatGood, "1 （太极之数）太极之数，万物开泰，生发无穷，利禄亨通。"},
    {2, "两仪之数", Rating81::Bad, Rating81::Bad, "2 （两仪之数）两仪之数，混沌未开，进退保守，志望难达。"},
    {3, "三才之数", Rating81::GreatGood, Rating81::GreatGood, "3 （三才之数）三才之数，天地人和，大事大业，繁荣昌隆。"},
    {4, "四象之数", Rating81::GreatBad, Rating81::GreatBad, "4 （四象之数）四象之数，待于生发，万事慎重，不具营谋。"},
    {5, "五行之数", Rating81::GreatGood, Rating81::GreatGood, "5 （五行之数）五行俱权，循环相生，圆通畅达，福祉无穷。"},
    {6, "六爻之数", Rating81::GreatGood, Rating81::GreatGood, "6 （六爻之数）六爻之数，发展变化，天赋美德，吉祥安泰。"},
    {7, "七政之数", Rating81::GreatGood, Rating81::GreatGood, "7 （七政之数）七政之数，精悍严谨，天赋之力，吉星照耀。"},
    {8, "八卦之数", Rating81::GreatGood, Rating81::GreatGood, "8 （八卦之数）八卦之数，乾坎艮震，巽离坤兑，无穷无尽。"},
    {9, "大成之数", Rating81::Bad, Rating81::Bad, "9 （大成之数）大成之数，蕴涵凶险，或成或败，难以把握。"},
    {10, "终结之数", Rating81::GreatBad, Rating81::GreatBad, "10 （终结之数）终结之数，雪暗飘零，偶或有成，回顾茫然。"},
    {11, "旱苗逢雨", Rating81::GreatGood, Rating81::GreatGood,
     "11 （旱苗逢雨）万物更新，调顺发达，恢弘泽世，繁荣富贵。"},
    {12, "掘井无泉", Rating81::Bad, Rating81::Bad, "12 （掘井无泉）无理之数，发展薄弱，虽生不足，难酬志向。"},
    {13, "春日牡丹", Rating81::GreatGood, Rating81::GreatGood,
     "13 （春日牡丹）才艺多能，智谋奇略，忍柔当事，鸣奏大功。"},
    {14, "破兆", Rating81::Bad, Rating81::Bad, "14 （破兆） 家庭缘薄，孤独遭难，谋事不达，悲惨不测。"},
    {15, "福寿", Rating81::GreatGood, Rating81::GreatGood, "15 （福寿） 福寿圆满，富贵荣誉，涵养雅量，德高望重。"},
    {16, "厚重", Rating81::GreatGood, Rating81::GreatGood, "16 （厚重） 厚德载物，安富尊荣，财官双美，功成名就。"},
    {17, "刚强", Rating81::Good, Rating81::Good, "17 （刚强） 权威刚强，突破万难，如能容忍，必获成功。"},
    {18, "铁镜重磨", Rating81::GreatGood, Rating81::GreatGood,
     "18 （铁镜重磨）权威显达，博得名利，且养柔德，功成名就。"},
    {19, "多难", Rating81::Bad, Rating81::Bad, "19 （多难） 风云蔽日，辛苦重来，虽有智谋，万事挫折。"},
    {20, "屋下藏金", Rating81::Bad, Rating81::Bad, "20 （屋下藏金）非业破运，灾难重重，进退维谷，万事难成。"},
    {21, "明月中天", Rating81::GreatGood, Rating81::HalfBad,
     "21 （明月中天）光风霁月，万物确立，官运亨通，大搏名利。女性不宜数。"},
    {22, "秋草逢霜", Rating81::Mixed, Rating81::Mixed, "22 （秋草逢霜）秋草逢霜，困难疾弱，虽出豪杰，人生波折。"},
    {23, "壮丽", Rating81::GreatGood, Rating81::Bad,
     "23 （壮丽） 旭日东升，壮丽壮观，权威旺盛，功名荣达。女性不宜数。"},
    {24, "掘藏得金", Rating81::GreatGood, Rating81::GreatGood,
     "24 （掘藏得金）家门余庆，金钱丰盈，白手成家，财源广进。"},
    {25, "荣俊", Rating81::GreatGood, Rating81::GreatGood, "25 （荣俊） 资性英敏，才能奇特，涵养性情，可成大业。"},
    {26, "变怪", Rating81::Mixed, Rating81::Mixed, "26 （变怪） 变怪之谜，英雄豪杰，波澜重叠，而奏大功。"},
    {27, "增长", Rating81::HalfGood, Rating81::HalfGood, "27 （增长） 欲望无止，自我强烈，多受毁谤，尚可成功。"},
    {28, "阔水浮萍", Rating81::Bad, Rating81::Bad,
     "28 （阔水浮萍）遭难之数，豪杰气概，四海漂泊，终世浮躁。女性不宜数。"},
    {29, "智谋", Rating81::GreatGood, Rating81::GreatGood, "29 （智谋） 智谋优秀，财力归集，名闻海内，成就大业。"},
    {30, "非运", Rating81::Mixed, Rating81::Mixed, "30 （非运） 沉浮不定，凶吉难变，若明若暗，大成大败。"},
    {31, "春日花开", Rating81::GreatGood, Rating81::GreatGood,
     "31 （春日花开）智勇得志，博得名利，统领众人，繁荣富贵。"},
    {32, "宝马金鞍", Rating81::GreatGood, Rating81::GreatGood,
     "32 （宝马金鞍）侥幸多望，贵人得助，财帛如裕，繁荣至上。"},
    {33, "旭日升天", Rating81::GreatGood, Rating81::Bad,
     "33 （旭日升天）旭日升天，鸾凤相会，名闻天下，隆昌至极。女性不宜数。"},
    {34, "破家", Rating81::GreatBad, Rating81::GreatBad, "34 （破家） 破家之身，见识短小，辛苦遭逢，灾祸至极。"},
    {35, "高楼望月", Rating81::GreatGood, Rating81::GreatGood,
     "35 （高楼望月）温和平静，智达通畅，文昌技艺，奏功洋洋。"},
    {36, "波澜重叠", Rating81::HalfBad, Rating81::HalfBad, "36 （波澜重叠）波澜重叠，沉浮万状，侠肝义胆，舍己成仁。"},
    {37, "猛虎出林", Rating81::GreatGood, Rating81::GreatGood,
     "37 （猛虎出林）权威显达，热诚忠信，宜着雅量，终身荣富。"},
    {38, "磨铁成针", Rating81::HalfGood, Rating81::HalfGood, "38 （磨铁成针）意志薄弱，刻意经营，才识不凡，技艺有成。"},
    {39, "富贵荣华", Rating81::GreatGood, Rating81::Bad, "39 （富贵荣华）富贵荣华，财帛丰盈，暗藏险象，德泽四方。"},
    {40, "退安", Rating81::HalfBad, Rating81::HalfBad, "40 （退安） 智谋胆力，冒险投机，沉浮不定，退保平安。"},
    {41, "有德", Rating81::GreatGood, Rating81::GreatGood,
     "41 （有德） 纯阳独秀，德高望重，和顺畅达，博得名利。为最大好运数。"},
    {42, "寒蝉在柳", Rating81::Mixed, Rating81::Mixed, "42 （寒蝉在柳）博识多能，精通世情，如能专心，尚可成功。"},
    {43, "散财破产", Rating81::Bad, Rating81::Bad, "43 （散财破产）散财破产，诸事不遂，虽有智谋，财来财去。"},
    {44, "烦闷", Rating81::GreatBad, Rating81::GreatBad, "44 （烦闷） 破家亡身，暗藏惨淡，事不如意，乱世怪杰。"},
    {45, "顺风", Rating81::GreatGood, Rating81::GreatGood, "45 （顺风） 新生泰和，顺风扬帆，智谋经纬，富贵繁荣。"},
    {46, "浪里淘金", Rating81::HalfBad, Rating81::HalfBad, "46 （浪里淘金）载宝沉舟，浪里淘金，大难尝尽，大功有成。"},
    {47, "点石成金", Rating81::GreatGood, Rating81::GreatGood,
     "47 （点石成金）花开之象，万事如意，祯祥吉庆，天赋幸福。"},
    {48, "古松立鹤", Rating81::GreatGood, Rating81::GreatGood,
     "48 （古松立鹤）智谋兼备，德量荣达，威望成师，洋洋大观。"},
    {49, "转变", Rating81::Mixed, Rating81::Mixed, "49 （转变） 吉临则吉，凶来则凶，转凶为吉，配好三才。"},
    {50, "小舟入海", Rating81::Mixed, Rating81::Mixed, "50 （小舟入海）一成一败，吉凶参半，先得庇荫，后遭凄惨。"},
    {51, "沉浮", Rating81::HalfGood, Rating81::HalfGood, "51 （沉浮） 盛衰交加，波澜重叠，如能慎始，必获成功。"},
    {52, "达眼", Rating81::GreatGood, Rating81::GreatGood, "52 （达眼） 卓识达眼，先见之明，智谋超群，名利双收。"},
    {53, "曲卷难星", Rating81::HalfBad, Rating81::HalfBad, "53 （曲卷难星）外祥内患，外祸内安，先富后贫，先贫后富。"},
    {54, "石上栽花", Rating81::Bad, Rating81::Bad, "54 （石上栽花）石上栽花，难得有活，忧闷烦来，辛惨不绝。"},
    {55, "善恶", Rating81::HalfGood, Rating81::HalfGood, "55 （善恶） 善善得恶，恶恶得善，吉到极限，反生凶险。"},
    {56, "浪里行舟", Rating81::Bad, Rating81::Bad, "56 （浪里行舟）历尽艰辛，四周障碍，万事龃龌，做事难成。"},
    {57, "日照春松", Rating81::GreatGood, Rating81::GreatGood,
     "57 （日照春松）寒雪青松，夜莺吟春，必遭一过，繁荣白事。"},
    {58, "晚行遇月", Rating81::HalfGood, Rating81::HalfGood, "58 （晚行遇月）沉浮多端，先苦后甜，宽宏扬名，富贵繁荣。"},
    {59, "寒蝉悲风", Rating81::Bad, Rating81::Bad, "59 （寒蝉悲风）寒蝉悲风，意志衰退，缺乏忍耐，苦难不休。"},
    {60, "无谋", Rating81::Bad, Rating81::Bad, "60 （无谋） 无谋之人，漂泊不定，晦暝暗黑，动摇不安。"},
    {61, "牡丹芙蓉", Rating81::GreatGood, Rating81::GreatGood,
     "61 （牡丹芙蓉）牡丹芙蓉，花开富贵，名利双收，定享天赋。"},
    {62, "衰败", Rating81::Bad, Rating81::Bad, "62 （衰败） 衰败之象，内外不和，志望难达，灾祸频来。"},
    {63, "舟归平海", Rating81::GreatGood, Rating81::GreatGood,
     "63 （舟归平海）富贵荣华，身心安泰，雨露惠泽，万事亨通。"},
    {64, "非命", Rating81::Bad, Rating81::Bad, "64 （非命） 骨肉分离，孤独悲愁，难得心安，做事不成。"},
    {65, "巨流归海", Rating81::GreatGood, Rating81::GreatGood,
     "65 （巨流归海）天长地久，家运隆昌，福寿绵长，事事成就。"},
    {66, "岩头步马", Rating81::Bad, Rating81::Bad, "66 （岩头步马）进退维谷，艰难不堪，等待时机，一跃而起。"},
    {67, "顺风通达", Rating81::GreatGood, Rating81::GreatGood,
     "67 （顺风通达）天赋幸运，四通八达，家道繁昌，富贵东来。"},
    {68, "顺风吹帆", Rating81::GreatGood, Rating81::GreatGood,
     "68 （顺风吹帆）智虑周密，集众信达，发明能智，拓展昂进。"},
    {69, "非业", Rating81::Bad, Rating81::Bad, "69 （非业） 非业非力，精神迫滞，灾害交至，遍偿痛苦。"},
    {70, "残菊逢霜", Rating81::Bad, Rating81::Bad, "70 （残菊逢霜）残菊逢霜，寂寞无碍，惨淡忧愁，晚景凄凉。"},
    {71, "石上金花", Rating81::HalfGood, Rating81::HalfGood, "71 （石上金花）石上金花，内心劳苦，贯彻始终，定可昌隆。"},
    {72, "劳苦", Rating81::Bad, Rating81::Bad, "72 （劳苦） 荣苦相伴，阴云覆月，外表吉祥，内实凶祸。"},
    {73, "无勇", Rating81::HalfGood, Rating81::HalfGood, "73 （无勇） 盛衰交加，徒有高志，天王福祉，终世平安。"},
    {74, "残菊经霜", Rating81::Bad, Rating81::Bad, "74 （残菊经霜）残菊经霜，秋叶寂寞，无能无智，辛苦繁多。"},
    {75, "退守", Rating81::Mixed, Rating81::Mixed, "75 （退守） 退守保吉，发迹甚迟，虽有吉象，无谋难成。"},
    {76, "离散", Rating81::Bad, Rating81::Bad, "76 （离散） 倾覆离散，骨肉分离，内外不和，虽劳无功。"},
    {77, "甘苦交替", Rating81::Mixed, Rating81::Mixed, "77 （甘苦交替） 家庭有悦，半吉半凶，能获援护，陷落不幸。"},
    {78, "晚苦", Rating81::Mixed, Rating81::Mixed, "78 （晚苦） 祸福参半，先天智能，中年发达，晚景困苦。"},
    {79, "云头望月", Rating81::Bad, Rating81::Bad, "79 （云头望月）云头望月，身疲力尽，穷迫不伸，精神不定。"},
    {80, "遁吉", Rating81::Bad, Rating81::Bad, "80 （遁吉） 辛苦不绝，早入隐遁，安心立命，化凶转吉。"},
    {81, "万物回春", Rating81::GreatGood, Rating81::GreatGood,
     "81 （万物回春）最吉之数，还本归元，吉祥重叠，富贵尊荣。"},
}};

static_assert(kNumbers81.size() == 81);

} // namespace xingming::naming
// clang-format on
