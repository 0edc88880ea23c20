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
    for (const HistoryRow& row : history::read(file)) {
        total += row.ok + row.ng;  // range-checked when read: no overflow
        (void)history::matchesAnswerCount(row, 10);
        (void)history::matchesTimeLimit(row, QStringLiteral("60"));
        (void)history::leadingNumber(row.rate);
        (void)row.cells(1);
    }
    (void)total;
    for (bool hint : {false, true}) {
        const GameSettings s = GameSettings::read(file, hint);
        (void)s.line(hint);
    }
    (void)nickname::read(file);
    const QString memo = memofile::read(file);
    if (memofile::parse(memofile::format(memofile::parse(memofile::format(memo)))) !=
        memofile::parse(memofile::format(memo)))
        std::abort();
    return 0;
}
