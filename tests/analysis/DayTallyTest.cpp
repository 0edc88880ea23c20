#include "analysis/DayTally.h"

#include "records/GameItems.h"

#include <gtest/gtest.h>

namespace {
QString rec(const char* date, const char* item, const char* seconds)
{
    return QStringLiteral("\"%1\",\"12:00:00\",\"%2\",%3,\"n\",\r\n")
        .arg(QString::fromUtf8(date), QString::fromUtf8(item), QString::fromLatin1(seconds));
}
}  // namespace

TEST(DayTally, CountsPerItemInListOrderWithTotalsRoundedOnce)
{
    auto table = RecordTable::parse(rec("2024/05/01", "連結", "30") + rec("2024/05/01", "合体", "10.5") +
                                    rec("2024/05/02", "合体", "99") + rec("2024/05/01", "合体", "10.5") +
                                    rec("2024/05/01", "謎", "7"));
    const DayTally t = DayTally::compute(*table, u"2024/05/01", items::names());
    EXPECT_EQ(t.plays.size(), 4u);  // the unknown item is listed
    EXPECT_EQ(t.counts[0], 2);
    EXPECT_EQ(t.seconds(0), 21);  // 10.5 + 10.5, not 10 + 10
    EXPECT_EQ(t.counts[5], 1);
    EXPECT_EQ(t.kinds(), 2);  // but not counted
    EXPECT_EQ(t.totalSeconds(), 51);
    EXPECT_FLOAT_EQ(t.longest, 30.0f);
}

TEST(DayTally, TotalsPassSixteenBitsWithoutWrapping)
{
    QString text;
    for (int i = 0; i < 20; ++i)
        text += rec("2024/05/01", "しりとり", "3600");
    const DayTally t = DayTally::compute(*RecordTable::parse(text), u"2024/05/01", items::names());
    EXPECT_EQ(t.totalSeconds(), 72000);
}

TEST(DayFace, FacesLampsAndCaptionFollowTheKindsPlayed)
{
    using dayface::Face;
    EXPECT_EQ(dayface::face(0), Face::None);
    EXPECT_EQ(dayface::face(1), Face::Sulky);
    EXPECT_EQ(dayface::face(2), Face::Smile);
    EXPECT_EQ(dayface::face(7), Face::Laugh);
    EXPECT_EQ(dayface::lampColor(2, 2), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_EQ(dayface::lampColor(3, 2), QColor(Qt::white));
    EXPECT_EQ(dayface::labelColor(7), QColor(0xFF, 0xC0, 0xFF));
    EXPECT_EQ(dayface::labelColor(0), QColor(Qt::white));
    EXPECT_EQ(dayface::caption(3), QStringLiteral("3 種類の脳刺激"));
    EXPECT_EQ(dayface::caption(0), QStringLiteral("今日の脳も健康元気"));
}
