// The company master file reader on any bytes, and what it reads written back: a record
// read from a file either cannot be stored (with a message) or comes back the same.
#include "fuzzsupport.h"
#include "registry/masterfile.h"

using namespace gaikyo;

namespace {

bool sameRecord(const CompanyRecord& a, const CompanyRecord& b) {
    return a.code == b.code && a.furigana == b.furigana && a.name == b.name &&
           a.address == b.address && a.telephone == b.telephone && a.startYear == b.startYear &&
           a.startMonth == b.startMonth && a.startDay == b.startDay && a.endYear == b.endYear &&
           a.endMonth == b.endMonth && a.endDay == b.endDay && a.homePage == b.homePage &&
           a.respondent == b.respondent && a.referenceNumber == b.referenceNumber &&
           a.representative == b.representative;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CompanyRecord record;
    if (!masterfile::decode(fuzz::fileBytes(data, size), 15, record))
        return 0;
    Status status;
    const QByteArray written = masterfile::bytes(record, &status);
    if (!status.ok()) {
        fuzz::check(!status.message().isEmpty() && written.isEmpty());
        return 0;
    }
    CompanyRecord again;
    fuzz::check(masterfile::decode(written, 15, again));
    fuzz::check(sameRecord(record, again));
    return 0;
}
