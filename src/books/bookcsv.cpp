#include "bookcsv.h"

#include "datafile/cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace gaikyo::bookcsv {

namespace {

QString named(const QString& fileName) {
    return fileName.isEmpty() ? QStringLiteral("このファイル")
                              : QStringLiteral("「%1」").arg(fileName);
}

QString notCsvMessage(const QString& fileName) {
    return QStringLiteral("%1はCSVファイルではないようです。会計ソフトから書き出した"
                          "CSVファイルを選んでください。")
        .arg(named(fileName));
}

QString spreadsheetMessage(const QString& fileName, const QString& kind) {
    return QStringLiteral("%1はCSVファイルではなく、表計算ソフトのブック（%2）です。表計算ソフト"
                          "で開き、「CSV（コンマ区切り）」の形式で保存し直してから選んでください。")
        .arg(named(fileName), kind);
}

QString utf16WithoutMarkMessage(const QString& fileName) {
    return QStringLiteral("%1はUTF-16の文字コードで書かれていますが、先頭にその印（BOM）がない"
                          "ため読み取れません。会計ソフトからCSV（Shift_JISまたはUTF-8）で書き"
                          "出し直すか、Excelで「Unicode テキスト」または「CSV（コンマ区切り）」"
                          "として保存し直してください。")
        .arg(named(fileName));
}

QString brokenUtf16Message(const QString& fileName) {
    return QStringLiteral("%1はUTF-16の文字コードのファイルですが、途中に読み取れない文字があり"
                          "ます。会計ソフトからもう一度書き出してください。")
        .arg(named(fileName));
}

QString tooLargeMessage(const QString& fileName) {
    return QStringLiteral("%1は大きすぎます（%2MBまで）。会計ソフトから書き出した"
                          "CSVファイルを選んでください。")
        // One arg() for both: a "%2" in the file's name stays as it is.
        .arg(named(fileName), QString::number(maxBytes / (1024 * 1024)));
}

QString unreadableMessage(const QString& fileName) {
    return QStringLiteral("%1を読めませんでした。ファイルがあるか、ほかのソフトで"
                          "開いたままになっていないか確かめてください。")
        .arg(named(fileName));
}

QString notAFileMessage(const QString& fileName) {
    return QStringLiteral("%1はふつうのファイルではないため読めません。会計ソフトから書き出した"
                          "CSVファイルを選んでください。")
        .arg(named(fileName));
}

// UTF-16 without its mark: text of mostly single-byte characters leaves every other
// byte zero.
std::optional<QStringConverter::Encoding> utf16WithoutMark(const QByteArray& bytes) {
    const qsizetype sample = std::min<qsizetype>(bytes.size() & ~qsizetype(1), 4096);
    if (sample < 4)
        return std::nullopt;
    qsizetype evenZero = 0;
    qsizetype oddZero = 0;
    for (qsizetype i = 0; i < sample; i += 2) {
        evenZero += bytes.at(i) == '\0' ? 1 : 0;
        oddZero += bytes.at(i + 1) == '\0' ? 1 : 0;
    }
    const qsizetype pairs = sample / 2;
    if (oddZero * 10 >= pairs * 3 && evenZero * 10 < pairs)
        return QStringConverter::Utf16LE;
    if (evenZero * 10 >= pairs * 3 && oddZero * 10 < pairs)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// Whether the bytes are UTF-8 throughout: checked before any text is made, so that a file
// in code page 932 is decoded once.
bool isUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int follow = 0;
        unsigned int value = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            value = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are no UTF-8.
        if ((follow == 2 && (value < 0x800 || (value >= 0xD800 && value <= 0xDFFF))) ||
            (follow == 3 && (value < 0x10000 || value > 0x10FFFF)))
            return false;
        i += follow + 1;
    }
    return true;
}

struct Decoded {
    std::optional<QString> text;
    QString error;
};

// The end-of-file byte that old programs put after the last line is no part of the text.
QByteArray withoutEndOfFileMark(const QByteArray& bytes) {
    qsizetype end = bytes.size();
    while (end > 0 && (bytes.at(end - 1) == '\r' || bytes.at(end - 1) == '\n'))
        --end;
    if (end == 0 || bytes.at(end - 1) != '\x1a')
        return bytes;
    while (end > 0 && bytes.at(end - 1) == '\x1a')
        --end;
    return bytes.left(end);
}

