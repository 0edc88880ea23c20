// frmG1 played through its controls: the frame's life, storing, the input
// method rule, settings, and pauses that meet a time-out or a closed window.
#include "games/frame/GameOptions.h"
#include "gui/GameFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"
#include "support/ExpectedColours.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTimer>

namespace {
const QString HistoryFile = QStringLiteral("合体履歴.txt");
const QString SettingsFile = QStringLiteral("合体設定.txt");
}  // namespace

using CombineWindowTest = GameFixture;

TEST_F(CombineWindowTest, OpensWithTheSampleAndTheStoredSettingsWithoutRewritingThem)
{
    open(QStringLiteral("3,60,\"答数\",1\r\n"));
    EXPECT_EQ(window->objectName(), QStringLiteral("frmG1"));
    EXPECT_EQ(text("lblKanjiK"), QStringLiteral("時"));
    for (int i = 1; i <= 6; ++i) {
        auto* part = window->findChild<QLabel*>(QStringLiteral("lblKanjiP_%1").arg(i));
        EXPECT_EQ(part->isVisible(), i <= 3) << i;
    }
    EXPECT_TRUE(find<QRadioButton>("optMode_0")->isChecked());
    EXPECT_EQ(find<QRadioButton>("optMode_0")->text(), QStringLiteral("答数"));
    EXPECT_TRUE(find<QComboBox>("cboKaisu")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("cboJikan")->isEnabled());
    EXPECT_EQ(find<QComboBox>("cboKaisu")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(find<QComboBox>("cboJikan")->currentText(), QStringLiteral("60"));
    EXPECT_EQ(find<QComboBox>("cboJikan")->count(), 18);
    EXPECT_EQ(find<QComboBox>("cboKaisu")->count(), 30);
    EXPECT_TRUE(find<QCheckBox>("chkAs")->isChecked());
    EXPECT_EQ(find<QCheckBox>("chkAs")->text(), QStringLiteral("自動保存"));
    // The tip, then the caption's reading and gloss.
    EXPECT_EQ(find<QCheckBox>("chkAs")->toolTip(),
              QStringLiteral("履歴の自動保存を制御します\nじどうほぞん — save each play automatically"));
    EXPECT_FALSE(find<QPushButton>("cmdHozon")->isEnabled());
    for (const char* l : {"lblOk", "lblNg", "lblMoji_T", "lblByou", "lblRitu", "lblJikan"})
        EXPECT_TRUE(text(l).isEmpty()) << l;
    EXPECT_EQ(window->play().mode(), 0);
    EXPECT_EQ(readBytes(SettingsFile), cp932(QStringLiteral("3,60,\"答数\",1\r\n")));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CombineWindowTest, CountModePlayEndsOnTheLastAnswerAndStoresBothLinesOnce)
{
    open(QStringLiteral("3,60,\"答数\",1\r\n"));
    click("cmdStart");
    EXPECT_FALSE(find<QPushButton>("cmdStart")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("cmdClear")->isEnabled());
    EXPECT_EQ(text("lblJikan"), QStringLiteral("0.0"));
    EXPECT_EQ(text("lblMoji_T"), QStringLiteral("0"));
    EXPECT_TRUE(text("lblKanjiK").isEmpty());

    // Typed during the countdown: not judged against the sample.
    typeAnswer(QStringLiteral("時"));
    window->tmrStart_Timer();
    EXPECT_TRUE(find("imgStart_1")->isVisible());
    window->tmrStart_Timer();
    EXPECT_FALSE(find("imgStart_1")->isVisible());
    EXPECT_TRUE(find("imgStart_2")->isVisible());
    window->tmrStart_Timer();
    ASSERT_TRUE(window->play().playing());
    EXPECT_TRUE(find("imgStart_3")->isVisible());
    EXPECT_EQ(window->play().answers(), 0);
    EXPECT_TRUE(answerBox()->text().isEmpty());

    clock.advance(2000);
    window->tmrPlay_Timer();
    EXPECT_EQ(text("lblJikan"), QStringLiteral("2.0"));
    typeAnswer(QStringLiteral("時"));  // right; then 0.7 s with the green kanji
    EXPECT_EQ(text("lblOk"), QStringLiteral("1"));
    EXPECT_TRUE(text("lblKanjiK").isEmpty());
    typeAnswer(QStringLiteral("明"));  // wrong; 1 s in red before the next question
    EXPECT_EQ(text("lblNg"), QStringLiteral("1"));
    EXPECT_EQ(text("lblMoji_T"), QStringLiteral("2"));
    escape();  // the give-up that reaches the count ends the play at once
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblKanjiK"), QStringLiteral("時"));
    EXPECT_EQ(find<QLabel>("lblKanjiK")->palette().color(QPalette::WindowText), rgb::WrongAnswer);
    EXPECT_EQ(text("lblNg"), QStringLiteral("2"));
    EXPECT_EQ(text("lblMoji_T"), QStringLiteral("3"));
    EXPECT_EQ(text("lblJikan"), QStringLiteral("3.7"));
    EXPECT_EQ(text("lblRitu"), QStringLiteral("33.3%"));
    EXPECT_EQ(text("lblByou"), QStringLiteral("0.81/秒"));
    EXPECT_TRUE(find<QPushButton>("cmdStart")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("cmdClear")->isEnabled());

    EXPECT_EQ(readBytes(HistoryFile),
              cp932(QStringLiteral("\"2024/05/01\",\"21:00:03\",3,1,2,3,\"33.3%\",\"0.81/秒\",\"3.7秒\"\r\n")));
    EXPECT_EQ(readBytes(recordfile::FileName),
              cp932(QStringLiteral("\"2024/05/01\",\"21:00:03\",\"合体\",3.7,\"秒数 : 3.7   答数 : 3\",\r\n")));
    auto* grid = find<Grid>("msgRireki");
    ASSERT_EQ(grid->rows(), 2);
    EXPECT_EQ(grid->text(1, 0), QStringLiteral("1"));
    EXPECT_EQ(grid->text(1, 9), QStringLiteral("3.7秒"));

    click("cmdHozon");  // disabled under auto-save: nothing more is stored
    EXPECT_EQ(history::read(HistoryFile).size(), 1u);
}

TEST_F(CombineWindowTest, EnterThatCommitsACompositionIsNotAnAnswer)
{
    open();
    startPlay();
    const QString kanji = window->currentAnswer();
    QInputMethodEvent compose(QStringLiteral("じ"), {});
    QCoreApplication::sendEvent(answerBox(), &compose);
    EXPECT_TRUE(answerBox()->composing());
    QTest::keyClick(answerBox(), Qt::Key_Return);  // Enter while composing
    EXPECT_EQ(window->play().answers(), 0);

    QInputMethodEvent done;
    done.setCommitString(kanji);
    QCoreApplication::sendEvent(answerBox(), &done);
    QTest::keyClick(answerBox(), Qt::Key_Return);  // passed on with the commit
    EXPECT_EQ(window->play().answers(), 0);
    EXPECT_EQ(answerBox()->text(), kanji);

    QCoreApplication::processEvents();
    QTest::keyClick(answerBox(), Qt::Key_Return);  // the player's own Enter
    EXPECT_EQ(window->play().okCount(), 1);

    QTest::keyClick(answerBox(), Qt::Key_Return);  // empty box: nothing
    EXPECT_EQ(window->play().answers(), 1);
}

TEST_F(CombineWindowTest, TimeModeBarShrinksByTheClockAndTheTimeOutRevealsAndStores)
{
    open(QStringLiteral("10,10,\"秒数\",1\r\n"));
    auto* bar = find<QFrame>("shpJikanK");
    const int full = bar->width();
    startPlay();
    EXPECT_EQ(text("lblJikan"), QStringLiteral("10"));
    typeAnswer(window->currentAnswer());  // 0.7 s of the clock go by in its pause
    clock.advance(4300);
    window->tmrBp_Timer();
    EXPECT_EQ(text("lblJikan"), QStringLiteral("5"));
    EXPECT_EQ(bar->width(), full / 2);
    const QString shown = window->currentAnswer();
    clock.advance(5000);
    window->tmrBp_Timer();
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(bar->width(), 0);
    EXPECT_EQ(text("lblKanjiK"), shown);
    EXPECT_EQ(text("lblByou"), QStringLiteral("0.10/秒"));
    EXPECT_EQ(text("lblRitu"), QStringLiteral("100.0%"));
    const auto rows = history::read(HistoryFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].seconds, QStringLiteral("10秒"));
    EXPECT_EQ(rows[0].time, QStringLiteral("21:00:10"));

    startPlay();  // Start puts the bar back
    EXPECT_EQ(bar->width(), full);
}

