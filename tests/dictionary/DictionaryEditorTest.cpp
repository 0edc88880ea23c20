// The dictionary editor without its window: checks, writes in the shapes the
// loader reads back, the component search and taking back the last edit.
#include "dictionary/DictionaryEditor.h"

#include "dictionary/ComponentVariants.h"
#include "support/TempDir.h"

#include <QDir>

namespace {
const QString Kanji = Dictionary::KanjiFileName;
const QString Compounds = Dictionary::CompoundFileName;
}  // namespace

class DictionaryEditorTest : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        writeText(Kanji, QStringLiteral("時,日土寸\r\n\"口\",\"口\"\r\n日,日\r\n明,日月\r\n寺,土寸\r\n間,門日"));
        writeText(Compounds, QStringLiteral("時間\r\n\"明日\"\r\n"));
    }
    DictionaryEditor& open()
    {
        dictionary.load();
        editor.open();
        boxes.clear();
        return editor;
    }
    int rowOf(const QString& kansei, const QString& kousei) const
    {
        const auto& rows = editor.kanjiRows();
        for (size_t r = 0; r < rows.size(); ++r)
            if (rows[r].kansei == kansei && rows[r].kousei == kousei)
                return int(r) + 1;
        return 0;
    }
    QStringList titles() const
    {
        QStringList t;
        for (const Box& b : boxes)
            t << b.title;
        return t;
    }
    void registerKanji(const QString& kansei, const QString& kousei)
    {
        editor.form.kansei = kansei;
        editor.form.kousei = kousei;
        editor.registerKanji();
    }

    Dictionary dictionary;
    DictionaryEditor editor{dictionary, ComponentVariants::shipped()};
};

TEST_F(DictionaryEditorTest, KanjiChecksComeInOrderWithTheirTexts)
{
    open();
    const QByteArray before = readBytes(Kanji);
    struct Case {
        QString kansei, kousei, title, text;
    };
    const Case cases[] = {
        {"", "日日日日日日日", "完成漢字未入力", "完成漢字が指定されていません"},
        {"時計", "", "文字数制限", "完成漢字は１文字の必要があります"},
        {"晶", "", "構成漢字未入力", "構成漢字が指定されていません"},
        {"晶", "日日日日日日日", "構成数制限", "構成漢字は６文字以内に収めてください"},
        {"晶", "日,日", "使用できない文字", ""},
        {"\"", "日日日", "使用できない文字", ""},
        {"晶", "日　日", "使用できない文字", "空白は登録できません。文字の間の空白を取り除いてください"},
        {"　", "日", "完成漢字未入力", "完成漢字が指定されていません"},
        {"晶", "日é", "使用できない文字", ""},
    };
    for (const Case& c : cases) {
        boxes.clear();
        registerKanji(c.kansei, c.kousei);
        ASSERT_EQ(boxes.size(), 1u) << c.kansei.toStdString() << " " << c.kousei.toStdString();
        EXPECT_EQ(boxes[0].kind, msgbox::Kind::Warning);
        EXPECT_EQ(boxes[0].title, c.title);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(boxes[0].text, c.text);
        }
    }
    EXPECT_TRUE(boxes.back().text.contains(u'é'));  // names what cannot be stored
    EXPECT_EQ(readBytes(Kanji), before);

    // Exactly six components are fine, and spaces around them are no part
    // of them; a delete only asks for both boxes.
    boxes.clear();
    registerKanji(QStringLiteral(" 晶　"), QStringLiteral("　日日日日日日 "));
    EXPECT_EQ(titles(), (QStringList{"登録確認", "登録完了"}));
    EXPECT_TRUE(readText(Kanji).endsWith(QStringLiteral("\r\n晶,日日日日日日\r\n")));
    editor.selectKanjiRow(rowOf("寺", "土寸"));
    editor.form.kansei = QStringLiteral("時計");
    boxes.clear();
    answer = false;
    editor.deleteKanji();
    EXPECT_EQ(titles(), (QStringList{"クリア確認"}));
}

