#include "platform/GridSort.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace gridsort {
namespace {

struct Key {
    quint64 chunk;  // numbers: the value's bits; text: three code points at a depth
    int row;
};

// Three UTF-16 units from `depth` on, 21 bits each, so that comparing chunks
// compares the text. Each unit is moved into code-point order (surrogates
// after U+E000..U+FFFF) and offset by 1, leaving 0 for "the text has ended".
inline quint64 chunkAt(QStringView text, qsizetype depth)
{
    quint64 chunk = 0;
    const char16_t* p = text.utf16();
    for (qsizetype i = depth; i < depth + 3; ++i) {
        quint32 u = 0;
        if (i < text.size()) {
            u = p[i];
            if (u >= 0xD800) [[unlikely]]
                u = u >= 0xE000 ? u - 0x800 : u + 0x2000;
            u += 1;
        }
        chunk = chunk << 21 | u;
    }
    return chunk;
}

constexpr quint64 LastSlot = (quint64(1) << 21) - 1;

// Doubles as sortable unsigned integers: negative values have every bit
// flipped, others only the sign bit.
quint64 numberKey(double v)
{
    if (v == 0)
        v = 0;  // -0 and 0 are the same number
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    return (bits >> 63) ? ~bits : bits | (quint64(1) << 63);
}

std::vector<int> rowsOf(const std::vector<Key>& keys)
{
    std::vector<int> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].row;
    return order;
}

}  // namespace

std::vector<int> byNumber(const std::vector<double>& values, bool ascending)
{
    std::vector<Key> keys(values.size());
    for (size_t r = 0; r < values.size(); ++r)
        keys[r] = {numberKey(values[r]), int(r)};
    if (ascending)
        std::sort(keys.begin(), keys.end(),
                  [](const Key& a, const Key& b) { return a.chunk != b.chunk ? a.chunk < b.chunk : a.row < b.row; });
    else
        std::sort(keys.begin(), keys.end(),
                  [](const Key& a, const Key& b) { return a.chunk != b.chunk ? a.chunk > b.chunk : a.row < b.row; });
    return rowsOf(keys);
}

std::vector<int> byText(const std::vector<QStringView>& texts, bool ascending)
{
    // Most-significant-chunk first: the keys are sorted by their first three
    // units, then each run that agrees on them by the next three, so that
    // long shared beginnings ("秒数 : ") are read once a row rather than once
    // a comparison.
    struct Range {
        size_t first, last;
        qsizetype depth;
    };
    const size_t n = texts.size();
    std::vector<Key> keys(n);
    for (size_t r = 0; r < n; ++r)
        keys[r] = {chunkAt(texts[r], 0), int(r)};
    std::vector<Range> pending{{0, n, 0}};
    while (!pending.empty()) {
        const Range range = pending.back();
        pending.pop_back();
        Key* base = keys.data();
        if (range.depth > 0)
            for (size_t i = range.first; i < range.last; ++i)
                base[i].chunk = chunkAt(texts[size_t(base[i].row)], range.depth);
        // Rows are ordered by these units only: the order among equal texts
        // is settled once they have been read to their end.
        if (ascending)
            std::sort(base + range.first, base + range.last,
                      [](const Key& a, const Key& b) { return a.chunk < b.chunk; });
        else
            std::sort(base + range.first, base + range.last,
                      [](const Key& a, const Key& b) { return a.chunk > b.chunk; });
        for (size_t i = range.first; i < range.last;) {
            size_t j = i + 1;
            while (j < range.last && base[j].chunk == base[i].chunk)
                ++j;
            if (j - i > 1) {
                if ((base[i].chunk & LastSlot) != 0)
                    pending.push_back({i, j, range.depth + 3});
                else  // equal texts keep their present order
                    std::sort(base + i, base + j, [](const Key& a, const Key& b) { return a.row < b.row; });
            }
            i = j;
        }
    }
    return rowsOf(keys);
}

}  // namespace gridsort
