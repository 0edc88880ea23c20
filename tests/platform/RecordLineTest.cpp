#include "platform/RecordLine.h"

#include <gtest/gtest.h>

namespace {
std::vector<QString> items(const QString& line)
{
    std::vector<QStringView> views;
    recordline::split(line, views);
    std::vector<QString> out;
    for (QStringView v : views)
        out.push_back(v.toString());
    return out;
}
using V = std::vector<QString>;
}  // namespace

TEST(RecordLine, SplitsQuotedBareAndEmptyItems)
{
    EXPECT_EQ(items(QStringLiteral("\"2006/01/05\",\"09:05:03\",\"合体\",60,\"秒数 : 60, 答数 : 3\",")),
              (V{"2006/01/05", "09:05:03", "合体", "60", "秒数 : 60, 答数 : 3", ""}));
    EXPECT_EQ(items(QStringLiteral("\"a\",1.5,\"\"")), (V{"a", "1.5", ""}));
    EXPECT_EQ(items(QStringLiteral("時,日土寸")), (V{"時", "日土寸"}));
    EXPECT_EQ(items(QStringLiteral("  \"x\" ,  12  ,y")), (V{"x", "12", "y"}));
    EXPECT_EQ(items(QString()), (V{""}));
}

TEST(RecordLine, DamagedLinesAreReadAsWellAsPossible)
{
    // An unbalanced quote runs to the line end.
    EXPECT_EQ(items(QStringLiteral("\"abc,def")), (V{"abc,def"}));
    // Text between a closing quote and the comma is dropped.
    EXPECT_EQ(items(QStringLiteral("\"ab\"cd,e")), (V{"ab", "e"}));
    EXPECT_EQ(items(QStringLiteral(",,")), (V{"", "", ""}));
}

TEST(RecordLine, ForEachLineSkipsBlankLinesAndKeepsAnUnterminatedLastLine)
{
    const char* text = "a\r\n\r\nb\nc\r\n  \r\n\"e\r\r\"f\r\r\n\rd";
    std::vector<QString> lines;
    recordline::forEachLine(QString::fromLatin1(text), [&](QStringView l) { lines.push_back(l.toString()); });
    EXPECT_EQ(lines, (V{"a", "b", "c", "\"e", "\"f", "d"}));
    // The bytes of a file split the same way.
    std::vector<QString> byteLines;
    recordline::forEachLine(QByteArrayView(text),
                            [&](QByteArrayView l) { byteLines.push_back(QString::fromLatin1(l)); });
    EXPECT_EQ(byteLines, lines);
}

TEST(RecordLine, NumbersAreShortestAndPlain)
{
    EXPECT_EQ(recordline::number(60.0), QStringLiteral("60"));
    EXPECT_EQ(recordline::number(180.28), QStringLiteral("180.28"));
    EXPECT_EQ(recordline::number(180.28f), QStringLiteral("180.28"));
    EXPECT_EQ(recordline::number(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(recordline::number(1234567.0f), QStringLiteral("1234567"));
    EXPECT_EQ(recordline::number(-0.0), QStringLiteral("0"));
    EXPECT_EQ(recordline::toFloat(u"abc"), 0.0f);
    EXPECT_EQ(recordline::toFloat(u"1e99"), 0.0f);  // out of single range
    EXPECT_EQ(recordline::toInteger(u" 7 "), 7);
}

TEST(RecordLine, WriterQuotesTextAndSafeTextCannotBreakTheLine)
{
    const QString line =
        recordline::LineWriter().quoted(recordline::safeText(u"彼は\"はい\"と\r\n言った")).num(60).empty().text();
    EXPECT_EQ(line, QStringLiteral("\"彼は＂はい＂と 言った\",60,\r\n"));
    EXPECT_EQ(items(line.chopped(2)).size(), 3u);
}
