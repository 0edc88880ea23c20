// The dictionaries and the variant table as shipped, read by the program's
// own loader: what the games rely on holds for the real data.
#include "dictionary/ComponentVariants.h"
#include "dictionary/Dictionary.h"
#include "dictionary/KanjiLevel.h"
#include "dictionary/Readings.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
const QString DataDir = QStringLiteral(FERNOA2_SOURCE_DATA_DIR);

class ShippedData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dictionary = new Dictionary;
        message = new QString(dictionary->load(DataDir));
    }
    static void TearDownTestSuite()
    {
        delete dictionary;
        delete message;
    }
    static Dictionary* dictionary;
    static QString* message;
};
Dictionary* ShippedData::dictionary = nullptr;
QString* ShippedData::message = nullptr;
}  // namespace

TEST_F(ShippedData, BothDictionariesLoadWholeAndEveryCompoundIsMadeOfKanjiWithAnEntry)
{
    EXPECT_TRUE(message->isEmpty()) << message->toStdString();
    EXPECT_GE(dictionary->kanjiCount(), 2136);
    EXPECT_GE(dictionary->compoundCount(), 6000);
    for (int i = 1; i <= dictionary->kanjiCount(); ++i) {
        const int n = int(Dictionary::components(dictionary->kousei(i)).size());
        ASSERT_TRUE(n >= 1 && n <= 6) << dictionary->kansei(i).toStdString();
    }
    for (int j = 1; j <= dictionary->compoundCount(); ++j) {
        const QString w = dictionary->compoundText(j);
        ASSERT_EQ(w.size(), 2);
        ASSERT_NE(dictionary->findKanji(w.left(1)), 0) << w.toStdString();
        ASSERT_NE(dictionary->findKanji(w.mid(1)), 0) << w.toStdString();
    }
}

TEST_F(ShippedData, EveryComponentIsStoredInItsOwnFormAndListedOnTheHelpPage)
{
    const ComponentVariants& variants = ComponentVariants::shipped();
    QFile page(DataDir + QStringLiteral("/FernoaHelp/parts.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(page.readAll());
    // Grouped by where a component stands, then by strokes; reached from the index.
    for (const char* group : {"hen", "tsukuri", "kanmuri", "ashi", "tare", "nyou", "kamae", "other", "strokes"})
        EXPECT_TRUE(help.contains(QStringLiteral("<a name=\"%1\">").arg(QLatin1String(group)))) << group;
    QFile index(DataDir + QStringLiteral("/FernoaHelp/index.html"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    EXPECT_TRUE(index.readAll().contains("href=\"parts.html\""));
    for (const QString& c : Dictionary::components(dictionary->distinctComponents())) {
        // A component written in a form the table maps elsewhere could never
        // be typed as stored.
        EXPECT_EQ(variants.canonical(QStringView(c)), c) << c.toStdString();
        EXPECT_TRUE(help.contains(QStringLiteral("<td class=\"big\">%1</td>").arg(c))) << c.toStdString();
    }
    // The radical forms an input method gives for the shapes written otherwise.
    for (const auto& [typed, stored] : {std::pair{u"氵", u"水"},
                                        {u"宀", u"宀"},
                                        {u"ウ", u"宀"},
                                        {u"⺮", u"竹"},
                                        {u"⼧", u"宀"},
                                        {u"艹", u"艸"},
                                        {u"口", u"囗"},
                                        {u"攴", u"攵"}})
        EXPECT_TRUE(variants.matches(typed, stored))
            << QString::fromUtf16(typed).toStdString() << " " << QString::fromUtf16(stored).toStdString();
}

TEST_F(ShippedData, EveryHelpPageTakesTheStyleSheetTheHelpWindowCanReadAndLinksTheAboutPage)
{
    // The help window loads a linked style sheet only when its type is given.
    const QDir pages(DataDir + QStringLiteral("/FernoaHelp"));
    const QStringList names = pages.entryList({QStringLiteral("*.html")});
    EXPECT_GE(names.size(), 5);
    for (const QString& name : names) {
        QFile f(pages.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray page = f.readAll();
        EXPECT_TRUE(page.contains(R"(<link rel="stylesheet" type="text/css" href="style.css">)"))
            << name.toStdString();
        EXPECT_TRUE(page.contains(R"(<a href="about.html">このソフトについて</a>)")) << name.toStdString();
    }
    // The attribution the dictionaries' licence asks for.
    QFile about(pages.filePath(QStringLiteral("about.html")));
    ASSERT_TRUE(about.open(QIODevice::ReadOnly));
    const QByteArray text = about.readAll();
    for (const char* needed :
         {"This publication has included material from the EDICT and KANJIDIC dictionary files.",
          "http://www.edrdg.org/edrdg/licence.html", "CC BY-SA 3.0", "KanjiVG"})
        EXPECT_TRUE(text.contains(needed)) << needed;
}

TEST_F(ShippedData, NoQuestionShowsItsOwnAnswer)
{
    for (int i = 1; i <= dictionary->kanjiCount(); ++i) {
        if (dictionary->isPrimitive(i))
            continue;
        EXPECT_FALSE(Dictionary::components(dictionary->kousei(i)).contains(dictionary->kansei(i)))
            << dictionary->kansei(i).toStdString();
    }
    EXPECT_GT(dictionary->questionCount(), 1900);
}

TEST_F(ShippedData, EveryKanjiHasAGradeReadingsAndAMeaningAndEveryCompoundItsReadingAndMeaning)
{
    const Readings& readings = Readings::shipped();
    const auto fields = [&](const QString& key) { return readings.line(key).split(QStringLiteral("　")); };
    for (int i = 1; i <= dictionary->kanjiCount(); ++i) {
        const QString k = dictionary->kansei(i);
        const int grade = readings.grade(k);
        EXPECT_TRUE((grade >= 1 && grade <= 6) || grade == Readings::LaterGrade) << k.toStdString();
        const QStringList f = fields(k);
        ASSERT_EQ(f.size(), 3) << k.toStdString();
        EXPECT_FALSE(f[1].isEmpty() || f[2].isEmpty()) << k.toStdString();
    }
    for (int j = 1; j <= dictionary->compoundCount(); ++j) {
        const QStringList f = fields(dictionary->compoundText(j));
        ASSERT_EQ(f.size(), 3) << dictionary->compoundText(j).toStdString();
    }
    EXPECT_EQ(readings.line(u"時"), QStringLiteral("時　ジ／とき　time, hour"));
    EXPECT_EQ(readings.line(u"会社"), QStringLiteral("会社　かいしゃ　company; corporation"));
    // The grades as taught: 80 kanji in the first year, 1,026 by the sixth.
    EXPECT_EQ(KanjiLevel(1).restrict(*dictionary).kanjiCount(), 80);
    EXPECT_EQ(KanjiLevel(6).restrict(*dictionary).kanjiCount(), 1026);
}
