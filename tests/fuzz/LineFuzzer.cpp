// Arbitrary bytes through the code page and the line reader: nothing may
// crash, hang or read out of bounds, and text that decodes cleanly must
// survive an encode and decode unchanged.
#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/RecordFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = sjis::decode(bytes);

    std::vector<QStringView> items;
    recordline::forEachLine(text, [&](QStringView line) {
        recordline::split(line, items);
        for (QStringView item : items) {
            if (item.data() < text.data() || item.data() + item.size() > text.data() + text.size())
                std::abort();
            (void)recordline::toFloat(item);
        }
    });
    auto table = RecordTable::parse(text);
    for (const RecordView& r : table->records())
        (void)recordfile::secondsText(r.seconds);

    if (!text.contains(QChar(0xFFFD))) {
        const sjis::Encoded enc = sjis::encode(text);
        if (!enc.ok() || sjis::decode(enc.bytes) != text)
            std::abort();
    }
    (void)recordline::safeText(text);
    return 0;
}