TEST_F(CombineWindowTest, ManualSaveStoresOnEachPressButNeverAPlayWithoutAnswers)
{
    open(QStringLiteral("10,10,\"秒数\",0\r\n"));
    EXPECT_FALSE(find<QCheckBox>("chkAs")->isChecked());
    EXPECT_EQ(find<QCheckBox>("chkAs")->text(), QStringLiteral("自動保存"));
    EXPECT_TRUE(find<QPushButton>("cmdHozon")->isEnabled());

    startPlay();
    clock.advance(10000);
    window->tmrBp_Timer();
    EXPECT_EQ(text("lblRitu"), QStringLiteral("0.0%"));
    click("cmdHozon");
    EXPECT_FALSE(QFile::exists(path(HistoryFile)));
    EXPECT_FALSE(QFile::exists(path(recordfile::FileName)));

    startPlay();
    click("cmdHozon");  // during a play: nothing
    typeAnswer(QStringLiteral("x"));
    clock.advance(10000);
    window->tmrBp_Timer();
    EXPECT_FALSE(QFile::exists(path(HistoryFile)));
    click("cmdHozon");
    click("cmdHozon");
    EXPECT_EQ(history::read(HistoryFile).size(), 2u);
    EXPECT_EQ(recordfile::read()->size(), 2);
    EXPECT_EQ(find<Grid>("msgRireki")->text(2, 0), QStringLiteral("2"));
}

