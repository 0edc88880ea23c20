#pragma once
// The kanji tables the game benchmarks draw from: the shipped one, and a
// generated one of 30,000 entries.
#include "dictionary/Dictionary.h"

#include <cmath>
#include <random>

namespace {

const Dictionary& shipped()
{
    static const Dictionary d = [] {
        Dictionary t;
        t.load(QStringLiteral(FERNOA2_DATA_DIR));
        return t;
    }();
    return d;
}

// 30,000 distinct kanji, each of one to six parts out of 1,500, the common
// parts far more often than the rare ones, in about the shares of the
// shipped table; one entry in fifteen primitive.
const Dictionary& large()
{
    static const Dictionary d = [] {
        std::mt19937 gen(20240501);
        std::uniform_real_distribution<double> u(0, 1);
        const auto cjk = [](char32_t c) { return QString::fromUcs4(&c, 1); };
        std::vector<QString> parts;
        for (char32_t c = 0x4E00; parts.size() < 1500; c += 7)
            parts.push_back(cjk(c));
        std::vector<KanjiEntry> entries;
        for (int i = 0; i < 30000; ++i) {
            const QString kanji = cjk(i < 20000 ? char32_t(0x4E01 + i) : char32_t(0x20000 + i));
            if (i % 15 == 0) {
                entries.push_back({kanji, kanji});
                continue;
            }
            const double r = u(gen);
            const int m = r < 0.40 ? 2 : r < 0.75 ? 3 : r < 0.91 ? 4 : r < 0.97 ? 5 : r < 0.99 ? 6 : 1;
            QString kousei;
            for (int k = 0; k < m; ++k)
                kousei += parts[size_t(std::pow(u(gen), 2.5) * double(parts.size()))];
            entries.push_back({kanji, kousei});
        }
        Dictionary t;
        t.setTables(std::move(entries), {});
        return t;
    }();
    return d;
}

// 0 the shipped table, 1 the generated one.
const Dictionary& table(int which) { return which == 0 ? shipped() : large(); }

}  // namespace
