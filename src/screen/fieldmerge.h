#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Saving over a file that may have changed since the screen loaded it (another screen of
// this program, or another computer on the same data folder): field by field, the
// screen's value where the screen changed the field, the file's where it did not, and a
// question where both sides changed one field to different values.
namespace gaikyo::fieldmerge {

// One field as the file and the screen see it, each value as the file holds it.
struct Field {
    QString name;   // as the user knows it
    QString loaded; // in the file when the screen loaded it
    QString shown;  // what the screen would have saved right after loading
    QString typed;  // what the screen saves now
    QString stored; // in the file now
    // Worked out from other fields (a 計): the screen's value, never asked about; the
    // screen works it out again from the merged fields.
    bool derived = false;
    // How the question shows the file's and the screen's value, where the user knows them
    // otherwise than the file holds them (a year in its era); empty: as held.
    QString storedShown = {};
    QString typedShown = {};
};

enum class Take { Typed, Stored };

// Which value each field takes. A field nobody else changed since the load takes the
// screen's value, exactly as a save did before anyone shared the folder. Where both
// sides changed a field to different values, one question titled `title` lists each
// such field with both values: はい writes the screen's values, いいえ (the default)
// keeps the file's.
QList<Take> resolve(const QList<Field>& fields, const QString& title, const QString& file);

// The company's files were there when the screen loaded them and are gone now (deleted
// here or on another computer): whether to create them again from the screen. The
// default, いいえ, creates nothing.
bool askRecreate(const QString& title, qint32 code, const QString& missingFile);

// How a value shows in a question: between 「」, or （空欄） when empty.
QString quoted(const QString& value);

} // namespace gaikyo::fieldmerge
