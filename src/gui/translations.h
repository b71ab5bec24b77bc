#pragma once

class QCoreApplication;

namespace gaikyo::translations {

// The program speaks Japanese only: Qt's own dialogs and standard buttons (はい, いいえ,
// キャンセル, the file dialog, the print preview) take Qt's Japanese translation,
// whatever the system's language. Returns false when the translation is not installed.
bool installJapanese(QCoreApplication& app);

} // namespace gaikyo::translations