Decoded decode(const QByteArray& original, const QString& fileName) {
    // Byte-wise only for the 8-bit encodings: UTF-16 has its own form of the mark.
    const bool wide = original.startsWith("\xFF\xFE") || original.startsWith("\xFE\xFF");
    const QByteArray bytes = wide ? original : withoutEndOfFileMark(original);
    const auto utf16 = [&](QStringConverter::Encoding encoding) -> Decoded {
        QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
        QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
        if (decoder.hasError())
            return {std::nullopt, brokenUtf16Message(fileName)};
        return {std::move(text), {}};
    };
    if (bytes.startsWith("\xFF\xFE"))
        return utf16(QStringConverter::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return utf16(QStringConverter::Utf16BE);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {QString::fromUtf8(QByteArrayView(bytes).sliced(3)), {}};
    if (bytes.startsWith("PK\x03\x04"))
        return {std::nullopt, spreadsheetMessage(fileName, QStringLiteral(".xlsx など"))};
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return {std::nullopt, spreadsheetMessage(fileName, QStringLiteral(".xls"))};
    if (bytes.contains('\0')) {
        if (utf16WithoutMark(bytes))
            return {std::nullopt, utf16WithoutMarkMessage(fileName)};
        return {std::nullopt, notCsvMessage(fileName)};
    }
    if (isUtf8(bytes))
        return {QString::fromUtf8(bytes), {}};
    QString asCp932 = cp932::decode(bytes);
    if (asCp932.contains(QChar::ReplacementCharacter))
        return {std::nullopt, notCsvMessage(fileName)};
    return {std::move(asCp932), {}};
}

// The same mark in a text decoded from UTF-16.
void dropEndOfFileMarks(QString& text) {
    qsizetype end = text.size();
    bool marks = false;
    while (end > 0) {
        const char16_t c = text.at(end - 1).unicode();
        if (c == 0x1A)
            marks = true;
        else if (c != '\r' && c != '\n')
            break;
        --end;
    }
    if (marks)
        text.remove(QChar(0x1A));
}

// Tab-separated where most of the first lines hold a tab: figures such as 1,234 hold
// commas in tab-separated files too.
QChar separatorOf(const QString& text) {
    qsizetype lines = 0;
    qsizetype withTab = 0;
    qsizetype from = 0;
    while (from < text.size() && lines < 50) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).sliced(from, end - from).trimmed();
        if (!line.isEmpty()) {
            ++lines;
            withTab += line.contains(QLatin1Char('\t')) ? 1 : 0;
        }
        from = end + 1;
    }
    return withTab > 0 && withTab * 2 >= lines ? QLatin1Char('\t') : QLatin1Char(',');
}

class Parser {
public:
    Parser(const QString& text, QChar separator, Table& table, const Progress& progress)
        : m_d(text.constData()), m_n(text.size()), m_sep(separator), m_table(table),
          m_progress(progress) {}

    void run() {
        qsizetype nextReport = reportStep;
        while (m_pos < m_n) {
            if (m_progress && m_pos >= nextReport) {
                nextReport = m_pos + reportStep;
                if (!m_progress(m_pos, m_n)) {
                    m_table.cancelled = true;
                    return;
                }
            }
            row();
        }
    }

private:
    static constexpr qsizetype reportStep = 128 * 1024;
    static constexpr qsizetype maxLinesInQuotes = 100;

    bool isLineEnd(qsizetype i) const { return m_d[i] == u'\r' || m_d[i] == u'\n'; }
    bool isPadding(qsizetype i) const { return m_d[i] == u' ' && m_sep != u' '; }

