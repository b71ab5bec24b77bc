// Every section record layout (and the month order file) on any bytes: the first byte
// picks the layout. A record read whole is either refused by the writer with a message,
// or written and read back unchanged.
#include "fuzzsupport.h"
#include "statement/sectionfile.h"

using namespace gaikyo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QList<int>& sections = layouts::sectionNumbers();
    const qsizetype pick = data[0] % (sections.size() + 1);
    const RecordLayout& layout =
        pick == sections.size() ? layouts::monthOrder() : layouts::section(sections.at(pick));

    SectionRecord record = SectionRecord::emptyFor(layout);
    // Read whole: every data field of the layout.
    const qsizetype fields = layout.texts.size() + layout.integers.size();
    const qsizetype read = sectionfile::decode(fuzz::fileBytes(data + 1, size - 1), layout, record);
    fuzz::check(read >= 0 && read <= fields);
    fuzz::check(record.texts.size() == layout.texts.size() &&
                record.integers.size() == layout.integers.size());
    if (read != fields)
        return 0;

    QByteArray written;
    const Status status = sectionfile::encode(layout, record, written);
    if (!status.ok()) {
        fuzz::check(!status.message().isEmpty());
        return 0;
    }
    SectionRecord again = SectionRecord::emptyFor(layout);
    fuzz::check(sectionfile::decode(written, layout, again) == fields);
    fuzz::check(again == record);
    return 0;
}
