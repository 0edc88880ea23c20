#pragma once
// The window every game stands on (frmG1 ... frmG7): settings and their file,
// Start and the countdown, the three timers, the time bar, the counters and
// results, storing a play, the history area and the way back to the main
// window. A game derives from it, fills gameArea() and supplies the hooks.
#include "dictionary/KanjiLevel.h"
#include "games/frame/AnswerSteps.h"
#include "games/frame/GameOptions.h"
#include "games/frame/MissDraw.h"
#include "games/frame/PlayFrame.h"
#include "platform/WayBack.h"
#include "records/AnswerFile.h"

#include <QPalette>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class AnswerBox;
class AnswerKanji;
class Dictionary;
class HelpTour;
class HistoryArea;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

// What tells one game's frame from another's.
struct GameDefinition {
    int item = 1;              // 1 合体 ... 7 しりとり
    QString windowName;        // "frmG1"
    QString windowTitle;       // "合体タイピング"
    QString countCaption;      // optMode(0): "答数", "コマ数", "マス数"
    QStringList countChoices;  // cboKaisu and cboKaisu2
    QString sixthHeading;      // the history's sixth column and cmdMoji
    bool hasHint = false;      // chkHint "ヒント有り" and a five-item settings file
    // The history's count filter cboKaisu2 when it lists other numbers than
    // cboKaisu (the board games choose a tile count but filter by answers).
    QStringList historyCountChoices = {};
    // chkNigate "苦手を優先": questions drawn by the learner's own misses.
    bool drawsByMisses = false;
};

// What a game window is given by whoever opens it.
struct GameContext {
    Dictionary& dictionary;
    HelpTour& tour;
    // Shows the main window again and closes `window`. Called by "戻り" and
    // when the window is closed by its frame.
    std::function<void(QWidget* window)> returnToMain;
    // Reads both dictionary files when the window opens (tests fill the
    // tables themselves).
    bool loadDictionaries = true;
    // The play mode every game window of a run shares (1 time, 0 count); a
    // window without one keeps its own.
    int* playMode = nullptr;
};

class GameWindow : public QWidget {
    Q_OBJECT
public:
    static QStringList timeChoices();  // 10, 20, ..., 180
    static QStringList countRange(int from, int to);
    // A help text: each line followed by CR LF (an empty string for an empty line).
    static QString joinHelpLines(const QStringList& lines);
    // A label's colour for one palette role (text or background).
    static void setLabelColor(QLabel* label, QPalette::ColorRole role, const QColor& color);
    // What a game drawing from the kanji table says about an unusable one.
    static inline const QString EmptyKanjiTableText =
        QStringLiteral("漢字辞書に漢字がひとつも登録されていないため、ゲームを始められません。");
    static inline const QString NoQuestionText =
        QStringLiteral("漢字辞書に出題できる漢字（部品が漢字そのものでない項目）がないため、ゲームを始められません。");
    static inline const QString DictionaryProblemTitle = QStringLiteral("辞書の読み込み");
    static inline const QString NoSampleText =
        QStringLiteral("漢字辞書に構成部品が３つ以上の漢字がないため、見本には部品の少ない漢字を表示します。");
    static inline const QString LevelCaption = QStringLiteral("出題範囲");
    // The tick that shows the reading and meaning of each answer, and its
    // option's name in the games' options file.
    static inline const QString YomiCaption = QStringLiteral("読みと意味");

    ~GameWindow() override;

    const GameDefinition& definition() const { return def_; }
    // The game's place in the help (F1).
    QString helpPage() const;
    // What follows an answer (tests run its steps without waiting).
    AnswerSteps& answerSteps() { return steps_; }
    PlayFrame& play() { return play_; }
    const PlayFrame& play() const { return play_; }
    HistoryArea& history() { return *history_; }

    // Handlers of the frame's controls and timers.
    void cmdStart_Click();
    void tmrStart_Timer();
    void tmrPlay_Timer();
    void tmrBp_Timer();
    void cboJikan_Click(int index);
    void cboKaisu_Click(int index);
    void optMode_Click(int index);
    void chkAs_Click();
    void chkHint_Click();
    void cboLevel_Click(int index);
    void chkYomi_Click();
    void chkNigate_Click();
    void cmdHozon_Click() { storePlay(); }
    void cmdEnd_Click();
    void cmdClear_Click();
    // Enter or ESC in the answer box (Qt::Key_Return, Qt::Key_Escape).
    void txtKaitou_KeyPress(int key);
    // ESC in the answer box and a click on the game's give-up control.
    void giveUpRequested();

