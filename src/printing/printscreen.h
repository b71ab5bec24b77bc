#pragma once

#include "keptyears.h"
#include "pageprinter.h"
#include "printcheck.h"
#include "printrecords.h"
#include "registry/loadedcompany.h"
#include "screen/screen.h"

namespace gaikyo {

// Form8 "印刷": the company header as it prints, the print offsets, and the four prints
// of the form (front or back, on the official sheet or on A4 copy paper).
class PrintScreen : public Screen {
    Q_OBJECT
public:
    explicit PrintScreen(Application& app);
    void load() override;
    // Shows the company's code in the hidden Text43 and its header, as "data" does.
    void openOn(qint32 code) override;

    const PrintRecords& printData() const { return m_data; }

    // The company's kept years in List1, the latest first (printscreenkept.cpp).
    void showKeptYears();
    const QList<keptyears::KeptYear>& keptYears() const { return m_keptYears; }
    // After the company's year was rolled forward: its header boxes show the new year,
    // unless they hold values typed and not saved (the next save merges those).
    void showNewYear(qint32 code);

protected:
    QString saveButtonFor(const QStringList& changed) const override;
    QString boxCaption(const QString& box) const override;
    QString savedForm(const QString& box, const QString& text, const QString& saved) const override;

private:
    void addControls();
    void loadHeader();    // "data"
    void fillHeader();    // its reading and showing
    bool loadPrintData(); // "データ"; false when the company's master file did not load
    bool saveHeader();    // "上記項目を登録"
    // The header boxes filled from a company record.
    void showHeader(const CompanyRecord& record);
    // What the header boxes would save over a record, each box that does not hold a
    // number keeping the record's value.
    CompanyRecord headerFromBoxes(const CompanyRecord& over) const;
    // Lines 1–15 of the company's master file, line 15 where the file has it.
    FileLoad readCompany(qint32 code, CompanyRecord& record) const;
    // A company whose master file did not load: every header box and the print data
    // emptied, so that nothing of the company before can be printed, offered or saved
    // under this one, and the user told which file it is.
    void forgetCompany(qint32 code, const FileLoad& load);
    void emptyHeaderBoxes();
    // 整理番号 of Text1: 0 when empty, nothing when it is not a number.
    std::optional<qint32> referenceNumber() const;
    void carryOver(); // "次年度繰越"
    void print(bool front, PagePrinter::Sheet sheet);
    void saveAsPdf();   // "PDFに保存": both pages as the A4 prints draw them
    void showPreview(); // "印刷プレビュー": the four prints as they will come out
    // "過年度の控え": the list of kept years, the buttons that open a kept PDF with the
    // system's viewer and print a kept year again from its files.
    void addKeptYearControls();
    const keptyears::KeptYear* chosenKeptYear(const QString& title);
    void openKeptPdf();
    void printKeptYear();
    // The header saved and every file read again, as before every print. False when
    // there is no company to print (the user has been told).
    bool prepare();
    // "印刷前の確認": false when the user goes back; silent when all is well.
    bool checkBeforePrinting(printcheck::Pages pages) const;
    bool drawPage(PrintSurface& surface, bool front, PagePrinter::Sheet sheet) const;
    QList<std::optional<qint32>> months(qint32 code) const;
    // Picture1 and Picture2: the empty front and back page of the form; the front names
    // the eras of the business year being printed.
    QImage pagePicture(bool front) const;

    PrintRecords m_data;
    // The company the screen is opened on.
    std::optional<qint32> m_companyCode;
    // The company whose master file the header boxes and the print data hold.
    std::optional<qint32> m_loadedCode;
    // What the header boxes were last loaded from (or saved to): a save writes only the
    // boxes changed since, never undoing what another screen or computer saved meanwhile.
    LoadedCompany m_loadedHeader;
    // The damaged or short section files of the last load of the print data.
    QList<FileLoad> m_damagedFiles;
    QImage m_backPicture;
    QList<keptyears::KeptYear> m_keptYears;
};

} // namespace gaikyo
