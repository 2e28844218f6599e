// The characters the naming engine draws given names from: several hundred characters of
// good meaning that are common in given names, each in the character table with a known
// element, marked by the sex they are usually given to. Chosen for this program; one row
// per theme, and the order inside a row carries no meaning (the engine sorts by table
// position). A character stands in one row only.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace xingming::naming {

// For whom a character is usually chosen.
enum class NameSex : std::uint8_t { Boy, Girl, Both };

struct CandidateRow {
    NameSex sex;
    std::string_view chars;
};

inline constexpr std::array<CandidateRow, 26> kCandidateRows{{
    // Boys: virtue and character.
    {NameSex::Boy, "德仁义礼信忠孝诚廉勇毅刚强健坚志恒谦恭敬厚正直良达宽宪实守定全谨让慎惟悟怀笃"},
    // Boys: learning and talent.
    {NameSex::Boy, "博哲智聪敏学才俊杰贤士儒彦斌彬奕楷翰砚策科程秉维仕修倬"},
    // Boys: achievement and prosperity.
    {NameSex::Boy, "建业成功盛兴昌隆胜凯捷鸿伟宏弘浩瀚启承继绍传世延永长致行知"},
    {NameSex::Boy, "泰康平顺祥福庆喜裕誉鸣齐旺克兆升原友图壮奇宗"},
    // Boys: mountains and rock.
    {NameSex::Boy, "峰岳山岩磊石峻崇嵩坤立乾鼎硕城垣培基堂坦"},
    // Boys: rivers and seas.
    {NameSex::Boy, "川江河海涛波洋渊源涌淳浚澄沛淼湛洲汉洪滨霖"},
    // Boys: sky, sun and light.
    {NameSex::Boy, "宇辰昊旭晖辉曜煜炎烨晟昶昱晔亮光耀朗皓灏朔旷昂炜炫烁焱焕熙"},
    // Boys: fine horses and strong animals.
    {NameSex::Boy, "龙鹏鹰骏骐骥彪虎骅驹骞骁"},
    // Boys: country and home.
    {NameSex::Boy, "国邦华中东州庭舜尧禹君卿伯仲朋望"},
    // Boys: strength and metal.
    {NameSex::Boy, "武军威震振霆雷锋钢铭锐剑钧铎铮锴铠鑫铖锦钦铨钊镇钟锡金鉴帅劲励勉勃"},
    // Boys: trees and timber.
    {NameSex::Boy, "栋梁松柏林森树楠杉桦权朴材"},
    // Boys: going far.
    {NameSex::Boy, "晋超越跃腾飞翔航帆远征驰骋竣端进迪道迈通"},
    // Boys: further characters of good meaning.
    {NameSex::Boy, "轩宸祺豪雄擎敦靖韬略勋彰卓尚桓伦魁冠宣政佑昆玮琨璋琛群"},
    // Girls: grace and virtue.
    {NameSex::Girl, "秀丽美娟婷婉娴淑静雅慧惠巧柔贞妙恬爱"},
    // Girls: flowers and plants.
    {NameSex::Girl, "芳芬芝兰菊梅莲荷蓉薇蕊萍莉茉茜芸菲蔓菁苗芮萱蕙茹"},
    {NameSex::Girl, "桃杏樱柳桂棠茵苑芙莎萌芷芊菡蓝芹葵苒菀蓁葭蘅芯荟"},
    // Girls: jade and jewels.
    {NameSex::Girl, "玉珠珍琳琪琦瑶璐瑾瑜瑛珊琴璇琼玲珂琬瑗珑玫琰璃琉璎珺宝贝"},
    // Girls: clouds, snow and the moon.
    {NameSex::Girl, "雪霞露云雯虹霏霓月婵娥嫦岚冰凝"},
    // Girls: birds and butterflies.
    {NameSex::Girl, "燕莺凤鸾蝶鹂雁"},
    // Girls: colours and silk.
    {NameSex::Girl, "彩艳红丹紫翠黛彤绮绫素绣绚纱"},
    // Girls: poetry, scent and charm.
    {NameSex::Girl, "诗画韵香馨薰倩娜妍姝媛嫣娇婧姣娅妮姿姗娉妤婕曼佩依伊"},
    // Girls: brightness, clear water and joy.
    {NameSex::Girl, "颖晶莹洁纯灵梦蓓蕾怡悦歆欢笑甜漪滢澜沁溪淇馥"},
    // Both: brightness and time of day.
    {NameSex::Both, "明晨晓朝阳春秋晴星天昭暄晏灿熠景照昕晗曦"},
    // Both: peace and joy.
    {NameSex::Both, "文安宁瑞欣思乐心清然逸可一和恩真睿嘉吉宜谊勤意悠"},
    // Both: words and learning.
    {NameSex::Both, "易言语诺书墨佳子梓涵之希新元"},
    // Both: nature.
    {NameSex::Both, "雨鹤桐榕楚泓湘潇珏茗若蔚钰凌均沐英翊璨韶舒"},
}};

} // namespace xingming::naming
