#include "sectionframes.h"

// Form2's sections 1 to 6, every control of each frame in the order the form reads: the
// one description of the sections' fields. A field's entry gives its box and kind, its
// place in the record file and its name in messages, then how it looks and takes input.
// The record files, the frames and the sections screen all follow from it.
namespace gaikyo::sectionframes {

namespace {

using K = ItemKind;
using A = ItemAlign;

// 1 事業内容: five description lines of nine characters each.
constexpr FrameItem businessDescription[] = {
    field("Text1", K::Text, 1, "事業内容 1行目", {16, 32, 289, 25}).limitedTo(9).inHiragana(),
    field("Text2", K::Text, 2, "事業内容 2行目", {16, 64, 289, 25}).limitedTo(9).inHiragana(),
    field("Text3", K::Text, 3, "事業内容 3行目", {16, 96, 289, 25}).limitedTo(9).inHiragana(),
    field("Text4", K::Text, 4, "事業内容 4行目", {16, 128, 289, 25}).limitedTo(9).inHiragana(),
    field("Text5", K::Text, 5, "事業内容 5行目", {16, 160, 289, 25}).limitedTo(9).inHiragana(),
};

// 2 支店・海外取引状況.
constexpr FrameItem branchesAndTrade[] = {
    caption("Text23", {16, 24, 25, 97}, "(1)支店数"),
    caption("Text12", {40, 24, 137, 25}, "総  支  店  数", A::Centre),
    field("Text18", K::Integer, 1, "総支店数", {176, 24, 121, 25}),
    caption("Text13", {40, 48, 81, 25}, "主な所在地"),
    field("Text19", K::Text, 16, "主な所在地", {120, 48, 273, 25}),
    caption("Text14", {40, 72, 153, 25}, "上記のうち海外支店数"),
    field("Text20", K::Integer, 2, "上記のうち海外支店数", {192, 72, 105, 25}),
    caption("Text15", {40, 96, 57, 25}, "所在国"),
    field("Text21", K::Text, 17, "海外支店の所在国", {96, 96, 145, 25}),
    caption("Text16", {240, 96, 65, 25}, "従業員数"),
    field("Text22", K::Integer, 6, "海外支店の従業員数", {304, 96, 89, 25}),
    caption("Text29", {16, 120, 25, 73}, "(2)\n子\n会\n社"),
    caption("Text17", {40, 120, 129, 25}, "海外子会社の数", A::Centre),
    field("Text24", K::Integer, 3, "海外子会社の数", {168, 120, 129, 25}),
    caption("Text25", {40, 144, 57, 25}, "所在国", A::Centre),
    field("Text26", K::Text, 18, "海外子会社の所在国", {96, 144, 145, 25}),
    caption("Text27", {240, 144, 89, 25}, "出資割合(%)"),
    field("Text28", K::Integer, 5, "出資割合", {328, 144, 65, 25}),
    caption("Text61", {16, 192, 25, 97}, "(3)\n取引種類"),
    caption("Text47", {40, 192, 57, 25}, "輸入", A::Centre),
    field("Text46", K::Mark, 19, "取引種類 輸入", {96, 192, 0, 0}),
    caption("Text45", {128, 192, 57, 25}, "輸出", A::Centre),
    field("Text43", K::Mark, 20, "取引種類 輸出", {184, 192, 0, 0}),
    caption("Text44", {216, 192, 57, 25}, "無", A::Centre),
    field("Text42", K::Mark, 1, "取引種類 無", {272, 192, 0, 0}),
    caption("Text54", {80, 216, 113, 25}, "相  手  国", A::Centre),
    caption("Text56", {192, 216, 129, 25}, "商       品", A::Centre),
    caption("Text41", {320, 216, 97, 25}, "取引金額(千円)", A::Auto, 9.75),
    caption("Text57", {40, 240, 41, 25}, "輸入", A::Centre),
    field("Text53", K::Text, 2, "輸入の相手国", {80, 240, 113, 25}).limitedTo(6),
    field("Text55", K::Text, 3, "輸入の商品", {192, 240, 129, 25}).limitedTo(6),
    field("Text58", K::Integer, 4, "輸入の取引金額", {320, 240, 97, 25}).grouped(),
    caption("Text60", {40, 264, 41, 25}, "輸出", A::Centre),
    field("Text40", K::Text, 4, "輸出の相手国", {80, 264, 113, 25}).limitedTo(6),
    field("Text39", K::Text, 5, "輸出の商品", {192, 264, 129, 25}).limitedTo(6),
    field("Text38", K::Integer, 7, "輸出の取引金額", {320, 264, 97, 25}).grouped(),
    caption("Text62", {16, 288, 25, 97}, "(4)\n貿易外取引"),
    caption("Text59", {40, 288, 81, 25}, "有", A::Centre),
    field("Text52", K::Mark, 6, "貿易外取引 有", {120, 288, 0, 0}),
    caption("Text63", {152, 288, 81, 25}, "無", A::Centre),
    field("Text64", K::Mark, 7, "貿易外取引 無", {232, 288, 0, 0}),
    caption("Text66", {40, 312, 81, 25}, "手数料", A::Centre),
    field("Text71", K::Mark, 8, "手数料", {120, 312, 0, 0}),
    caption("Text65", {152, 312, 81, 25}, "ロイヤリティ"),
    field("Text72", K::Mark, 9, "ロイヤリティ", {232, 312, 0, 0}),
    caption("Text68", {264, 312, 97, 25}, "役務の提供", A::Centre),
    field("Text73", K::Mark, 10, "役務の提供", {360, 312, 0, 0}),
    caption("Text67", {40, 336, 81, 25}, "証券の売買"),
    field("Text74", K::Mark, 11, "証券の売買", {120, 336, 0, 0}),
    caption("Text37", {152, 336, 81, 25}, "金銭の貸借"),
    field("Text75", K::Mark, 12, "金銭の貸借", {232, 336, 0, 0}),
    caption("Text36", {264, 336, 97, 25}, "不動産の売買"),
    field("Text76", K::Mark, 13, "不動産の売買", {360, 336, 0, 0}),
    caption("Text70", {40, 360, 57, 25}, "その他"),
    field("Text155", K::Mark, 14, "貿易外取引 その他", {96, 360, 0, 0}),
    field("Text69", K::Text, 15, "その他の内容", {128, 360, 97, 25}).limitedTo(4),
    // Sets the entries apart from the frame's buttons.
    line("Line1", {8, 396, 425, 1}),
};

// 3 期末従業員等の状況: 計 sums the five rows of head counts.
constexpr FrameItem employees[] = {
    caption("Text93", {24, 32, 33, 209}, "(1)\n期\n末\n従\n業\n員\nの\n状\n況\n　　\n単\n位\n人",
            A::Centre),
    caption("Text78", {56, 32, 97, 25}, "常勤役員", A::Centre),
    field("Text87", K::Integer, 1, "常勤役員の人数", {152, 32, 89, 25})
        .grouped()
        .tallied(Tally::Counted),
    field("Text77", K::Text, 1, "従業員の区分 2行目", {56, 56, 97, 25}).limitedTo(4).inHiragana(),
    field("Text86", K::Integer, 2, "2行目の人数", {152, 56, 89, 25})
        .grouped()
        .tallied(Tally::Counted),
    field("Text80", K::Text, 2, "従業員の区分 3行目", {56, 80, 97, 25}).limitedTo(4).inHiragana(),
    field("Text89", K::Integer, 3, "3行目の人数", {152, 80, 89, 25})
        .grouped()
        .tallied(Tally::Counted),
    field("Text79", K::Text, 3, "従業員の区分 4行目", {56, 104, 97, 25}).limitedTo(4).inHiragana(),
    field("Text88", K::Integer, 4, "4行目の人数", {152, 104, 89, 25})
        .grouped()
        .tallied(Tally::Counted),
    field("Text82", K::Text, 4, "従業員の区分 5行目", {56, 128, 97, 25}).limitedTo(4).inHiragana(),
    field("Text91", K::Integer, 5, "5行目の人数", {152, 128, 89, 25})
        .grouped()
        .tallied(Tally::Counted),
    button("Command24", {56, 152, 97, 25}, "計").tallied(Tally::Button),
    field("Text90", K::Integer, 6, "計", {152, 152, 89, 25}).grouped().tallied(Tally::Sum),
    caption("Text84", {56, 176, 97, 33}, "計のうち代表\n者家族数", A::Centre, 8.25),
    field("Text92", K::Integer, 7, "計のうち代表者家族数", {152, 176, 89, 33}).grouped(),
    caption("Text85", {56, 208, 97, 33}, "計のうち\nアルバイト数", A::Centre, 8.25),
    field("Text94", K::Integer, 8, "計のうちアルバイト数", {152, 208, 89, 33}).grouped(),
    caption("Text96", {24, 240, 129, 33}, "(3)賃金の\n　定め方", A::Centre, 9.75),
    caption("Text95", {152, 240, 33, 33}, "A固定給", A::Auto, 9.75),
    field("Text98", K::Mark, 5, "賃金の定め方 A固定給", {184, 240, 33, 33}),
    caption("Text101", {216, 240, 33, 33}, "B歩合給", A::Auto, 9.75),
    field("Text97", K::Mark, 6, "賃金の定め方 B歩合給", {248, 240, 33, 33}),
    caption("Text102", {280, 240, 33, 33}, "AB併用", A::Auto, 9.75),
    field("Text99", K::Mark, 7, "賃金の定め方 AB併用", {312, 240, 33, 33}),
    caption("Text100", {24, 272, 129, 33}, "(4)社宅・寮\nの有無", A::Centre, 9.75),
    caption("Text83", {152, 272, 33, 33}, "有", A::Centre),
    field("Text104", K::Mark, 8, "社宅・寮 有", {184, 272, 33, 33}),
    caption("Text103", {216, 272, 33, 33}, "無", A::Centre),
    field("Text105", K::Mark, 9, "社宅・寮 無", {248, 272, 33, 33}),
};

// 4 電子計算機の利用状況, in Frame5.
constexpr FrameItem computers[] = {
    caption("Text181", {24, 32, 65, 25}, "（1）利用"),
    caption("Text187", {88, 32, 25, 25}, "有"),
    field("Text207", K::Mark, 1, "利用 有", {112, 32, 0, 0}),
    caption("Text205", {136, 32, 25, 25}, "無"),
    field("Text203", K::Mark, 2, "利用 無", {160, 32, 0, 0}),
    caption("Text186", {184, 32, 97, 25}, "（2）電子取引"),
    caption("Text216", {280, 32, 25, 25}, "有"),
    field("Text209", K::Mark, 3, "電子取引 有", {304, 32, 0, 0}),
    caption("Text218", {328, 32, 25, 25}, "無"),
    field("Text219", K::Mark, 4, "電子取引 無", {352, 32, 0, 0}),
    caption("Text182", {24, 56, 97, 49}, "（3）プログラム"),
    caption("Text188", {120, 56, 65, 25}, "自社作成"),
    field("Text204", K::Mark, 5, "プログラム 自社作成", {184, 56, 0, 0}),
    caption("Text184", {208, 56, 65, 25}, "一部自社"),
    field("Text191", K::Mark, 6, "プログラム 一部自社", {272, 56, 0, 0}),
    caption("Text183", {120, 80, 65, 25}, "他社作成"),
    field("Text189", K::Mark, 7, "プログラム 他社作成", {184, 80, 0, 0}),
    caption("Text185", {208, 80, 65, 25}, "市販ソフト", A::Auto, 9.75),
    field("Text190", K::Mark, 8, "プログラム 市販ソフト", {272, 80, 0, 0}),
    caption("Text192", {24, 104, 97, 97}, "(4）適用業務"),
    caption("Text193", {120, 104, 65, 25}, "給与管理"),
    field("Text194", K::Mark, 9, "適用業務 給与管理", {184, 104, 0, 0}),
    caption("Text195", {208, 104, 65, 25}, "販売管理"),
    field("Text196", K::Mark, 10, "適用業務 販売管理", {272, 104, 0, 0}),
    caption("Text208", {120, 128, 65, 25}, "在庫管理"),
    field("Text226", K::Mark, 11, "適用業務 在庫管理", {184, 128, 0, 0}),
    caption("Text206", {208, 128, 65, 25}, "生産管理"),
    field("Text229", K::Mark, 12, "適用業務 生産管理", {272, 128, 0, 0}),
    caption("Text211", {120, 152, 65, 25}, "固定資産"),
    field("Text210", K::Mark, 13, "適用業務 固定資産", {184, 152, 0, 0}),
    caption("Text213", {208, 152, 65, 25}, "財務管理"),
    field("Text212", K::Mark, 14, "適用業務 財務管理", {272, 152, 0, 0}),
    caption("Text202", {120, 176, 65, 25}, "その他", A::Centre, 9.75),
    field("Text215", K::Mark, 15, "適用業務 その他", {184, 176, 0, 0}),
    field("Text200", K::Text, 16, "適用業務 その他の内容", {208, 176, 89, 25}).limitedTo(2),
    caption("Text214", {24, 200, 97, 49}, "（5）機種名"),
    field("Text199", K::Text, 17, "機種名", {120, 200, 249, 25}).inHiragana(),
    caption("Text217", {120, 224, 137, 25}, "リース料月額（千円）"),
    field("Text201", K::Integer, 1, "リース料月額", {256, 224, 113, 25}).aligned(A::Left),
    caption("Text221", {24, 248, 137, 25}, "(6）市販会計ソフトの名称", A::Auto, 9),
    field("Text224", K::Text, 18, "市販会計ソフトの名称", {160, 248, 209, 25}).inHiragana(),
    caption("Text220", {24, 272, 97, 49}, "（7）委託先"),
    field("Text227", K::Text, 19, "委託先", {120, 272, 249, 25}).inHiragana(),
    caption("Text223", {120, 296, 137, 25}, "委託料月額（千円）"),
    field("Text230", K::Integer, 2, "委託料月額", {256, 296, 113, 25}).aligned(A::Left),
    caption("Text222", {24, 320, 97, 25}, "（8）ＬＡＮ"),
    caption("Text198", {120, 320, 65, 25}, "無線LAN"),
    field("Text231", K::Mark, 20, "無線LAN", {184, 320, 0, 0}),
    caption("Text197", {208, 320, 65, 25}, "有線LAN"),
    field("Text228", K::Mark, 21, "有線LAN", {272, 320, 0, 0}),
    caption("Text225", {296, 320, 49, 25}, "無", A::Centre),
    field("Text149", K::Mark, 22, "LAN 無", {344, 320, 0, 0}),
    caption("Text174", {24, 344, 97, 49}, "（9）保存媒体"),
    caption("Text173", {120, 344, 65, 25}, "ＦＤ", A::Centre),
    field("Text180", K::Mark, 23, "保存媒体 ＦＤ", {184, 344, 0, 0}),
    caption("Text176", {208, 344, 65, 25}, "ＭＯ", A::Centre),
    field("Text143", K::Mark, 24, "保存媒体 ＭＯ", {272, 344, 0, 0}),
    caption("Text175", {296, 344, 49, 25}, "ＭＴ", A::Centre),
    field("Text120", K::Mark, 25, "保存媒体 ＭＴ", {344, 344, 0, 0}),
    caption("Text178", {120, 368, 65, 25}, "ＣＤ－Ｒ"),
    field("Text179", K::Mark, 26, "保存媒体 ＣＤ－Ｒ", {184, 368, 0, 0}),
    caption("Text177", {208, 368, 65, 25}, "その他"),
    field("Text121", K::Mark, 27, "保存媒体 その他", {272, 368, 0, 0}),
    field("Text7", K::Text, 28, "保存媒体 その他の内容", {296, 368, 73, 25}).limitedTo(3),
};

// 5 経理の状況, in Frame4.
constexpr FrameItem accounting[] = {
    caption("Text167", {16, 32, 25, 73}, "（1\n管\n理\n者"),
    caption("Text160", {40, 32, 49, 25}, "区　分", A::Centre),
    caption("Text122", {88, 32, 153, 25}, "氏　　名", A::Centre),
    caption("Text125", {240, 32, 129, 25}, "代表者との関係", A::Centre),
    caption("Text168", {40, 56, 49, 25}, "現金", A::Centre),
    field("Text140", K::Text, 1, "現金の管理者", {88, 56, 153, 25}).limitedTo(6).inHiragana(),
    caption("Text156", {240, 56, 41, 25}, "親族", A::Centre),
    field("Text152", K::Mark, 3, "現金 親族", {280, 56, 0, 0}),
    caption("Text153", {304, 56, 41, 25}, "他人", A::Centre),
    field("Text136", K::Mark, 4, "現金 他人", {344, 56, 0, 0}),
    caption("Text165", {40, 80, 49, 25}, "小切手", A::Centre),
    field("Text138", K::Text, 2, "小切手の管理者", {88, 80, 153, 25}).limitedTo(6).inHiragana(),
    caption("Text158", {240, 80, 41, 25}, "親族", A::Centre),
    field("Text135", K::Mark, 6, "小切手 親族", {280, 80, 0, 0}),
    caption("Text157", {304, 80, 41, 25}, "他人", A::Centre),
    field("Text150", K::Mark, 5, "小切手 他人", {344, 80, 0, 0}),
    caption("Text148", {16, 104, 105, 49}, "（2）試算表の\n　　作成状況"),
    caption("Text147", {120, 104, 41, 25}, "毎月", A::Right),
    field("Text146", K::Mark, 7, "試算表 毎月", {160, 104, 0, 0}),
    caption("Text145", {184, 104, 57, 25}, "おおむね　", A::Auto, 9.75),
    field("Text151", K::Text, 24, "試算表の月数", {240, 104, 25, 25}).aligned(A::Centre),
    caption("Text133", {264, 104, 41, 25}, "月ごと", A::Auto, 9.75),
    field("Text144", K::Mark, 8, "試算表 おおむね月ごと", {304, 104, 0, 0}),
    caption("Text131", {120, 128, 81, 25}, "決算時のみ"),
    field("Text111", K::Mark, 9, "試算表 決算時のみ", {200, 128, 0, 0}),
    caption("Text117", {16, 152, 105, 49}, "（3）源泉所得税\n 関係対象所得"),
    caption("Text128", {120, 152, 41, 25}, "給与", A::Centre),
    field("Text129", K::Mark, 10, "対象所得 給与", {160, 152, 0, 0}),
    caption("Text126", {184, 152, 73, 25}, "報酬・料金"),
    field("Text127", K::Mark, 11, "対象所得 報酬・料金", {256, 152, 0, 0}),
    caption("Text137", {280, 152, 57, 25}, "利子等", A::Centre),
    field("Text130", K::Mark, 12, "対象所得 利子等", {336, 152, 0, 0}),
    caption("Text139", {120, 176, 41, 25}, "配当", A::Centre),
    field("Text124", K::Mark, 15, "対象所得 配当", {160, 176, 0, 0}),
    caption("Text116", {184, 176, 73, 25}, "非居住者", A::Centre),
    field("Text108", K::Mark, 14, "対象所得 非居住者", {256, 176, 0, 0}),
    caption("Text115", {280, 176, 57, 25}, "退　職", A::Centre),
    field("Text118", K::Mark, 13, "対象所得 退職", {336, 176, 0, 0}),
    caption("Text159", {16, 200, 41, 73}, "（4）\n消\n費\n税", A::Centre),
    caption("Text164", {56, 200, 25, 49}, "経\n理", A::Centre),
    caption("Text113", {80, 200, 41, 25}, "売上"),
    caption("Text123", {120, 200, 41, 25}, "税抜", A::Centre),
    field("Text132", K::Mark, 16, "売上 税抜", {160, 200, 0, 0}),
    caption("Text119", {184, 200, 41, 25}, "税込", A::Centre),
    field("Text134", K::Mark, 17, "売上 税込", {224, 200, 0, 0}),
    caption("Text169", {248, 200, 25, 49}, "固定資産", A::Centre, 9.75),
    caption("Text162", {272, 200, 41, 25}, "税抜", A::Centre),
    field("Text171", K::Mark, 18, "固定資産 税抜", {312, 200, 0, 0}),
    caption("Text235", {336, 200, 41, 25}, "税込", A::Centre),
    field("Text233", K::Mark, 19, "固定資産 税込", {376, 200, 0, 0}),
    caption("Text141", {80, 224, 41, 25}, "仕入"),
    caption("Text166", {120, 224, 41, 25}, "税抜", A::Centre),
    field("Text161", K::Mark, 20, "仕入 税抜", {160, 224, 0, 0}),
    caption("Text163", {184, 224, 41, 25}, "税込"),
    field("Text170", K::Mark, 21, "仕入 税込", {224, 224, 0, 0}),
    caption("Text234", {272, 224, 41, 25}, "税抜", A::Centre),
    field("Text172", K::Mark, 22, "経費 税抜", {312, 224, 0, 0}),
    caption("Text6", {336, 224, 41, 25}, "税込", A::Centre),
    field("Text232", K::Mark, 23, "経費 税込", {376, 224, 0, 0}),
    caption("Text114", {56, 248, 153, 25}, "当期課税売上高（千円）"),
    field("Text107", K::Integer, 1, "当期課税売上高", {208, 248, 153, 25}).grouped(),
};

// 6 株主又は株式所有異動の有無.
constexpr FrameItem shareholders[] = {
    caption("Text110", {56, 32, 41, 25}, "有", A::Centre),
    field("Text112", K::Mark, 1, "株主異動 有", {96, 32, 0, 0}),
    caption("Text106", {120, 32, 41, 25}, "無", A::Centre),
    field("Text109", K::Mark, 2, "株主異動 無", {160, 32, 0, 0}),
};

constexpr SectionFrame frames[] = {
    {21, "Command1", "１．事業内容", 24, 0, "Frame1", QRect(16, 16, 329, 249), QSize(33, 25),
     "Command16", "Command15", "Command5", 200, 24, 88, 168, businessDescription},
    {22, "Command2", "２．支店・海外取引状況", 56, 0, "Frame2", QRect(16, 8, 441, 449),
     QSize(33, 25), "Command18", "Command17", "Command6", 408, 64, 128, 216, branchesAndTrade},
    {23, "Command3", "３．期末従業員等の状況", 88, 0, "Frame3", QRect(16, 8, 369, 377),
     QSize(33, 33), "Command20", "Command21", "Command7", 328, 48, 112, 200, employees},
    {24, "Command4", "４．電子計算機の利用状況", 120, 0, "Frame5", QRect(16, 8, 409, 457),
     QSize(25, 25), "Command25", "Command26", "Command9", 408, 64, 128, 216, computers},
    {25, "Command11", "５．経理の状況", 152, 0, "Frame4", QRect(16, 8, 425, 345), QSize(25, 25),
     "Command22", "Command23", "Command8", 296, 32, 96, 184, accounting},
    {26, "Command12", "６．株主又は株式所有異動の有無", 184, 9, "Frame6", QRect(16, 8, 409, 113),
     QSize(25, 25), "Command14", "Command13", "Command10", 72, 80, 144, 232, shareholders},
};

} // namespace

std::span<const SectionFrame> described() {
    return frames;
}

} // namespace gaikyo::sectionframes
