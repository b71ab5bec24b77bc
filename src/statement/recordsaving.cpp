#include "recordsaving.h"

#include "screen/messages.h"
#include "sectionfile.h"

namespace gaikyo::recordsaving {

QString saveTitle() {
    return QStringLiteral("登録実行");
}

bool saveOrWarn(std::optional<qint32> code, const RecordLayout& layout,
                const SectionRecord& record) {
    if (!code) {
        messages::warn(saveTitle(), QStringLiteral("会社が選ばれていません。メインメニューで会社を"
                                                   "選んでから登録してください。"));
        return false;
    }
    const Status status = sectionfile::save(*code, layout, record);
    if (!status.ok()) {
        messages::warn(saveTitle(), status.message());
        return false;
    }
    if (!status.notice().isEmpty())
        messages::inform(saveTitle(), status.notice());
    return true;
}

void tellIfDamaged(const FileLoad& load) {
    if (load.damaged())
        messages::warn(QStringLiteral("ＤＡＴＡ"), load.shownInPartMessage());
}

qsizetype fieldsHeld(const FileLoad& load, qsizetype fieldCount) {
    switch (load.outcome) {
    case FileLoad::Outcome::Loaded:
    case FileLoad::Outcome::Cut:
        return fieldCount;
    case FileLoad::Outcome::Short:
        return qMin<qsizetype>(load.missingFromLine - 1, fieldCount);
    case FileLoad::Outcome::Missing:
    case FileLoad::Outcome::Damaged:
        break;
    }
    return 0;
}

} // namespace gaikyo::recordsaving
