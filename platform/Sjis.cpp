#include "platform/Sjis.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace sjis {
namespace {

// glibc's "SJIS" is strict JIS X 0208 and refuses characters such as ～ (U+FF5E)
// that every Windows-written file holds; "CP932" is the code page itself.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv: code page 932 is not available");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns the iconv result and errno.
    int run(const char*& in, size_t& inLeft, char*& out, size_t& outLeft)
    {
        errno = 0;
        size_t r = iconv(cd_, const_cast<char**>(&in), &inLeft, &out, &outLeft);
        return r == static_cast<size_t>(-1) ? errno : 0;
    }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd_;
};

// One converter a thread: a conversion keeps its state in it, and the log's
// worker converts beside the window.
Converter& decoder()
{
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

Converter& encoder()
{
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

bool encodes(Converter& enc, QStringView ch)
{
    enc.reset();
    const char* in = reinterpret_cast<const char*>(ch.utf16());
    size_t inLeft = size_t(ch.size()) * 2;
    char buf[16];
    char* out = buf;
    size_t outLeft = sizeof buf;
    return enc.run(in, inLeft, out, outLeft) == 0 && inLeft == 0;
}

}  // namespace

namespace {

// Decoding is table-driven: the tables are filled once from iconv's CP932,
// which stays the one authority on the code page, and a record file then
// decodes at memory speed.
struct DecodeTables {
    char16_t single[256];         // 0 = lead byte of a pair, 0xFFFD = invalid
    std::vector<char16_t> pairs;  // (lead << 8 | trail), 0xFFFD = invalid

    DecodeTables() : pairs(65536, u'\uFFFD')
    {
        Converter& dec = decoder();
        auto convert = [&](const char* in, size_t len) -> char16_t {
            dec.reset();
            char16_t out[4];
            char* o = reinterpret_cast<char*>(out);
            size_t outLeft = sizeof out;
            size_t inLeft = len;
            if (dec.run(in, inLeft, o, outLeft) != 0 || inLeft != 0 || outLeft != sizeof out - 2)
                return u'\uFFFD';
            return out[0];
        };
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            single[b] = b < 0x80 ? char16_t(b) : convert(&c, 1);
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (lead >= 0xA0 && lead <= 0xDF)
                continue;
            single[lead] = 0;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char pair[2] = {char(lead), char(trail)};
                pairs[size_t(lead << 8 | trail)] = convert(pair, 2);
            }
        }
    }
};

const DecodeTables& tables()
{
    // Never destroyed: the log's worker may still be decoding while the
    // program exits.
    static const auto* t = new DecodeTables;
    return *t;
}

}  // namespace

QString decode(QByteArrayView bytes) { return decode(bytes, nullptr); }

bool isClean(QByteArrayView bytes)
{
    const DecodeTables& t = tables();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        const unsigned char b = *in;
        if (b < 0x80) {
            ++in;
            continue;
        }
        const char16_t one = t.single[b];
        if (one == u'\uFFFD')
            return false;
        if (one != 0) {
            ++in;
            continue;
        }
        if (in + 1 >= end || t.pairs[size_t(b << 8 | in[1])] == u'\uFFFD')
            return false;
        in += 2;
    }
    return true;
}

QString decode(QByteArrayView bytes, bool* clean)
{
    bool invalid = false;
    const DecodeTables& t = tables();
    // CP932 never needs more UTF-16 units than bytes.
    QString result(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    char16_t* const start = out;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        // Most of a record file is ASCII: eight bytes at a time while it is.
        while (end - in >= 8) {
            quint64 word;
            std::memcpy(&word, in, 8);
            if (word & 0x8080808080808080ULL)
                break;
            for (int i = 0; i < 8; ++i)
                out[i] = char16_t(in[i]);
            in += 8;
            out += 8;
        }
        if (in >= end)
            break;
        const unsigned char b = *in;
        if (b < 0x80) {
            *out++ = char16_t(b);
            ++in;
            continue;
        }
        const char16_t one = t.single[b];
        if (one != 0) {
            invalid |= one == u'\uFFFD';
            *out++ = one;
            ++in;
            continue;
        }
        // A lead byte: a valid pair is two bytes; otherwise only the lead
        // byte is marked and decoding goes on with the next byte.
        if (in + 1 < end) {
            const char16_t two = t.pairs[size_t(b << 8 | in[1])];
            if (two != u'\uFFFD') {
                *out++ = two;
                in += 2;
                continue;
            }
        }
        *out++ = u'\uFFFD';
        invalid = true;
        ++in;
    }
    if (clean)
        *clean = !invalid;
    result.truncate(qsizetype(out - start));
    return result;
}

Encoded encode(QStringView text)
{
    Encoded result;
    Converter& enc = encoder();
    enc.reset();
    result.bytes.resize(text.size() * 2);
    const char* in = reinterpret_cast<const char*>(text.utf16());
    size_t inLeft = size_t(text.size()) * 2;
    char* out = result.bytes.data();
    size_t outLeft = size_t(result.bytes.size());
    if (enc.run(in, inLeft, out, outLeft) == 0 && inLeft == 0) {
        result.bytes.truncate(result.bytes.size() - qsizetype(outLeft));
        return result;
    }
    result.bytes.clear();
    result.unrepresentable = unrepresentable(text);
    if (result.unrepresentable.isEmpty())  // e.g. an unpaired surrogate
        result.unrepresentable = QStringLiteral("\uFFFD");
    return result;
}

QString unrepresentable(QStringView text)
{
    QString bad;
    Converter& enc = encoder();
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringView ch = text.mid(i, len);
        if (ch.front().unicode() >= 0x80 && !encodes(enc, ch) && !bad.contains(ch))
            bad += ch;
        i += len - 1;
    }
    return bad;
}

}  // namespace sjis
