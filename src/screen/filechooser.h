#pragma once

#include <QString>
#include <functional>
#include <optional>

// The standard "save as" dialog, behind a seam like the message boxes: the window layer
// installs the real dialog, tests install an answer.
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

} // namespace gaikyo::filechooser
