// The readers of the small files (game history, game settings, nickname,
// memo) on any bytes: nothing may crash or overflow, and a memo survives a
// write and a read.
#include "FuzzDir.h"
#include "games/frame/GameSettings.h"
#include "games/frame/HistoryFile.h"
#include "records/MemoFile.h"
#include "records/Nickname.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzdir::enter();
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString file = QStringLiteral("input.txt");
    fuzzdir::write(file, bytes);

    long long total = 0;
    const auto all = history::Listing::read(file);
    for (int i = 0; i < all->rows(); ++i) {
        const HistoryRow row = all->row(i);
        total += row.ok + row.ng;  // range-checked when read: no overflow
        for (int col = 0; col < history::Listing::Columns; ++col) {
            (void)all->cell(i, col);
            (void)all->value(i, history::Listing::Column(col));
        }
    }
    (void)total;
    // A filter lists a subset of the rows, in their order.
    for (const history::Filter& f : {history::Filter{history::Filter::Kind::AnswerCount, {}, 10},
                                     history::Filter{history::Filter::Kind::TimeLimit, QStringLiteral("60"), 0}}) {
        const auto some = history::Listing::read(file, f);
        if (some->rows() > all->rows())
            std::abort();
        int at = 0;
        for (int i = 0; i < some->rows(); ++i, ++at) {
            while (at < all->rows() && all->lineBytes(at) != some->lineBytes(i))
                ++at;
            if (at == all->rows() || some->damaged(i))
                std::abort();
        }
    }
    for (bool hint : {false, true}) {
        const GameSettings s = GameSettings::read(file, hint);
        (void)s.line(hint);
    }
    (void)nickname::read(file);
    const QString memo = memofile::read(file).text;
    if (memofile::parse(memofile::format(memofile::parse(memofile::format(memo)))) !=
        memofile::parse(memofile::format(memo)))
        std::abort();
    return 0;
}
