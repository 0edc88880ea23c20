// Appends and rewrites of the play log on any file: an appended record
// stands on its own line after every record that was there; a rewrite
// changes no record but the edited one, keeps a damaged line byte for byte,
// and rewriting the rewritten file again changes nothing. Taken from the
// bytes, the rewrite gives what the rewrite from the grid's text gives.
#include "FuzzDir.h"
#include "platform/GridModel.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"
#include "records/RecordLog.h"
#include "review/RecordGrid.h"
#include "review/RecordRewrite.h"

#include <cstdint>
#include <cstdlib>

namespace {
bool same(const RecordView& a, const RecordView& b)
{
    return a.date == b.date && a.time == b.time && a.item == b.item && a.note == b.note &&
           (a.seconds == b.seconds || (a.seconds != a.seconds && b.seconds != b.seconds));
}

// A text item as a rewrite gives it: a double quote cannot stand in it.
QString rewritten(QStringView item) { return item.toString().replace(u'"', QChar(0xFF02)); }

GridModel& gridOver(GridModel& m)
{
    m.setColumns({{}, {}, {}, {}, {}, {}});
    m.setSource(std::make_shared<RecordGridSource>(recordfile::read()));
    return m;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzdir::enter();
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fuzzdir::write(recordfile::FileName, bytes);
    const auto before = recordfile::read();

    // Append.
    const QString line = recordfile::appendedLine(QStringLiteral("2030/01/02"), QStringLiteral("03:04:05"),
                                                  QStringLiteral("合体"), 12.5, QStringLiteral("秒数 : 12.5"));
    if (!recordfile::append(line).ok)
        std::abort();
    const auto appended = recordfile::read();
    if (appended->size() != before->size() + 1)
        std::abort();
    for (int i = 0; i < before->size(); ++i)
        if (!same(before->records()[size_t(i)], appended->records()[size_t(i)]))
            std::abort();
    if (appended->records().back().date != u"2030/01/02" || appended->records().back().note != u"秒数 : 12.5")
        std::abort();

    // Rewrite with the middle record's note edited.
    fuzzdir::write(recordfile::FileName, bytes);
    GridModel m;
    gridOver(m);
    const int edited = m.dataRows() / 2;
    if (m.dataRows() > 0)
        m.setCell(edited, RecordGridSource::Note, QStringLiteral("一言\"日記\""));
    const textfile::WriteResult w = recordfile::rewriteFromGrid(m);
    const auto after = recordfile::read();
    if (!w.ok) {  // refused: only for a damaged record the edit touches
        if (m.dataRows() == 0 || !before->damaged(edited) || fuzzdir::read(recordfile::FileName) != bytes)
            std::abort();
        return 0;
    }
    if (after->size() != before->size())
        std::abort();
    for (int i = 0; i < before->size(); ++i) {
        const RecordView& a = before->records()[size_t(i)];
        const RecordView& b = after->records()[size_t(i)];
        if (i == edited) {
            if (b.note != u"一言＂日記＂")
                std::abort();
        } else if (before->damaged(i)) {
            if (before->lineBytes(i) != after->lineBytes(i))
                std::abort();
        } else if (rewritten(a.date) != b.date || rewritten(a.time) != b.time || rewritten(a.item) != b.item ||
                   a.seconds != b.seconds || rewritten(a.note) != b.note) {
            if (!(a.seconds != a.seconds))  // NaN never compares equal
                std::abort();
        }
    }
    // Written from the bytes, it is what the rewrite from the cells' text
    // gives, wherever that text encodes back to the bytes it came from.
    const QByteArray once = fuzzdir::read(recordfile::FileName);
    const QByteArrayView body = textfile::withoutBom(bytes);
    bool clean = true;
    const sjis::Encoded back = sjis::encode(sjis::decode(body, &clean));
    if (clean && back.ok() && back.bytes == body) {
        GridModel plain;
        plain.setColumns({{}, {}, {}, {}, {}, {}});
        for (int r = 0; r < m.dataRows(); ++r) {
            std::vector<QString> cells;
            for (int c = 0; c < RecordGridSource::Columns; ++c)
                cells.push_back(m.cell(r, c));
            plain.appendRow(std::move(cells));
        }
        if (!recordfile::rewriteFromGrid(plain, QStringLiteral("plain.txt")).ok ||
            textfile::withoutBom(once) != fuzzdir::read(QStringLiteral("plain.txt")))
            std::abort();
    }
    // A rewrite of the rewritten file is the same file.
    GridModel again;
    gridOver(again);
    if (!recordfile::rewriteFromGrid(again).ok || fuzzdir::read(recordfile::FileName) != once)
        std::abort();
    return 0;
}
