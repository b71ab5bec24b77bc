#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The text files that accounting programs and spreadsheets export: comma-separated (CSV)
// or tab-separated, in code page 932, UTF-8 (a byte-order mark honoured) or UTF-16 with
// its byte-order mark (Excel's 「Unicode テキスト」); double quotes around fields that
// hold a separator, quotes doubled inside them; lines ended by CR LF, LF or CR; an
// end-of-file byte (0x1A) at the end is no part of the text.
namespace gaikyo::bookcsv {

// Larger files are no export of one company's books.
inline constexpr qint64 maxBytes = 5 * 1024 * 1024;

struct Table {
    QList<QStringList> rows;
    // The line of the file on which each row begins, counted from 1.
    QList<qsizetype> lines;
    // What was read in a way the user should hear of (a quote never closed …).
    QStringList notes;
    QString error; // a message for the user; empty when the file was read
    // The last row ends without a line end: the file may be one still being written.
    bool lastLineUnended = false;
    bool cancelled = false;
};

// Told how far the reading has come (characters read of all); returns false to stop.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// Reads the file at a path of this computer.
Table readFile(const QString& hostPath, const Progress& progress = {});
// The rows of a file's bytes; the file is named in the messages.
Table parse(const QByteArray& bytes, const QString& fileName = QString(),
            const Progress& progress = {});

// Text of a file in UTF-8 (with or without a byte-order mark), UTF-16 with its mark or
// code page 932; nothing when the bytes are none of these.
std::optional<QString> decodeText(const QByteArray& bytes);

} // namespace gaikyo::bookcsv
