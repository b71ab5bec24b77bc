#pragma once

#include "recordscreen.h"

namespace gaikyo {

// Form6 "月別表": items 17 月別の売上高等の状況 and 18 当期の営業成績の概要 of the back
// page, in file 60. The table's rows follow the business year, whose first month comes
// from the company master file; each time the rows are labelled, the month order file
// that the back page prints from is written too. Saving recomputes the 計 row of the
// six money columns.
class MonthlyTableScreen : public RecordScreen {
    Q_OBJECT
public:
    explicit MonthlyTableScreen(Application& app);

    static const QString monthButton;  // Command3 "月表示", hidden, pressed by code
    static const QString monthStep;    // the same step as the main menu names it
    static const QString importButton; // Command10 "推移表から取込"

    // The box of cell (row, column), both counted from 1: rows 1-12 the months, 13 計,
    // 14 前期の実績.
    static QString cellBox(int row, int column);
    // The month label of a row, 1-12.
    static QString monthLabel(int row);

    void load() override;
    // The rows are labelled with the company's months once its file is loaded.
    void openOn(qint32 code) override;

protected:
    void clearBoxes() override;
    void afterLoad() override;
    bool completeRecord(SectionRecord& record) override;
    QSet<qsizetype> derivedFields() const override;
    // The rows are saved only under the months they were typed under: the labels must
    // still follow the company's business year.
    bool mayWrite(qint32 code) override;

private:
    void addControls();
    void showMonthOrder(); // "月表示"

    // The calendar month of each row, from the company's business year, as the labels
    // show them; empty while the labels are.
    QList<int> m_rowMonths;
};

} // namespace gaikyo