    void storePlay();
    void finishPlay(PlayFrame::End end);

    // The level chosen; a running play keeps the one it started with.
    const KanjiLevel& level() const { return level_; }

protected:
    GameWindow(const GameDefinition& definition, GameContext context, QWidget* parent = nullptr);
    // The opening sequence; the game's constructor calls it last, once its
    // own controls exist.
    void Form_Load();

    // Hooks.
    virtual void clearQuestion() = 0;
    virtual void nextQuestion() = 0;
    // Also when levelTable() came to hold another level's kanji (never
    // during a play): a game that keeps what it worked out from the table
    // works it out anew.
    virtual void showIdleSample() = 0;
    virtual void checkAnswer(const QString& answer) = 0;
    virtual void giveUp() = 0;
    virtual void revealAtTimeOut() = 0;
    virtual void clearAnswerLabel() {}
    virtual QString helpText() const = 0;  // lines joined by CR LF
    // Whether a play can begin; otherwise the reason, shown as a warning.
    virtual bool canPlay(QString* reason) const = 0;
    virtual int rateNumerator() const { return play_.answers(); }
    virtual QString sixthValue() const { return QString::number(play_.answers()); }
    virtual QString noteSuffix() const { return {}; }
    virtual void hintChanged() {}
    // cboKaisu was changed by the user (not while the window opens).
    virtual void countChanged() {}
    // Which text's reading and meaning the line under the answer box shows
    // after a judged answer: the question, unless a game shows something
    // else as the answer.
    virtual QString yomiOf(Verdict verdict, const QString& question, const QString& typed) const
    {
        (void)verdict;
        (void)typed;
        return question;
    }

    // With 苦手を優先 ticked at Start, the position of the next question
    // among questionCandidates(), drawn by the learner's answers; -1 when not
    // ticked, and the game draws uniformly as ever.
    int drawByMisses();
    // What each question the game can draw asks, in the order of its own
    // draw (the games with 苦手を優先).
    virtual QStringList questionCandidates() const { return {}; }
    // The kanji of the entries the kanji games ask at the level chosen, in the table's order.
    QStringList kanjiQuestions() const;

    // For the games that draw from the kanji table: a warning when the
    // window opens on an empty table, and the refusal to start without
    // entries. The games that show a sample of three components or more
    // note when no entry has them.
    void warnAboutKanjiTable();
    void noteSmallSample();
    bool kanjiTableUsable(QString* reason) const;
    // For the games that set one entry as a question: an entry that is its
    // own only component is never asked.
    bool questionTableUsable(QString* reason) const;
    // The kanji table narrowed to the level: the entries and compounds a
    // game draws its questions, boards and start kanji from (the whole
    // table at 常用すべて). Answers are judged against dictionary().
    const Dictionary& levelTable() const;
    // The games' own options (ゲーム設定.txt) as the window read them, and
    // writing them back after a change.
    GameOptions& options() { return options_; }
    void writeOptions();
    // A control of the game's own in the settings box, on a row of its own.
    void addSetting(QWidget* control);

    // A give-up that ends the play (the chain games). With something
    // `counted` the play ends as by the game's own rule; otherwise the
    // results stay blank and there is nothing to store.
    void finishByGiveUp(bool counted);