TEST_F(DictionaryEditorTest, ASecondCompositionIsAppendedAndFoundAfterReload)
{
    open();
    const QByteArray before = readBytes(Kanji);
    registerKanji(QStringLiteral("時"), QStringLiteral("日寺"));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("時 日寺 を新規登録します。よろしいですか？"));
    EXPECT_EQ(boxes[1].text, QStringLiteral("登録しました"));
    // The old last line had no line end: the new line starts on its own.
    EXPECT_EQ(readBytes(Kanji), before + cp932("\r\n時,日寺\r\n"));
    ASSERT_EQ(dictionary.kanjiCount(), 7);
    EXPECT_EQ(dictionary.kousei(7), QStringLiteral("日寺"));
    EXPECT_TRUE(editor.form.kansei.isEmpty() && editor.form.kousei.isEmpty());
    EXPECT_FALSE(editor.form.chgEnabled);

    editor.form.inp = QStringLiteral("時");
    editor.findKanji();
    EXPECT_EQ(editor.selectedKanjiRow(), rowOf("時", "日土寸"));  // the first of the two
    EXPECT_EQ(editor.form.kousei, QStringLiteral("日土寸"));
    EXPECT_TRUE(editor.form.chgEnabled && editor.form.delEnabled);
    EXPECT_EQ(editor.takeKanjiScroll().top, editor.selectedKanjiRow());

    boxes.clear();
    editor.form.inp = QStringLiteral("晴");
    editor.findKanji();
    EXPECT_EQ(titles(), (QStringList{"未登録"}));
    EXPECT_EQ(
        boxes[0].text,
        QStringLiteral("晴 は登録されていません。追加したい場合は構成漢字を入力して「新規」ボタンを押してください"));
    EXPECT_EQ(editor.form.kansei, QStringLiteral("晴"));
    EXPECT_TRUE(editor.form.kousei.isEmpty());
    EXPECT_FALSE(editor.form.chgEnabled);
    EXPECT_EQ(editor.takeFocus(), DictionaryEditor::Focus::Kousei);
    EXPECT_EQ(editor.form.inp, QStringLiteral("晴"));
}

TEST_F(DictionaryEditorTest, ChangeKeepsTheFinishedKanjiAndRewritesBareSortedLines)
{
    open();
    const int row = rowOf("時", "日土寸");
    editor.selectKanjiRow(row);
    editor.form.kansei = QStringLiteral("晴");
    editor.form.kousei = QStringLiteral("日寺");
    editor.changeKanji();
    EXPECT_EQ(titles(), (QStringList{"変更確認", "変更完了"}));
    EXPECT_EQ(boxes[0].text, QStringLiteral("時 日土寸 を 晴 日寺 に変更します。よろしいですか？"));
    EXPECT_EQ(readText(Kanji), QStringLiteral("口,口\r\n寺,土寸\r\n日,日\r\n明,日月\r\n時,日寺\r\n間,門日\r\n"));
    EXPECT_EQ(dictionary.kanjiCount(), 6);
    EXPECT_EQ(dictionary.findKanji(u"晴"), 0);
    EXPECT_EQ(editor.takeKanjiScroll().top, row);
    EXPECT_EQ(editor.selectedKanjiRow(), 0);
}

TEST_F(DictionaryEditorTest, DeleteWritesQuotedLinesAndWarnsAboutCompoundsUsingTheKanji)
{
    open();
    editor.selectKanjiRow(rowOf("間", "門日"));
    editor.deleteKanji();
    EXPECT_EQ(titles(), (QStringList{"熟語で使用中", "クリア確認", "削除完了"}));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("1 件")));
    EXPECT_EQ(boxes[1].text, QStringLiteral("間 門日 を削除します。よろしいですか？"));
    EXPECT_EQ(readText(Kanji),
              QStringLiteral(
                  "\"口\",\"口\"\r\n\"寺\",\"土寸\"\r\n\"日\",\"日\"\r\n\"明\",\"日月\"\r\n\"時\",\"日土寸\"\r\n"));
    Dictionary reread;
    reread.load();
    EXPECT_EQ(reread.kanjiCount(), 5);
    EXPECT_EQ(reread.kousei(5), QStringLiteral("日土寸"));
    EXPECT_EQ(readText(Compounds), QStringLiteral("時間\r\n\"明日\"\r\n"));  // compounds stay

    // A kanji with a second entry left keeps its compounds whole: no warning.
    registerKanji(QStringLiteral("時"), QStringLiteral("日寺"));
    boxes.clear();
    editor.selectKanjiRow(rowOf("時", "日寺"));
    editor.deleteKanji();
    EXPECT_EQ(titles(), (QStringList{"クリア確認", "削除完了"}));

    // Cancel changes nothing.
    answer = false;
    const QByteArray before = readBytes(Kanji);
    editor.selectKanjiRow(1);
    editor.deleteKanji();
    EXPECT_EQ(readBytes(Kanji), before);
}

