// Appends and rewrites of the play log on any file: an appended record
// stands on its own line after every record that was there; a rewrite
// changes no record but the edited one, keeps a damaged line byte for byte,
// and rewriting the rewritten file again changes nothing. Taken from the
// bytes, the rewrite gives what the rewrite from typed records alone gives.
#include "FuzzDir.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"
#include "records/RecordEdits.h"
#include "records/RecordFile.h"

#include <cstdint>
#include <cstdlib>

namespace {
bool same(const RecordTable& ta, const RecordView& a, const RecordTable& tb, const RecordView& b)
{
    return ta.date(a) == tb.date(b) && ta.time(a) == tb.time(b) && ta.item(a) == tb.item(b) &&
           ta.note(a) == tb.note(b) && (a.seconds == b.seconds || (a.seconds != a.seconds && b.seconds != b.seconds));
}

// A text item as a rewrite gives it: a double quote cannot stand in it.
QString rewritten(QStringView item) { return item.toString().replace(u'"', QChar(0xFF02)); }
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
        if (!same(*before, before->records()[size_t(i)], *appended, appended->records()[size_t(i)]))
            std::abort();
    if (appended->date(appended->records().back()) != u"2030/01/02" ||
        appended->note(appended->records().back()) != u"秒数 : 12.5")
        std::abort();

    // Rewrite with the middle record's note edited.
    fuzzdir::write(recordfile::FileName, bytes);
    RecordEdits edits(recordfile::read());
    const int records = edits.table().size();
    const int edited = records / 2;
    if (records > 0)
        edits.setNote(edited, QStringLiteral("一言\"日記\""));
    const textfile::WriteResult w = edits.save();
    const auto after = recordfile::read();
    if (!w.ok) {  // refused: only for a damaged record the edit touches
        if (records == 0 || !before->damaged(edited) || fuzzdir::read(recordfile::FileName) != bytes)
            std::abort();
        return 0;
    }
    if (after->size() != before->size())
        std::abort();
    for (int i = 0; i < before->size(); ++i) {
        const RecordView& a = before->records()[size_t(i)];
        const RecordView& b = after->records()[size_t(i)];
        if (i == edited) {
            if (after->note(b) != u"一言＂日記＂")
                std::abort();
        } else if (before->damaged(i)) {
            if (before->lineBytes(i) != after->lineBytes(i))
                std::abort();
        } else if (rewritten(before->date(a)) != after->date(b) || rewritten(before->time(a)) != after->time(b) ||
                   rewritten(before->item(a)) != after->item(b) || a.seconds != b.seconds ||
                   rewritten(before->note(a)) != after->note(b)) {
            if (!(a.seconds != a.seconds))  // NaN never compares equal
                std::abort();
        }
    }
    // Written from the bytes, it is what the rewrite from every record's
    // values gives, wherever the text encodes back to the bytes it came from.
    const QByteArray once = fuzzdir::read(recordfile::FileName);
    const QByteArrayView body = textfile::withoutBom(bytes);
    bool clean = true;
    const sjis::Encoded back = sjis::encode(sjis::decode(body, &clean));
    if (clean && back.ok() && back.bytes == body) {
        RecordEdits typed = edits;
        for (int p : typed.order())
            if (!typed.table().damaged(p))  // seconds no play can take
                typed.setChange(p, typed.record(p));
        if (!typed.save(QStringLiteral("plain.txt")).ok ||
            textfile::withoutBom(once) != textfile::withoutBom(fuzzdir::read(QStringLiteral("plain.txt"))))
            std::abort();
    }
    // A rewrite of the rewritten file is the same file.
    if (!RecordEdits(recordfile::read()).save().ok || fuzzdir::read(recordfile::FileName) != once)
        std::abort();
    return 0;
}
