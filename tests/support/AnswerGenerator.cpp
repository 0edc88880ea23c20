#include "support/AnswerGenerator.h"

#include "platform/Clock.h"
#include "platform/Sjis.h"
#include "records/AnswerFile.h"

#include <random>
#include <vector>

namespace answergen {

QByteArray bytes(int count, QDate last, int perDay)
{
    std::mt19937 rng(2727);
    // Two thousand kanji the log's code page holds: the first level of JIS.
    static const QString pool = [] {
        QByteArray bytes;
        for (int lead = 0x88; lead <= 0x98; ++lead)
            for (int trail = 0x40; trail <= 0xFC; ++trail)
                if (trail != 0x7F && (lead != 0x88 || trail >= 0x9F))
                    bytes += char(lead), bytes += char(trail);
        QString all = sjis::decode(bytes);
        all.remove(QChar(0xFFFD));
        return all.left(2000);
    }();
    auto kanji = [&] { return QString(pool[qsizetype(rng() % pool.size())]); };
    QByteArray out;
    out.reserve(qsizetype(count) * 56);
    std::vector<Answer> play;
    QDate day = last.addDays(-(count - 1) / perDay);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % perDay == 0)
            day = day.addDays(1);
        Answer a;
        a.date = dateText(day);
        a.time = timeText(QTime(8, 0).addSecs(i % perDay * 30));
        a.game = 1 + int(rng() % 7);
        a.question = a.game == 3 ? kanji() + kanji() : kanji();
        const unsigned roll = rng() % 100;
        a.verdict = roll < 75   ? Verdict::Right
                    : roll < 90 ? Verdict::Wrong
                    : roll < 97 ? Verdict::GivenUp
                                : Verdict::TimedOut;
        a.typed = a.verdict == Verdict::Right ? a.question : a.verdict == Verdict::Wrong ? kanji() : QString();
        if (a.game == 2) {
            a.found = kanji() + kanji();
            a.missed = a.verdict == Verdict::Right && roll % 2 ? QString() : kanji();
            if (a.verdict == Verdict::Right)
                a.typed = a.found.right(1);
        }
        play.push_back(std::move(a));
        if (play.size() == 50 || i == count - 1) {
            out += answerfile::encode(play);
            play.clear();
        }
    }
    return out;
}

}  // namespace answergen
