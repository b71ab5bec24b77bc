#pragma once

#include "screen/columnchoice.h"
#include "screen/filechooser.h"
#include "screen/importconfirmation.h"
#include "statement/entryscreenstestsupport.h"

#include <QDate>
#include <QFile>
#include <optional>

namespace gaikyo::test {

// Answers the open dialog, the column choice and the import confirmation while it
// lives, keeping what they were asked. The column choice takes the queued answers in
// turn, and "やめる" once they are used up.
struct ImportAnswers {
    std::optional<QString> file;
    importconfirmation::Answer answer{true, false};
    QList<columnchoice::Answer> columnAnswers;
    QList<filechooser::OpenRequest> openRequests;
    QList<columnchoice::Request> columnRequests;
    QList<importconfirmation::Request> confirmations;

    ImportAnswers() {
        m_previousOpen = filechooser::installOpen([this](const filechooser::OpenRequest& r) {
            openRequests.append(r);
            return file;
        });
        m_previousConfirm =
            importconfirmation::install([this](const importconfirmation::Request& r) {
                confirmations.append(r);
                return answer;
            });
        m_previousColumns = columnchoice::install([this](const columnchoice::Request& r) {
            columnRequests.append(r);
            return columnAnswers.isEmpty() ? columnchoice::Answer{} : columnAnswers.takeFirst();
        });
    }
    ~ImportAnswers() {
        filechooser::installOpen(m_previousOpen);
        importconfirmation::install(m_previousConfirm);
        columnchoice::install(m_previousColumns);
    }
    ImportAnswers(const ImportAnswers&) = delete;
    ImportAnswers& operator=(const ImportAnswers&) = delete;

private:
    filechooser::OpenHandler m_previousOpen;
    importconfirmation::Handler m_previousConfirm;
    columnchoice::Handler m_previousColumns;
};

// Company 7, its business year starting in the given month, with the picture screen
// open and a file of the books ready to be chosen.
struct ImportProgram : EntryProgram {
    ImportAnswers answers;

    explicit ImportProgram(int startMonth = 4) { registerCompany(7, startMonth); }

    // Company 7's business year: the twelve months up to the month of `end`.
    void setBusinessYear(const QDate& end) const {
        const QDate last(end.year(), end.month(), end.daysInMonth());
        const QDate first = last.addDays(1).addMonths(-12);
        CompanyRecord company;
        company.code = 7;
        company.name = QStringLiteral("テスト商事");
        company.startYear = first.year() - 1988; // the files count years from 平成1
        company.startMonth = first.month();
        company.startDay = first.day();
        company.endYear = last.year() - 1988;
        company.endMonth = last.month();
        company.endDay = last.day();
        if (!masterfile::write(company).ok())
            qFatal("cannot write the master file");
    }

    // Puts the bytes where the open dialog will find them.
    void offerFile(const QByteArray& bytes, const QString& name = QStringLiteral("books.csv")) {
        const QString path = home.path() + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        answers.file = path;
    }
};

} // namespace gaikyo::test
