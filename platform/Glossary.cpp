#include "platform/Glossary.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QTextDocumentFragment>
#include <QWidget>

namespace {
// Caption, then its reading and gloss.
const char16_t* const Glosses[][2] = {
    // The main window's tool bar and game panel.
    {u"ゲーム", u"げーむ — choose a game to play"},
    {u"メイン", u"めいん — the main screen: this month's plays"},
    {u"並び替え", u"ならびかえ — sort and list the play log"},
    {u"カレンダー", u"かれんだー — calendar of the days you played"},
    {u"一言日記", u"ひとことにっき — a one-line diary"},
    {u"編集", u"へんしゅう — edit the log and your name"},
    {u"集計表示", u"しゅうけいひょうじ — totals by month and by day"},
    {u"範囲指定", u"はんいしてい — choose a period to show"},
    {u"全グラフ", u"ぜんぐらふ — charts of the whole history"},
    {u"苦手", u"にがて — the kanji you miss most"},
    {u"ヘルプ", u"へるぷ — help"},
    {u"終了", u"しゅうりょう — quit"},
    {u"ヘルプツアー", u"へるぷつあー — show a help note when a screen opens"},
    {u"ゲームを選んでください", u"げーむをえらんでください — please choose a game"},
    {u"辞書編集", u"じしょへんしゅう — edit the kanji and word dictionaries"},
    {u"戻る", u"もどる — go back"},
    {u"戻り", u"もどり — back to the main window"},
    // A game window.
    {u"解答", u"かいとう — answer"},
    {u"スタート", u"すたーと — start"},
    {u"ゲーム設定", u"げーむせってい — game settings"},
    {u"答数", u"とうすう — number of answers"},
    {u"秒数", u"びょうすう — number of seconds"},
    {u"コマ数", u"こますう — number of tiles"},
    {u"マス数", u"ますすう — number of cells"},
    {u"自動保存", u"じどうほぞん — save each play automatically"},
    {u"保存", u"ほぞん — save"},
    {u"ヒント有り", u"ひんとあり — with hints"},
    {u"出題範囲", u"しゅつだいはんい — which kanji are asked (school grade)"},
    {u"読みと意味", u"よみといみ — show the reading and meaning after each answer"},
    {u"苦手を優先", u"にがてをゆうせん — ask the questions you missed more often"},
    {u"正解", u"せいかい — right answers"},
    {u"不正解", u"ふせいかい — wrong answers"},
    {u"解答数", u"かいとうすう — answers given"},
    {u"正解率", u"せいかいりつ — share of right answers"},
    {u"タイプ数／秒", u"たいぷすう／びょう — answers typed per second"},
    {u"クリア", u"くりあ — clear the game's history"},
    {u"漢字構成部品", u"かんじこうせいぶひん — the parts of the kanji"},
    {u"履歴指定", u"りれきしてい — which plays the history lists"},
    {u"全部表示", u"ぜんぶひょうじ — show all"},
    {u"グラフ指定", u"ぐらふしてい — choose a chart"},
    {u"秒当たり", u"びょうあたり — per second"},
    {u"予備", u"よび — spare (does nothing)"},
    {u"文字数", u"もじすう — number of characters"},
    {u"漢字数", u"かんじすう — number of kanji"},
    // The screens of the main window.
    {u"日", u"にち — Sunday"},
    {u"月", u"げつ — Monday"},
    {u"火", u"か — Tuesday"},
    {u"水", u"すい — Wednesday"},
    {u"木", u"もく — Thursday"},
    {u"金", u"きん — Friday"},
    {u"土", u"ど — Saturday"},
    {u"30日", u"さんじゅうにち — the last 30 days"},
    {u"90日", u"きゅうじゅうにち — the last 90 days"},
    {u"３日", u"みっか — three days"},
    {u"１週間", u"いっしゅうかん — one week"},
    {u"２週間", u"にしゅうかん — two weeks"},
    {u"１ヶ月", u"いっかげつ — one month"},
    {u"３ヶ月", u"さんかげつ — three months"},
    {u"半年", u"はんとし — half a year"},
    {u"１年", u"いちねん — one year"},
    {u"前日", u"ぜんじつ — the day before"},
    {u"任意", u"にんい — a period of your choice"},
    {u"全部", u"ぜんぶ — all"},
    {u"期間", u"きかん — period"},
    {u"検索", u"けんさく — search"},
    {u"項目", u"こうもく — item (the game)"},
    {u"曜日", u"ようび — day of the week"},
    {u"日別", u"ひべつ — by day"},
    {u"月別", u"つきべつ — by month"},
    {u"項目別", u"こうもくべつ — by game"},
    {u"時間別", u"じかんべつ — by hour of the day"},
    {u"時系列", u"じけいれつ — in time order"},
    {u"時系列データ", u"じけいれつでーた — the records in time order"},
    {u"項目別トータル時間", u"こうもくべつとーたるじかん — total time by game"},
    {u"時間別トータル時間", u"じかんべつとーたるじかん — total time by hour of the day"},
    {u"日別推移（回数）", u"ひべつすいい（かいすう） — day by day: number of plays"},
    {u"日別推移（秒数）", u"ひべつすいい（びょうすう） — day by day: seconds played"},
    {u"日別推移（平均秒数）", u"ひべつすいい（へいきんびょうすう） — day by day: average seconds"},
    {u"週別時間", u"しゅうべつじかん — time played each week"},
    {u"合計時間", u"ごうけいじかん — total time"},
    {u"回（日付）", u"かい（ひづけ） — by play (date)"},
    {u"回数集計表示", u"かいすうしゅうけいひょうじ — show the totals of plays"},
    {u"時間集計表示", u"じかんしゅうけいひょうじ — show the totals of time"},
    {u"時間＆回数集計表示", u"じかんとかいすうしゅうけいひょうじ — show the totals of time and plays"},
    {u"個別削除", u"こべつさくじょ — delete the chosen record"},
    {u"名前（ニックネーム）", u"なまえ — your name (nickname)"},
    {u"名前変更", u"なまえへんこう — change the name"},
    {u"新規スタート（全削除）", u"しんきすたーと（ぜんさくじょ） — start afresh (deletes every record)"},
    {u"一言入力欄", u"ひとことにゅうりょくらん — write a line for the day here"},
    {u"一言日記保存", u"ひとことにっきほぞん — save the diary line"},
    {u"メモ保存", u"めもほぞん — save the note"},
    {u"書き出し…", u"かきだし — save the plays listed as a CSV or JSON file"},
    // The dictionary window.
    {u"漢字辞書", u"かんじじしょ — the kanji dictionary"},
    {u"熟語辞書", u"じゅくごじしょ — the dictionary of words"},
    {u"完成", u"かんせい — the finished kanji"},
    {u"構成", u"こうせい — the parts it is made of"},
    {u"熟語", u"じゅくご — word of two kanji"},
    {u"新規", u"しんき — add a new entry"},
    {u"変更", u"へんこう — change the entry"},
    {u"削除", u"さくじょ — delete the entry"},
    {u"元に戻す", u"もとにもどす — undo"},
    {u"熟語検索", u"じゅくごけんさく — find words"},
    {u"部品検索", u"ぶひんけんさく — find kanji by their parts"},
    {u"部品から探す", u"ぶひんからさがす — find kanji by their parts"},
    {u"完成漢字検索", u"かんせいかんじけんさく — find a finished kanji"},
    {u"部品の入力", u"ぶひんのにゅうりょく — how to type the parts (help)"},
};

const QHash<QString, QString>& table()
{
    static const QHash<QString, QString> t = [] {
        QHash<QString, QString> h;
        for (const auto& g : Glosses)
            h.insert(QString::fromUtf16(g[0]), QString::fromUtf16(g[1]));
        return h;
    }();
    return t;
}

// What the player reads on the game buttons, in item order, and what each asks.
const char16_t* const GameSentences[] = {
    u"がったい — Type the one kanji that the shown parts make together.",
    u"かいたい — Type, one by one, the parts the shown kanji is made of.",
    u"じゅくごがったい — Type the two-kanji word whose kanji are made of the shown parts.",
    u"はっくつ — Find and type every kanji that can be built from the tiles on the board.",
    u"うめたて — Type kanji built from the tiles until every tile is used up.",
    u"れんけつ — Type a kanji that shares a part with the last one, and keep the chain going.",
    u"しりとり — Type a word that begins with the last kanji on the board, and keep the chain going.",
};

const char* const Explained = "glossExplained";
}  // namespace

