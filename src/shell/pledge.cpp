#include "pledge.h"

#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "datafile/valuefile.h"

namespace gaikyo::pledge {

namespace {

const QString acceptedSentence = QStringLiteral("誓約文を私は承諾します。");
const QString refusedSentence = QStringLiteral("私は、誓約文に不承諾です。");
const QString title = QStringLiteral("【誓　　約　　文】");

Status writeLines(const QStringList& lines) {
    ValueWriter writer;
    for (const QString& line : lines)
        writer.text(line, QStringLiteral("誓約文"));
    drivec::ensureProgramFiles();
    // On Windows the setup program makes the file and lets every user change it; the
    // folder itself takes no new file from a standard user, so the file is written in
    // place there.
    return FileChannel::instance().write(filePath(), writer.bytes(),
                                         wholefile::InPlace::WhenFolderIsClosed);
}

} // namespace

QString filePath() {
    return QStringLiteral("c:\\Program Files\\法人税事業概況書の誓約書.txt");
}

QStringList acceptedLines() {
    // Lines 3 to 5 use the half-width ､ and ｡, and lines 3 and 5 end in a space: the
    // file has always been written so.
    return {
        acceptedSentence,
        title,
        QStringLiteral("本ソフトの使用の結果についての責任は､本ソフト使用者にその責任が総て帰属する"
                       "ものとします｡直接的または間接的に何らかの不利益が発生したときでも､本ソフト"
                       "制作者には何らの責任がないことを本ソフト使用者は確認します｡ "),
        QStringLiteral(
            "この条件を許諾できる場合にのみ､本ソフトの使用を許可します｡本条件に不承諾であっとしても"
            "､本ソフトを使用したその時点において､上記誓約文に承諾したものとします｡"),
        QStringLiteral("本誓約文を読まずに使用したとしても､本ソフトの使用の時点より､上記誓約文に承"
                       "諾したものとします｡ "),
        QStringLiteral("また、本ソフト使用においてパソコン等に何らかの影響が生じても本ソフト制作者"
                       "には関係ないことを確認します。"),
    };
}

QStringList refusedLines() {
    return {refusedSentence, title, refusedSentence};
}

Stored stored() {
    const std::optional<QByteArray> file = FileChannel::instance().read(filePath());
    if (!file)
        return Stored::Unreadable;
    ValueReader reader(*file);
    const std::optional<QString> status = reader.text();
    if (!status)
        return Stored::Unreadable;
    if (*status == acceptedSentence)
        return Stored::Accepted;
    if (*status == refusedSentence)
        return Stored::Refused;
    return Stored::Other;
}

Status writeAccepted() {
    return writeLines(acceptedLines());
}
Status writeRefused() {
    return writeLines(refusedLines());
}

QString failureTitle() {
    return QStringLiteral("誓約文の記録");
}

} // namespace gaikyo::pledge
