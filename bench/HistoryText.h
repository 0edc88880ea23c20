#pragma once
// A generated game history: plays of every kind, both modes, scores from
// poor to perfect, ten a day.
#include <QDate>
#include <QString>
#include <QTime>

inline QString historyText(int rows)
{
    QString text;
    text.reserve(qsizetype(rows) * 80);
    for (int i = 0; i < rows; ++i) {
        const int ok = 5 + i * 7 % 26;
        const int ng = i * 3 % 6;
        const int answers = ok + ng;
        const bool timed = i % 3 != 0;
        const double seconds = timed ? 60 : 20 + i % 400 / 10.0;
        text += QStringLiteral("\"%1\",\"%2\",%3,%4,%5,%3,\"%6%\",\"%7/秒\",\"%8秒\"\r\n")
                    .arg(QDate(2020, 1, 1).addDays(i / 10).toString(QStringLiteral("yyyy/MM/dd")),
                         QTime(8, 0).addSecs(i % 10 * 600).toString(QStringLiteral("hh:mm:ss")))
                    .arg(answers)
                    .arg(ok)
                    .arg(ng)
                    .arg(QString::number(100.0 * ok / answers, 'f', 1), QString::number(ok / seconds, 'f', 2),
                         timed ? QStringLiteral("60") : QString::number(seconds, 'f', 1));
    }
    return text;
}
