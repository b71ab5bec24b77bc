#pragma once

// The numbered fields that other rooms address by name: item 7's accounts and items 8 to
// 10 (section file 30), item 12's lines (section file 40), and item 17's monthly table
// (section file 60). The numbers are the
// boxes' numbers on their screens (Text1 …). In section file 30 they are the fields' order
// up to 42; the code box Text43 has no field, so box 44 is the file's field 43.
namespace gaikyo {

// Items 7 to 10 of section file 30, Text1 … Text49; Text43 is the screen's code box.
enum class MainAccount : int {
    Sales = 1,                // 売上（収入）高
    SideSales = 2,            // 上記のうち兼業売上（収入）高
    CostOfSales = 3,          // 売上（収入）原価
    OpeningStock = 4,         // 期首棚卸高
    Purchases = 5,            // 原材料費（仕入高）
    Labour = 6,               // 労務費
    Subcontracting = 7,       // 外注費
    ClosingStock = 8,         // 期末棚卸高
    CostDepreciation = 9,     // 減価償却費（売上原価）
    CostRentAndTaxes = 10,    // 地代家賃・租税公課（売上原価）
    GrossProfit = 11,         // 売上（収入）総利益
    OfficersPay = 12,         // 役員報酬
    StaffPay = 13,            // 従業員給料
    Entertainment = 14,       // 交際費
    SellingDepreciation = 15, // 減価償却費（販管費）
    SellingRentAndTaxes = 16, // 地代家賃・租税公課（販管費）
    OperatingProfit = 17,     // 営業損益
    InterestPaid = 18,        // 支払利息割引料
    PretaxProfit = 19,        // 税引前当期損益
    Assets = 20,              // 資産の部合計
    CashAndDeposits = 21,
    NotesReceivable = 22,
    AccountsReceivable = 23,
    Inventories = 24,
    LoansReceivable = 25,
    Buildings = 26,
    Machinery = 27,
    Vehicles = 28,
    Land = 29,
    Liabilities = 30, // 負債の部合計
    NotesPayable = 31,
    AccountsPayable = 32,
    PersonalBorrowings = 33,
    OtherBorrowings = 34,
    NetAssets = 35, // 純資産の部合計
    // Item 10: dealings with the representative.
    RepresentativePay = 36,
    RepresentativeInterest = 37,
    RepresentativeRent = 38,
    LentToRepresentative = 39,
    BorrowedFromRepresentative = 40,
    AdvancedToRepresentative = 41,
    ReceivedFromRepresentative = 42,
    // Items 8 and 9: marks, 有 then 無.
    InternetBankingYes = 44,
    InternetBankingNo = 45,
    FirmBankingYes = 46,
    FirmBankingNo = 47,
    OfficerChangeYes = 48,
    OfficerChangeNo = 49,
};

// The field of section file 30 that holds an account's box: the code box Text43 has
// none, so every box after it is kept in the field before its number.
constexpr int sectionField(MainAccount account) {
    const int box = static_cast<int>(account);
    return box < 43 ? box : box - 1;
}

// Item 12 主な設備等の状況 in section file 40: twelve lines on the screen, of which the
// sheet has room for ten.
namespace facilities {
constexpr int lines = 12;
constexpr int printedLines = 10;
constexpr int firstField = 14; // line 1

constexpr int field(int line) {
    return firstField + line - 1;
}
} // namespace facilities

// Item 17's monthly table: 14 rows by 9 columns, cell (row, column) numbered
// (column − 1) × 14 + row, column by column as the file keeps them.
namespace monthlytable {
enum Column : int {
    SalesFirst = 1,
    SalesSecond,
    PurchasesFirst,
    PurchasesSecond,
    Subcontracting,
    Labour,
    WithholdingTax,
    EighthColumn,
    Workers,
};
constexpr int rows = 14;
constexpr int columns = 9;
constexpr int monthRows = 12;
constexpr int totalRow = 13;    // 計
constexpr int previousRow = 14; // 前期の実績
// The columns whose 計 is the sum of the months: the money columns and 源泉徴収税額.
constexpr int summedColumns = WithholdingTax;

constexpr int cell(int row, int column) {
    return (column - 1) * rows + row;
}
} // namespace monthlytable

} // namespace gaikyo
