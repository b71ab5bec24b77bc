#pragma once

#include "status.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <span>
#include <variant>

namespace gaikyo {

// Reads the values of a data file in order. A value ends at a comma or a line end; a
// value that starts with a double quote runs to the next double quote, which is
// removed with it; spaces around an unquoted value are ignored. Reading past the last
// value fails.
class ValueReader {
public:
    explicit ValueReader(const QByteArray& fileBytes);

    std::optional<QString> text();
    // A value that is not a number reads as 0; only the end of the file fails.
    std::optional<qint32> integer();
    bool atEnd() const;
    // How many values have been read so far.
    qsizetype valuesRead() const { return m_valuesRead; }
    // The first text value read whose last byte is a lead byte of the code page without
    // its second byte (a character cut in half), counted from 1; 0 when there is none.
    // Such a value cannot be written back as it was.
    qsizetype firstCutValue() const { return m_firstCutValue; }

    // A field of a record that a file line fills; monostate: a value that must be
    // there but is not kept (and so is not decoded).
    using Field = std::variant<qint32*, QString*, std::monostate>;
    // Turns every text field but the one kept into a value not kept.
    static void keepOnlyText(std::span<Field> fields, const QString* kept);
    // Reads the fields in order, each from its own value. Stops at the first value
    // missing from the file and returns false; the fields read before it keep their
    // new values.
    bool readFields(std::span<const Field> fields);

private:
    struct RawValue {
        QByteArrayView bytes;         // within m_data
        QByteArrayView withDelimiter; // the same, and the byte that ends it if any
        bool quoted = false;
    };
    std::optional<RawValue> next();
    static QString decoded(const RawValue& value);

    QByteArray m_data;
    qsizetype m_pos = 0;
    qsizetype m_valuesRead = 0;
    qsizetype m_firstCutValue = 0;
};

// Builds a data file: one value a line, CR LF line ends, texts between double quotes,
// integers in plain decimal. Characters that input methods type for the code page's own
// (～ typed as WAVE DASH, …) are stored as the code page's. A text the format or the
// code page cannot hold is never written changed: the first such text makes the whole file fail
// with a message that names the field and the character.
class ValueWriter {
public:
    void text(const QString& value, const QString& fieldName);
    void integer(qint32 value);
    // The quoted fillers "予備<first>" … "予備<last>".
    void fillers(int first, int last);

    const Status& status() const { return m_status; }
    // The file's bytes in code page 932; empty when status() is a failure.
    QByteArray bytes() const;

private:
    void line(const QString& content);
    QString m_content;
    Status m_status;
};

// Why a text cannot be stored in a data file, or an empty string when it can.
QString unstorableTextReason(const QString& value, const QString& fieldName);

} // namespace gaikyo