    // For the games.
    QWidget* gameArea() const { return gameArea_; }
    // The component slots lblKanjiP_1 .. lblKanjiP_<count> in a row inside
    // `box`: large characters centred in squares on white. A game gives them
    // their frame and colours.
    std::vector<QLabel*> componentSlots(QWidget* box, int count) const;
    Dictionary& dictionary() const { return ctx_.dictionary; }
    AnswerBox* txtKaitou;
    QPushButton* cmdStart;
    // Every answer the game judges passes here once, when it is shown:
    // right, wrong, given up, or still open on screen when the time ran out.
    // `question` is the kanji or word asked (in the board and chain games
    // the kanji typed), `typed` the text judged or what stood in the box;
    // the frame adds the day, the time and the game. The counters shown
    // follow the play's.
    void judged(Verdict verdict, const QString& question, const QString& typed, const QString& found = {},
                const QString& missed = {});
    // An answer the frame counts: right, or else one more wrong; then judged().
    void countAnswer(Verdict verdict, const QString& question, const QString& typed);
    static Verdict rightOrWrong(bool right) { return right ? Verdict::Right : Verdict::Wrong; }
    // lblOk and lblNg, for games whose rules count in play() themselves.
    void showCounts();
    void showAnswerCount();  // lblMoji_T
    // Count mode: ends the play when the chosen number of answers is given.
    bool endIfCountReached();
    // After an answer is shown: the answer count, and whether the play goes
    // on (in count mode it ends once the chosen number is given).
    bool playGoesOnAfterAnswer();
    // The next question, the answer box emptied and ready for it.
    void showNextQuestion();
    // Whether the question on screen waits for its answer (at a time-out:
    // it is left open), rather than having its answer shown.
    bool questionOpen() const { return !steps_.judging(); }
    // The course of an answer in the games that show it in an AnswerKanji
    // box, after the game has shown and counted it there: a wrong answer or
    // a give-up stays a moment before the next question; a right one stays
    // in green beside the next question.
    void answerShownIn(AnswerKanji& box, Verdict verdict);
    // The answer box's text, spaces (ASCII and full-width) around it removed.
    QString boxText() const;

signals:
    void answerJudged(const Answer& answer);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void keepKeysInAnswerBox();
    void writeSettings();
    void readOptions();
    // Narrows levelTable() to the level chosen when it holds another.
    void applyLevel();
    void showYomi(const QString& text);
    void selectComboText(QComboBox* box, const QString& text);
    void stopTimers();
    // Enter or Space on スタート: only a key pressed anew, a moment after
    // the last play ended, starts the next one.
    bool startKeyTooSoon(const QKeyEvent* key) const;
    void judgeTypedAnswer();
    void endedNow();
    // The answers judged in the play, appended to the answer log in one
    // write when it ends, stored or not, or is left by closing the window.
    void logAnswers();

    GameDefinition def_;
    GameContext ctx_;
    PlayFrame play_;
    bool loading_ = false;
    WayBack wayBack_;
    AnswerSteps steps_;
    qint64 endedMs_ = 0;
    bool ended_ = false;
    bool tourShown_ = false;
    std::vector<Answer> playAnswers_;
    MissDraw missDraw_;
    bool answerLogWarned_ = false;
    int barFullWidth_ = 0;
    QString dictionaryProblem_;
    GameOptions options_;
    KanjiLevel level_;
    // The narrowed table and the level it was made for; none at 常用すべて.
    std::unique_ptr<Dictionary> levelTable_;
    KanjiLevel tableLevel_;
    int ownPlayMode_ = 1;
    int& sharedPlayMode()
    {
        return ctx_.playMode ? *ctx_.playMode : ownPlayMode_;
    }  // what loading the dictionaries reported

    QWidget* gameArea_;
    HistoryArea* history_;
    QPushButton* cmdEnd;
    QPushButton* cmdHozon;
    QPushButton* cmdClear;
    std::array<QRadioButton*, 2> optMode{};
    QComboBox* cboJikan;
    QComboBox* cboKaisu;
    QCheckBox* chkAs;
    QCheckBox* chkHint = nullptr;
    QComboBox* cboLevel;
    QCheckBox* chkYomi;
    QLabel* lblYomi;
    QGridLayout* settingsGrid_;
    QCheckBox* chkNigate = nullptr;
    std::array<QLabel*, 3> imgStart{};
    QFrame* shpJikanB;
    QFrame* shpJikanK;
    QLabel* lblJikan;
    QLabel* lblOk;
    QLabel* lblNg;
    QLabel* lblMoji_T;
    QLabel* lblRitu;
    QLabel* lblByou;
    QTimer tmrStart;
    QTimer tmrPlay;
    QTimer tmrBp;
};
