#include "review/NigateScreen.h"

#include "platform/Chart.h"
#include "platform/Clock.h"
#include "platform/Grid.h"
#include "records/AnswerLog.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

class NigateScreenTest : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        Clock::install(&clock);
        answerlog::forget();
    }
    void TearDown() override
    {
        Clock::install(nullptr);
        answerlog::forget();
        DataDirTest::TearDown();
    }
    QStringList rows()
    {
        QStringList out;
        for (int r = 1; r < screen.grid().rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < screen.grid().cols(); ++c)
                cells << screen.grid().text(r, c);
            out << cells.join(u' ');
        }
        return out;
    }
    QString summary() { return screen.findChild<QLabel*>(u"lblNigateKei"_s)->text(); }

    ManualClock clock{QDateTime(QDate(2024, 5, 31), QTime(21, 0, 0))};
    NigateScreen screen;
};

TEST_F(NigateScreenTest, ListsWhatWasMissedOverThePeriodAndGameChosen)
{
    screen.prepare();
    EXPECT_TRUE(rows().isEmpty());  // no answer log yet
    EXPECT_EQ(summary(), u"この期間の解答はありません"_s);

    writeText(answerfile::FileName,
              u"\"2024/01/10\",\"12:00:00\",\"合体\",\"時\",\"日\",\"不正解\",\"\",\"\"\r\n"
              "\"2024/05/20\",\"12:00:00\",\"合体\",\"時\",\"土\",\"不正解\",\"\",\"\"\r\n"
              "\"2024/05/20\",\"12:00:01\",\"合体\",\"時\",\"時\",\"正解\",\"\",\"\"\r\n"
              "\"2024/05/21\",\"12:00:00\",\"解体\",\"結\",\"糸\",\"正解\",\"糸\",\"士口\"\r\n"
              "\"2024/05/21\",\"12:00:01\",\"解体\",\"結\",\"\",\"ギブアップ\",\"糸\",\"士口\"\r\n"
              "\"2024/05/30\",\"12:00:00\",\"熟語合体\",\"会社\",\"会話\",\"不正解\",\"\",\"\"\r\n"
              "\"2024/05/31\",\"12:00:00\",\"熟語合体\",\"会社\",\"会社\",\"正解\",\"\",\"\"\r\n"_s);
    screen.prepare();
    EXPECT_EQ(rows(), QStringList({u"部品 口 1 1 100.0% 2024/05/21"_s, u"部品 士 1 1 100.0% 2024/05/21"_s,
                                   u"熟語 会社 1 2 50.0% 2024/05/31"_s, u"漢字 結 1 2 50.0% 2024/05/21"_s,
                                   u"漢字 時 1 2 50.0% 2024/05/20"_s}));
    EXPECT_EQ(summary(), u"解答 6 回　ミス 3 回（50.0%）"_s);
    // One point a week, from Monday.
    ASSERT_EQ(screen.chart().pointCount(), 2);
    EXPECT_EQ(screen.chart().pointLabel(1), u"05/20"_s);
    EXPECT_NEAR(screen.chart().value(1), 50.0, 1e-9);
    EXPECT_NEAR(screen.chart().value(2), 50.0, 1e-9);

    screen.findChild<QRadioButton*>(u"optKikan_2"_s)->click();
    EXPECT_EQ(rows().first(), u"漢字 時 2 3 66.7% 2024/05/20"_s);
    EXPECT_EQ(screen.chart().pointCount(), 3);

    auto* game = screen.findChild<QComboBox*>(u"cboGame"_s);
    game->setCurrentIndex(2);
    emit game->activated(2);
    EXPECT_EQ(rows(), QStringList({u"部品 口 1 1 100.0% 2024/05/21"_s, u"部品 士 1 1 100.0% 2024/05/21"_s,
                                   u"漢字 結 1 2 50.0% 2024/05/21"_s}));
}

TEST_F(NigateScreenTest, AHeadingSortsMostFirstThenTheOtherWayAndADoubleClickAsksTheDictionary)
{
    writeText(answerfile::FileName, u"\"2024/05/30\",\"12:00:00\",\"合体\",\"林\",\"x\",\"不正解\",\"\",\"\"\r\n"
                                    "\"2024/05/30\",\"12:00:00\",\"合体\",\"林\",\"林\",\"正解\",\"\",\"\"\r\n"
                                    "\"2024/05/30\",\"12:00:00\",\"合体\",\"林\",\"林\",\"正解\",\"\",\"\"\r\n"
                                    "\"2024/05/31\",\"12:00:00\",\"合体\",\"森\",\"x\",\"不正解\",\"\",\"\"\r\n"_s);
    screen.prepare();
    const auto texts = [&] {
        QStringList out;
        for (int r = 1; r < screen.grid().rows(); ++r)
            out << screen.grid().text(r, 1);
        return out;
    };
    EXPECT_EQ(texts(), QStringList({u"森"_s, u"林"_s}));
    screen.msgNigate_HeaderClick(3);  // 回数: the most first
    EXPECT_EQ(texts(), QStringList({u"林"_s, u"森"_s}));
    screen.msgNigate_HeaderClick(3);
    EXPECT_EQ(texts(), QStringList({u"森"_s, u"林"_s}));

    QSignalSpy asked(&screen, &NigateScreen::dictionaryRequested);
    screen.msgNigate_DblClick(2);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][0].toString(), u"林"_s);
}

// A play ended once the screen was left adds its answers to the kept log
// where it is; one ended while the screen shows leaves the screen's log as
// it was, at the cost of a copy.
TEST_F(NigateScreenTest, ALeftScreenLetsAPlaysAnswersJoinTheLogWithoutACopy)
{
    const auto play = [](const QString& kanji) {
        return std::vector<Answer>{Answer{u"2024/05/31"_s, u"21:00:00"_s, 1, kanji, u"x"_s, Verdict::Wrong, {}, {}}};
    };
    ASSERT_TRUE(answerlog::append(play(u"時"_s)).ok);
    screen.show();
    screen.prepare();
    const AnswerLog* shown = answerlog::current().get();
    ASSERT_TRUE(answerlog::append(play(u"林"_s)).ok);
    const AnswerLog* copied = answerlog::current().get();
    EXPECT_NE(copied, shown);
    screen.prepare();
    screen.hide();
    ASSERT_TRUE(answerlog::append(play(u"森"_s)).ok);
    EXPECT_EQ(answerlog::current().get(), copied);
    EXPECT_EQ(answerlog::current()->size(), 3);
}
