#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The CSV files that accounting programs export: code page 932 or UTF-8 (a byte-order
// mark honoured), fields separated by commas (or tabs where a file has no comma),
// double quotes around fields that hold commas, quotes doubled inside them, lines
// ended by CR LF or LF.
namespace gaikyo::bookcsv {

// Larger files are no export of one company's books.
inline constexpr qint64 maxBytes = 5 * 1024 * 1024;

struct Table {
    QList<QStringList> rows;
    QString error; // a message for the user; empty when the file was read
};

// Reads the file at a path of this computer.
Table readFile(const QString& hostPath);
// The rows of a file's bytes.
Table parse(const QByteArray& bytes);

// Text of a file in UTF-8 (with or without a byte-order mark) or code page 932;
// nothing when the bytes are neither (a binary file).
std::optional<QString> decodeText(const QByteArray& bytes);

} // namespace gaikyo::bookcsv
