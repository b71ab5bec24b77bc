#include "bookcsv.h"

#include "datafile/cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace gaikyo::bookcsv {

namespace {

QString notCsvMessage(const QString& fileName) {
    return QStringLiteral("「%1」はCSVファイルではないようです。会計ソフトから書き出した"
                          "CSVファイルを選んでください。")
        .arg(fileName);
}

QString tooLargeMessage(const QString& fileName) {
    return QStringLiteral("「%1」は大きすぎます（%2MBまで）。会計ソフトから書き出した"
                          "CSVファイルを選んでください。")
        .arg(fileName)
        .arg(maxBytes / (1024 * 1024));
}

QString unreadableMessage(const QString& fileName) {
    return QStringLiteral("「%1」を読めませんでした。ファイルがあるか、ほかのソフトで"
                          "開いたままになっていないか確かめてください。")
        .arg(fileName);
}

QList<QStringList> splitRows(const QString& text, QChar separator) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool rowHasContent = false;
    const auto endField = [&] {
        row.append(field);
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        rows.append(row);
        row.clear();
        rowHasContent = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            rowHasContent = true;
        } else if (c == separator) {
            endField();
            rowHasContent = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            field.append(c);
            rowHasContent = true;
        }
    }
    if (rowHasContent || !field.isEmpty())
        endRow();
    return rows;
}

} // namespace

std::optional<QString> decodeText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return std::nullopt;
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom))
        return QString::fromUtf8(bytes.mid(bom.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError())
        return asUtf8;
    const QString asCp932 = cp932::decode(bytes);
    if (asCp932.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return asCp932;
}

Table parse(const QByteArray& bytes) {
    const std::optional<QString> text = decodeText(bytes);
    if (!text)
        return {{}, notCsvMessage(QString())};
    // Some programs write tabs; a file without a single comma is read that way.
    const QChar separator = !text->contains(QLatin1Char(',')) && text->contains(QLatin1Char('\t'))
                                ? QLatin1Char('\t')
                                : QLatin1Char(',');
    Table table{splitRows(*text, separator), {}};
    // A text without a single line of two fields is no table at all.
    const bool anyTable = std::any_of(table.rows.cbegin(), table.rows.cend(),
                                      [](const QStringList& row) { return row.size() > 1; });
    if (!anyTable && !table.rows.isEmpty())
        table.error = notCsvMessage(QString());
    return table;
}

Table readFile(const QString& hostPath) {
    const QFileInfo info(hostPath);
    const QString name = info.fileName();
    if (info.exists() && info.isFile() && info.size() > maxBytes)
        return {{}, tooLargeMessage(name)};
    QFile file(hostPath);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {{}, unreadableMessage(name)};
    // Read one byte past the limit so that a file that grew meanwhile is caught too.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, unreadableMessage(name)};
    if (bytes.size() > maxBytes)
        return {{}, tooLargeMessage(name)};
    Table table = parse(bytes);
    if (!table.error.isEmpty())
        table.error = notCsvMessage(name);
    return table;
}

} // namespace gaikyo::bookcsv