    // Past one line end at m_pos.
    void skipLineEnd() {
        if (m_d[m_pos] == u'\r' && m_pos + 1 < m_n && m_d[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    struct Quoted {
        QString text;
        qsizetype end = 0; // just past the closing quote
        qsizetype lineEnds = 0;
    };

    // A quoted field from the quote at `at`; nothing where the quote is no field's quote:
    // never closed, or closed only after swallowing whole rows of other fields.
    std::optional<Quoted> quoted(qsizetype at) const {
        Quoted q;
        bool separatorInside = false;
        qsizetype i = at + 1;
        qsizetype runStart = i;
        for (;;) {
            if (i >= m_n)
                return std::nullopt;
            const QChar c = m_d[i];
            if (c == u'"') {
                q.text.append(QStringView(m_d + runStart, i - runStart));
                if (i + 1 < m_n && m_d[i + 1] == u'"') {
                    q.text.append(u'"');
                    i += 2;
                    runStart = i;
                    continue;
                }
                q.end = i + 1;
                break;
            }
            if (c == u'\n' || (c == u'\r' && !(i + 1 < m_n && m_d[i + 1] == u'\n'))) {
                // No field of an export runs over so many lines: the quote is a stray one,
                // and looking further would only make every stray quote cost the whole file.
                if (++q.lineEnds > maxLinesInQuotes)
                    return std::nullopt;
            } else if (c == m_sep)
                separatorInside = true;
            ++i;
        }
        if (q.lineEnds == 0)
            return q;
        // A line break inside quotes is a field's own only where no rows seem to hide in it
        // and the field ends where a field ends.
        qsizetype after = q.end;
        while (after < m_n && isPadding(after))
            ++after;
        const bool endsField = after >= m_n || m_d[after] == m_sep || isLineEnd(after);
        if (separatorInside || !endsField)
            return std::nullopt;
        return q;
    }

    // The text up to the next separator or line end, as written.
    QString plain() {
        const qsizetype start = m_pos;
        while (m_pos < m_n && m_d[m_pos] != m_sep && !isLineEnd(m_pos))
            ++m_pos;
        return QString(m_d + start, m_pos - start);
    }

    void row() {
        const qsizetype rowLine = m_line;
        QStringList fields;
        for (;;) {
            qsizetype at = m_pos;
            while (at < m_n && isPadding(at))
                ++at;
            if (at < m_n && m_d[at] == u'"') {
                if (const std::optional<Quoted> q = quoted(at)) {
                    m_pos = q->end;
                    m_line += q->lineEnds;
                    // Anything after the closing quote belongs to the field as written.
                    QString field = q->text + plain();
                    fields.append(field);
                } else {
                    m_table.notes.append(
                        QStringLiteral("%1行目の引用符（\"）が閉じられていないため、この行は"
                                       "引用符を文字として読みました。")
                            .arg(m_line));
                    fields.append(plain());
                }
            } else {
                fields.append(plain());
            }
            if (m_pos >= m_n) {
                m_table.lastLineUnended = true;
                break;
            }
            if (m_d[m_pos] == m_sep) {
                ++m_pos;
                continue;
            }
            skipLineEnd();
            break;
        }
        if (fields.size() == 1 && fields.first().trimmed().isEmpty()) {
            m_table.lastLineUnended = false;
            return;
        }
        m_table.rows.append(fields);
        m_table.lines.append(rowLine);
    }

    const QChar* m_d;
    qsizetype m_n;
    QChar m_sep;
    Table& m_table;
    const Progress& m_progress;
    qsizetype m_pos = 0;
    qsizetype m_line = 1;
};

} // namespace

std::optional<QString> decodeText(const QByteArray& bytes) {
    return decode(bytes, QString()).text;
}

Table parse(const QByteArray& bytes, const QString& fileName, const Progress& progress) {
    Decoded decoded = decode(bytes, fileName);
    if (!decoded.text)
        return {{}, {}, {}, decoded.error, false};
    QString& text = *decoded.text;
    dropEndOfFileMarks(text);
    Table table;
    Parser(text, separatorOf(text), table, progress).run();
    if (table.cancelled)
        return table;
    // A text without a single line of two fields is no table at all.
    const bool anyTable = std::any_of(table.rows.cbegin(), table.rows.cend(),
                                      [](const QStringList& row) { return row.size() > 1; });
    if (!anyTable && !table.rows.isEmpty())
        table.error = notCsvMessage(fileName);
    if (table.lastLineUnended && !table.lines.isEmpty())
        table.notes.append(QStringLiteral("最後の行（%1行目）が改行で終わっていません。ファイルの"
                                          "書き出しが途中で止まったおそれがあります。")
                               .arg(table.lines.last()));
    return table;
}

Table readFile(const QString& hostPath, const Progress& progress) {
    const QFileInfo info(hostPath);
    const QString name = info.fileName();
    if (!info.exists())
        return {{}, {}, {}, unreadableMessage(name), false};
    // A folder, a pipe or a device: nothing to read, and a pipe could wait for ever.
    if (!info.isFile())
        return {{}, {}, {}, notAFileMessage(name), false};
    if (info.size() > maxBytes)
        return {{}, {}, {}, tooLargeMessage(name), false};
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {}, {}, unreadableMessage(name), false};
    // Read one byte past the limit so that a file that grew meanwhile is caught too.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, {}, {}, unreadableMessage(name), false};
    if (bytes.size() > maxBytes)
        return {{}, {}, {}, tooLargeMessage(name), false};
    return parse(bytes, name, progress);
}

} // namespace gaikyo::bookcsv
