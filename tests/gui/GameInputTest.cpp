// What a game window makes of odd data: markup in a dictionary entry, a
// dictionary file that is not there.
#include "gui/GameFixture.h"

#include <QLabel>

using GameInputTest = GameFixture;

TEST_F(GameInputTest, DictionaryTextIsShownAsPlainTextNeverAsMarkup)
{
    dictionary.setTables({{QStringLiteral("<b>時</b>"), QStringLiteral("日土寸")}}, {});
    open();
    auto* kanji = find<QLabel>("lblKanjiK");
    EXPECT_EQ(kanji->text(), QStringLiteral("<b>時</b>"));
    for (QLabel* label : window->findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

TEST_F(GameInputTest, AMissingKanjiDictionaryIsReportedByItsNameNotAsAnEmptyOne)
{
    dictionary.setTables({}, {});
    window = new CombineWindow(GameContext{dictionary, tour, {}, true});  // reads the (missing) files
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("辞書の読み込み"));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("漢字辞書.TXT")));
    window->show();
    click("cmdStart");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, boxes[0].text);
    EXPECT_FALSE(window->play().running());
}
