#pragma once

#include <QString>

namespace gaikyo {

// The outcome of a file operation: empty when it worked, otherwise a message in
// Japanese that a screen can show to the user as it stands.
class Status {
public:
    Status() = default;
    static Status failure(QString message) { return Status(std::move(message)); }
    // It worked, and the user should hear something about how (a damaged file put aside).
    static Status doneWithNotice(QString notice) {
        Status status;
        status.m_notice = std::move(notice);
        return status;
    }

    bool ok() const { return m_message.isEmpty(); }
    const QString& message() const { return m_message; }
    const QString& notice() const { return m_notice; }

private:
    explicit Status(QString message) : m_message(std::move(message)) {}
    QString m_message;
    QString m_notice;
};

} // namespace gaikyo