TEST_F(DictionaryEditorTest, DeletingEveryEntryLeavesEmptyFiles)
{
    writeText(Kanji, QStringLiteral("日,日\r\n"));
    writeText(Compounds, QStringLiteral("日日\r\n"));
    open();
    editor.selectCompoundRow(1);
    editor.deleteCompound();
    editor.selectKanjiRow(1);
    editor.deleteKanji();
    EXPECT_TRUE(readBytes(Compounds).isEmpty());
    EXPECT_TRUE(readBytes(Kanji).isEmpty());
    EXPECT_TRUE(editor.kanjiRows().empty());
}

TEST_F(DictionaryEditorTest, LinesTheLoaderCannotUseGoBackByteForByteAndBlockNothing)
{
    // A byte that is not code page 932, a line without components, and
    // fields beyond those the program knows.
    const QByteArray damaged("\x80\x41");
    writeBytes(Kanji, cp932(QStringLiteral("時,日土寸\r\n")) + damaged + "\r\n" +
                          cp932(QStringLiteral("壊れた行\r\n寺,土寸,古い欄,\"２\"\r\n日,日\r\n")));
    writeBytes(Compounds, damaged + cp932(QStringLiteral("\r\n時間,読み\r\n一二三\r\n明日\r\n")));
    open();
    ASSERT_EQ(dictionary.kanjiCount(), 3);
    EXPECT_EQ(dictionary.compoundCount(), 2);  // a compound is two characters

    editor.selectKanjiRow(rowOf("日", "日"));
    editor.deleteKanji();
    EXPECT_EQ(titles(), (QStringList{"熟語で使用中", "クリア確認", "削除完了"}));
    EXPECT_EQ(readBytes(Kanji), cp932(QStringLiteral("\"寺\",\"土寸\",古い欄,\"２\"\r\n\"時\",\"日土寸\"\r\n")) + damaged +
                                    cp932(QStringLiteral("\r\n壊れた行\r\n")));
    editor.selectKanjiRow(rowOf("寺", "土寸"));
    editor.form.kousei = QStringLiteral("土寸寸");
    editor.changeKanji();
    EXPECT_EQ(readBytes(Kanji),
              cp932(QStringLiteral("寺,土寸寸,古い欄,\"２\"\r\n時,日土寸\r\n")) + damaged + cp932(QStringLiteral("\r\n壊れた行\r\n")));

    editor.selectCompoundRow(1);  // 明日, sorted before 時間
    editor.deleteCompound();
    EXPECT_EQ(readBytes(Compounds),
              cp932(QStringLiteral("時間,読み\r\n")) + damaged + cp932(QStringLiteral("\r\n一二三\r\n")));
}

TEST_F(DictionaryEditorTest, CompoundNeedsBothKanjiInTheKanjiDictionary)
{
    open();
    const QByteArray before = readBytes(Compounds);
    editor.form.jyukugo = QStringLiteral("晴天");
    editor.registerCompound();
    ASSERT_EQ(titles(), (QStringList{"漢字辞書登録促し", "漢字辞書登録促し"}));
    EXPECT_EQ(boxes[0].text, QStringLiteral("晴 の漢字と構成を先に登録してから熟語を登録してください"));
    EXPECT_TRUE(boxes[1].text.startsWith(QStringLiteral("天 ")));

    boxes.clear();
    editor.form.jyukugo = QStringLiteral("時天");
    editor.registerCompound();
    EXPECT_EQ(titles(), (QStringList{"漢字辞書登録促し"}));
    boxes.clear();
    editor.form.jyukugo = QStringLiteral("時間日");
    editor.registerCompound();
    EXPECT_EQ(titles(), (QStringList{"文字数制限"}));
    EXPECT_EQ(readBytes(Compounds), before);

    boxes.clear();
    editor.form.jyukugo = QStringLiteral("日時");
    editor.registerCompound();
    EXPECT_EQ(titles(), (QStringList{"登録確認", "登録完了"}));
    EXPECT_EQ(readBytes(Compounds), before + cp932("日時\r\n"));
    EXPECT_EQ(editor.compoundRows(), (std::vector<QString>{"日時", "明日", "時間"}));
}

