// The chart control: readable value axes, folding long series, thinning
// labels, and the values and labels as the program fills them.
#include "platform/Chart.h"

#include "platform/ChartScale.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>

#include <gtest/gtest.h>

TEST(ChartScale, ValueAxesRunFromZeroInRoundSteps)
{
    const auto a = chartscale::valueAxis(5.375);  // not 5.375 / 10.75 steps
    EXPECT_DOUBLE_EQ(a.step, 1);
    EXPECT_DOUBLE_EQ(a.top, 6);
    EXPECT_EQ(a.ticks, 6);

    const auto rates = chartscale::valueAxis(0.28);
    EXPECT_DOUBLE_EQ(rates.step, 0.05);
    EXPECT_NEAR(rates.top, 0.3, 1e-12);
    EXPECT_EQ(rates.decimals, 2);

    const auto seconds = chartscale::valueAxis(32767 * 3.0);  // beyond 16 bits
    EXPECT_DOUBLE_EQ(seconds.step, 20000);
    EXPECT_DOUBLE_EQ(seconds.top, 100000);

    for (double empty : {0.0, -3.0, std::nan("")}) {
        const auto e = chartscale::valueAxis(empty);
        EXPECT_DOUBLE_EQ(e.top, 1);
        EXPECT_EQ(e.ticks, 1);
    }
}

TEST(ChartScale, CountAxesStepInWholeNumbers)
{
    const auto three = chartscale::countAxis(3);
    EXPECT_DOUBLE_EQ(three.step, 1);
    EXPECT_DOUBLE_EQ(three.top, 3);
    const auto answers = chartscale::countAxis(33);
    EXPECT_DOUBLE_EQ(answers.step, 10);
    EXPECT_DOUBLE_EQ(answers.top, 40);
    EXPECT_EQ(answers.decimals, 0);
}

TEST(ChartScale, FoldingKeepsEveryPeakAndCoversEveryPoint)
{
    std::vector<double> v(32766, 1.0);
    v[12345] = 500;
    v[32765] = 2;
    const auto f = chartscale::fold(v, 400);
    ASSERT_EQ(f.peaks.size(), 400u);
    EXPECT_EQ(f.firsts.front(), 0);
    EXPECT_DOUBLE_EQ(*std::max_element(f.peaks.begin(), f.peaks.end()), 500);
    EXPECT_DOUBLE_EQ(f.peaks.back(), 2);
    EXPECT_DOUBLE_EQ(f.lows.back(), 1);
    for (size_t g = 1; g < f.firsts.size(); ++g)
        EXPECT_GT(f.firsts[g], f.firsts[g - 1]);

    // Fewer points than columns: one point a column.
    const auto few = chartscale::fold({3, 1, 2}, 400);
    ASSERT_EQ(few.peaks.size(), 3u);
    EXPECT_DOUBLE_EQ(few.means[1], 1);
    EXPECT_TRUE(chartscale::fold({}, 400).peaks.empty());
}

TEST(Chart, KeepsTheValuesAndLabelsAsFilled)
{
    Chart chart(QStringLiteral("mcrTest"), nullptr, 2);
    chart.setPointCount(3);
    chart.setPointLabel(1, QStringLiteral("合体"));
    chart.setPointValue(2, 45.5);
    chart.setPointValue(2, 2, 7.0);
    chart.setPointValue(4, 9.0);     // no such point
    chart.setPointValue(3, 1, 9.0);  // no such series
    EXPECT_DOUBLE_EQ(chart.value(2), 45.5);
    EXPECT_DOUBLE_EQ(chart.value(2, 2), 7);
    EXPECT_EQ(chart.pointLabel(1), QStringLiteral("合体"));
    chart.setPointCount(5);  // growing keeps what was set
    EXPECT_DOUBLE_EQ(chart.value(2), 45.5);
    EXPECT_DOUBLE_EQ(chart.value(5), 0);
}

