// Two copies of the program on one data folder, each a process of its own with its real
// windows (copyprogram.cpp), driven as two people would: the cases of a shared folder,
// each with the bytes of the file it is about before and after. The table is written
// to two-copies-report.md beside the test.
//
// GAIKYO_SHARED_HOME names a home folder to run in instead of a fresh one (its drive C:
// on a network share, say); its drive C: is emptied before each row.

#include "datafile/cp932.h"
#include "datafile/drivec.h"
#include "registry/companypaths.h"
#include "support/companybuilder.h"
#include "support/testhome.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <memory>

using namespace gaikyo;
using namespace Qt::StringLiterals;

namespace {

QString unescaped(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\\' || i + 1 == text.size()) {
            out.append(text.at(i));
            continue;
        }
        const QChar next = text.at(++i);
        out.append(next == u'n' ? u'\n' : next == u't' ? u'\t' : next == u'r' ? u'\r' : next);
    }
    return out;
}

// One copy of the program, as a process of its own.
class CopyProcess {
public:
    explicit CopyProcess(const QString& name) : m_name(name) {
        m_process.setProgram(QStringLiteral(GAIKYO_COPY_PROGRAM));
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        m_process.waitForStarted(30000);
        const auto [ok, text] = reply();
        m_started = ok && text == u"started"_s;
    }
    ~CopyProcess() {
        if (m_process.state() != QProcess::Running)
            return;
        m_process.write("quit\n");
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    bool started() const { return m_started; }

    std::pair<bool, QString> send(const QStringList& command) {
        m_process.write(command.join(u'\t').toUtf8() + '\n');
        return reply();
    }

private:
    std::pair<bool, QString> reply() {
        QElapsedTimer waited;
        waited.start();
        while (!m_process.canReadLine()) {
            if (m_process.state() != QProcess::Running || waited.elapsed() > 60000)
                return {false, m_name + u": no reply"_s};
            m_process.waitForReadyRead(1000);
        }
        const QString line = QString::fromUtf8(m_process.readLine()).chopped(1);
        const qsizetype tab = line.indexOf(u'\t');
        return {line.left(tab) == u"ok"_s, unescaped(line.mid(tab + 1))};
    }

    QString m_name;
    QProcess m_process;
    bool m_started = false;
};

// The files of an office with company 7 registered and every section saved once, empty.
void writeCompany7() {
    const auto write = [](const QString& windowsPath, const QByteArray& bytes) {
        const QString path = drivec::hostPath(windowsPath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    };
    const QMap<QString, QByteArray> files = test::CompanyBuilder(7).everySection().files();
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        write(it.key(), it.value());
}

std::optional<QByteArray> fileBytes(const QString& windowsPath) {
    QFile file(drivec::hostPath(windowsPath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QStringList fileLines(const std::optional<QByteArray>& bytes) {
    if (!bytes)
        return {};
    QStringList lines = cp932::decode(*bytes).split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The bytes of a file for the report: its lines, numbered, as code page 932 decodes
// them, and a hash of the bytes themselves.
QString shownFile(const std::optional<QByteArray>& bytes) {
    if (!bytes)
        return u"(no file)"_s;
    QString shown =
        u"%1 bytes, SHA-1 %2, CR LF line ends\n"_s.arg(bytes->size())
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(*bytes, QCryptographicHash::Sha1).toHex().left(12)));
    const QStringList lines = fileLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i)
        shown += u"%1: %2\n"_s.arg(i + 1, 3).arg(lines.at(i));
    return shown;
}

// The lines that differ, for the report's table.
QString differences(const std::optional<QByteArray>& before,
                    const std::optional<QByteArray>& after) {
    if (!before && !after)
        return u"no file before, no file after"_s;
    if (!after)
        return u"file gone"_s;
    if (!before)
        return u"file created"_s;
    if (*before == *after)
        return u"byte for byte the same"_s;
    const QStringList a = fileLines(before);
    const QStringList b = fileLines(after);
    QStringList changed;
    for (qsizetype i = 0; i < qMax(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            changed.append(u"line %1: %2 → %3"_s.arg(i + 1).arg(a.value(i), b.value(i)));
    return changed.join(u"<br>"_s);
}

// Empties drive C: of a home given from outside, which may be a link to a share.
void emptyDriveC() {
    const QDir root(drivec::root());
    for (const QFileInfo& entry :
         root.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

struct ReportRow {
    QString name;
    QString file;
    QString before;
    QString after;
    QString change;
    QStringList messages;
};

QList<ReportRow>& report() {
    static QList<ReportRow> rows;
    return rows;
}

QString reportPath() {
    return QStringLiteral(GAIKYO_REPORT_DIR) + u"/two-copies-report.md"_s;
}

} // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (!qEnvironmentVariableIsEmpty("GAIKYO_SHARED_HOME")) {
            m_sharedHome = qEnvironmentVariable("GAIKYO_SHARED_HOME");
            qputenv("HOME", m_sharedHome.toLocal8Bit());
        }
        report().clear();
    }

    void cleanupTestCase() {
        QFile out(reportPath());
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        QString text =
            u"# Two copies of the program on one data folder\n\nData folder: %1\n\n"_s.arg(
                m_dataFolder);
        text += u"| Case | File | What changed | Messages |\n|---|---|---|---|\n"_s;
        for (const ReportRow& row : report())
            text += u"| %1 | %2 | %3 | %4 |\n"_s.arg(row.name, row.file, row.change,
                                                     row.messages.join(u"<br>"_s));
        for (const ReportRow& row : report()) {
            if (row.before.isEmpty())
                continue;
            text += u"\n## %1\n\n%2\n\nBefore:\n\n```\n%3```\n\nAfter:\n\n```\n%4```\n"_s.arg(
                row.name, row.file, row.before, row.after);
        }
        out.write(text.toUtf8());
    }

    // Each row: the file it is about, what the two copies do (A or B, then a command of
    // copyprogram.cpp; "expect" compares what a box shows), the lines the file must hold
    // afterwards ("unchanged", "(no file)", or "line:text"), and how many questions were
    // asked.
    void cases_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("questions");

        const QString master = paths::masterFile(7);
        const QStringList openPrint{u"A type Form1 Text1 7"_s, u"A click Form1 Command3"_s};
        const QStringList registrationB{u"B type Form1 Text1 7"_s, u"B click Form1 Command1"_s,
                                        u"B click Form9 Command7"_s};
        const auto both = [](const QStringList& steps) {
            QStringList out;
            for (const QString& step : steps) {
                out.append(u"A "_s + step);
                out.append(u"B "_s + step);
            }
            return out;
        };
        const QStringList openAccounts =
            both({u"type Form1 Text1 7"_s, u"click Form1 Command19"_s});
        const QStringList deleteB{u"B type Form1 Text1 7"_s, u"B answer yes"_s,
                                  u"B click Form1 Command8"_s};

        QTest::newRow("1 印刷は翌期更新を戻さない")
            << master
            << (openPrint + registrationB +
                QStringList{u"B answer yes"_s, u"B click Form9 Command13"_s,
                            u"A click Form8 Command22"_s, u"A expect Form8 Text13 16"_s,
                            u"A expect Form8 Text17 17"_s})
            << QStringList{u"6:16"_s, u"9:17"_s} << 2; // the roll, the new year's figures
        QTest::newRow("1 印刷は会社登録の変更を戻さない")
            << master
            << (openPrint + registrationB +
                QStringList{u"B type Form9 Text3 株式会社見本商事"_s, u"B click Form9 Command12"_s,
                            u"A click Form8 Command11"_s,
                            u"A expect Form8 Text3 株式会社見本商事"_s})
            << QStringList{u"3:\"株式会社見本商事\""_s} << 0;
        QTest::newRow("1 削除の後の印刷は会社を戻さない")
            << master << (openPrint + deleteB + QStringList{u"A click Form8 Command11"_s})
            << QStringList{u"(no file)"_s} << 2;
        QTest::newRow("2 資産の内容: 売上高と現金預金 (別々の欄)")
            << paths::sectionFile(7, 30)
            << (openAccounts +
                QStringList{u"A type Form3 Text1 1,000"_s, u"A click Form3 Command9"_s,
                            u"B type Form3 Text21 500"_s, u"B click Form3 Command9"_s})
            << QStringList{u"1:1000"_s, u"21:500"_s} << 0;
        QTest::newRow("2 会社登録の画面二つ (別々の欄)")
            << master
            << (both({u"type Form1 Text1 7"_s, u"click Form1 Command1"_s,
                      u"click Form9 Command7"_s}) +
                QStringList{u"A type Form9 Text12 03-1111-2222"_s, u"A click Form9 Command12"_s,
                            u"B type Form9 Text4 http://mihon.example/"_s,
                            u"B click Form9 Command12"_s})
            << QStringList{u"5:\"03-1111-2222\""_s, u"12:\"http://mihon.example/\""_s} << 0;
        QTest::newRow("3 削除した会社は戻らない")
            << paths::sectionFile(7, 30)
            << (openAccounts + deleteB +
                QStringList{u"A type Form3 Text1 1000"_s, u"A click Form3 Command9"_s,
                            // A new company 7 on the other copy starts empty.
                            u"B type Form1 Text1 7"_s, u"B click Form1 Command1"_s,
                            u"B type Form9 Text1 7"_s, u"B type Form9 Text3 有限会社新会社"_s,
                            u"B type Form9 Text13 20"_s, u"B type Form9 Text14 4"_s,
                            u"B type Form9 Text15 1"_s, u"B click Form9 Command3"_s,
                            u"B type Form9 Text7 0"_s, u"B click Form9 Command12"_s,
                            u"B type Form1 Text1 7"_s, u"B click Form1 Command19"_s,
                            u"B expect Form3 Text1 "_s})
            << QStringList{u"(no file)"_s} << 2;
        QTest::newRow("4 月別表の月はずれない")
            << paths::sectionFile(7, 60)
            << (QStringList{u"A type Form1 Text1 7"_s, u"A click Form1 Command5"_s} +
                registrationB +
                QStringList{u"B type Form9 Text14 10"_s, u"B click Form9 Command3"_s,
                            u"B click Form9 Command12"_s, u"A type Form6 Text1 100"_s,
                            u"A type Form6 Text2 200"_s, u"A click Form6 Command9"_s,
                            u"A expect Form6 Text136 10"_s, u"A expect Form6 Text1 100"_s,
                            u"A expect Form6 Text2 200"_s})
            << QStringList{u"unchanged"_s} << 0;
        QTest::newRow("5 両方が別々の欄を変える (事業内容)")
            << paths::sectionFile(7, 21)
            << (both({u"type Form1 Text1 7"_s, u"click Form1 Command15"_s}) +
                QStringList{u"A type Form2 Text1 卸売業"_s, u"A click Form2 Command5"_s,
                            u"B type Form2 Text2 小売業"_s, u"B click Form2 Command5"_s,
                            u"B expect Form2 Text1 卸売業"_s})
            << QStringList{u"1:\"卸売業\""_s, u"2:\"小売業\""_s} << 0;
        QTest::newRow("6 両方が同じ欄を変える: いいえ (既定)")
            << paths::sectionFile(7, 30)
            << (openAccounts +
                QStringList{u"A type Form3 Text1 1000"_s, u"A click Form3 Command9"_s,
                            u"B type Form3 Text1 2000"_s, u"B click Form3 Command9"_s,
                            u"B expect Form3 Text1 1,000"_s})
            << QStringList{u"1:1000"_s} << 1;
        QTest::newRow("6 両方が同じ欄を変える: はい")
            << paths::sectionFile(7, 30)
            << (openAccounts + QStringList{u"A type Form3 Text1 1000"_s,
                                           u"A click Form3 Command9"_s,
                                           u"B type Form3 Text1 2000"_s, u"B answer yes"_s,
                                           u"B click Form3 Command9"_s})
            << QStringList{u"1:2000"_s} << 1;
        QTest::newRow("7 開いている間に削除 (事業内容)")
            << paths::sectionFile(7, 21)
            << (QStringList{u"A type Form1 Text1 7"_s, u"A click Form1 Command15"_s} + deleteB +
                QStringList{u"A type Form2 Text1 卸売業"_s, u"A click Form2 Command5"_s,
                            u"A expect Form2 Text1 卸売業"_s})
            << QStringList{u"(no file)"_s} << 2;
        QStringList register50;
        for (const char* copy : {"A", "B"}) {
            const QString c = QString::fromLatin1(copy);
            register50 +=
                QStringList{c + u" type Form1 Text1 50"_s,  c + u" click Form1 Command1"_s,
                            c + u" type Form9 Text1 50"_s,  c + u" type Form9 Text13 20"_s,
                            c + u" type Form9 Text14 4"_s,  c + u" type Form9 Text15 1"_s,
                            c + u" click Form9 Command3"_s, c + u" type Form9 Text7 0"_s};
        }
        register50 += QStringList{u"A type Form9 Text3 株式会社新規"_s,
                                  u"B type Form9 Text3 有限会社別会社"_s,
                                  u"A click Form9 Command12"_s, u"B click Form9 Command12"_s};
        QTest::newRow("8 同じ新しいコードを両方で登録")
            << paths::masterFile(50) << register50 << QStringList{u"3:\"株式会社新規\""_s} << 1;
    }

    void cases() {
        QFETCH(QString, file);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, after);
        QFETCH(int, questions);

        std::unique_ptr<test::TestHome> home;
        if (m_sharedHome.isEmpty())
            home = std::make_unique<test::TestHome>();
        else
            emptyDriveC();
        writeCompany7();
        m_dataFolder = QFileInfo(drivec::root()).canonicalFilePath();
        if (!m_sharedHome.isEmpty())
            m_dataFolder = drivec::root() + u" → "_s + m_dataFolder;
        const std::optional<QByteArray> before = fileBytes(file);

        QStringList messages;
        int asked = 0;
        {
            CopyProcess a(u"A"_s);
            CopyProcess b(u"B"_s);
            QVERIFY(a.started() && b.started());
            for (const QString& step : steps) {
                QStringList command = step.split(u' ');
                CopyProcess& copy = command.takeFirst() == u"A"_s ? a : b;
                // The last argument of "type" and "expect" may hold spaces.
                const int fixed =
                    command.first() == u"type"_s || command.first() == u"expect"_s ? 3 : 99;
                if (command.size() > fixed + 1)
                    command = command.mid(0, fixed) + QStringList{command.mid(fixed).join(u' ')};
                if (command.first() == u"expect"_s) {
                    const auto [ok, shown] =
                        copy.send({u"text"_s, command.value(1), command.value(2)});
                    QVERIFY2(ok, qPrintable(shown));
                    QCOMPARE(shown, command.value(3));
                    continue;
                }
                const auto [ok, text] = copy.send(command);
                QVERIFY2(ok, qPrintable(step + u": "_s + text));
            }
            for (auto [name, copy] : {std::pair{"A", &a}, std::pair{"B", &b}}) {
                const auto [ok, json] = copy->send({u"messages"_s});
                QVERIFY(ok);
                for (const QJsonValue v : QJsonDocument::fromJson(json.toUtf8()).array()) {
                    const QJsonObject box = v.toObject();
                    if (box.value(u"question"_s).toBool()) {
                        ++asked;
                        QVERIFY(box.value(u"noByDefault"_s).toBool());
                    }
                    messages.append(
                        u"%1: 「%2」 %3 (%4)"_s
                            .arg(QString::fromLatin1(name), box.value(u"title"_s).toString(),
                                 box.value(u"text"_s).toString(), box.value(u"answer"_s).toString())
                            .replace(u'\n', u' '));
                }
            }
        }
        const std::optional<QByteArray> now = fileBytes(file);
        report().append({QString::fromUtf8(QTest::currentDataTag()), file, shownFile(before),
                         shownFile(now), differences(before, now), messages});

        QCOMPARE(asked, questions);
        const QStringList lines = fileLines(now);
        for (const QString& expected : after) {
            if (expected == u"unchanged"_s) {
                QVERIFY(now && before);
                QCOMPARE(*now, *before);
            } else if (expected == u"(no file)"_s) {
                QVERIFY(!now);
            } else {
                const qsizetype colon = expected.indexOf(u':');
                QVERIFY(now);
                QCOMPARE(lines.value(expected.left(colon).toInt() - 1), expected.mid(colon + 1));
            }
        }
    }

    // The company lists follow the folder: a company registered on one copy shows in the
    // other's list, deleted it leaves it. The time it took is reported, not judged; the
    // list must follow within the folder watch's periodic look.
    void listsFollowTheFolder_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("registered on the other copy") << u"register"_s;
        QTest::newRow("deleted on the other copy") << u"delete"_s;
        // Written straight into the shared folder on the file server, as another
        // computer's save arrives (only where GAIKYO_SHARED_SERVER_DIR names that folder).
        QTest::newRow("written on the file server") << u"server"_s;
    }
    void listsFollowTheFolder() {
        QFETCH(QString, how);
        const QString serverDir = qEnvironmentVariable("GAIKYO_SHARED_SERVER_DIR");
        if (how == u"server"_s && serverDir.isEmpty())
            QSKIP("GAIKYO_SHARED_SERVER_DIR does not name the shared folder on its server");
        std::unique_ptr<test::TestHome> home;
        if (m_sharedHome.isEmpty())
            home = std::make_unique<test::TestHome>();
        else
            emptyDriveC();
        writeCompany7();
        CopyProcess a(u"A"_s);
        CopyProcess b(u"B"_s);
        QVERIFY(a.started() && b.started());
        const auto listed = [&a](const QString& prefix) {
            const auto [ok, items] = a.send({u"items"_s, u"Form1"_s, u"List2"_s});
            return ok && (u'\n' + items).contains(u'\n' + prefix);
        };
        QVERIFY(listed(u"07 : "_s));

        QElapsedTimer took;
        bool expected = true;
        QString file = paths::masterFile(8);
        if (how == u"register"_s) {
            for (const QString& step :
                 {u"type\tForm1\tText1\t8"_s, u"click\tForm1\tCommand1"_s,
                  u"type\tForm9\tText1\t8"_s, u"type\tForm9\tText3\t八番商事"_s,
                  u"type\tForm9\tText13\t20"_s, u"type\tForm9\tText14\t4"_s,
                  u"type\tForm9\tText15\t1"_s, u"click\tForm9\tCommand3"_s,
                  u"type\tForm9\tText7\t0"_s})
                QVERIFY(b.send(step.split(u'\t')).first);
            took.start();
            QVERIFY(b.send({u"click"_s, u"Form9"_s, u"Command12"_s}).first);
        } else if (how == u"delete"_s) {
            file = paths::masterFile(7);
            expected = false;
            QVERIFY(b.send({u"type"_s, u"Form1"_s, u"Text1"_s, u"7"_s}).first);
            QVERIFY(b.send({u"answer"_s, u"yes"_s}).first);
            took.start();
            QVERIFY(b.send({u"click"_s, u"Form1"_s, u"Command8"_s}).first);
        } else {
            QFile onServer(serverDir + u"/法人税事業概況書/法人名/8.txt"_s);
            took.start();
            QVERIFY(onServer.open(QIODevice::WriteOnly));
            onServer.write(test::CompanyBuilder(8).masterFile());
            onServer.close();
        }
        const QString prefix = expected ? u"08 : "_s : u"07 : "_s;
        qint64 seen = -1;
        while (took.elapsed() < 20000) {
            if (listed(prefix) == expected) {
                seen = took.elapsed();
                break;
            }
            QVERIFY(a.send({u"wait"_s, u"50"_s}).first);
        }
        report().append({u"一覧: "_s + QString::fromUtf8(QTest::currentDataTag()),
                         file,
                         {},
                         {},
                         seen < 0 ? u"not followed within 20 s"_s
                                  : u"the other copy's list followed after about %1 ms"_s.arg(seen),
                         {}});
        QVERIFY2(seen >= 0, "the list did not follow the folder");
    }

private:
    QString m_sharedHome;
    QString m_dataFolder;
};

QTEST_MAIN(TwoCopiesTest)
#include "twocopiestest.moc"