TEST_F(DictionaryEditorTest, NarrowingByTwoComponentsAndByATypedRadicalForm)
{
    writeText(Kanji, QStringLiteral("時,日土寸\r\n明,日月\r\n寺,土寸\r\n村,木寸\r\n泳,水永\r\n"));
    open();
    EXPECT_EQ(editor.partsCountText(), QStringLiteral("5件"));
    editor.form.inp3 = QStringLiteral("寸");
    editor.narrowByComponent();
    EXPECT_EQ(editor.partsCountText(), QStringLiteral("3件"));
    EXPECT_TRUE(editor.form.inp3.isEmpty());
    editor.form.inp3 = QStringLiteral("日");
    editor.narrowByComponent();
    ASSERT_EQ(editor.partsRows().size(), 1u);
    EXPECT_EQ(editor.partsRows()[0].kansei, QStringLiteral("時"));

    editor.showAllParts();
    editor.form.inp3 = QStringLiteral("氵");
    editor.narrowByComponent();
    ASSERT_EQ(editor.partsRows().size(), 1u);
    EXPECT_EQ(editor.partsRows()[0].kansei, QStringLiteral("泳"));
    editor.showAllParts();
    editor.form.inp3 = QStringLiteral("土寸");  // a run of two
    editor.narrowByComponent();
    EXPECT_EQ(editor.partsCountText(), QStringLiteral("2件"));
}

TEST_F(DictionaryEditorTest, ARadicalWrittenAsTwoComponentsIsFoundAndStoredAsThePair)
{
    writeText(Kanji, QStringLiteral("病,广冫一冂人\r\n広,广厶\r\n"));
    open();
    editor.form.inp3 = QStringLiteral("疒");
    editor.narrowByComponent();
    ASSERT_EQ(editor.partsRows().size(), 1u);
    EXPECT_EQ(editor.partsRows()[0].kansei, QStringLiteral("病"));

    registerKanji(QStringLiteral("痛"), QStringLiteral("疒マ用"));
    ASSERT_EQ(titles(), (QStringList{"部品の表記", "登録確認", "登録完了"}));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("疒 → 广冫")));
    EXPECT_TRUE(readText(Kanji).endsWith(QStringLiteral("痛,广冫マ用\r\n")));
}

TEST_F(DictionaryEditorTest, AnEverydayKanjiTypedForARadicalFindsBoth)
{
    // 口 is itself stored and is also what a learner types for 囗.
    writeText(Kanji, QStringLiteral("国,囗玉\r\n右,ナ口\r\n村,木寸\r\n"));
    open();
    editor.form.inp3 = QStringLiteral("口");
    editor.narrowByComponent();
    ASSERT_EQ(editor.partsRows().size(), 2u);
    EXPECT_EQ(editor.partsRows()[0].kansei, QStringLiteral("右"));
    EXPECT_EQ(editor.partsRows()[1].kansei, QStringLiteral("国"));
}

TEST_F(DictionaryEditorTest, ATypedRadicalFormIsStoredAsTheDictionaryForm)
{
    open();
    registerKanji(QStringLiteral("泳"), QStringLiteral("氵永"));
    EXPECT_EQ(titles(), (QStringList{"部品の表記", "登録確認", "登録完了"}));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("氵 → 水")));
    EXPECT_EQ(boxes[1].text, QStringLiteral("泳 水永 を新規登録します。よろしいですか？"));
    EXPECT_TRUE(readText(Kanji).endsWith(QStringLiteral("泳,水永\r\n")));
}

