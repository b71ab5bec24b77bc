// The standard account lists (src/books/standardaccounts.txt): every account lands in the
// box the form's definitions give it, and the accounts a file places only by the section
// they stand in, or the totals the program works out, come out as the form asks.
#include "books/standardaccounts.h"
#include "books/accountmapping.h"
#include "books/bookcsv.h"
#include "books/bookfigures.h"
#include "books/bookplan.h"
#include "books/bookstructure.h"
#include "books/booktable.h"

#include <QTest>

using namespace gaikyo;

namespace {

bookplan::Plan planOf(const QByteArray& csv) {
    const bookcsv::Table table = bookcsv::parse(csv);
    const booktable::Book book =
        booktable::read(table.rows, booktable::Kind::Balances, table.lines);
    const AccountMapping mapping = AccountMapping::builtIn(AccountMapping::Kind::TrialBalance);
    const bookstructure::Structure structure =
        bookstructure::analyse(book, [&mapping](const QString& key) { return mapping.knows(key); });
    return bookplan::trialBalance(book, structure, mapping);
}

const bookplan::Fill* fillOf(const bookplan::Plan& plan, MainAccount box) {
    for (const bookplan::Fill& f : plan.fills)
        if (f.box == fieldId(box))
            return &f;
    return nullptr;
}

} // namespace

class StandardAccountsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every line of the table is one account: 業種,場所,勘定科目,欄, with a place and a box
    // the program knows.
    void tableIsWellFormed() {
        const QStringList lines = QString::fromUtf8(standardaccounts::table()).split(u'\n');
        const AccountMapping mapping = AccountMapping::builtIn(AccountMapping::Kind::TrialBalance);
        QStringList captions;
        for (const FormField& f : mapping.fields())
            captions.append(f.caption);
        const QStringList places =
            QStringLiteral(
                "流動資産 固定資産 繰延資産 流動負債 固定負債 純資産 売上高 売上原価 原価報告書 "
                "販売費及び一般管理費 営業外収益 営業外費用 特別利益 特別損失 法人税等")
                .split(u' ');
        int accounts = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines.at(i).trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList cells = line.split(u',');
            QVERIFY2(cells.size() == 4,
                     qPrintable(QStringLiteral("line %1: %2").arg(i + 1).arg(line)));
            QVERIFY2(cells.at(3) == QStringLiteral("-") || captions.contains(cells.at(3)),
                     qPrintable(QStringLiteral("line %1: no box %2").arg(i + 1).arg(cells.at(3))));
            QVERIFY2(
                places.contains(cells.at(1).section(u'/', 0, 0)),
                qPrintable(QStringLiteral("line %1: no place %2").arg(i + 1).arg(cells.at(1))));
            ++accounts;
        }
        QCOMPARE(accounts, AccountMapping::standardAccounts().size());
    }

    void everyAccountLandsInItsBox_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sign");
        QTest::addColumn<QString>("box");
        for (const AccountMapping::StandardAccount& a : AccountMapping::standardAccounts())
            QTest::addRow("%lld %s %s", static_cast<long long>(a.line), qPrintable(a.place),
                          qPrintable(a.name))
                << a.place << a.name << a.sign << a.box;
    }
    // In the section and under the group of its place, the account goes into the box the
    // table names, or into none.
    void everyAccountLandsInItsBox() {
        QFETCH(QString, place);
        QFETCH(QString, name);
        QFETCH(int, sign);
        QFETCH(QString, box);
        const AccountMapping mapping = AccountMapping::builtIn(AccountMapping::Kind::TrialBalance);
        AccountSection section = AccountMapping::sectionOfPlace(place);
        if (place.startsWith(QStringLiteral("原価報告書")))
            section = AccountSection::Manufacturing;
        else if (section == AccountSection::Any)
            section = AccountSection::Other;
        const std::optional<AccountMapping::Match> match = mapping.match(
            bookfigures::accountKey(name), section, AccountMapping::groupsOfPlace(place));
        if (box.isEmpty()) {
            QVERIFY2(!match, qPrintable(match ? mapping.field(match->field).caption : QString()));
            return;
        }
        QVERIFY(match);
        QCOMPARE(mapping.field(match->field).caption, box);
        QCOMPARE(match->sign, sign);
    }

    // Item 17 takes the sales, the purchases, the outsourcing and the pay of the lists;
    // the employer's social insurance is no pay.
    void monthlyBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("box");
        const auto S = [](AccountSection s) { return static_cast<int>(s); };
        QTest::newRow("店内売上高")
            << "店内売上高" << S(AccountSection::Other) << int(monthlytable::SalesFirst);
        QTest::newRow("完成工事高")
            << "完成工事高" << S(AccountSection::Other) << int(monthlytable::SalesFirst);
        QTest::newRow("食材仕入高")
            << "食材仕入高" << S(AccountSection::CostOfSales) << int(monthlytable::PurchasesFirst);
        QTest::newRow("外注工事費") << "外注工事費" << S(AccountSection::Manufacturing)
                                    << int(monthlytable::Subcontracting);
        QTest::newRow("給与手当") << "給与手当" << S(AccountSection::Other)
                                  << int(monthlytable::Labour);
        QTest::newRow("運転手給料")
            << "運転手給料" << S(AccountSection::Manufacturing) << int(monthlytable::Labour);
        QTest::newRow("法定福利費") << "法定福利費" << S(AccountSection::Manufacturing) << 0;
    }
    void monthlyBoxes() {
        QFETCH(QString, name);
        QFETCH(int, section);
        QFETCH(int, box);
        const AccountMapping mapping = AccountMapping::builtIn(AccountMapping::Kind::MonthlyTable);
        const std::optional<AccountMapping::Match> match =
            mapping.match(name, static_cast<AccountSection>(section));
        QCOMPARE(match ? match->field : 0, box);
    }

    // An account the lists do not know goes into the box its section decides, and the
    // dialog says so beside the figure.
    void placedBySection_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("value");
        QTest::newRow("a sale under 売上高")
            << QByteArray("勘定科目,残高\n[売上高]\n出張料理売上高,1500000\n")
            << fieldId(MainAccount::Sales) << QStringLiteral("1,500");
        QTest::newRow("stock under 棚卸資産")
            << QByteArray("勘定科目,残高\n[流動資産]\n現金,100000\n[棚卸資産]\nワイン在庫,"
                          "800000\n")
            << fieldId(MainAccount::Inventories) << QStringLiteral("800");
        QTest::newRow("期首…棚卸高 in the cost of sales")
            << QByteArray("勘定科目,残高\n[売上原価]\n期首飲料棚卸高,300000\n仕入高,900000\n"
                          "期末飲料棚卸高,200000\n")
            << fieldId(MainAccount::OpeningStock) << QStringLiteral("300");
        QTest::newRow("期末…棚卸高 in the cost of sales")
            << QByteArray("勘定科目,残高\n[売上原価]\n期首飲料棚卸高,300000\n仕入高,900000\n"
                          "期末飲料棚卸高,200000\n")
            << fieldId(MainAccount::ClosingStock) << QStringLiteral("200");
    }
    void placedBySection() {
        QFETCH(QByteArray, file);
        QFETCH(int, box);
        QFETCH(QString, value);
        const bookplan::Plan plan = planOf(file);
        const bookplan::Fill* fill = fillOf(plan, static_cast<MainAccount>(box));
        QVERIFY2(fill, qPrintable(plan.notes.join(u'\n')));
        QCOMPARE(QLocale(QLocale::Japanese).toString(fill->value), value);
        QVERIFY2(
            fill->sources.join(QString()).contains(QStringLiteral("（欄は科目の区分から判断）")),
            qPrintable(fill->sources.join(QString())));
    }

    // 売上原価 with no row of its own is worked out only from all its parts: an account of
    // the cost of sales that goes nowhere, or a figure that cannot be read, leaves it
    // empty with a note, never a sum short of a part (nor 0 from an unreadable 仕入高).
    void costOfSalesOnlyFromAllParts_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("note");
        QTest::newRow("all parts")
            << QByteArray("勘定科目,残高\n[売上高]\n売上高,5000000\n[売上原価]\n期首商品棚卸高,"
                          "300000\n仕入高,2000000\n期末商品棚卸高,400000\n")
            << QStringLiteral("1,900") << QString();
        QTest::newRow("an account that goes nowhere")
            << QByteArray("勘定科目,残高\n[売上高]\n売上高,5000000\n[売上原価]\n期首商品棚卸高,"
                          "300000\n仕入高,2000000\n仕入諸掛,150000\n期末商品棚卸高,400000\n")
            << QString() << QStringLiteral("仕入諸掛");
        // An account of a cost report that goes nowhere is in the report's own total.
        QTest::newRow("a cost report with its total")
            << QByteArray("勘定科目,残高\n[売上高]\n製品売上高,9000000\n[製造原価報告書]\n"
                          "材料仕入高,3000000\n特殊加工費,500000\n当期製品製造原価,3500000\n"
                          "[売上原価]\n期首製品棚卸高,200000\n当期製品製造原価,3500000\n"
                          "期末製品棚卸高,300000\n")
            << QStringLiteral("3,400") << QString();
        QTest::newRow("仕入高 unreadable, no stock")
            << QByteArray("勘定科目,残高\n[売上高]\n売上高,5000000\n[売上原価]\n仕入高,#REF!\n")
            << QString() << QStringLiteral("読めないため、計算できませんでした");
    }
    void costOfSalesOnlyFromAllParts() {
        QFETCH(QByteArray, file);
        QFETCH(QString, cost);
        QFETCH(QString, note);
        const bookplan::Plan plan = planOf(file);
        const bookplan::Fill* fill = fillOf(plan, MainAccount::CostOfSales);
        QCOMPARE(fill ? QLocale(QLocale::Japanese).toString(fill->value) : QString(), cost);
        if (!note.isEmpty())
            QVERIFY2(plan.notes.join(u'\n').contains(note), qPrintable(plan.notes.join(u'\n')));
    }

    // 税引前当期損益 is the profit before the taxes on income, wherever the file lists them
    // (here straight after 特別損失, with no heading of their own): never the profit after
    // tax.
    void pretaxNeverAfterTax_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("pretax");
        // Worked out from the accounts and checked by the file's 当期純利益.
        QTest::newRow("taxes after 特別損失")
            << QByteArray("勘定科目,残高\n[売上高]\n売上高,10000000\n[販売費及び一般管理費]\n"
                          "給料手当,6000000\n[特別損失]\n固定資産除却損,500000\n"
                          "法人税、住民税及び事業税,1000000\n当期純利益,2500000\n")
            << 3500;
        // An account of no known part: the file's 当期純利益 with the taxes added back.
        QTest::newRow("from 当期純利益 and the taxes")
            << QByteArray("勘定科目,残高\n売上高,10000000\n給料手当,6000000\n特殊経費,500000\n"
                          "法人税等,1000000\n当期純利益,2500000\n")
            << 3500;
    }
    void pretaxNeverAfterTax() {
        QFETCH(QByteArray, file);
        QFETCH(int, pretax);
        const bookplan::Plan plan = planOf(file);
        const bookplan::Fill* fill = fillOf(plan, MainAccount::PretaxProfit);
        QVERIFY2(fill, qPrintable(plan.notes.join(u'\n')));
        QCOMPARE(fill->value, pretax);
    }

    // The accounts of a cost report stay in it whatever their names (租税公課 is also a
    // selling cost), however the file marks the report.
    void costReportKeepsItsAccounts_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("a heading")
            << QByteArray("勘定科目,残高\n[売上高]\n完成工事高,9000000\n[完成工事原価報告書]\n"
                          "材料費,3000000\n租税公課,50000\n[販売費及び一般管理費]\n"
                          "役員報酬,2000000\n");
        QTest::newRow("a 区分 column")
            << QByteArray("区分,勘定科目,残高\n売上高,完成工事高,9000000\n運送原価報告書,"
                          "燃料費,3000000\n運送原価報告書,租税公課,50000\n"
                          "販売費及び一般管理費,役員報酬,2000000\n");
        QTest::newRow("an 出力帳票 column")
            << QByteArray("出力帳票,勘定科目,残高\n損益計算書,売上高,9000000\n"
                          "役務原価報告書,外注費,3000000\n役務原価報告書,租税公課,50000\n"
                          "損益計算書,役員報酬,2000000\n");
        QTest::newRow("a table of its own")
            << QByteArray("勘定科目,残高\n[売上高]\n完成工事高,9000000\n"
                          "[販売費及び一般管理費]\n役員報酬,2000000\n\n完成工事原価報告書\n"
                          "勘定科目,残高\n材料費,3000000\n租税公課,50000\n");
    }
    void costReportKeepsItsAccounts() {
        QFETCH(QByteArray, file);
        const bookplan::Plan plan = planOf(file);
        const bookplan::Fill* cost = fillOf(plan, MainAccount::CostRentAndTaxes);
        QVERIFY2(cost, qPrintable(plan.notes.join(u'\n')));
        QCOMPARE(cost->value, 50);
        QVERIFY(!fillOf(plan, MainAccount::SellingRentAndTaxes));
        QVERIFY(fillOf(plan, MainAccount::OfficersPay));
    }

    // 法定福利費 under a cost report's 経費 is one of its other costs, not 労務費; under its
    // 労務費 it is.
    void socialInsuranceInACostReport() {
        const bookplan::Plan plan = planOf(
            QByteArray("勘定科目,残高\n[完成工事高]\n完成工事高,50000000\n[完成工事原価報告書]\n"
                       "[労務費]\n賃金,8000000\n法定福利費,1000000\n[経費]\n法定福利費,700000\n"
                       "租税公課,90000\n"));
        const bookplan::Fill* labour = fillOf(plan, MainAccount::Labour);
        QVERIFY(labour);
        QCOMPARE(labour->value, 9000);
        const bookplan::Fill* taxes = fillOf(plan, MainAccount::CostRentAndTaxes);
        QVERIFY(taxes);
        QCOMPARE(taxes->value, 90);
        QVERIFY(!fillOf(plan, MainAccount::SellingRentAndTaxes));
    }
};

QTEST_GUILESS_MAIN(StandardAccountsTest)
#include "standardaccountstest.moc"
