#include "progressdialog.h"

#include <QApplication>
#include <QProgressDialog>

namespace gaikyo {

namespace {

// Work done sooner than this shows no window at all.
constexpr int showAfterMs = 400;
constexpr int steps = 1000;

class QtIndicator : public progress::Indicator {
public:
    explicit QtIndicator(const progress::Request& request)
        : m_dialog(request.label, QStringLiteral("やめる"), 0, steps,
                   QApplication::activeWindow()) {
        m_dialog.setObjectName(QStringLiteral("ProgressDialog"));
        m_dialog.setWindowTitle(request.title);
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setMinimumDuration(showAfterMs);
        m_dialog.setAutoReset(false);
        m_dialog.setAutoClose(false);
        m_dialog.setValue(0);
    }

    bool update(qint64 done, qint64 total) override {
        const int value =
            total > 0 ? static_cast<int>(std::clamp<qint64>(done * steps / total, 0, steps)) : 0;
        // A modal progress window takes the user's events as it is moved on, the stop
        // button among them.
        m_dialog.setValue(value);
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

std::unique_ptr<progress::Indicator> startQtProgress(const progress::Request& request) {
    return std::make_unique<QtIndicator>(request);
}

} // namespace gaikyo