TEST_F(DictionaryEditorTest, AKanjiKeepsAtMostFifteenDistinctComponents)
{
    writeText(Kanji, QStringLiteral("X,一二三四五六\r\nX,七八九十口日\r\n"));
    open();
    registerKanji(QStringLiteral("X"), QStringLiteral("月火水木"));
    EXPECT_EQ(titles(), (QStringList{"部品数制限"}));
    boxes.clear();
    registerKanji(QStringLiteral("X"), QStringLiteral("月火水一"));  // fifteen
    EXPECT_EQ(titles(), (QStringList{"登録確認", "登録完了"}));
    // Replacing an entry counts without its old components.
    boxes.clear();
    editor.selectKanjiRow(1);
    editor.form.kousei = QStringLiteral("金土一二");
    editor.changeKanji();
    EXPECT_EQ(titles(), (QStringList{"変更確認", "変更完了"}));
}

TEST_F(DictionaryEditorTest, UndoPutsEachFileBackByteForByte)
{
    open();
    const QByteArray kanji = readBytes(Kanji);
    const QByteArray compounds = readBytes(Compounds);
    EXPECT_FALSE(editor.canUndo());

    registerKanji(QStringLiteral("晶"), QStringLiteral("日日日"));
    ASSERT_TRUE(editor.canUndo());
    editor.undo();
    EXPECT_EQ(readBytes(Kanji), kanji);
    EXPECT_EQ(dictionary.kanjiCount(), 6);
    EXPECT_FALSE(editor.canUndo());  // once

    editor.selectKanjiRow(rowOf("時", "日土寸"));
    editor.form.kousei = QStringLiteral("日寺");
    editor.changeKanji();
    editor.undo();
    EXPECT_EQ(readBytes(Kanji), kanji);

    editor.selectKanjiRow(1);
    editor.deleteKanji();
    editor.undo();
    EXPECT_EQ(readBytes(Kanji), kanji);

    editor.form.jyukugo = QStringLiteral("日時");
    editor.registerCompound();
    editor.undo();
    EXPECT_EQ(readBytes(Compounds), compounds);

    editor.selectCompoundRow(1);
    editor.deleteCompound();
    boxes.clear();
    editor.undo();
    EXPECT_EQ(readBytes(Compounds), compounds);
    EXPECT_EQ(dictionary.compoundCount(), 2);
    EXPECT_EQ(titles(), (QStringList{"元に戻す"}));
}

TEST_F(DictionaryEditorTest, AFileThatCouldNotBeReadIsNotWrittenAndTheBoxKeepsItsText)
{
    QFile::remove(path(Compounds));
    QDir().mkdir(path(Compounds));  // cannot be read or written as a file
    open();
    editor.form.jyukugo = QStringLiteral("時日");
    editor.registerCompound();
    EXPECT_EQ(titles(), (QStringList{"保存できません"}));
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("熟語辞書.TXT はファイルではなくフォルダです。")));
    EXPECT_TRUE(editor.compoundRows().empty());
    EXPECT_FALSE(editor.canUndo());
    EXPECT_EQ(editor.form.jyukugo, QStringLiteral("時日"));  // kept for another try
}

TEST_F(DictionaryEditorTest, TheComponentSearchFollowsEveryEditNarrowedAsItWas)
{
    open();
    editor.form.inp3 = QStringLiteral("寸");
    editor.narrowByComponent();
    EXPECT_EQ(editor.partsCountText(), QStringLiteral("2件"));
    registerKanji(QStringLiteral("村"), QStringLiteral("木寸"));
    registerKanji(QStringLiteral("林"), QStringLiteral("木木"));  // not of the narrowed list
    EXPECT_EQ(editor.partsCountText(), QStringLiteral("3件"));
    editor.selectKanjiRow(rowOf("時", "日土寸"));
    editor.deleteKanji();
    ASSERT_EQ(editor.partsRows().size(), 2u);
    EXPECT_EQ(editor.partsRows()[0].kansei, QStringLiteral("寺"));
    EXPECT_EQ(editor.partsRows()[1].kansei, QStringLiteral("村"));
    editor.undo();
    EXPECT_EQ(editor.partsCountText(), QStringLiteral("3件"));
    editor.selectKanjiRow(rowOf("寺", "土寸"));
    editor.form.kousei = QStringLiteral("土");
    editor.changeKanji();
    EXPECT_EQ(editor.partsCountText(), QStringLiteral("2件"));
}

