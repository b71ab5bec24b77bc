#pragma once

#include <QString>
#include <functional>
#include <optional>

// The standard "save as" and "open" dialogs, behind a seam like the message boxes: the
// window layer installs the real dialogs, tests install an answer.
namespace gaikyo::filechooser {

struct SaveRequest {
    QString title;
    QString suggestedPath; // a host path
    QString filter;        // "PDF (*.pdf)"
};

using Handler = std::function<std::optional<QString>(const SaveRequest&)>;

Handler install(Handler handler);
// The path the user chose, or nothing when the dialog was cancelled.
std::optional<QString> askSavePath(const SaveRequest& request);

struct OpenRequest {
    QString title;
    QString folder; // a host path to start in
    QString filter; // "CSVファイル (*.csv)"
};

using OpenHandler = std::function<std::optional<QString>(const OpenRequest&)>;

OpenHandler installOpen(OpenHandler handler);
// The file the user chose, or nothing when the dialog was cancelled.
std::optional<QString> askOpenPath(const OpenRequest& request);

} // namespace gaikyo::filechooser
