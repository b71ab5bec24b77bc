#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace gaikyo::test {

// A fresh home folder for one test: drive C: starts empty. The real home is never
// touched.
class TestHome {
public:
    TestHome();
    ~TestHome();

    QString path() const { return m_dir.path(); }
    // Writes a file of drive C:, creating its folders.
    void write(const QString& windowsPath, const QByteArray& bytes) const;
    QByteArray read(const QString& windowsPath) const;
    bool exists(const QString& windowsPath) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
};

// The bytes of a file under tests/data.
QByteArray fixture(const QString& relativePath);

// Lines joined with CR LF (and a last CR LF), encoded in code page 932.
QByteArray crlfFile(const QStringList& lines);

} // namespace gaikyo::test
