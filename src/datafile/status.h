#pragma once

#include <QString>

namespace gaikyo {

// The outcome of a file operation: empty when it worked, otherwise a message in
// Japanese that a screen can show to the user as it stands.
class Status {
public:
    Status() = default;
    static Status failure(QString message) { return Status(std::move(message)); }

    bool ok() const { return m_message.isEmpty(); }
    const QString& message() const { return m_message; }

private:
    explicit Status(QString message) : m_message(std::move(message)) {}
    QString m_message;
};

} // namespace gaikyo
