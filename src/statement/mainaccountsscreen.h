#pragma once

#include "recordscreen.h"

namespace gaikyo {

// Form3 "資産の内容": items 7 主要科目, 8, 9 and 10 of the front page, 48 integers in
// file 30. Amounts show with digit-group commas, the six 有/無 boxes in plain decimal.
class MainAccountsScreen : public RecordScreen {
    Q_OBJECT
public:
    explicit MainAccountsScreen(Application& app);

    static const QString importButton; // Command10 "試算表から取込"

protected:
    // The 有/無 boxes of items 8 and 9 show ○ for a tick and take a mark (markbox.h).
    QString shownInteger(const QString& box, qint32 value) const override;
    qint32 typedInteger(const QString& box, const QString& text) const override;
    QString savedForm(const QString& box, const QString& text, const QString& saved) const override;
    // A text in a 有/無 box that is no mark refuses the save, naming the box.
    bool completeRecord(SectionRecord& record) override;
};

} // namespace gaikyo
