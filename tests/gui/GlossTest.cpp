// Every caption in kanji that a learner meets on the main window, each of
// its screens and each game window has a tooltip with its reading and an
// English gloss, and so has each of the dictionary window; the game
// buttons say what each game asks.
#include "app/GamePanel.h"
#include "dictionary/DictionaryWindow.h"
#include "games/combine/CombineWindow.h"
#include "games/compound/CompoundWindow.h"
#include "games/dismantle/DismantleWindow.h"
#include "games/excavation/ExcavationWindow.h"
#include "games/landfill/LandfillWindow.h"
#include "games/link/LinkWindow.h"
#include "games/shiritori/ShiritoriWindow.h"
#include "gui/MainFixture.h"
#include "platform/Glossary.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {
// What the game or the data shows, not a caption of the program's own.
const QRegularExpression
    Content(u"^(lblKanjiP_|lblKanjiK$|lblYomi$|lblKensu$|lblHan_|lblMHyouka$|lblNigateKei$|lblNigate$|qt_)"_s);

bool hasKanji(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

// "objectName: caption" of each caption in kanji inside `root` that has no gloss.
QStringList unexplained(QWidget* root)
{
    QStringList out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        QString caption;
        if (const auto* l = qobject_cast<QLabel*>(w))
            caption = QString(l->text()).remove(QRegularExpression(u"<[^>]*>"_s));  // a link's caption
        else if (const auto* b = qobject_cast<QAbstractButton*>(w))
            caption = b->text();
        else if (const auto* g = qobject_cast<QGroupBox*>(w))
            caption = g->title();
        if (!hasKanji(caption) || Content.match(w->objectName()).hasMatch())
            continue;
        if (!w->toolTip().contains(u" — "_s))
            out << w->objectName() + u": "_s + caption;
    }
    return out;
}
}  // namespace

using GlossTest = MainFixture;

TEST_F(GlossTest, EveryCaptionOfTheMainWindowAndItsScreensIsExplained)
{
    start();
    for (const char* screen : {"cmdGame", "cmdBunseki", "cmdCale", "cmdMemo", "cmdSettei", "cmdSyuukei", "cmdTaijyu",
                               "cmdRentai", "cmdNigate", "cmdMain"}) {
        click(screen);
        EXPECT_EQ(unexplained(window).join(u'\n').toStdString(), "") << screen;
    }
    // One gloss, however often the window is explained anew.
    glossary::explain(window);
    EXPECT_EQ(find("cmdSyuukei")->toolTip(), u"月別、日別の集計結果を表示します\nしゅうけいひょうじ — totals by month and by day"_s);
    const auto* combine = find<QAbstractButton>("cmdG1");
    EXPECT_TRUE(combine->toolTip().startsWith(u"がったい — Type "_s));
}

TEST_F(GlossTest, EveryCaptionOfEachGameWindowIsExplained)
{
    tour.introShown = true;
    dictionary.setTables({{u"時"_s, u"日土寸"_s}, {u"計"_s, u"言十"_s}}, {u"時計"_s});
    const auto context = [this] { return GameContext{dictionary, tour, [](QWidget* w) { w->close(); }, false}; };
    const std::vector<std::unique_ptr<QWidget>> games = [&] {
        std::vector<std::unique_ptr<QWidget>> v;
        v.emplace_back(new CombineWindow(context()));
        v.emplace_back(new DismantleWindow(context()));
        v.emplace_back(new CompoundWindow(context()));
        v.emplace_back(new ExcavationWindow(context()));
        v.emplace_back(new LandfillWindow(context()));
        v.emplace_back(new LinkWindow(context()));
        v.emplace_back(new ShiritoriWindow(context()));
        return v;
    }();
    for (const auto& game : games)
        EXPECT_EQ(unexplained(game.get()).join(u'\n').toStdString(), "") << game->objectName().toStdString();
    EXPECT_EQ(games[0]->findChild<QWidget*>(u"optMode_0"_s)->toolTip(), u"とうすう — number of answers"_s);

    DictionaryWindow words(DictionaryWindowContext{dictionary, [](QWidget* w) { w->close(); }, {}, {}});
    EXPECT_EQ(unexplained(&words).join(u'\n').toStdString(), "");
}
