#include "platform/Sjis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

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

Converter& decoder()
{
    static Converter c("UTF-16LE", "CP932");
    return c;
}

Converter& encoder()
{
    static Converter c("CP932", "UTF-16LE");
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

QString decode(QByteArrayView bytes)
{
    Converter& dec = decoder();
    dec.reset();
    // CP932 never needs more UTF-16 units than bytes.
    QString result(bytes.size(), Qt::Uninitialized);
    const char* in = bytes.data();
    size_t inLeft = size_t(bytes.size());
    char* outStart = reinterpret_cast<char*>(result.data());
    char* out = outStart;
    size_t outLeft = size_t(result.size()) * 2;
    while (inLeft > 0) {
        int err = dec.run(in, inLeft, out, outLeft);
        if (err == 0)
            break;
        if (err == EILSEQ || err == EINVAL) {
            // Not CP932 (or cut off at the end): mark it and go on.
            const char16_t replacement = u'\uFFFD';
            memcpy(out, &replacement, 2);
            out += 2;
            outLeft -= 2;
            ++in;
            --inLeft;
            dec.reset();
            continue;
        }
        break;  // E2BIG cannot happen with the bound above
    }
    result.truncate(qsizetype((out - outStart) / 2));
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