TEST_F(CombineWindowTest, SettingsAreWrittenOnEveryChangeAndAMissingFileOnlyThen)
{
    open();
    EXPECT_TRUE(find<QRadioButton>("optMode_1")->isChecked());
    EXPECT_EQ(find<QComboBox>("cboJikan")->currentText(), QStringLiteral("60"));
    EXPECT_EQ(find<QComboBox>("cboKaisu")->currentText(), QStringLiteral("10"));
    EXPECT_TRUE(find<QCheckBox>("chkAs")->isChecked());
    EXPECT_FALSE(QFile::exists(path(SettingsFile)));

    choose("cboJikan", QStringLiteral("30"));
    EXPECT_EQ(text("lblJikan"), QStringLiteral("30"));
    EXPECT_EQ(readBytes(SettingsFile), cp932(QStringLiteral("10,30,\"秒数\",1\r\n")));
    QTest::mouseClick(find<QRadioButton>("optMode_0"), Qt::LeftButton);
    EXPECT_FALSE(find<QComboBox>("cboJikan")->isEnabled());
    EXPECT_EQ(readBytes(SettingsFile), cp932(QStringLiteral("10,30,\"答数\",1\r\n")));
    choose("cboKaisu", QStringLiteral("5"));
    find<QCheckBox>("chkAs")->click();
    EXPECT_EQ(readBytes(SettingsFile), cp932(QStringLiteral("5,30,\"答数\",0\r\n")));
    EXPECT_TRUE(find<QPushButton>("cmdHozon")->isEnabled());
}

TEST_F(CombineWindowTest, ChangingTheAnswerCountDuringAPlayMovesItsEnd)
{
    open(QStringLiteral("5,60,\"答数\",1\r\n"));
    startPlay();
    typeAnswer(window->currentAnswer());
    choose("cboKaisu", QStringLiteral("2"));
    EXPECT_TRUE(window->play().playing());
    typeAnswer(window->currentAnswer());
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(history::read(HistoryFile).at(0).answers, QStringLiteral("2"));
}

TEST_F(CombineWindowTest, IdleEnterEscAndClicksOnTheAnswerGiveNothingUp)
{
    open();
    answerBox()->setText(QStringLiteral("abc"));
    QTest::mouseClick(find<QLabel>("lblKanjiK"), Qt::LeftButton);
    EXPECT_TRUE(answerBox()->text().isEmpty());
    answerBox()->setText(QStringLiteral("abc"));
    escape();
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_EQ(text("lblKanjiK"), QStringLiteral("時"));

    startPlay();
    QTest::mouseClick(find<QLabel>("lblKanjiK"), Qt::LeftButton);  // in play: a give-up
    EXPECT_EQ(window->play().ngCount(), 1);
}

// Pauses let events run; what those events do must not spoil the play.