namespace glossary {

QString of(QStringView caption)
{
    // "期間：" and "一言入力欄 →" are the captions 期間 and 一言入力欄.
    QString key;
    for (QChar c : caption)
        if (c != u' ' && c != u'\u3000' && c != u'&')
            key += c;
    while (key.endsWith(u'：') || key.endsWith(u'→'))
        key.chop(1);
    return table().value(key);
}

QString gameTip(int item)
{
    if (item < 1 || item > int(std::size(GameSentences)))
        return {};
    return QString::fromUtf16(GameSentences[item - 1]);
}

void setTip(QWidget* control, const QString& tip)
{
    control->setToolTip(tip);
    control->setProperty(Explained, true);
}

void explain(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->property(Explained).toBool())
            continue;
        QString caption;
        if (const auto* l = qobject_cast<QLabel*>(w))
            caption =
                l->textFormat() == Qt::PlainText ? l->text() : QTextDocumentFragment::fromHtml(l->text()).toPlainText();
        else if (const auto* b = qobject_cast<QAbstractButton*>(w))
            caption = b->text();
        else if (const auto* g = qobject_cast<QGroupBox*>(w))
            caption = g->title();
        const QString gloss = of(caption);
        if (gloss.isEmpty())
            continue;
        const QString tip = w->toolTip();
        w->setToolTip(tip.isEmpty() ? gloss : tip + u'\n' + gloss);
        w->setProperty(Explained, true);
    }
}

}  // namespace glossary
