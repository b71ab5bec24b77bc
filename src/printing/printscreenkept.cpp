// The print screen's "過年度の控え": the years the company closed with "翌期更新", each
// kept with its files and its PDF.
#include "printscreen.h"

#include "datafile/drivec.h"
#include "datafile/numbers.h"
#include "formpdf.h"
#include "printerservice.h"
#include "screen/application.h"
#include "screen/messages.h"
#include "screen/platform.h"

#include <QFileInfo>
#include <QUrl>

namespace gaikyo {

using namespace controls;

namespace {

const QString keptList = QStringLiteral("List1");
const QString openButton = QStringLiteral("Command23");
const QString printButton = QStringLiteral("Command24");

} // namespace

void PrintScreen::addKeptYearControls() {
    add(label(QStringLiteral("Label1"), QStringLiteral("過年度の控え"),
              QRect(120, 5220, 1455, 255)));
    add(listBox(keptList, QRect(1680, 5160, 5655, 1155)));
    add(button(openButton, QStringLiteral("控えのPDFを開く"), QRect(1680, 6420, 2700, 375)));
    add(button(printButton, QStringLiteral("控えを印刷（A4）"), QRect(4500, 6420, 2835, 375)));
    onClick(openButton, [this] { openKeptPdf(); });
    onClick(printButton, [this] { printKeptYear(); });
}

void PrintScreen::showKeptYears() {
    const int chosen = selectedRow(keptList);
    const QString chosenName =
        chosen >= 0 && chosen < m_keptYears.size() ? m_keptYears.at(chosen).name : QString();
    m_keptYears = m_loadedCode ? keptyears::list(*m_loadedCode) : QList<keptyears::KeptYear>();
    QStringList names;
    int row = m_keptYears.isEmpty() ? -1 : 0;
    for (const keptyears::KeptYear& year : m_keptYears) {
        if (year.name == chosenName)
            row = int(names.size());
        names.append(year.name);
    }
    setItems(keptList, names);
    setSelectedRow(keptList, row);
}

void PrintScreen::showNewYear(qint32 code) {
    if (m_loadedCode == code && changedBoxes().isEmpty())
        click(QStringLiteral("Command1"));
    else
        showKeptYears();
}

const keptyears::KeptYear* PrintScreen::chosenKeptYear(const QString& title) {
    const int row = selectedRow(keptList);
    if (m_keptYears.isEmpty()) {
        messages::warn(title,
                       QStringLiteral("この会社には年度の控えがありません。控えは「次年度繰越」"
                                      "の「翌期更新」で作られます。"));
        return nullptr;
    }
    if (row < 0 || row >= m_keptYears.size()) {
        messages::warn(title, QStringLiteral("「過年度の控え」で年度を選んでください。"));
        return nullptr;
    }
    return &m_keptYears.at(row);
}

void PrintScreen::openKeptPdf() {
    const QString title = QStringLiteral("控えのPDFを開く");
    const keptyears::KeptYear* year = chosenKeptYear(title);
    if (!year)
        return;
    const QString host = drivec::hostPath(year->pdf);
    if (year->pdf.isEmpty() || !QFileInfo(host).isFile()) {
        messages::warn(title, QStringLiteral("「%1」の控えにはPDFがありません。").arg(year->name));
        return;
    }
    app().platform().openAddress(QUrl::fromLocalFile(host).toString());
}

void PrintScreen::printKeptYear() {
    const QString title = QStringLiteral("控えを印刷");
    const keptyears::KeptYear* year = chosenKeptYear(title);
    if (!year)
        return;
    PrintRecords kept;
    const keptyears::Loaded loaded = keptyears::load(*year, kept);
    if (!loaded.status.ok()) {
        messages::warn(title, loaded.status.message());
        return;
    }
    PrinterService* printers = app().printers();
    const formpdf::Form form{kept, kept.company().referenceNumber, loaded.months};
    // The two pages of the year as its PDF holds them, each a print of its own.
    for (const bool front : {true, false}) {
        std::unique_ptr<PrintSurface> surface = printers ? printers->openDefaultPrinter() : nullptr;
        if (!surface) {
            messages::warn(
                title, QStringLiteral(
                           "プリンターがありません。プリンターを設定してから印刷してください。"));
            return;
        }
        if (!formpdf::drawPage(*surface, form, front)) {
            messages::warn(title,
                           QStringLiteral("印刷できませんでした。%1は印刷されていません。")
                               .arg(front ? QStringLiteral("表と裏") : QStringLiteral("裏")));
            return;
        }
    }
}

} // namespace gaikyo