TEST_F(CombineWindowTest, TimeOutDuringTheWrongAnswerPauseDrawsNoFurtherQuestion)
{
    open(QStringLiteral("10,10,\"秒数\",1\r\n"));
    startPlay();
    QTimer::singleShot(0, window, [this] {
        clock.advance(10000);
        window->tmrBp_Timer();
    });
    answerBox()->setText(QStringLiteral("x"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    runSteps();
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(window->play().ngCount(), 1);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("x"));  // no next question cleared it
    EXPECT_EQ(text("lblKanjiK"), window->currentAnswer());
    EXPECT_EQ(history::read(HistoryFile).size(), 1u);
}

TEST_F(CombineWindowTest, AnswersDuringAPauseAreNotJudgedAgainstTheOldQuestion)
{
    open();
    startPlay();
    QTimer::singleShot(0, window, [this] {
        QTest::keyClick(answerBox(), Qt::Key_Escape);
        answerBox()->setText(QStringLiteral("y"));
        QTest::keyClick(answerBox(), Qt::Key_Return);
    });
    answerBox()->setText(QStringLiteral("x"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    runSteps();
    EXPECT_EQ(window->play().ngCount(), 1);
    EXPECT_TRUE(window->play().playing());
}

TEST_F(CombineWindowTest, ReturnOrDestructionDuringAPauseEndsQuietly)
{
    open();
    startPlay();
    QTimer::singleShot(0, window, [this] { click("cmdEnd"); });
    answerBox()->setText(QStringLiteral("x"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    runSteps();
    EXPECT_EQ(returns, 1);
    EXPECT_FALSE(window->play().running());
    EXPECT_FALSE(QFile::exists(path(HistoryFile)));

    delete window.data();
    open();
    startPlay();
    QTimer::singleShot(0, [this] { delete window.data(); });
    window->findChild<AnswerBox*>()->setText(QStringLiteral("x"));
    window->txtKaitou_KeyPress(Qt::Key_Return);
    runSteps();
    EXPECT_TRUE(window.isNull());
}

TEST_F(CombineWindowTest, SpacesAroundAnAnswerAreNotPartOfItAndSpacesAloneAreNone)
{
    open(QStringLiteral("3,60,\"答数\",1\r\n"));
    startPlay();
    answerBox()->setText(QStringLiteral("\u3000 "));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_EQ(window->play().answers(), 0);
    answerBox()->clear();
    // An input method types a full-width space for a stray Space.
    QString shown;
    typeAnswer(QStringLiteral("\u3000時 "), [&] { shown = text("lblKanjiK"); });
    EXPECT_EQ(window->play().okCount(), 1);
    EXPECT_EQ(shown, QStringLiteral("時"));
}

TEST_F(CombineWindowTest, EveryAnswerGoesToTheAnswerLogAtTheEndUnsavedAndOneLeftOpenShowsInTheGiveUpColour)
{
    open(QStringLiteral("10,10,\"秒数\",0\r\n"));
    startPlay();
    typeAnswer(QStringLiteral("時"));
    typeAnswer(QStringLiteral("明"));
    commit(QStringLiteral("日"));
    escape();
    EXPECT_FALSE(QFile::exists(path(answerfile::FileName)));  // written when the play ends
    // The time runs out while the right answer stands beside the next question.
    typeAnswer(QStringLiteral("時"), [this] {
        commit(QStringLiteral("日"));
        clock.advance(10000);
        window->tmrBp_Timer();
    });
    ASSERT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblKanjiK"), QStringLiteral("時"));
    EXPECT_EQ(find<QLabel>("lblKanjiK")->palette().color(QPalette::WindowText), rgb::WrongAnswer);

    EXPECT_FALSE(QFile::exists(path(HistoryFile)));  // not stored, yet every answer is logged
    EXPECT_EQ(readBytes(answerfile::FileName),
              cp932(QStringLiteral("\"2024/05/01\",\"21:00:00\",\"合体\",\"時\",\"時\",\"正解\",\"\",\"\"\r\n"
                                   "\"2024/05/01\",\"21:00:00\",\"合体\",\"時\",\"明\",\"不正解\",\"\",\"\"\r\n"
                                   "\"2024/05/01\",\"21:00:01\",\"合体\",\"時\",\"日\",\"ギブアップ\",\"\",\"\"\r\n"
                                   "\"2024/05/01\",\"21:00:02\",\"合体\",\"時\",\"時\",\"正解\",\"\",\"\"\r\n"
                                   "\"2024/05/01\",\"21:00:12\",\"合体\",\"時\",\"日\",\"時間切れ\",\"\",\"\"\r\n")));
}

TEST_F(CombineWindowTest, WithTheMissesTickTheKanjiMissedComesBackAndTheTickIsKeptInTheOptionsFile)
{
    dictionary.setTables(
        {{QStringLiteral("時"), QStringLiteral("日土寸")}, {QStringLiteral("明"), QStringLiteral("日月")}}, {});
    // 時 missed (box 1, weight 16), 明 right twice (box 5, weight 1); 解体's answers are not 合体's.
    writeText(answerfile::FileName,
              QStringLiteral("\"2024/04/30\",\"20:00:00\",\"合体\",\"時\",\"明\",\"不正解\",\"\",\"\"\r\n"
                             "\"2024/04/30\",\"20:00:01\",\"合体\",\"明\",\"明\",\"正解\",\"\",\"\"\r\n"
                             "\"2024/04/30\",\"20:00:02\",\"合体\",\"明\",\"明\",\"正解\",\"\",\"\"\r\n"
                             "\"2024/04/30\",\"20:00:03\",\"解体\",\"明\",\"x\",\"ギブアップ\",\"\",\"日月\"\r\n"));
    open(QStringLiteral("10,10,\"秒数\",0\r\n"));
    auto* tick = find<QCheckBox>("chkNigate");
    EXPECT_EQ(tick->text(), QStringLiteral("苦手を優先"));
    EXPECT_FALSE(tick->isChecked());  // off by default: the uniform draw
    const QStringList uniform = questionsLeftOpen(20);
    EXPECT_GE(uniform.count(QStringLiteral("明")), 6);

    tick->click();
    EXPECT_EQ(readBytes(GameOptions::FileName), cp932(QStringLiteral("\"合体\",\"苦手を優先\",\"1\"\r\n")));
    const QStringList weighted = questionsLeftOpen(20).mid(20);
    EXPECT_GE(weighted.count(QStringLiteral("時")), 17);  // 16 in 17 by the weights

    delete window.data();
    open();
    EXPECT_TRUE(find<QCheckBox>("chkNigate")->isChecked());
    find<QCheckBox>("chkNigate")->click();
    EXPECT_FALSE(GameOptions::read().isOn(1, GameOptions::PreferMisses, true));
}

// A dictionary with nothing to ask.

TEST_F(CombineWindowTest, EmptyDictionaryWarnsAndRefusesToStart)
{
    dictionary.setTables({}, {});
    open();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, GameWindow::EmptyKanjiTableText);
    click("cmdStart");
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(window->play().running());
    EXPECT_TRUE(find<QPushButton>("cmdStart")->isEnabled());
}

TEST_F(CombineWindowTest, DictionaryWithoutThreeComponentEntriesStillOpensAndPlays)
{
    dictionary.setTables({{QStringLiteral("明"), QStringLiteral("日月")}}, {});
    open();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, GameWindow::NoSampleText);
    EXPECT_EQ(text("lblKanjiK"), QStringLiteral("明"));
    startPlay();
    typeAnswer(QStringLiteral("明"));
    EXPECT_EQ(window->play().okCount(), 1);
}

TEST_F(CombineWindowTest, AnotherKanjiOfTheSameComponentsCountsRightAndShowsInGreen)
{
    dictionary.setTables(
        {{QStringLiteral("困"), QStringLiteral("口木")}, {QStringLiteral("束"), QStringLiteral("木口")}}, {});
    open(QStringLiteral("1,60,\"答数\",0\r\n"));
    startPlay();
    const QString other = window->currentAnswer() == QStringLiteral("困") ? QStringLiteral("束") : QStringLiteral("困");
    typeAnswer(other);
    EXPECT_EQ(window->play().okCount(), 1);
    EXPECT_EQ(text("lblKanjiK"), other);
    EXPECT_EQ(find<QLabel>("lblKanjiK")->palette().color(QPalette::WindowText), rgb::RightAnswer);
}

TEST_F(CombineWindowTest, DictionaryOfPrimitiveEntriesOnlyRefusesToStart)
{
    dictionary.setTables({{QStringLiteral("日"), QStringLiteral("日")}}, {});
    open();
    click("cmdStart");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, GameWindow::NoQuestionText);
    EXPECT_FALSE(window->play().running());
}

TEST_F(CombineWindowTest, TheModeChosenLastHoldsInTheNextWindowWhoseFileNamesNeither)
{
    int sharedMode = 1;
    auto openShared = [&] {
        delete window.data();
        window = new CombineWindow(GameContext{dictionary, tour, {}, false, &sharedMode});
        window->show();
    };
    writeText(SettingsFile, QStringLiteral("3,60,\"答数\",1\r\n"));
    openShared();
    EXPECT_EQ(sharedMode, 0);
    writeText(SettingsFile, QStringLiteral("3,60,\"？\",1\r\n"));
    openShared();
    EXPECT_TRUE(find<QRadioButton>("optMode_0")->isChecked());
    EXPECT_EQ(window->play().mode(), 0);

    // A window of its own keeps time mode, whatever another chose.
    delete window.data();
    open(QStringLiteral("3,60,\"？\",1\r\n"));
    EXPECT_TRUE(find<QRadioButton>("optMode_1")->isChecked());
    EXPECT_EQ(sharedMode, 0);
}
