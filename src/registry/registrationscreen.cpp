#include "registrationscreen.h"

#include "businessyear.h"
#include "companyboxes.h"
#include "companylist.h"
#include "companypaths.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "masterfile.h"
#include "registryfile.h"
#include "screen/application.h"
#include "screen/erabox.h"
#include "screen/eralabel.h"
#include "screen/messages.h"
#include "screen/screennames.h"

#include <QDir>
#include <QFileInfo>

namespace gaikyo {

using namespace controls;

namespace {

const QString typeMismatch = QStringLiteral("型が一致しません。");
// The code of the company being registered, as typed or handed over.
const QString codeBox = QStringLiteral("Text1");
const QString saveButton = QStringLiteral("Command12");        // "登録実行"
const QString yearForwardButton = QStringLiteral("Command13"); // "翌期更新"

// The keyboard order of the screen: the boxes down the form, then the save, so that Enter
// in a box always goes on to the next one (never to a button that empties or replaces
// a box), then the other buttons as the form reads.
const char* const focusOrder[] = {
    "Text1",    "Text7",    "Text2",     "Text3",     "Text13",   "Text14",
    "Text15",   "Text17",   "Text18",    "Text19",    "Text5",    "Text9",
    "Text12",   "Text4",    "Text6",     "Command12", "Command5", "Command9",
    "Command6", "Command7", "Command10", "Command1",  "Command2", "Command3",
    "Text10",   "Text16",   "Command13", "Command4",  "Command8", "Command15",
};

// Why a file could not be read, in the words the system uses for it.
QString readFailure(const QString& windowsPath) {
    if (FileChannel::instance().isOpen())
        return QStringLiteral("ファイルは既に開かれています。");
    const QFileInfo file(drivec::hostPath(windowsPath));
    if (!file.exists())
        return QStringLiteral("ファイルが見つかりません。");
    if (!file.isReadable())
        return QStringLiteral("ファイルにアクセスできません。");
    return QStringLiteral("ファイルの終わりを越えて読み込もうとしました。");
}

// The boxes of the company header, down the form.
const QList<CompanyBox>& companyBoxes() {
    static const QList<CompanyBox> boxes = [] {
        QList<CompanyBox> table{{codeBox, &CompanyRecord::code},
                                {QStringLiteral("Text7"), &CompanyRecord::referenceNumber},
                                {QStringLiteral("Text2"), &CompanyRecord::furigana},
                                {QStringLiteral("Text3"), &CompanyRecord::name}};
        table += companyboxes::businessYear();
        table += QList<CompanyBox>{{QStringLiteral("Text5"), &CompanyRecord::address},
                                   {QStringLiteral("Text9"), &CompanyRecord::representative},
                                   {QStringLiteral("Text12"), &CompanyRecord::telephone},
                                   {QStringLiteral("Text4"), &CompanyRecord::homePage},
                                   {QStringLiteral("Text6"), &CompanyRecord::respondent}};
        return table;
    }();
    return boxes;
}

// The business year's dates: each one's era word, year, month and day.
QStringList dateBoxes() {
    QStringList names;
    for (const EraDateBoxes* date : {&erabox::yearStart(), &erabox::yearEnd()})
        names << date->word << date->year << date->month << date->day;
    return names;
}

// The entry boxes whose values the save writes, whose unsaved values the screen watches:
// the header's boxes with each era word before its year.
const QStringList& entryBoxes() {
    static const QStringList boxes = [] {
        QStringList names;
        for (const CompanyBox& box : companyBoxes()) {
            for (const EraDateBoxes* date : {&erabox::yearStart(), &erabox::yearEnd()})
                if (box.box == date->year)
                    names.append(date->word);
            names.append(box.box);
        }
        return names;
    }();
    return boxes;
}

} // namespace

RegistrationScreen::RegistrationScreen(Application& app)
    : Screen(app, screens::registration, QStringLiteral("法人税事業概況書に登録"),
             QSize(6990, 6360), Unit::Twips) {
    addControls();

    onClick(QStringLiteral("Command9"), [this] { emptyEveryBox(); });
    onClick(QStringLiteral("Command7"), [this] { callUpHandedCode(); });
    onClick(QStringLiteral("Command6"), [this] {
        if (!mayCallUp())
            return;
        callUpTypedCode();
        markLoaded(entryBoxes());
    });
    onClick(QStringLiteral("Command10"), [this] { setText(QStringLiteral("Text7"), {}); });
    onClick(QStringLiteral("Command4"), [this] { setText(QStringLiteral("Text4"), {}); });
    onClick(QStringLiteral("Command8"), [this] { setText(QStringLiteral("Text6"), {}); });
    onClick(QStringLiteral("Command15"),
            [this] { setText(QStringLiteral("Text6"), QStringLiteral("代表取締役")); });
    onClick(QStringLiteral("Command1"),
            [this] { setText(QStringLiteral("Text3"), QStringLiteral("株式会社")); });
    onClick(QStringLiteral("Command2"),
            [this] { setText(QStringLiteral("Text3"), QStringLiteral("有限会社")); });
    onClick(QStringLiteral("Command3"), [this] { computeYearEnd(); });
    onClick(yearForwardButton, [this] { rollYearForward(); });
    onClick(saveButton, [this] { save(); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
}

void RegistrationScreen::addControls() {
    QHash<QString, int> tabIndex;
    for (const char* name : focusOrder)
        tabIndex.insert(QString::fromLatin1(name), int(tabIndex.size()));
    const auto place = [this, &tabIndex](Control c) {
        c.tabIndex = tabIndex.value(c.name, -1);
        if (c.kind == ControlKind::TextBox)
            c.background = entryCyan();
        add(std::move(c));
    };
    const auto box = [](const char* name, QRect geometry, const char* text,
                        InputMode mode = InputMode::None) {
        Control c = textBox(QString::fromLatin1(name), geometry, QString::fromUtf8(text));
        c.inputMode = mode;
        return c;
    };
    const auto dateBox = [&box](const char* name, int left, const char* text) {
        Control c = box(name, QRect(left, 1680, 375, 375), text);
        c.alignment = Qt::AlignRight | Qt::AlignVCenter;
        return c;
    };
    const auto command = [](const char* name, const char* caption, QRect geometry) {
        return button(QString::fromLatin1(name), QString::fromUtf8(caption), geometry);
    };
    const auto caption = [](const char* name, const char* text, QRect geometry) {
        return label(QString::fromLatin1(name), QString::fromUtf8(text), geometry);
    };

    place(command("Command9", "法人コード", QRect(720, 240, 1215, 375)));
    place(box("Text1", QRect(1920, 240, 615, 375), "　"));
    place(command("Command6", "会社呼出", QRect(2520, 240, 1095, 375)));
    place(command("Command7", "DATA", QRect(3600, 240, 855, 375)));
    place(command("Command10", "整理番号", QRect(480, 600, 1455, 375)));
    place(box("Text7", QRect(1920, 600, 4695, 375), ""));
    place(caption("Label5", "フリガナ", QRect(1080, 1080, 855, 255)));
    place(box("Text2", QRect(1920, 960, 4695, 375), " ", InputMode::FullWidthKatakana));
    place(command("Command1", "㈱", QRect(1200, 1320, 375, 375)));
    place(command("Command2", "㈲", QRect(1560, 1320, 375, 375)));
    place(caption("Label1", "法人名", QRect(480, 1440, 735, 255)));
    place(box("Text3", QRect(1920, 1320, 4695, 360), " ", InputMode::Hiragana));
    place(command("Command3", "事業年度", QRect(840, 1680, 1095, 375)));
    // The era word names the era the year beside it is typed in: 令和 for a new company.
    place(box("Text10", QRect(1920, 1680, 855, 375), "自令和"));
    place(dateBox("Text13", 2760, " "));
    place(dateBox("Text14", 3120, " "));
    place(dateBox("Text15", 3480, ""));
    place(box("Text16", QRect(3840, 1680, 855, 375), "至令和"));
    place(dateBox("Text17", 4680, " "));
    place(dateBox("Text18", 5040, " "));
    place(dateBox("Text19", 5400, " "));
    place(command("Command13", "翌期更新", QRect(5760, 1680, 1095, 375)));
    place(caption("Label4", "納税地", QRect(1200, 2160, 735, 255)));
    place(box("Text5", QRect(1920, 2040, 4695, 375), " ", InputMode::Hiragana));
    place(caption("Label2", "代表取締役の氏名", QRect(120, 2520, 1815, 255)));
    place(box("Text9", QRect(1920, 2400, 4695, 375), " "));
    place(caption("Label3", "電話番号", QRect(960, 2880, 975, 255)));
    place(box("Text12", QRect(1920, 2760, 4695, 375), " "));
    place(command("Command4", "　　ホームページ　　アドレス", QRect(480, 3120, 1455, 375)));
    place(box("Text4", QRect(1920, 3120, 4695, 375), " "));
    place(command("Command8", "応答者氏名", QRect(480, 3480, 1455, 375)));
    place(box("Text6", QRect(1920, 3480, 3735, 375), "", InputMode::Hiragana));
    place(command("Command15", "代表者", QRect(5640, 3480, 975, 375)));
    Control save =
        command("Command12", "法人税の事業概況書に登録する", QRect(2160, 4200, 3615, 1335));
    save.font = FontSpec{{}, 18, true};
    place(save);
    place(command("Command5", "登録はしない", QRect(2160, 5760, 3615, 375)));
    // The business year as people count it today, in the free corner below the labels.
    addEraLabel(*this, erabox::yearStart(), QStringLiteral("EraLabel1"),
                QRect(120, 4200, 1935, 255), QStringLiteral("自 "));
    addEraLabel(*this, erabox::yearEnd(), QStringLiteral("EraLabel2"), QRect(120, 4500, 1935, 255),
                QStringLiteral("至 "));
    erabox::follow(*this, erabox::yearStart());
    erabox::follow(*this, erabox::yearEnd());
}

void RegistrationScreen::load() {
    clear();
    setFocus(codeBox);
}

void RegistrationScreen::clear() {
    m_calledUpCode.reset();
    m_loaded = {};
    m_masterFilesAtStart.clear();
    for (const QString& name : QDir(drivec::hostPath(paths::masterFolder())).entryList(QDir::Files))
        m_masterFilesAtStart.insert(name);
    for (const CompanyBox& box : companyBoxes())
        if (box.member != CompanyMember(&CompanyRecord::representative))
            setText(box.box, {});
    erabox::clear(*this, erabox::yearStart());
    erabox::clear(*this, erabox::yearEnd());
    // A new form to fill in, as "会社登録" asks for it: nothing on it is unsaved.
    markLoaded(entryBoxes());
}

QString RegistrationScreen::saveButtonFor(const QStringList& changed) const {
    Q_UNUSED(changed);
    return saveButton;
}

QString RegistrationScreen::boxCaption(const QString& box) const {
    const CompanyBox* shown = companyboxes::find(companyBoxes(), box);
    return shown ? companyboxes::caption(*shown) : box;
}

bool RegistrationScreen::mayCallUp() {
    QStringList boxes = entryBoxes();
    boxes.removeOne(codeBox);
    // はい saves, and the save closes the screen: there is nothing left to call up into.
    return settleUnsaved(boxes) && !isClosed();
}

void RegistrationScreen::emptyEveryBox() {
    companyboxes::empty(*this, companyBoxes());
    clear();
}

void RegistrationScreen::callUp(qint32 code) {
    m_handedCode = code;
    callUpHandedCode();
}

void RegistrationScreen::callUpHandedCode() {
    if (!mayCallUp())
        return;
    if (m_handedCode) {
        setText(codeBox, plainDecimal(*m_handedCode));
        callUpTypedCode();
    } else {
        failCallUp(typeMismatch);
    }
    markLoaded(entryBoxes());
}

void RegistrationScreen::callUpTypedCode() {
    m_callUpFailure.clear();
    m_calledUpCode.reset();
    const std::optional<qint32> code = typedCode(codeBox);
    if (!code) {
        failCallUp(typeMismatch);
        return;
    }

    // Every call-up starts from an empty record, so that nothing of a company called up
    // before shows (and would be saved) under this one.
    CompanyRecord record;
    record.code = *code;
    RegistryRecord registry;
    const bool fromRegistry = registryfile::read(*code, 16, registry);
    if (fromRegistry) {
        record.code = registry.code;
        record.startYear = registry.startYear;
        record.startMonth = registry.startMonth;
        record.startDay = registry.startDay;
        record.endYear = registry.endYear;
        record.endMonth = registry.endMonth;
        record.endDay = registry.endDay;
        record.furigana = registry.furigana;
        record.name = registry.name;
        record.address = registry.address;
        record.telephone = registry.telephone;
    }
    // This program's own file, where there is one, has the last word; a company that has
    // no file of the other program is called up from it alone.
    const FileLoad ownFile = masterfile::load(*code, 15, record);
    // A damaged or short file of our own shows what it holds; the user hears which file
    // it is, and the save puts it in the trash before replacing it.
    const bool fromOwnFile = ownFile.loaded() || ownFile.damaged();
    if (!fromRegistry && !fromOwnFile) {
        const QString registryPath = paths::registryFile(*code);
        failCallUp(readFailure(QFileInfo::exists(drivec::hostPath(registryPath))
                                   ? registryPath
                                   : paths::masterFile(*code)));
        return;
    }

    m_record = record;
    m_registryValue2 = fromRegistry ? registry.value2 : 0;
    for (int i = 0; i < 4; ++i)
        m_registryValues12to15[i] = fromRegistry ? registry.values12to15[i] : QString();
    m_calledUpCode = *code;
    showRecord();
    m_loaded = {*code, ownFile.outcome != FileLoad::Outcome::Missing, record,
                typedRecord(false).value_or(record)};
    if (ownFile.damaged())
        messages::warn(QStringLiteral("会社呼出"), ownFile.shownInPartMessage());
    // A damaged file has been named already: its missing dates are no news.
    if (!ownFile.damaged())
        warnOfImpossibleYear(ownFile.loaded());
}

void RegistrationScreen::warnOfImpossibleYear(bool fromOwnFile) {
    const std::optional<QString> problem = companyboxes::yearProblem(companyBoxes(), m_record);
    if (!problem)
        return;
    const QString file =
        fromOwnFile ? paths::masterFile(m_record.code) : paths::registryFile(m_record.code);
    messages::warn(QStringLiteral("会社呼出"),
                   QStringLiteral("%1の事業年度は日付として正しくありません。\n%2\n"
                                  "正しい日付に直してから登録してください。")
                       .arg(file, *problem));
}

void RegistrationScreen::failCallUp(const QString& description) {
    m_callUpFailure = description;
    setText(codeBox, {});
}

void RegistrationScreen::showRecord() {
    companyboxes::show(*this, companyBoxes(), m_record);
}

void RegistrationScreen::computeYearEnd() {
    const QString title = QStringLiteral("事業年度入力");
    const erayear::Typed year = erabox::typed(*this, erabox::yearStart());
    const std::optional<qint32> month = wholeNumber(text(erabox::yearStart().month));
    const std::optional<qint32> day = wholeNumber(text(erabox::yearStart().day));
    if (year.kind == erayear::Typed::Kind::NotInEra) {
        messages::warn(title, year.problem);
        return;
    }
    if (!year.storedYear || !month || !day) {
        messages::warn(title, typeMismatch + QLatin1Char('\n') +
                                  QStringLiteral("事業年度の始まり（%1）の年・月・日を整数で"
                                                 "入力してください。")
                                      .arg(text(erabox::yearStart().word)));
        return;
    }
    const businessyear::End end = businessyear::endOf({*year.storedYear, *month, *day});
    if (!end.date) {
        messages::warn(title, end.problem);
        return;
    }
    showDate(erabox::yearEnd(), *end.date);
}

void RegistrationScreen::showDate(const EraDateBoxes& date, const businessyear::Date& shown) {
    erabox::showDate(*this, date, shown.year, shown.month, shown.day);
}

void RegistrationScreen::rollYearForward() {
    const erayear::Typed endYear = erabox::typed(*this, erabox::yearEnd());
    const std::optional<qint32> endMonth = wholeNumber(text(erabox::yearEnd().month));
    const std::optional<qint32> endDay = wholeNumber(text(erabox::yearEnd().day));
    if (endYear.kind == erayear::Typed::Kind::NotInEra) {
        messages::warn(text(yearForwardButton), endYear.problem);
        return;
    }
    if (!endYear.storedYear || !endMonth || !endDay)
        return;
    // The year rolled on must itself be one: its dates real and at most twelve months apart.
    if (const std::optional<CompanyRecord> typed = typedRecord(false)) {
        if (const std::optional<QString> problem =
                companyboxes::yearProblem(companyBoxes(), *typed)) {
            messages::warn(text(yearForwardButton), *problem);
            return;
        }
    }
    const businessyear::Next next = businessyear::after({*endYear.storedYear, *endMonth, *endDay});
    if (!next.start || !next.end) {
        messages::warn(text(yearForwardButton), next.problem);
        return;
    }

    const std::optional<YearEndStep> yearEnd = beginYearEnd(*next.start, *next.end);
    if (!yearEnd)
        return;

    const QStringList boxes = dateBoxes();
    QStringList before;
    for (const QString& box : boxes)
        before.append(text(box));
    // The new year may begin or end in another era than the last: each date shows its own.
    showDate(erabox::yearStart(), *next.start);
    showDate(erabox::yearEnd(), *next.end);

    // A refused save puts the old year back, so that pressing again after the user has
    // mended the box rolls forward by one year, not two.
    if (!save()) {
        for (qsizetype i = 0; i < before.size(); ++i)
            setText(boxes.at(i), before.at(i));
        return;
    }
    // The save has closed the screen: the last step uses nothing of it after asking.
    finishYearEnd(*yearEnd);
}

std::optional<CompanyRecord> RegistrationScreen::typedRecord(bool warn) {
    companyboxes::Unreadable unreadable;
    const CompanyRecord record = companyboxes::read(*this, companyBoxes(), m_record, &unreadable);
    if (!unreadable.box)
        return record;
    if (warn) {
        const QString caption = companyboxes::caption(*unreadable.box);
        QString message;
        if (!unreadable.problem.isEmpty()) {
            message = QStringLiteral("「%1」：%2").arg(caption, unreadable.problem);
        } else {
            message = QStringLiteral("「%1」を数字で入力してください。").arg(caption);
            if (unreadable.box->member == CompanyMember(&CompanyRecord::referenceNumber))
                message += QStringLiteral("\n整理番号がまだないときは 0 と入力してください。");
        }
        messages::warn(text(saveButton), message);
    }
    return std::nullopt;
}

bool RegistrationScreen::save() {
    const QString title = text(saveButton);
    const std::optional<CompanyRecord> typed = typedRecord(true);
    if (!typed)
        return false;
    CompanyRecord record = *typed;
    if (const std::optional<QString> problem = companyboxes::yearProblem(companyBoxes(), record)) {
        messages::warn(title, *problem);
        return false;
    }
    if (record.code < companylist::firstCode || record.code > companylist::lastCode) {
        messages::warn(title, QStringLiteral("法人コードは%1から%2までの数字で入力してください。")
                                  .arg(companylist::firstCode)
                                  .arg(companylist::lastCode));
        return false;
    }

    // A text the file cannot hold is refused before any folder is made.
    Status status;
    masterfile::bytes(record, &status);
    if (!status.ok()) {
        messages::warn(title, status.message());
        return false;
    }

    // The company called up, or a code whose file appeared while the screen was being
    // filled in (registered on another screen or computer meanwhile): only what this
    // screen changed is written over what is saved there now.
    bool unchanged = false;
    const QString fileName = QFileInfo(drivec::hostPath(paths::masterFile(record.code))).fileName();
    if (m_calledUpCode == record.code || !m_masterFilesAtStart.contains(fileName)) {
        const loadedcompany::Plan plan = loadedcompany::merge(
            m_calledUpCode == record.code ? m_loaded : LoadedCompany{}, record, title);
        if (plan.kind == loadedcompany::Plan::Kind::Refused)
            return false;
        record = plan.record;
        unchanged = plan.kind == loadedcompany::Plan::Kind::Unchanged;
        // The dates kept from the file with those typed here must still make a year.
        if (const std::optional<QString> problem =
                companyboxes::yearProblem(companyBoxes(), record);
            problem && !unchanged) {
            messages::warn(title, *problem + QStringLiteral("\n（保存されている日付と入力した"
                                                            "日付を合わせた事業年度です。）"));
            return false;
        }
    } else if (!mayReplaceMasterFile(record)) {
        return false;
    }

    drivec::createFolder(paths::dataFolder());
    if (!drivec::createFolder(paths::masterFolder())) {
        m_loaded.askIfDeleted = false;
        messages::warn(
            title,
            QStringLiteral("フォルダ「%1」を作ることができません。").arg(paths::masterFolder()));
        return false;
    }
    // The sections' folder is only needed by the data-entry screens; the master file can
    // be saved without it.
    drivec::createFolder(paths::statementFolder());

    if (!unchanged) {
        status = masterfile::write(record);
        if (!status.ok()) {
            m_loaded.askIfDeleted = false;
            messages::warn(title, status.message());
            return false;
        }
        if (!status.notice().isEmpty())
            messages::inform(title, status.notice());
    }
    m_record = record;

    close();
    if (Screen* menu = app().screen(screens::mainMenu)) {
        menu->companiesChanged();
        menu->show();
    }
    return true;
}

bool RegistrationScreen::mayReplaceMasterFile(const CompanyRecord& record) {
    if (m_calledUpCode == record.code)
        return true;
    // A new code, or a file the write will refuse anyway (with its own message).
    if (!QFileInfo(drivec::hostPath(paths::masterFile(record.code))).isFile() ||
        FileChannel::instance().isOpen())
        return true;
    CompanyRecord stored;
    const bool named = masterfile::read(record.code, 3, stored);
    if (named && stored.name.trimmed() == record.name.trimmed())
        return true;

    const QString registered = named
                                   ? QStringLiteral("「%1」が登録されています。").arg(stored.name)
                                   : QStringLiteral("法人名を読み取れない会社が登録されています。");
    const MessageBox question{text(saveButton),
                              QStringLiteral("法人コード%1には%2\n「%3」で上書きしますか？")
                                  .arg(record.code)
                                  .arg(registered, record.name),
                              MessageBox::Icon::Exclamation, MessageBox::Buttons::YesNo};
    return messages::show(question) == MessageBox::Answer::Yes;
}

} // namespace gaikyo
