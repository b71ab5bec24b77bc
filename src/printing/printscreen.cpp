#include "printscreen.h"

#include "datafile/numbers.h"
#include "form/formpictures.h"
#include "formpdf.h"
#include "printcheck.h"
#include "printerservice.h"
#include "registry/companyboxes.h"
#include "registry/masterfile.h"
#include "registry/registrationscreen.h"
#include "screen/application.h"
#include "screen/checklist.h"
#include "screen/erabox.h"
#include "screen/eralabel.h"
#include "screen/filechooser.h"
#include "screen/messages.h"
#include "screen/screennames.h"
#include "statement/sectionfile.h"

#include <QStandardPaths>

namespace gaikyo {

using namespace controls;

namespace {

const QString title = QStringLiteral("印刷");
const QString codeBox = QStringLiteral("Text43");
const QString referenceBox = QStringLiteral("Text1");  // 整理番号
const QString saveButton = QStringLiteral("Command9"); // "上記項目を登録"
// The print offsets in millimetres: to the right, and down.
const QString rightBox = QStringLiteral("Text7");
const QString downBox = QStringLiteral("Text8");

// The boxes of the header, down the form; the print offsets are never saved.
const QList<CompanyBox>& headerTable() {
    static const QList<CompanyBox> table = [] {
        QList<CompanyBox> boxes{{referenceBox, &CompanyRecord::referenceNumber, {}, true},
                                {QStringLiteral("Text3"), &CompanyRecord::name}};
        const char* const dateCaptions[] = {"事業年度（自 年）", "事業年度（自 月）",
                                            "事業年度（自 日）", "事業年度（至 年）",
                                            "事業年度（至 月）", "事業年度（至 日）"};
        QList<CompanyBox> dates = companyboxes::businessYear();
        for (qsizetype i = 0; i < dates.size(); ++i)
            dates[i].caption = QString::fromUtf8(dateCaptions[i]);
        boxes += dates;
        boxes += QList<CompanyBox>{{QStringLiteral("Text5"), &CompanyRecord::address},
                                   {QStringLiteral("Text12"), &CompanyRecord::telephone},
                                   {QStringLiteral("Text4"), &CompanyRecord::homePage},
                                   {QStringLiteral("Text2"), &CompanyRecord::respondent}};
        return boxes;
    }();
    return table;
}

// The header boxes that "上記項目を登録" saves.
const QStringList& headerBoxes() {
    static const QStringList boxes = [] {
        QStringList names;
        for (const CompanyBox& box : headerTable())
            names.append(box.box);
        return names;
    }();
    return boxes;
}

} // namespace

PrintScreen::PrintScreen(Application& app)
    : Screen(app, screens::print, title, QSize(9030, 6915), Unit::Twips),
      m_backPicture(formpictures::backPage()) {
    addControls();
    addKeptYearControls();

    // Hidden steps, run by the hand-over and by the print buttons.
    onClick(QStringLiteral("Command1"), [this] { loadHeader(); });
    onClick(QStringLiteral("data"), [this] { loadHeader(); });
    onClick(QStringLiteral("Command10"), [this] { loadPrintData(); });
    onClick(QStringLiteral("データ"), [this] { loadPrintData(); });

    // Each header button empties its own box or boxes.
    const struct {
        const char* button;
        const char* boxes;
    } clears[] = {
        {"Command2", "Text1"},
        {"Command6", "Text3"},
        {"Command3", "Text13 Text14 Text15 Text17 Text18 Text19"},
        {"Command7", "Text5"},
        {"Command8", "Text12"},
        {"Command5", "Text4"},
        {"Command4", "Text2"},
        {"Command19", "Text7"},
        {"Command20", "Text8"},
    };
    for (const auto& clear : clears) {
        const QStringList boxes = QString::fromLatin1(clear.boxes).split(QLatin1Char(' '));
        onClick(QString::fromLatin1(clear.button), [this, boxes] {
            for (const QString& box : boxes)
                setText(box, QString());
        });
    }
    onClick(QStringLiteral("Command15"),
            [this] { setText(QStringLiteral("Text2"), QStringLiteral("代表取締役")); });
    onClick(saveButton, [this] { saveHeader(); });
    onClick(QStringLiteral("Command18"), [this] { carryOver(); });
    onClick(QStringLiteral("Command11"), [this] { print(true, PagePrinter::Sheet::Official); });
    onClick(QStringLiteral("Command13"), [this] { print(true, PagePrinter::Sheet::A4); });
    onClick(QStringLiteral("Command12"), [this] { print(false, PagePrinter::Sheet::Official); });
    onClick(QStringLiteral("Command14"), [this] { print(false, PagePrinter::Sheet::A4); });
    onClick(QStringLiteral("Command21"), [this] { saveAsPdf(); });
    onClick(QStringLiteral("Command22"), [this] { showPreview(); });
}

void PrintScreen::addControls() {
    const QColor cyan = entryCyan();
    auto row = [](int index) { return 120 + 420 * index; };
    auto headerButton = [&](const char* name, const char* caption, int index) -> Control& {
        return add(button(QString::fromLatin1(name), QString::fromUtf8(caption),
                          QRect(120, row(index), 1455, 375)));
    };
    auto entry = [&](const char* name, int left, int index, int width,
                     const QString& text) -> Control& {
        Control& box =
            add(textBox(QString::fromLatin1(name), QRect(left, row(index), width, 375), text));
        box.background = cyan;
        return box;
    };
    const QString space = QStringLiteral(" ");

    headerButton("Command2", "整理番号", 0);
    entry("Text1", 1680, 0, 2175, QString()).alignment = Qt::AlignRight | Qt::AlignVCenter;
    headerButton("Command6", "法人名", 1);
    entry("Text3", 1680, 1, 5655, space).inputMode = InputMode::Hiragana;

    headerButton("Command3", "事業年度", 2);
    // The era words name the era of each date; R7 or H31 typed into a year switches them.
    entry("Text10", 1680, 2, 855, QStringLiteral("自令和")).readOnly = true;
    entry("Text16", 3600, 2, 855, QStringLiteral("至令和")).readOnly = true;
    const struct {
        const char* name;
        int left;
        bool startsEmpty;
    } dates[] = {{"Text13", 2520, false}, {"Text14", 2880, false}, {"Text15", 3240, true},
                 {"Text17", 4440, false}, {"Text18", 4800, false}, {"Text19", 5160, false}};
    for (const auto& date : dates)
        entry(date.name, date.left, 2, 375, date.startsEmpty ? QString() : space).alignment =
            Qt::AlignRight | Qt::AlignVCenter;
    add(button(QStringLiteral("Command18"), QStringLiteral("次年度繰越"),
               QRect(5760, row(2), 1215, 375)));
    // Wide enough for the longest label, "至 平成31年 / 2019年", up to the window's edge.
    addEraLabel(*this, erabox::yearStart(), QStringLiteral("EraLabel1"),
                QRect(7035, row(2) - 60, 1965, 240), QStringLiteral("自 "));
    addEraLabel(*this, erabox::yearEnd(), QStringLiteral("EraLabel2"),
                QRect(7035, row(2) + 180, 1965, 240), QStringLiteral("至 "));
    erabox::follow(*this, erabox::yearStart());
    erabox::follow(*this, erabox::yearEnd());

    headerButton("Command7", "納税地", 3);
    entry("Text5", 1680, 3, 5655, space).inputMode = InputMode::Hiragana;
    headerButton("Command8", "電話番号", 4);
    entry("Text12", 1680, 4, 3000, space);
    headerButton("Command5", "　　ホームページ　　アドレス", 5).font = FontSpec{{}, 8.25, false};
    entry("Text4", 1680, 5, 5655, space);
    headerButton("Command4", "応答者氏名", 6);
    entry("Text2", 1680, 6, 3735, QString()).inputMode = InputMode::Hiragana;
    add(button(QStringLiteral("Command15"), QStringLiteral("代表者"),
               QRect(5520, row(6), 975, 375)));
    add(button(saveButton, QStringLiteral("上記項目を登録"), QRect(1680, row(7), 3000, 375)));

    // The print offsets in whole millimetres, with their grey unit captions.
    const QColor grey(192, 192, 192);
    const struct {
        const char* button;
        const char* caption;
        const char* box;
        const char* unit;
    } offsets[] = {{"Command19", "右へ", "Text7", "Text11"},
                   {"Command20", "下へ", "Text8", "Text20"}};
    for (int i = 0; i < 2; ++i) {
        headerButton(offsets[i].button, offsets[i].caption, 8 + i);
        entry(offsets[i].box, 1680, 8 + i, 735, QString()).alignment = Qt::AlignCenter;
        Control& unit = add(textBox(QString::fromLatin1(offsets[i].unit),
                                    QRect(2460, row(8 + i), 855, 375), QStringLiteral("mm移動")));
        unit.background = grey;
        unit.readOnly = true;
    }

    const struct {
        const char* name;
        const char* caption;
        int left;
        int width;
        int index;
    } prints[] = {{"Command11", "印刷（表）", 120, 2535, 10},
                  {"Command13", "A4コピー用紙へ印刷（表）", 2760, 3600, 10},
                  {"Command12", "印刷（裏）", 120, 2535, 11},
                  {"Command14", "A4コピー用紙へ印刷（裏）", 2760, 3600, 11}};
    for (const auto& p : prints)
        add(button(QString::fromLatin1(p.name), QString::fromUtf8(p.caption),
                   QRect(p.left, row(p.index), p.width, 375)));

    add(button(QStringLiteral("Command21"), QStringLiteral("PDFに保存"),
               QRect(6480, row(10), 2400, 375)));
    add(button(QStringLiteral("Command22"), QStringLiteral("印刷プレビュー"),
               QRect(6480, row(11), 2400, 375)));

    add(hiddenCodeBox(codeBox));
    // The two page pictures the A4 prints lay under the data; kept, never shown.
    for (const char* name : {"Picture1", "Picture2"}) {
        Control picture;
        picture.name = QString::fromLatin1(name);
        picture.kind = ControlKind::Picture;
        picture.visible = false;
        add(picture);
    }
    for (const auto& [name, caption] :
         {std::pair{"Command1", "data"}, std::pair{"Command10", "データ"}}) {
        Control& hidden =
            add(button(QString::fromLatin1(name), QString::fromUtf8(caption), QRect()));
        hidden.visible = false;
    }

    // The keyboard goes down the boxes, on to "上記項目を登録", the offsets and the prints;
    // the buttons that empty a box come last, so that Enter in a box never empties the
    // next one.
    QStringList order = headerBoxes();
    order << saveButton << rightBox << downBox;
    for (const auto& p : prints)
        order.append(QString::fromLatin1(p.name));
    order << QStringLiteral("Command21") << QStringLiteral("Command22");
    setTabOrder(order);
}

void PrintScreen::load() {
    // Opening runs both loads before the screen is on a company, so both stop at once;
    // the real loads come when it is opened on one and with every print.
    loadHeader();
    loadPrintData();
}

void PrintScreen::openOn(qint32 code) {
    m_companyCode = code;
    setText(codeBox, plainDecimal(code));
    loadHeader();
}

FileLoad PrintScreen::readCompany(qint32 code, CompanyRecord& record) const {
    FileLoad load = masterfile::load(code, 15, record);
    // Line 15 is read where the file has it; a file that ends after line 14 still
    // holds everything this screen shows.
    if (load.outcome == FileLoad::Outcome::Short && load.missingFromLine == 15)
        load.outcome = FileLoad::Outcome::Loaded;
    return load;
}

void PrintScreen::emptyHeaderBoxes() {
    companyboxes::empty(*this, headerTable());
}

void PrintScreen::forgetCompany(qint32 code, const FileLoad& load) {
    emptyHeaderBoxes();
    m_data.clear();
    m_loadedCode.reset();
    m_loadedHeader = {};
    m_damagedFiles.clear();
    showKeptYears();
    const QString what = load.outcome == FileLoad::Outcome::Missing
                             ? QStringLiteral("会社コード%1の会社のファイル「%2」がありません。")
                                   .arg(plainDecimal(code), load.windowsPath)
                             : QStringLiteral("会社コード%1の会社のファイルを読み込めません。%2")
                                   .arg(plainDecimal(code), load.problem());
    messages::warn(title, what + QStringLiteral("\n見出しと印刷データは空にしました。会社登録で"
                                                "この会社を登録してから印刷してください。"));
}

QString PrintScreen::saveButtonFor(const QStringList& changed) const {
    Q_UNUSED(changed);
    return saveButton;
}

void PrintScreen::loadHeader() {
    fillHeader();
    markLoaded(headerBoxes());
}

void PrintScreen::fillHeader() {
    const std::optional<qint32> code = m_companyCode;
    if (!code) {
        setText(referenceBox, QString());
        return;
    }
    CompanyRecord record;
    const FileLoad load = readCompany(*code, record);
    if (!load.readWhole()) {
        forgetCompany(*code, load);
        return;
    }
    m_data.company() = record;
    m_loadedCode = *code;
    showHeader(record);
    m_loadedHeader = {*code, true, record, headerFromBoxes(record)};
    showKeptYears();
    if (load.damaged())
        messages::warn(title, load.shownInPartMessage());
}

QString PrintScreen::boxCaption(const QString& box) const {
    const CompanyBox* shown = companyboxes::find(headerTable(), box);
    return shown ? companyboxes::caption(*shown) : box;
}

QString PrintScreen::savedForm(const QString& box, const QString& text,
                               const QString& saved) const {
    // A date box that holds no number keeps the saved date (see headerFromBoxes).
    const CompanyBox* shown = companyboxes::find(headerTable(), box);
    if (!shown || shown->zeroShownEmpty ||
        !std::holds_alternative<qint32 CompanyRecord::*>(shown->member))
        return text;
    const std::optional<qint32> value = strictInteger(text);
    return value ? plainDecimal(*value) : saved;
}

void PrintScreen::showHeader(const CompanyRecord& record) {
    CompanyRecord shown = record;
    // A home page or respondent that is still a filler of an old file shows empty.
    if (shown.homePage == QStringLiteral("予備1"))
        shown.homePage.clear();
    if (shown.respondent == QStringLiteral("予備2") || shown.respondent == QStringLiteral("予備3"))
        shown.respondent.clear();
    companyboxes::show(*this, headerTable(), shown);
}

CompanyRecord PrintScreen::headerFromBoxes(const CompanyRecord& over) const {
    return companyboxes::read(*this, headerTable(), over);
}

std::optional<qint32> PrintScreen::referenceNumber() const {
    // Many companies have no 整理番号 yet: an empty box stands for 0.
    const QString typed = text(referenceBox);
    if (typed.trimmed().isEmpty())
        return 0;
    return strictInteger(typed);
}

bool PrintScreen::loadPrintData() {
    const std::optional<qint32> code = m_companyCode;
    if (!code)
        return false;
    CompanyRecord record;
    const FileLoad load = readCompany(*code, record);
    if (!load.readWhole()) {
        forgetCompany(*code, load);
        return false;
    }
    m_data.company() = record;
    m_loadedCode = *code;
    m_damagedFiles = m_data.loadSections(*code);
    if (load.damaged())
        m_damagedFiles.prepend(load);
    return true;
}

bool PrintScreen::saveHeader() {
    const auto fail = [](const QString& why) {
        messages::warn(QStringLiteral("上記項目を登録"),
                       why + QStringLiteral("\n会社の見出しは保存されていません。"));
        return false;
    };
    const std::optional<qint32> code = m_companyCode;
    if (!code)
        return fail(
            QStringLiteral("会社が選ばれていません。メインメニューで会社を呼び出してください。"));

    // Only over the company the boxes were loaded from: never another company's header
    // (or its フリガナ and 代表者) into this company's file.
    if (m_loadedCode != code)
        return fail(QStringLiteral("会社コード%1の会社のファイルが読み込まれていません。")
                        .arg(plainDecimal(*code)));
    // フリガナ and 代表取締役の氏名 have no box here: they go back as the header was loaded.
    companyboxes::Unreadable unreadable;
    CompanyRecord record = companyboxes::read(
        *this, headerTable(), m_loadedHeader.code == code ? m_loadedHeader.shown : m_data.company(),
        &unreadable);
    record.code = *code;
    if (unreadable.box) {
        const QString caption = companyboxes::caption(*unreadable.box);
        if (!unreadable.problem.isEmpty())
            return fail(QStringLiteral("「%1」：%2").arg(caption, unreadable.problem));
        if (unreadable.box->member == CompanyMember(&CompanyRecord::referenceNumber))
            return fail(
                QStringLiteral("「整理番号」には数字を入力してください。整理番号がないときは"
                               "空欄のままにしてください。"));
        return fail(QStringLiteral("「%1」に数字を入力してください。").arg(caption));
    }
    if (const std::optional<QString> problem = companyboxes::yearProblem(headerTable(), record))
        return fail(*problem);

    // Whatever another screen or computer saved to the file since the boxes were loaded
    // (a new business year, a deletion) stays, unless these boxes changed it too.
    const loadedcompany::Plan plan =
        loadedcompany::merge(m_loadedHeader, record, QStringLiteral("上記項目を登録"));
    if (plan.kind == loadedcompany::Plan::Kind::Refused)
        return false;
    if (plan.kind == loadedcompany::Plan::Kind::Write) {
        const Status status = masterfile::write(plan.record);
        if (!status.ok()) {
            m_loadedHeader.askIfDeleted = false;
            return fail(status.message());
        }
        if (!status.notice().isEmpty())
            messages::inform(QStringLiteral("上記項目を登録"), status.notice());
    }
    m_data.company() = plan.record;
    if (plan.tookStored)
        showHeader(plan.record);
    m_loadedHeader = {*code, true, plan.record, headerFromBoxes(plan.record)};
    markLoaded(headerBoxes());
    return true;
}

void PrintScreen::carryOver() {
    auto* registration = qobject_cast<RegistrationScreen*>(app().screen(screens::registration));
    if (!registration)
        return;
    registration->clear();
    const std::optional<qint32> code = m_companyCode;
    if (!code)
        return;
    registration->show();
    registration->callUp(*code);
}

QList<std::optional<qint32>> PrintScreen::months(qint32 code) const {
    SectionRecord order = SectionRecord::emptyFor(layouts::monthOrder());
    if (sectionfile::load(code, layouts::monthOrder(), order).loaded())
        return formpdf::months(order, m_data.company().startMonth);
    // Without a month order file the months follow the business year's first month.
    return formpdf::months(std::nullopt, m_data.company().startMonth);
}

bool PrintScreen::prepare() {
    const std::optional<qint32> code = m_companyCode;
    if (!code) {
        messages::warn(title, QStringLiteral("会社が選ばれていません。メインメニューで会社を呼び"
                                             "出してから印刷してください。"));
        return false;
    }
    // Boxes that hold no company, or another one, are loaded afresh first.
    if (m_loadedCode != code) {
        loadHeader();
        if (m_loadedCode != code)
            return false;
    }
    // A save that fails has told why; the print goes on from the file as it is.
    saveHeader();
    return loadPrintData();
}

bool PrintScreen::checkBeforePrinting(printcheck::Pages pages) const {
    ItemValues values(m_data);
    values.setReferenceNumber(referenceNumber());
    QStringList lines;
    for (const FileLoad& damaged : m_damagedFiles)
        lines.append(damaged.problem() +
                     QStringLiteral("このファイルの項目は、読み取れた値だけが印刷されます。"));
    lines += printcheck::lines(values, pages);
    lines += keptyears::sameAsLastYear(m_data, pages != printcheck::Pages::Back,
                                       pages != printcheck::Pages::Front);
    if (lines.isEmpty())
        return true;
    return checklist::proceed(
        {QStringLiteral("印刷前の確認"),
         QStringLiteral(
             "次の項目は、このままでは正しく印刷されないか、ほかの項目と合っていません。"),
         lines, QStringLiteral("このまま印刷"), QStringLiteral("戻る")});
}

QImage PrintScreen::pagePicture(bool front) const {
    if (!front)
        return m_backPicture;
    const CompanyRecord& company = m_data.company();
    return formpictures::frontPage(erayear::eraOf(company.startYear, company.startMonth),
                                   erayear::eraOf(company.endYear, company.endMonth));
}

bool PrintScreen::drawPage(PrintSurface& surface, bool front, PagePrinter::Sheet sheet) const {
    const PrintOffsets offsets{readInteger(text(rightBox)), readInteger(text(downBox))};
    PagePrinter printer(surface, m_data, sheet, offsets);
    printer.setReferenceNumber(referenceNumber());
    if (front)
        return printer.printFront(pagePicture(true));
    const std::optional<qint32> code = m_companyCode;
    printer.setMonths(months(code.value_or(m_data.company().code)));
    return printer.printBack(pagePicture(false));
}

void PrintScreen::print(bool front, PagePrinter::Sheet sheet) {
    if (!prepare() ||
        !checkBeforePrinting(front ? printcheck::Pages::Front : printcheck::Pages::Back))
        return;
    PrinterService* printers = app().printers();
    std::unique_ptr<PrintSurface> surface = printers ? printers->openDefaultPrinter() : nullptr;
    if (!surface) {
        messages::warn(
            title,
            QStringLiteral("プリンターがありません。プリンターを設定してから印刷してください。"));
        return;
    }
    if (!drawPage(*surface, front, sheet))
        messages::warn(title,
                       QStringLiteral("印刷できませんでした。このページは印刷されていません。"));
}

void PrintScreen::saveAsPdf() {
    if (!prepare() || !checkBeforePrinting(printcheck::Pages::Both))
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> path =
        filechooser::askSavePath({QStringLiteral("PDFに保存"),
                                  folder + QLatin1Char('/') + formpdf::fileName(m_data.company()),
                                  QStringLiteral("PDF (*.pdf)")});
    if (!path)
        return;
    // The pages a year kept at its end holds are drawn by the same steps.
    const std::optional<qint32> code = m_companyCode;
    const Status status = formpdf::write(
        *path, {m_data, referenceNumber(), months(code.value_or(m_data.company().code))});
    if (!status.ok())
        messages::warn(QStringLiteral("PDFに保存"), status.message());
}

void PrintScreen::showPreview() {
    PrinterService* printers = app().printers();
    if (!printers || !prepare() || !checkBeforePrinting(printcheck::Pages::Both))
        return;
    // The four prints in button order: the official sheet with the offsets, then A4.
    printers->showPreview(QStringLiteral("印刷プレビュー"), 4, [this](PrintSurface& surface) {
        return drawPage(surface, true, PagePrinter::Sheet::Official) &&
               drawPage(surface, true, PagePrinter::Sheet::A4) &&
               drawPage(surface, false, PagePrinter::Sheet::Official) &&
               drawPage(surface, false, PagePrinter::Sheet::A4);
    });
}

} // namespace gaikyo
