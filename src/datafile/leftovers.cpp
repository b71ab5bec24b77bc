#include "leftovers.h"

#include "discard.h"
#include "drivec.h"
#include "folderlisting.h"
#include "wholefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace gaikyo::leftovers {

namespace {

bool matchesWhole(const QRegularExpression& pattern, const QString& text) {
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() && match.capturedStart() == 0 && match.capturedLength() == text.size();
}

// A name beside the file that says what the copy is and when it was written, and that
// no file holds yet.
QString asideName(const QDir& folder, const QString& savedName, const QDateTime& written) {
    const QString base = savedName + QStringLiteral(".中断された保存-") +
                         written.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base + QStringLiteral(".txt");
    for (int n = 2; folder.exists(name); ++n)
        name = base + QStringLiteral("-%1.txt").arg(n);
    return name;
}

} // namespace

Cleared clearSaveLeftovers(const QString& windowsFolder, const QRegularExpression& ownNames,
                           std::chrono::seconds olderThan) {
    Cleared cleared;
    const QDir folder(drivec::hostPath(windowsFolder));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThan.count());
    // The names are gathered first: the folder is not changed while it is listed.
    struct Leftover {
        QString name;
        QString savedName;
        QDateTime written;
    };
    QList<Leftover> found;
    for (const folderlisting::FileStamp& file :
         folderlisting::files(folder.path(), QLatin1StringView(".tmp"))) {
        const std::optional<QString> saved = wholefile::savedNameOf(file.name);
        const QDateTime written = QDateTime::fromMSecsSinceEpoch(file.changed / 1000000, Qt::UTC);
        if (saved && matchesWhole(ownNames, *saved) && written < before)
            found.append({file.name, *saved, written});
    }

    QStringList useless;
    for (const Leftover& leftover : std::as_const(found)) {
        const wholefile::Read left = wholefile::read(folder.filePath(leftover.name));
        // What cannot be read cannot be judged: it stays as it is.
        if (left.outcome != wholefile::Read::Outcome::Read)
            continue;
        const wholefile::Read beside = wholefile::read(folder.filePath(leftover.savedName));
        const QByteArray besideBytes =
            beside.outcome == wholefile::Read::Outcome::Read ? beside.bytes : QByteArray();
        // A save stopped part-way has written the start of what it saves: when that
        // already stands in the file, nothing is lost with it.
        if (besideBytes.startsWith(left.bytes)) {
            useless.append(windowsFolder + leftover.name);
            continue;
        }
        const QString aside = asideName(folder, leftover.savedName, leftover.written);
        if (QFile::rename(folder.filePath(leftover.name), folder.filePath(aside)))
            cleared.keptAside.append(windowsFolder + aside);
    }
    // Out of the way, never destroyed: where the trash cannot take them, into a folder of
    // the program's own.
    const discard::Outcome outcome = discard::discard(
        useless, discard::folderName({QStringLiteral("中断された保存の残り"), discard::today()}));
    cleared.discarded = int(outcome.inTrash.size() + outcome.kept.size());
    cleared.moved = outcome;
    return cleared;
}

QString keptAsideMessage(const QStringList& keptAside) {
    return QStringLiteral("保存が途中で止まったままのファイルがありました。保存されずに終わった"
                          "内容を、次の名前で同じフォルダに残しました。\n\n%1\n\n元のファイルは"
                          "そのままです。内容を確かめて、要らなければ削除してください。")
        .arg(keptAside.join(QLatin1Char('\n')));
}

} // namespace gaikyo::leftovers