TEST_F(DictionaryEditorTest, AFileChangedByAnotherProgramIsReloadedNotOverwritten)
{
    open();
    // Another program adds a line; the next change would have dropped it.
    const QByteArray outside = readBytes(Kanji) + cp932(QStringLiteral("\r\n晶,日日日\r\n"));
    writeBytes(Kanji, outside);
    editor.selectKanjiRow(rowOf("時", "日土寸"));
    editor.form.kousei = QStringLiteral("日寺");
    editor.changeKanji();
    EXPECT_EQ(titles(), (QStringList{"変更確認", "辞書ファイルの変更"}));
    EXPECT_TRUE(boxes[1].text.startsWith(QStringLiteral("辞書ファイルが外部で変更されたため、読み込み直しました")));
    EXPECT_EQ(readBytes(Kanji), outside);
    EXPECT_NE(rowOf("晶", "日日日"), 0);
    // The entry stays chosen and the boxes as typed: the same press again.
    EXPECT_EQ(editor.selectedKanjiRow(), rowOf("時", "日土寸"));
    EXPECT_EQ(editor.form.kousei, QStringLiteral("日寺"));
    boxes.clear();
    editor.changeKanji();
    EXPECT_EQ(titles(), (QStringList{"変更確認", "変更完了"}));
    EXPECT_TRUE(readText(Kanji).contains(QStringLiteral("時,日寺\r\n晶,日日日\r\n")));

    // The undo of an edit the file no longer holds as it was is dropped.
    const QByteArray later = readBytes(Kanji) + cp932(QStringLiteral("晴,日青\r\n"));
    writeBytes(Kanji, later);
    boxes.clear();
    editor.undo();
    EXPECT_EQ(titles(), (QStringList{"辞書ファイルの変更"}));
    EXPECT_FALSE(editor.canUndo());
    EXPECT_EQ(readBytes(Kanji), later);

    // A file cut elsewhere does not come back whole.
    writeText(Compounds, QStringLiteral("時間\r\n"));
    editor.form.jyukugo = QStringLiteral("日時");
    editor.registerCompound();
    EXPECT_EQ(readText(Compounds), QStringLiteral("時間\r\n"));
    editor.registerCompound();
    EXPECT_EQ(readText(Compounds), QStringLiteral("時間\r\n日時\r\n"));
}

TEST_F(DictionaryEditorTest, ARefusedOrReadOnlyFileIsNeverWritten)
{
    writeBytes(Compounds, QByteArray(Dictionary::MaxFileBytes + 1, 'a'));
    open();
    editor.form.jyukugo = QStringLiteral("日時");
    editor.registerCompound();
    ASSERT_EQ(titles(), (QStringList{"保存できません"}));
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("熟語辞書.TXT は大きすぎるため読み込めません（8.0 MB）。")));
    EXPECT_EQ(readBytes(Compounds).size(), Dictionary::MaxFileBytes + 1);

    writeText(Compounds, QStringLiteral("時間\r\n"));
    open();
    const QByteArray kanji = readBytes(Kanji);
    QFile::setPermissions(path(Kanji), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    for (const bool change : {true, false}) {
        boxes.clear();
        editor.selectKanjiRow(rowOf("寺", "土寸"));
        editor.form.kousei = QStringLiteral("土寸寸");
        change ? editor.changeKanji() : editor.deleteKanji();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1].title, QStringLiteral("保存できません"));
        EXPECT_TRUE(boxes[1].text.contains(Kanji) && boxes[1].text.contains(QStringLiteral("読み取り専用")));
        EXPECT_EQ(readBytes(Kanji), kanji);
        EXPECT_NE(rowOf("寺", "土寸"), 0);
    }
}
