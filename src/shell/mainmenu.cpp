#include "mainmenu.h"

#include "datafile/discard.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "datafile/folderwatch.h"
#include "datafile/leftovers.h"
#include "datafile/numbers.h"
#include "labelrows.h"
#include "pledge.h"
#include "registry/companyboxes.h"
#include "registry/companylist.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "registry/registrationscreen.h"
#include "screen/application.h"
#include "screen/erabox.h"
#include "screen/eralabel.h"
#include "screen/messages.h"
#include "screen/platform.h"
#include "screens.h"
#include "statement/recordlayouts.h"
#include "supportlinks.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <QTimer>
#include <algorithm>

namespace gaikyo {

using namespace controls;

namespace {
const QSize buttonSize(1095, 375);
// The current company's code, as the user types it or picks it from a list.
const QString codeBox = QStringLiteral("Text1");
const QString nameBox = QStringLiteral("Text2");
const QString callUpButton = QStringLiteral("Command2");   // "会社呼出"
const QString registerButton = QStringLiteral("Command1"); // "会社登録"
const QString deleteButton = QStringLiteral("Command8");   // "登録の削除をする"
// The two lists: the companies of this program, and those of the corporate-tax program.
const QString companyList = QStringLiteral("List2");
const QString registryList = QStringLiteral("List1");

QRect at(int left, int top) {
    return QRect(QPoint(left, top), buttonSize);
}

// A button of a column: its name, its caption and its top.
struct ColumnButton {
    const char* name;
    const char* caption;
    int top;
};

// The current company as the menu shows it: its name beside the code, then its business
// year.
const QList<CompanyBox>& companyBoxes() {
    static const QList<CompanyBox> boxes =
        QList<CompanyBox>{{nameBox, &CompanyRecord::name}} + companyboxes::businessYear();
    return boxes;
}

} // namespace

MainMenu::MainMenu(Application& app)
    : Screen(app, screens::mainMenu, QStringLiteral("法人税事業概況書(FB1005)"), QSize(11925, 8625),
             Unit::Twips) {
    setBackground(QColor(192, 255, 192));
    addControls();

    onClick(QStringLiteral("Command17"), [this] { refillCompanyList(); });
    onClick(QStringLiteral("Command10"), [this] {
        FileChannel::instance().close();
        this->app().platform().beep();
    });
    onClick(QStringLiteral("Command11"), [this] { this->app().quit(); });
    onClick(QStringLiteral("Command13"), [] {});
    onClick(callUpButton, [this] { callUpCompany(); });
    onClick(companyList, [this] { selectFromCompanyList(); });
    onClick(registryList, [this] { takeFromRegistryList(); });
    onClick(registerButton, [this] { registerCompany(); });
    onClick(QStringLiteral("Command9"), [this] { clearCompanyCode(); });
    onClick(deleteButton, [this] { deleteCompany(); });

    for (const CompanyScreen& target : companyScreens())
        onClick(target.button, [this, target] { openOnCurrentCompany(target); });
    onClick(QStringLiteral("Command27"), [this] {
        if (Screen* screen = this->app().screen(screens::printers))
            screen->show();
    });
    onClick(QStringLiteral("Command22"), [this] {
        if (Screen* screen = this->app().screen(screens::disclaimer))
            screen->show();
    });
    onClick(QStringLiteral("Command20"),
            [this] { this->app().platform().openAddress(supportlinks::forum()); });
    onClick(QStringLiteral("Command24"), [this] {
        this->app().platform().openAddress(supportlinks::mailAddress(supportlinks::mailbox()));
    });
    onClick(QStringLiteral("Command25"),
            [this] { this->app().platform().openAddress(supportlinks::homePage()); });
}

void MainMenu::addControls() {
    const QColor cyan = entryCyan();
    Control& code = add(textBox(codeBox, QRect(0, 0, 855, 375)));
    code.alignment = Qt::AlignRight | Qt::AlignVCenter;
    add(button(QStringLiteral("Command9"), QStringLiteral("会社コードクリア"),
               QRect(0, 360, 855, 375)));
    add(button(callUpButton, QStringLiteral("会社呼出"), QRect(840, 0, 1095, 375)));
    add(textBox(nameBox, QRect(1920, 0, 3735, 375), QStringLiteral("　"))).background =
        QColor(255, 255, 192);
    add(button(QStringLiteral("Command10"), QStringLiteral("ファイル閉鎖"),
               QRect(5640, 0, 1335, 375)));

    // The business year: the era word, then the year in that era, month and day.
    for (const auto& [date, left] :
         {std::pair{&erabox::yearStart(), 6960}, std::pair{&erabox::yearEnd(), 8880}}) {
        add(textBox(date->word, QRect(left, 0, 855, 375), date->side + QStringLiteral("令和")))
            .background = cyan;
        const QString parts[] = {date->year, date->month, date->day};
        for (int i = 0; i < 3; ++i) {
            Control& box = add(textBox(parts[i], QRect(left + 840 + 360 * i, 0, 375, 375)));
            box.background = cyan;
            box.alignment = Qt::AlignRight | Qt::AlignVCenter;
        }
    }

    // Under each year, the same year as people count it today.
    addEraLabel(*this, erabox::yearStart(), QStringLiteral("EraLabel1"),
                QRect(7590, 390, 2100, 255), QStringLiteral("自 "));
    addEraLabel(*this, erabox::yearEnd(), QStringLiteral("EraLabel2"), QRect(9720, 390, 2205, 255),
                QStringLiteral("至 "));

    add(button(QStringLiteral("Command17"), QStringLiteral("法人税の目次"),
               QRect(0, 720, 1095, 735)));
    const ColumnButton column[] = {
        {"Command1", "会社登録", 1440},  {"Command15", "概況書１", 1800},
        {"Command19", "概況書２", 2160}, {"Command12", "概況書３", 2520},
        {"Command4", "概況書４", 2880},  {"Command5", "概況書５", 3240},
        {"Command3", "印   刷", 3600},   {"Command11", "終　了", 3960},
        {"Command13", "データ", 4320},
    };
    for (const auto& b : column)
        add(button(QString::fromLatin1(b.name), QString::fromUtf8(b.caption), at(0, b.top)));
    add(button(deleteButton, QStringLiteral("登録の削除をする"), QRect(0, 6480, 1095, 1335))).font =
        FontSpec{{}, 14.25, true};

    add(listBox(companyList, QRect(1560, 480, 6015, 5460))).background = cyan;
    add(listBox(registryList, QRect(1560, 6120, 6015, 2310))).background = cyan;

    Control& formCode =
        add(label(QStringLiteral("Label3"), QStringLiteral("FB1005"), QRect(8280, 840, 2655, 735)));
    formCode.font = FontSpec{{}, 36, true};
    formCode.foreground = QColor(255, 128, 0);
    add(button(QStringLiteral("Command22"), QStringLiteral("使用上の注意"),
               QRect(8160, 1920, 2055, 495)));

    add(frame(QStringLiteral("Frame1"), QStringLiteral("インターネット接続"),
              QRect(8160, 3360, 3012, 1572)));
    const ColumnButton links[] = {{"Command20", "サポートセンターへ接続", 360},
                                  {"Command24", "メールを出す", 720},
                                  {"Command25", "Tesmoriのホームページ", 1080}};
    for (const auto& link : links)
        add(button(QString::fromLatin1(link.name), QString::fromUtf8(link.caption),
                   QRect(120, link.top, 2772, 372)))
            .frame = QStringLiteral("Frame1");

    const LabelRow notices[] = {
        {"Label6", "不具合がある時は直ちに使用を中止して下さい。", QRect(8160, 5160, 3375, 615)},
        {"Label1", "これはフリーソフトです。", QRect(8160, 6000, 3135, 375)},
        {"Label2", "提出にあたっては税務署と綿密にご相談ください。", QRect(8160, 6600, 3135, 615)},
    };
    addLabels(*this, notices, FontSpec{{}, 13.5, true}, QColor(255, 0, 0));
    add(button(QStringLiteral("Command27"), QStringLiteral("プリンターの設定変更"),
               QRect(9240, 8160, 2655, 375)));

    // A code typed, Enter: on to "会社呼出" beside it, not to "会社コードクリア" below.
    setTabOrder({codeBox, callUpButton});
}

bool MainMenu::startUp() {
    refillCompanyList();
    refillRegistryList();
    checkPledge();
    if (app().hasEnded())
        return false;
    watchFolders();
    show();
    // Not urgent, and a look through every file name of the folders: a little after the
    // menu shows, so that the start is not held up by it.
    QTimer::singleShot(leftoversDelayMs, this, [this] { clearSaveLeftovers(); });
    return true;
}

void MainMenu::clearSaveLeftovers() {
    // Only temporary files of the program's own saves beside its own files; every other
    // file (a copy the user keeps, another program's file) and a save going on right now
    // on another computer are left alone.
    const QRegularExpression masterNames(QStringLiteral("-?[0-9]+\\.txt"));
    const QRegularExpression sectionNames(QStringLiteral("(月)?-?[0-9]+\\.txt"));
    const QString pledgeFile = pledge::filePath();
    const qsizetype folderEnd = pledgeFile.lastIndexOf(QLatin1Char('\\')) + 1;
    const leftovers::Cleared cleared[] = {
        leftovers::clearSaveLeftovers(paths::masterFolder(), masterNames),
        leftovers::clearSaveLeftovers(paths::statementFolder(), sectionNames),
        leftovers::clearSaveLeftovers(
            pledgeFile.left(folderEnd),
            QRegularExpression(QRegularExpression::escape(pledgeFile.mid(folderEnd))))};
    QStringList keptAside;
    for (const leftovers::Cleared& folder : cleared) {
        keptAside += folder.keptAside;
        // The trash could not take them: the user hears where they are.
        const QString moved =
            discard::message(folder.moved, QStringLiteral("中断された保存の残りのファイル"));
        if (!moved.isEmpty())
            messages::inform(QStringLiteral("中断された保存"), moved);
    }
    // Told once: the copies now bear names that no later clean-up takes for its own.
    if (!keptAside.isEmpty())
        messages::inform(QStringLiteral("中断された保存"), leftovers::keptAsideMessage(keptAside));
}

void MainMenu::watchFolders() {
    if (m_companyWatch)
        return;
    m_companyWatch =
        new FolderWatch(paths::masterFolder(), this, companylist::takeStartUpCompanyFolder());
    connect(m_companyWatch, &FolderWatch::changed, this, [this] { refillCompanyList(); });
    m_registryWatch =
        new FolderWatch(paths::registryFolder(), this, companylist::takeStartUpRegistryFolder());
    connect(m_registryWatch, &FolderWatch::changed, this, [this] { refillRegistryList(); });
}

void MainMenu::refillList(const QString& list, const QStringList& items) {
    const int row = selectedRow(list);
    const std::optional<qint32> selected =
        row >= 0 && row < this->items(list).size()
            ? companylist::codeFromItem(this->items(list).at(row))
            : std::nullopt;
    setItems(list, items);
    if (!selected)
        return;
    for (qsizetype i = 0; i < items.size(); ++i)
        if (companylist::codeFromItem(items.at(i)) == selected) {
            setSelectedRow(list, int(i));
            return;
        }
}

void MainMenu::refillCompanyList() {
    // Noted before the files are read: a change made while they are read is told.
    if (m_companyWatch)
        m_companyWatch->noteCurrent();
    refillList(companyList, companylist::companyItems());
}

void MainMenu::refillRegistryList() {
    if (m_registryWatch)
        m_registryWatch->noteCurrent();
    refillList(registryList, companylist::registryItems());
}

void MainMenu::checkPledge() {
    switch (pledge::stored()) {
    case pledge::Stored::Accepted:
    case pledge::Stored::Other:
        return;
    case pledge::Stored::Refused: {
        const MessageBox question{QStringLiteral("誓約文が不承諾のために使用できません"),
                                  QStringLiteral("誓約文を承諾しますか　？"),
                                  MessageBox::Icon::None, MessageBox::Buttons::YesNo};
        if (messages::show(question) != MessageBox::Answer::Yes) {
            app().endProgram();
            return;
        }
        break;
    }
    case pledge::Stored::Unreadable:
        break;
    }
    // A first start, or a refusal taken back: the pledge counts as accepted. Should the
    // file not be writable, the user is told and the program goes on all the same.
    refillRegistryList();
    const Status written = pledge::writeAccepted();
    if (!written.ok())
        messages::warn(pledge::failureTitle(), written.message());
}

void MainMenu::closeBoxPressed() {
    app().quit();
}

const QList<MainMenu::CompanyScreen>& MainMenu::companyScreens() {
    static const QList<CompanyScreen> screensOnCompany{
        {QStringLiteral("Command15"), screens::sections},
        {QStringLiteral("Command19"), screens::mainAccounts},
        {QStringLiteral("Command12"), screens::businessForm},
        {QStringLiteral("Command4"), screens::taxAccountant},
        {QStringLiteral("Command5"), screens::monthlyTable},
        {QStringLiteral("Command3"), screens::print},
    };
    return screensOnCompany;
}

std::optional<qint32> MainMenu::currentCode(const QString& operation) {
    const std::optional<qint32> code = typedCode(codeBox);
    if (!code)
        messages::warn(operation, QStringLiteral("会社コードを数字で入力してください。"));
    return code;
}

void MainMenu::openOnCurrentCompany(const CompanyScreen& target) {
    if (const std::optional<qint32> code = currentCode(control(target.button).text))
        app().open(target.screen, *code);
}

void MainMenu::callUpCompany() {
    const std::optional<qint32> code = typedCode(codeBox);
    if (!code)
        return;
    CompanyRecord record;
    if (!masterfile::read(*code, 11, record))
        return;
    companyboxes::show(*this, companyBoxes(), record);
    // A company called up opens on its item 1, as "概況書１" does.
    app().open(screens::sections, *code);
}

void MainMenu::selectFromCompanyList() {
    const int row = selectedRow(companyList);
    if (row < 0)
        return;
    const std::optional<qint32> code = companylist::codeFromItem(items(companyList).at(row));
    if (!code)
        return;
    setText(codeBox, plainDecimal(*code));
    click(callUpButton);
}

void MainMenu::takeFromRegistryList() {
    const int row = selectedRow(registryList);
    if (row < 0)
        return;
    // Every failure is told in the system's words under the operation's name, and the
    // current company is then forgotten.
    const auto fail = [this](const QString& description) {
        messages::warn(QStringLiteral("会社呼出"), description);
        clearCompanyCode();
    };
    const std::optional<qint32> code = companylist::codeFromItem(items(registryList).at(row));
    if (!code) {
        fail(QStringLiteral("型が一致しません。"));
        return;
    }
    // A registration typed and not saved is asked about before another company
    // replaces it.
    if (Screen* open = app().existing(screens::registration); open && !open->settleUnsaved())
        return;
    auto* registration = app().screenAs<RegistrationScreen>(screens::registration);
    if (!registration) {
        fail(QStringLiteral("登録の画面を開けません。"));
        return;
    }
    registration->callUp(*code);
    if (!registration->callUpFailure().isEmpty()) {
        fail(registration->callUpFailure());
        return;
    }
    registration->show();
}

void MainMenu::registerCompany() {
    auto* registration = app().screenAs<RegistrationScreen>(screens::registration);
    if (!registration)
        return;
    registration->clear();
    const std::optional<qint32> code = currentCode(control(registerButton).text);
    if (!code)
        return;
    registration->handOver(*code);
    registration->show();
}

void MainMenu::clearCompanyCode() {
    setText(codeBox, QString());
    setText(nameBox, QString());
}

void MainMenu::deleteCompany() {
    const std::optional<qint32> code = typedCode(codeBox);
    if (!code)
        return;
    const QString title = control(deleteButton).text;
    QStringList files{paths::masterFile(*code)};
    if (paths::hasSectionFiles(*code))
        for (const int section : layouts::sectionNumbers())
            files.append(paths::sectionFile(*code, section));
    // The month order goes too: a new company under the same code must not print the
    // old company's months on its back page. So do the years kept of it.
    files.append(paths::monthOrderFile(*code));
    files.append(paths::keptYearsFolder(*code));
    const bool anyFile = std::any_of(files.cbegin(), files.cend(), [](const QString& file) {
        QString host = drivec::hostPath(file);
        if (host.endsWith(QLatin1Char('/')))
            host.chop(1);
        return QFileInfo::exists(host);
    });
    if (!anyFile) {
        messages::warn(
            title,
            QStringLiteral("法人コード%1の会社は登録されていません。").arg(plainDecimal(*code)));
        return;
    }
    // The company is named from its own file, not from the name box, which may still
    // show another company.
    CompanyRecord record;
    const bool named = masterfile::read(*code, 3, record);
    if (!confirmDeletion(*code, named ? std::optional<QString>(record.name) : std::nullopt))
        return;

    // Into the desktop's trash, so that a mistaken click can be undone from there; where
    // the trash cannot take them, into a folder of the program's own. Never deleted.
    const discard::Outcome outcome = discard::discard(
        files, discard::folderName(
                   {plainDecimal(*code), named ? record.name : QString(), discard::today()}));
    const QString told = discard::message(outcome, QStringLiteral("会社のファイル"));
    if (!told.isEmpty()) {
        if (outcome.stayed.isEmpty())
            messages::inform(title, told);
        else
            messages::warn(title, told);
    }
    // The company leaves the list at once, not only when the folder watch next looks.
    refillCompanyList();
}

bool MainMenu::confirmDeletion(qint32 code, const std::optional<QString>& name) {
    const QString company = name ? QStringLiteral("「%1」").arg(name->trimmed())
                                 : QStringLiteral("（法人名を読み取れない会社）");
    return messages::confirm(
        control(deleteButton).text,
        QStringLiteral("法人コード %1%2の登録を削除しますか？\n\n"
                       "この会社の見出し・概況書・月の順・過年度の控えのファイルは、"
                       "ごみ箱に移します（ごみ箱から元に戻せます）。")
            .arg(plainDecimal(code), company));
}

} // namespace gaikyo
