#include "dictionary/Readings.h"

#include "platform/RecordLine.h"
#include "platform/Sjis.h"

#include <QFile>
#include <QResource>

#include <algorithm>

namespace {
// Code unit order, as the generator sorts (every key is in the BMP), inline:
// QStringView's own comparison costs a call per pair, which made up most of
// a load.
bool keyLess(QStringView a, QStringView b)
{
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(), b.utf16() + b.size());
}
}  // namespace

const Readings& Readings::shipped()
{
    static const Readings table = [] {
        const QString name = QStringLiteral(":/dictionary/読みと意味.TXT");
        // Stored uncompressed, the resource is read where it lies.
        const QResource resource(name);
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
            return parse(
                QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size())));
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? parse(f.readAll()) : Readings{};
    }();
    return table;
}

Readings Readings::parse(QByteArray cp932)
{
    Readings r;
    r.bytes_ = std::move(cp932);
    // The keys, each followed by a comma, decoded at once: code page 932
    // never has a comma inside a two-byte character. Room for a line of
    // about forty bytes with a two-byte key, so that nothing grows twice.
    QByteArray keys;
    keys.reserve(r.bytes_.size() / 8);
    r.entries_.reserve(size_t(r.bytes_.size() / 32));
    const char* const base = r.bytes_.constData();
    recordline::forEachLine(QByteArrayView(r.bytes_), [&](QByteArrayView line) {
        const qsizetype comma = line.indexOf(',');
        if (comma < 1)
            return;
        keys.append(line.data(), comma + 1);
        // A kanji's grade is the digit after its key; a word's reading is kana.
        const char g = comma + 2 < line.size() && line[comma + 2] == ',' ? line[comma + 1] : 0;
        const int grade = (g >= '1' && g <= '6') || g == '0' + LaterGrade ? g - '0' : 0;
        r.entries_.push_back({{}, qsizetype(line.data() - base), line.size(), grade});
    });
    r.keys_ = sjis::decode(keys);
    const char16_t* k = reinterpret_cast<const char16_t*>(r.keys_.utf16());
    const char16_t* const end = k + r.keys_.size();
    for (Entry& e : r.entries_) {
        const char16_t* comma = std::find(k, end, u',');
        e.key = QStringView(k, comma - k);
        if (e.key.size() != 1)
            e.grade = 0;
        k = comma + (comma < end ? 1 : 0);
    }
    const auto byKey = [](const Entry& a, const Entry& b) { return keyLess(a.key, b.key); };
    // The generator writes them in order; a table written otherwise is sorted.
    if (!std::is_sorted(r.entries_.begin(), r.entries_.end(), byKey))
        std::stable_sort(r.entries_.begin(), r.entries_.end(), byKey);
    const auto equalKey = [](const Entry& a, const Entry& b) { return a.key == b.key; };
    r.entries_.erase(std::unique(r.entries_.begin(), r.entries_.end(), equalKey), r.entries_.end());
    r.kanjiCount_ =
        int(std::count_if(r.entries_.begin(), r.entries_.end(), [](const Entry& e) { return e.key.size() == 1; }));
    return r;
}

const Readings::Entry* Readings::find(QStringView key) const
{
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                                     [](const Entry& e, QStringView k) { return keyLess(e.key, k); });
    return it != entries_.end() && it->key == key ? &*it : nullptr;
}

int Readings::grade(QStringView kanji) const
{
    const Entry* e = find(kanji);
    return e ? e->grade : 0;
}

namespace {
// い.きる・う.まれる → い(きる)・う(まれる)
QString withOkurigana(QStringView kun)
{
    QString out;
    bool open = false;
    for (QChar c : kun) {
        if (c == u'.') {
            out += u'(';
            open = true;
            continue;
        }
        if (c == u'・' && open) {
            out += u')';
            open = false;
        }
        out += c;
    }
    if (open)
        out += u')';
    return out;
}
}  // namespace

QString Readings::line(QStringView answer) const
{
    const Entry* e = find(answer);
    if (!e)
        return {};
    const QString text = sjis::decode(QByteArrayView(bytes_).sliced(e->from, e->size));
    // Key, then grade, on and kun for a kanji or the reading for a word,
    // then the meaning, which keeps its commas.
    const bool kanji = answer.size() == 1;
    QStringView fields[4];
    const int count = kanji ? 4 : 2;
    qsizetype from = text.indexOf(u',') + 1;
    for (int i = 0; i < count; ++i) {
        const qsizetype comma = i + 1 < count ? text.indexOf(u',', from) : text.size();
        if (comma < 0)
            return {};
        fields[i] = QStringView(text).sliced(from, comma - from).trimmed();
        from = comma + 1;
    }
    QString readings;
    if (kanji) {
        readings = fields[1].toString();
        if (!fields[2].isEmpty())
            readings += (readings.isEmpty() ? QString() : QStringLiteral("／")) + withOkurigana(fields[2]);
    } else {
        readings = fields[0].toString();
    }
    QString out = answer.toString();
    for (const QStringView part : {QStringView(readings), fields[count - 1]})
        if (!part.isEmpty())
            out += u'　' + part.toString();
    return out;
}