TEST(Chart, AxesAreRoundAndAccuracyRunsToOneHundredPercent)
{
    Chart chart(QStringLiteral("mcrTest"));
    chart.resize(600, 300);
    chart.setPointCount(2);
    chart.setPointValue(1, 80.0);
    chart.setPointValue(2, 83.3);
    chart.setScale(Chart::Scale::Percent);
    chart.redraw();
    EXPECT_DOUBLE_EQ(chart.axisTop(), 100);
    EXPECT_DOUBLE_EQ(chart.axisStep(), 20);

    chart.setScale(Chart::Scale::Values);
    chart.setValueMax(120);  // the day's longest play
    chart.redraw();
    EXPECT_DOUBLE_EQ(chart.axisTop(), 120);
    EXPECT_DOUBLE_EQ(chart.axisStep(), 20);
}

TEST(Chart, ThousandsOfPointsFoldIntoTheWidthAndKeepTheirPeak)
{
    Chart chart(QStringLiteral("mcrTest"), nullptr, 2);
    chart.resize(600, 300);
    chart.setPointCount(32766);
    for (int i = 1; i <= 32766; ++i)
        chart.setPointValue(1, i, 10.0);
    chart.setPointValue(2, 20000, 45.0);
    chart.redraw();
    EXPECT_TRUE(chart.folded());
    EXPECT_LE(chart.columnsShown(), 600);
    EXPECT_GE(chart.axisTop(), 45);

    chart.setPointCount(12);
    chart.redraw();
    EXPECT_FALSE(chart.folded());
    EXPECT_EQ(chart.columnsShown(), 12);
}

TEST(Chart, LabelsAreThinnedToFitAndNeverReadAsMarkup)
{
    Chart chart(QStringLiteral("mcrTest"));
    chart.setPointCount(24);
    for (int h = 0; h < 24; ++h)
        chart.setPointLabel(h + 1, QStringLiteral(" ") + QString::number(h));
    chart.resize(1200, 300);
    chart.redraw();
    EXPECT_EQ(chart.shownLabels().count(QString()), 0);  // room for all 24

    chart.resize(320, 300);
    chart.redraw();
    const QStringList narrow = chart.shownLabels();
    ASSERT_EQ(narrow.size(), 24);
    EXPECT_EQ(narrow[0], QStringLiteral(" 0"));
    EXPECT_GT(narrow.count(QString()), 0);
    // Every label left on the axis is drawn whole, not cut to "...".
    chart.show();
    QApplication::processEvents();
    int drawn = 0;
    for (QGraphicsItem* item : chart.scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible()) {
            EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("..."))) << text->toPlainText().toStdString();
            drawn += text->toPlainText().trimmed() == QStringLiteral("12");
        }
    EXPECT_EQ(drawn, narrow.contains(QStringLiteral(" 12")) ? 1 : 0);
    chart.hide();

    chart.setPointCount(1);
    chart.setPointLabel(1, QStringLiteral("<b>"));
    chart.redraw();
    EXPECT_EQ(chart.shownLabels().value(0), QStringLiteral("&lt;b&gt;"));
}

// A folded series keeps every peak in sight: the band of the column that
// holds a spike reaches the spike's height, whatever draws it.
TEST(Chart, AFoldedBandReachesTheSpikeOfItsColumn)
{
    Chart chart(QStringLiteral("mcrTest"));
    chart.resize(600, 300);
    chart.setPointCount(32766);
    for (int i = 1; i <= 32766; ++i)
        chart.setPointValue(i, 10.0);
    chart.setPointValue(20000, 45.0);
    chart.setValueMax(50);
    chart.redraw();
    chart.show();
    QApplication::processEvents();
    const QImage image = chart.grab().toImage();
    QChart* c = chart.chart();
    QAbstractSeries* series = c->series().front();
    auto at = [&](double point, double value) {
        return chart.mapFromScene(c->mapToScene(c->mapToPosition(QPointF(point, value), series)));
    };
    // The topmost pixel tinted by the series' colour near x.
    auto top = [&](int x) {
        int best = image.height();
        for (int dx = -2; dx <= 2; ++dx)
            for (int y = 0; y < image.height(); ++y) {
                const QColor p = image.pixelColor(x + dx, y);
                if (p.blue() > p.red() + 25) {
                    best = std::min(best, y);
                    break;
                }
            }
        return best;
    };
    const QPoint spike = at(20000, 45);
    const QPoint plateau = at(5000, 10);
    EXPECT_NEAR(top(spike.x()), spike.y(), 3);
    EXPECT_NEAR(top(plateau.x()), plateau.y(), 3);
    EXPECT_GT(plateau.y() - spike.y(), 50);  // the spike stands well above
}
