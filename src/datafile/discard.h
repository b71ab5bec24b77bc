#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Putting files of drive C: out of the way without ever destroying one: into the
// desktop's trash, from where the user can restore them, or, where the trash cannot take
// them (no usable trash, a share, a volume whose trash cannot be made), into a folder of
// the program's own under its data folder. A plain delete is never the fallback.
namespace gaikyo::discard {

// "c:\法人税事業概況書\削除済み\": one folder in it for each discarding that the trash
// could not take.
QString keptFolder();

// Where the files of one discarding went.
struct Outcome {
    QStringList inTrash; // the files (as the program names them) now in the trash
    // The folder made under keptFolder() for the files the trash could not take, and
    // those files (as they were named before); empty when the trash took everything.
    QString keptIn;
    QStringList kept;
    // Files that could be moved nowhere: they stay where they were.
    QStringList stayed;
    // Where each file moved now is, as a path of this computer.
    QHash<QString, QString> nowAt;
};

// Moves each existing file or folder of drive C: to the trash, or else into a new folder
// "<keptFolder()><folderName>\" (made on first need; " (2)", " (3)" … added when the
// name is taken), keeping its name. A missing path is skipped. Nothing already in
// either place is ever replaced.
Outcome discard(const QStringList& windowsPaths, const QString& folderName);

// A name for a folder of kept files: the parts joined by spaces, with the characters a
// file name cannot hold on Windows replaced and the whole cut to a sensible length.
QString folderName(const QStringList& parts);

// Today, as a folder name shows it: "2026年12月11日".
QString today();

// What the user is told when the trash could not take files; empty when it took all and
// nothing stayed. `what` names the files ("会社のファイル").
QString message(const Outcome& outcome, const QString& what);

} // namespace gaikyo::discard
