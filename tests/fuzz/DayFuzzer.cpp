// The day view's fast reader against the full reader: for any file and any
// day, the same records in the same order, and the same first date.
#include "FuzzDir.h"
#include "records/RecordFile.h"
#include "support/RecordGenerator.h"

#include <cstdint>
#include <cstdlib>

namespace {
void compare(const RecordTable& all, const QString& date)
{
    const recordfile::DayRecords day = recordfile::readDay(date);
    QStringList expected, got;
    for (const RecordView& r : all.records())
        if (all.date(r) == date)
            expected << recordgen::itemsOf(all, r);
    for (const RecordView& r : day.table->records())
        got << recordgen::itemsOf(*day.table, r);
    if (expected != got)
        std::abort();
    if (day.firstDate != (all.empty() ? QString() : all.date(all.records().front())))
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzdir::enter();
    fuzzdir::write(recordfile::FileName, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto all = recordfile::read();
    // Every date the file holds, a fixed one, and the empty one.
    compare(*all, QStringLiteral("2024/05/01"));
    compare(*all, QString());
    int n = 0;
    for (const RecordView& r : all->records()) {
        if (++n > 8)
            break;
        compare(*all, all->date(r));
    }
    return 0;
}
