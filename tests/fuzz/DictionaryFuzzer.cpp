// The dictionary loader and its queries on any kanji and compound files.
#include "FuzzDir.h"
#include "dictionary/ComponentVariants.h"
#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzdir::enter();
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The first half is the kanji file, the rest the compound file.
    const qsizetype half = bytes.size() / 2;
    fuzzdir::write(Dictionary::KanjiFileName, bytes.first(half));
    fuzzdir::write(Dictionary::CompoundFileName, bytes.sliced(half));
    Dictionary d;
    (void)d.load(QStringLiteral("."));
    Random& random = Random::instance();
    random.seed(size);
    const int n = std::min(d.kanjiCount(), 64);
    for (int i = 1; i <= n; ++i) {
        const QString& kanji = d.kansei(i);
        const QString& kousei = d.kousei(i);
        const int found = d.findKanji(kanji);
        if (found < 1 || found > i || d.kansei(found) != kanji)
            std::abort();
        if (!d.buildsFrom(kanji, kousei))
            std::abort();
        (void)d.componentSet(kanji);
        (void)Dictionary::components(kousei);
        if (Dictionary::componentKey(kousei).size() != kousei.size())
            std::abort();
        (void)d.isPrimitive(i);
    }
    (void)d.distinctComponents();
    for (int k = 0; k < 4; ++k) {
        const int r = d.randomKanji(random);
        if (d.kanjiCount() > 0 ? (r < 1 || r > d.kanjiCount()) : r != 0)
            std::abort();
        (void)d.randomKanjiWithAtLeast(k + 1, random);
        const int c = d.randomCompound(random);
        if (c > 0)
            (void)d.compoundText(c);
    }
    return 0;
}
