#include "sectionframes.h"

// Form2's frames of sections 1 to 3: 1 事業内容, 2 支店・海外取引状況, 3 期末従業員等の状況.
namespace gaikyo::sectionframes {

namespace {

using K = ItemKind;
using A = ItemAlign;

// Five description lines of nine characters each.
constexpr FrameItem businessDescription[] = {
    {"Text1", K::Text, 16, 32, 289, 25, "", A::Auto, 0, 9, true},
    {"Text2", K::Text, 16, 64, 289, 25, "", A::Auto, 0, 9, true},
    {"Text3", K::Text, 16, 96, 289, 25, "", A::Auto, 0, 9, true},
    {"Text4", K::Text, 16, 128, 289, 25, "", A::Auto, 0, 9, true},
    {"Text5", K::Text, 16, 160, 289, 25, "", A::Auto, 0, 9, true},
};

constexpr FrameItem branchesAndTrade[] = {
    {"Text23", K::Caption, 16, 24, 25, 97, "(1)支店数"},
    {"Text12", K::Caption, 40, 24, 137, 25, "総  支  店  数", A::Centre},
    {"Text18", K::Integer, 176, 24, 121, 25},
    {"Text13", K::Caption, 40, 48, 81, 25, "主な所在地"},
    {"Text19", K::Text, 120, 48, 273, 25},
    {"Text14", K::Caption, 40, 72, 153, 25, "上記のうち海外支店数"},
    {"Text20", K::Integer, 192, 72, 105, 25},
    {"Text15", K::Caption, 40, 96, 57, 25, "所在国"},
    {"Text21", K::Text, 96, 96, 145, 25},
    {"Text16", K::Caption, 240, 96, 65, 25, "従業員数"},
    {"Text22", K::Integer, 304, 96, 89, 25},
    {"Text29", K::Caption, 16, 120, 25, 73, "(2)\n子\n会\n社"},
    {"Text17", K::Caption, 40, 120, 129, 25, "海外子会社の数", A::Centre},
    {"Text24", K::Integer, 168, 120, 129, 25},
    {"Text25", K::Caption, 40, 144, 57, 25, "所在国", A::Centre},
    {"Text26", K::Text, 96, 144, 145, 25},
    {"Text27", K::Caption, 240, 144, 89, 25, "出資割合(%)"},
    {"Text28", K::Integer, 328, 144, 65, 25},
    {"Text61", K::Caption, 16, 192, 25, 97, "(3)\n取引種類"},
    {"Text47", K::Caption, 40, 192, 57, 25, "輸入", A::Centre},
    {"Text46", K::Mark, 96, 192, 0, 0},
    {"Text45", K::Caption, 128, 192, 57, 25, "輸出", A::Centre},
    {"Text43", K::Mark, 184, 192, 0, 0},
    {"Text44", K::Caption, 216, 192, 57, 25, "無", A::Centre},
    {"Text42", K::Mark, 272, 192, 0, 0},
    {"Text54", K::Caption, 80, 216, 113, 25, "相  手  国", A::Centre},
    {"Text56", K::Caption, 192, 216, 129, 25, "商       品", A::Centre},
    {"Text41", K::Caption, 320, 216, 97, 25, "取引金額(千円)", A::Auto, 9.75},
    {"Text57", K::Caption, 40, 240, 41, 25, "輸入", A::Centre},
    {"Text53", K::Text, 80, 240, 113, 25, "", A::Auto, 0, 6},
    {"Text55", K::Text, 192, 240, 129, 25, "", A::Auto, 0, 6},
    {"Text58", K::Integer, 320, 240, 97, 25},
    {"Text60", K::Caption, 40, 264, 41, 25, "輸出", A::Centre},
    {"Text40", K::Text, 80, 264, 113, 25, "", A::Auto, 0, 6},
    {"Text39", K::Text, 192, 264, 129, 25, "", A::Auto, 0, 6},
    {"Text38", K::Integer, 320, 264, 97, 25},
    {"Text62", K::Caption, 16, 288, 25, 97, "(4)\n貿易外取引"},
    {"Text59", K::Caption, 40, 288, 81, 25, "有", A::Centre},
    {"Text52", K::Mark, 120, 288, 0, 0},
    {"Text63", K::Caption, 152, 288, 81, 25, "無", A::Centre},
    {"Text64", K::Mark, 232, 288, 0, 0},
    {"Text66", K::Caption, 40, 312, 81, 25, "手数料", A::Centre},
    {"Text71", K::Mark, 120, 312, 0, 0},
    {"Text65", K::Caption, 152, 312, 81, 25, "ロイヤリティ"},
    {"Text72", K::Mark, 232, 312, 0, 0},
    {"Text68", K::Caption, 264, 312, 97, 25, "役務の提供", A::Centre},
    {"Text73", K::Mark, 360, 312, 0, 0},
    {"Text67", K::Caption, 40, 336, 81, 25, "証券の売買"},
    {"Text74", K::Mark, 120, 336, 0, 0},
    {"Text37", K::Caption, 152, 336, 81, 25, "金銭の貸借"},
    {"Text75", K::Mark, 232, 336, 0, 0},
    {"Text36", K::Caption, 264, 336, 97, 25, "不動産の売買"},
    {"Text76", K::Mark, 360, 336, 0, 0},
    {"Text70", K::Caption, 40, 360, 57, 25, "その他"},
    {"Text155", K::Mark, 96, 360, 0, 0},
    {"Text69", K::Text, 128, 360, 97, 25, "", A::Auto, 0, 4},
    // Sets the entries apart from the frame's buttons.
    {"Line1", K::Line, 8, 396, 425, 1},
};

constexpr FrameItem employees[] = {
    {"Text93", K::Caption, 24, 32, 33, 209, "(1)\n期\n末\n従\n業\n員\nの\n状\n況\n　　\n単\n位\n人",
     A::Centre},
    {"Text78", K::Caption, 56, 32, 97, 25, "常勤役員", A::Centre},
    {"Text87", K::Integer, 152, 32, 89, 25},
    {"Text77", K::Text, 56, 56, 97, 25, "", A::Auto, 0, 4, true},
    {"Text86", K::Integer, 152, 56, 89, 25},
    {"Text80", K::Text, 56, 80, 97, 25, "", A::Auto, 0, 4, true},
    {"Text89", K::Integer, 152, 80, 89, 25},
    {"Text79", K::Text, 56, 104, 97, 25, "", A::Auto, 0, 4, true},
    {"Text88", K::Integer, 152, 104, 89, 25},
    {"Text82", K::Text, 56, 128, 97, 25, "", A::Auto, 0, 4, true},
    {"Text91", K::Integer, 152, 128, 89, 25},
    {"Command24", K::Button, 56, 152, 97, 25, "計"},
    {"Text90", K::Integer, 152, 152, 89, 25},
    {"Text84", K::Caption, 56, 176, 97, 33, "計のうち代表\n者家族数", A::Centre, 8.25},
    {"Text92", K::Integer, 152, 176, 89, 33},
    {"Text85", K::Caption, 56, 208, 97, 33, "計のうち\nアルバイト数", A::Centre, 8.25},
    {"Text94", K::Integer, 152, 208, 89, 33},
    {"Text96", K::Caption, 24, 240, 129, 33, "(3)賃金の\n　定め方", A::Centre, 9.75},
    {"Text95", K::Caption, 152, 240, 33, 33, "A固定給", A::Auto, 9.75},
    {"Text98", K::Mark, 184, 240, 33, 33},
    {"Text101", K::Caption, 216, 240, 33, 33, "B歩合給", A::Auto, 9.75},
    {"Text97", K::Mark, 248, 240, 33, 33},
    {"Text102", K::Caption, 280, 240, 33, 33, "AB併用", A::Auto, 9.75},
    {"Text99", K::Mark, 312, 240, 33, 33},
    {"Text100", K::Caption, 24, 272, 129, 33, "(4)社宅・寮\nの有無", A::Centre, 9.75},
    {"Text83", K::Caption, 152, 272, 33, 33, "有", A::Centre},
    {"Text104", K::Mark, 184, 272, 33, 33},
    {"Text103", K::Caption, 216, 272, 33, 33, "無", A::Centre},
    {"Text105", K::Mark, 248, 272, 33, 33},
};

constexpr SectionFrame frames[] = {
    {21, "Command1", "１．事業内容", 24, 0, "Frame1", QRect(16, 16, 329, 249), QSize(33, 25),
     "Command16", "Command15", "Command5", 200, 24, 88, 168, businessDescription},
    {22, "Command2", "２．支店・海外取引状況", 56, 0, "Frame2", QRect(16, 8, 441, 449),
     QSize(33, 25), "Command18", "Command17", "Command6", 408, 64, 128, 216, branchesAndTrade},
    {23, "Command3", "３．期末従業員等の状況", 88, 0, "Frame3", QRect(16, 8, 369, 377),
     QSize(33, 33), "Command20", "Command21", "Command7", 328, 48, 112, 200, employees},
};

} // namespace

std::span<const SectionFrame> sectionsOneToThree() {
    return frames;
}

} // namespace gaikyo::sectionframes
