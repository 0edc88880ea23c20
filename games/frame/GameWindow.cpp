#include "games/frame/GameWindow.h"

#include "dictionary/Dictionary.h"
#include "dictionary/Readings.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/AnswerKanji.h"
#include "games/frame/ClickFilter.h"
#include "games/frame/CountdownImage.h"
#include "games/frame/GameOptions.h"
#include "games/frame/HistoryArea.h"
#include "games/frame/PlayStore.h"
#include "platform/Clock.h"
#include "platform/Colors.h"
#include "platform/Glossary.h"
#include "platform/Grid.h"
#include "platform/HelpTour.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/RecordLine.h"
#include "records/AnswerLog.h"
#include "records/GameItems.h"
#include "records/RecordFile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
// The anchors of the games on the help's game page, by item.
const char* const HelpAnchors[] = {"combine", "dismantle", "compound", "excavation", "landfill", "link", "shiritori"};
}  // namespace

QStringList GameWindow::countRange(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QString::number(i);
    return list;
}

QStringList GameWindow::timeChoices()
{
    QStringList list;
    for (int s = GameSettings::TimeLimitStep; s <= GameSettings::MaxTimeLimit; s += GameSettings::TimeLimitStep)
        list << QString::number(s);
    return list;
}

GameWindow::GameWindow(const GameDefinition& definition, GameContext context, QWidget* parent)
    : QWidget(parent), def_(definition), ctx_(std::move(context))
{
    setObjectName(def_.windowName);
    setWindowTitle(def_.windowTitle);
    buildControls();

    tmrStart.setInterval(1000);
    tmrPlay.setInterval(100);
    tmrBp.setInterval(1000);
    for (QTimer* t : {&tmrStart, &tmrPlay, &tmrBp})
        t->setTimerType(Qt::PreciseTimer);
    connect(&tmrStart, &QTimer::timeout, this, &GameWindow::tmrStart_Timer);
    connect(&tmrPlay, &QTimer::timeout, this, &GameWindow::tmrPlay_Timer);
    connect(&tmrBp, &QTimer::timeout, this, &GameWindow::tmrBp_Timer);
    // A judged text that the steps have not taken away is the player's.
    steps_.onJudgementOver([this] { txtKaitou->endJudging(); });
    cmdStart->installEventFilter(this);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { help::open(this, help::ProgramHelp, helpPage()); });
}

GameWindow::~GameWindow() = default;

QString GameWindow::helpPage() const
{
    const int i = std::clamp(def_.item, 1, int(std::size(HelpAnchors))) - 1;
    return QStringLiteral("games.html#") + QLatin1String(HelpAnchors[i]);
}

void GameWindow::Form_Load()
{
    loading_ = true;
    history_->cmdAllDsp_Click();
    history_->layoutHistoryCompact();

    play_.settings = GameSettings::read(items::settingsFile(def_.item), def_.hasHint);
    const GameSettings& s = play_.settings;
    if (chkHint) {
        chkHint->setChecked(s.hintOn != 0);
        chkHint_Click();
    }
    chkAs->setChecked(s.autoSave != 0);
    chkAs_Click();
    readOptions();

    clearQuestion();
    if (ctx_.loadDictionaries)
        dictionaryProblem_ = ctx_.dictionary.load();
    applyLevel();
    if (chkYomi->isChecked())
        Readings::shipped();  // read now, not in the first answer's pause
    showIdleSample();

    cboJikan->addItems(timeChoices());
    selectComboText(cboJikan, recordline::number(s.timeLimit));
    cboKaisu->addItems(def_.countChoices);
    selectComboText(cboKaisu, QString::number(s.answerTarget));

    const QString caption = s.modeCaption;
    for (int i : {1, 0}) {
        if (optMode[size_t(i)]->text() == caption) {
            optMode[size_t(i)]->setChecked(true);
            optMode_Click(i);
        }
    }
    if (!optMode[0]->isChecked() && !optMode[1]->isChecked()) {
        // A caption that names neither mode keeps the mode in force.
        const int mode = sharedPlayMode() == 0 ? 0 : 1;
        optMode[size_t(mode)]->setChecked(true);
        optMode_Click(mode);
    }

    barFullWidth_ = shpJikanK->width();
    for (QLabel* l : {lblOk, lblNg, lblMoji_T, lblByou, lblRitu, lblJikan})
        l->clear();
    cmdStart->setFocus();  // Enter starts a play
    keepKeysInAnswerBox();
    glossary::explain(this);
    loading_ = false;
    if (!dictionaryProblem_.isEmpty())
        msgbox::warning(this, DictionaryProblemTitle, dictionaryProblem_);
}

void GameWindow::keepKeysInAnswerBox()
{
    // A control clicked during a play (a setting, a history filter or chart,
    // a game's own option) takes the focus with the click, a list box again
    // when its list closes; the next keys belong to the answer all the same.
    // Given back once the click is through, so that the control still gets
    // it. The keyboard's own way round the window (Tab) is left alone.
    const auto giveBack = [this] {
        if (play_.running() && !wayBack_.taken())
            txtKaitou->setFocus();
    };
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w != txtKaitou && (w->focusPolicy() & Qt::ClickFocus))
            onClickFocus(w, [this, giveBack] { QMetaObject::invokeMethod(this, giveBack, Qt::QueuedConnection); });
    }
}

void GameWindow::selectComboText(QComboBox* box, const QString& text)
{
    int i = box->findText(text);
    if (i < 0) {
        box->addItem(text);  // a value from the file that is not a listed choice
        i = box->count() - 1;
    }
    box->setCurrentIndex(i);
}

void GameWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (tourShown_)
        return;
    tourShown_ = true;
    QTimer::singleShot(0, this, [this] { ctx_.tour.show(this, helpText()); });
}

// Settings: accepted at any time and written at once. A running play keeps
// the mode and time limit it started with.

void GameWindow::writeSettings()
{
    if (loading_)
        return;
    const QString file = items::settingsFile(def_.item);
    const textfile::WriteResult r = play_.settings.write(file, def_.hasHint);
    if (!r.ok)
        msgbox::warning(this, QStringLiteral("設定保存"), r.message(file));
}

void GameWindow::cboJikan_Click(int index)
{
    if (index < 0)
        return;
    play_.settings.timeLimit = recordline::toFloat(cboJikan->itemText(index));
    if (!play_.running())
        lblJikan->setText(cboJikan->itemText(index));
    writeSettings();
}

void GameWindow::cboKaisu_Click(int index)
{
    if (index < 0)
        return;
    play_.settings.answerTarget = int(recordline::toInteger(cboKaisu->itemText(index)));
    writeSettings();
    if (!loading_)
        countChanged();
}

void GameWindow::optMode_Click(int index)
{
    cboJikan->setEnabled(index == 1);
    cboKaisu->setEnabled(index == 0);
    sharedPlayMode() = index;
    play_.setMode(index);
    play_.settings.modeCaption = optMode[size_t(index)]->text();
    writeSettings();
}

void GameWindow::chkAs_Click()
{
    const bool on = chkAs->isChecked();
    play_.settings.autoSave = on ? 1 : 0;
    cmdHozon->setEnabled(!on);
    writeSettings();
}

void GameWindow::chkHint_Click()
{
    if (!chkHint)
        return;
    play_.settings.hintOn = chkHint->isChecked() ? 1 : 0;
    hintChanged();
    writeSettings();
}

// The games' own options, in ゲーム設定.txt. A level the file names that is
// none of the list is 常用すべて, its line left as it is until another level
// is chosen.

void GameWindow::readOptions()
{
    options_ = GameOptions::read();
    level_ = KanjiLevel::fromName(options_.value(def_.item, KanjiLevel::OptionName));
    cboLevel->clear();
    cboLevel->addItems(KanjiLevel::names());
    cboLevel->setCurrentIndex(level_.index());
    chkYomi->setChecked(options_.isOn(def_.item, YomiCaption, true));
    if (chkNigate)
        chkNigate->setChecked(options_.isOn(def_.item, GameOptions::PreferMisses));
    lblYomi->clear();
}

void GameWindow::writeOptions()
{
    if (loading_)
        return;
    const textfile::WriteResult r = options_.write();
    if (!r.ok)
        msgbox::warning(this, QStringLiteral("設定保存"), r.message(GameOptions::FileName));
}

void GameWindow::cboLevel_Click(int index)
{
    if (index < 0)
        return;
    level_ = KanjiLevel::fromName(cboLevel->itemText(index));
    options_.set(def_.item, KanjiLevel::OptionName, level_.name());
    writeOptions();
    if (!play_.running())
        applyLevel();
}

void GameWindow::chkYomi_Click()
{
    options_.setOn(def_.item, YomiCaption, chkYomi->isChecked());
    writeOptions();
    if (!chkYomi->isChecked())
        lblYomi->clear();
}

void GameWindow::applyLevel()
{
    if (level_.grade() == tableLevel_.grade() && (level_.all() || levelTable_))
        return;
    tableLevel_ = level_;
    levelTable_ = level_.all() ? nullptr : std::make_unique<Dictionary>(level_.restrict(ctx_.dictionary));
    if (!loading_)
        showIdleSample();
}

const Dictionary& GameWindow::levelTable() const { return levelTable_ ? *levelTable_ : ctx_.dictionary; }

void GameWindow::addSetting(QWidget* control) { settingsGrid_->addWidget(control, settingsGrid_->rowCount(), 0, 1, 2); }

void GameWindow::showYomi(const QString& text)
{
    // The line waits for no file: the table is in the program and read once.
    lblYomi->setText(chkYomi->isChecked() ? Readings::shipped().line(text) : QString());
}

void GameWindow::chkNigate_Click()
{
    options_.setOn(def_.item, GameOptions::PreferMisses, chkNigate->isChecked());
    writeOptions();
}

// The life of a play.

void GameWindow::cmdStart_Click()
{
    if (play_.running())
        return;
    applyLevel();  // a level chosen during the last play
    QString reason;
    if (!canPlay(&reason)) {
        msgbox::warning(this, def_.windowTitle, reason);
        return;
    }
    play_.start();
    steps_.stop();
    playAnswers_.clear();
    // The tick is read at Start: a play keeps the draw it began with.
    if (chkNigate && chkNigate->isChecked())
        missDraw_.start(*answerlog::current(), def_.item);
    else
        missDraw_.stop();
    shpJikanK->resize(barFullWidth_, shpJikanK->height());
    history_->layoutHistoryCompact();
    clearQuestion();
    for (QLabel* l : {lblOk, lblNg, lblByou, lblRitu})
        l->clear();
    clearAnswerLabel();
    lblYomi->clear();
    lblMoji_T->setText(QStringLiteral("0"));
    lblOk->setText(QStringLiteral("0"));
    lblNg->setText(QStringLiteral("0"));
    lblJikan->setText(play_.timeMode() ? cboJikan->currentText() : QStringLiteral("0.0"));
    cmdStart->setEnabled(false);
    cmdClear->setEnabled(false);
    // The keys of the countdown already go to the answer box, never to "戻り".
    txtKaitou->setFocus();
    // Restarted so that the steps fall one, two and three seconds after the click.
    tmrStart.start();
}

void GameWindow::tmrStart_Timer()
{
    if (!play_.countingDown()) {
        play_.countdownTick();
        tmrStart.stop();  // nothing to count until the next Start
        return;
    }
    for (QLabel* img : imgStart)
        img->hide();
    const bool begins = play_.countdownTick();
    imgStart[size_t(play_.countdownStep() - 1)]->show();
    if (!begins)
        return;
    tmrStart.stop();
    nextQuestion();
    txtKaitou->setFocus();
    if (play_.timeMode())
        tmrBp.start();  // ticks on the play's whole seconds
    else
        tmrPlay.start();
}

void GameWindow::tmrPlay_Timer()
{
    if (play_.playing() && !play_.timeMode())
        lblJikan->setText(play_.elapsedText());
}

void GameWindow::tmrBp_Timer()
{
    if (!play_.playing() || !play_.timeMode()) {
        tmrBp.stop();
        return;
    }
    const int remaining = play_.tickRemaining();
    lblJikan->setText(QString::number(remaining));
    shpJikanK->resize(play_.barWidth(barFullWidth_), shpJikanK->height());
    if (remaining < 1) {
        revealAtTimeOut();
        finishPlay(PlayFrame::End::TimeOut);
    }
}

void GameWindow::finishPlay(PlayFrame::End end)
{
    if (!play_.playing())
        return;
    tmrPlay.stop();
    tmrBp.stop();
    steps_.stop();
    endedNow();
    const PlayResult& r = play_.finish(end, rateNumerator(), sixthValue(), noteSuffix());
    logAnswers();
    cmdStart->setEnabled(true);
    cmdClear->setEnabled(true);
    // Enter starts the next play.
    cmdStart->setFocus();
    showAnswerCount();
    if (!r.timeMode)
        lblJikan->setText(r.secondsText);  // the figure the rate is worked out from
    lblByou->setText(r.rateText);
    lblRitu->setText(r.accuracyText);
    if (play_.settings.autoSave == 1)
        storePlay();
}

void GameWindow::logAnswers()
{
    if (playAnswers_.empty())
        return;
    const std::vector<Answer> answers = std::exchange(playAnswers_, {});
    const textfile::WriteResult r = answerlog::append(answers);
    // Told once a window: a folder that refuses the log refuses every play's.
    if (!r.ok && !std::exchange(answerLogWarned_, true))
        msgbox::warning(this, QStringLiteral("解答記録"), r.message(answerfile::FileName));
}

void GameWindow::storePlay()
{
    if (!play_.storable())
        return;
    const PlayResult& r = play_.result();
    const QDateTime now = Clock::instance().now();
    const playstore::Outcome stored =
        playstore::store(r, now, items::names()[def_.item - 1], items::historyFile(def_.item), recordfile::FileName);
    if (!stored.ok) {
        msgbox::warning(this, QStringLiteral("保存"), stored.message());
        return;
    }
    history_->addStoredRow(playstore::historyRow(r, now));
    history_->redrawSelectedChart();
    history_->layoutHistoryCompact();
}

// Answers.

void GameWindow::txtKaitou_KeyPress(int key)
{
    const bool escape = key == Qt::Key_Escape;
    if (play_.playing()) {
        if (escape)
            giveUpRequested();
        else if (!steps_.judging() && !boxText().isEmpty())
            judgeTypedAnswer();
        return;
    }
    if (play_.countingDown())
        return;  // no question yet: nothing to judge against
    if (escape || !txtKaitou->text().isEmpty()) {
        txtKaitou->clear();
        cmdStart->setFocus();
    }
}

QString GameWindow::boxText() const
{
    const QString text = txtKaitou->text();
    const auto isSpace = [](QChar c) { return c == u' ' || c == u'\u3000'; };
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isSpace(text[from]))
        ++from;
    while (to > from && isSpace(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

void GameWindow::judgeTypedAnswer()
{
    steps_.begin();
    txtKaitou->beginJudging(txtKaitou->text());
    checkAnswer(boxText());
    steps_.end();
}

void GameWindow::giveUpRequested()
{
    if (play_.playing()) {
        if (!steps_.judging()) {
            steps_.begin();
            txtKaitou->beginJudging(txtKaitou->text());
            giveUp();
            steps_.end();
        }
        return;
    }
    if (play_.countingDown())
        return;
    txtKaitou->clear();
    cmdStart->setFocus();
}

void GameWindow::judged(Verdict verdict, const QString& question, const QString& typed, const QString& found,
                        const QString& missed)
{
    showCounts();
    showYomi(yomiOf(verdict, question, typed));
    const QDateTime now = Clock::instance().now();
    Answer answer{dateText(now.date()), timeText(now.time()), def_.item, question, typed, verdict, found, missed};
    if (play_.playing()) {
        missDraw_.answered(answer);
        playAnswers_.push_back(answer);
    }
    emit answerJudged(answer);
}

void GameWindow::countAnswer(Verdict verdict, const QString& question, const QString& typed)
{
    play_.countAnswer(verdict == Verdict::Right);
    judged(verdict, question, typed);
}

int GameWindow::drawByMisses()
{
    return missDraw_.draw([this] { return questionCandidates(); }, Random::instance());
}

QStringList GameWindow::kanjiQuestions() const
{
    const Dictionary& d = levelTable();
    QStringList kanji;
    kanji.reserve(d.questionCount());
    for (int i = 0; i < d.questionCount(); ++i)
        kanji << d.kansei(d.questionEntry(i));
    return kanji;
}

void GameWindow::showCounts()
{
    lblOk->setText(QString::number(play_.okCount()));
    lblNg->setText(QString::number(play_.ngCount()));
}

void GameWindow::showAnswerCount() { lblMoji_T->setText(QString::number(play_.answers())); }

bool GameWindow::endIfCountReached()
{
    if (!play_.countReached())
        return false;
    finishPlay(PlayFrame::End::CountReached);
    return true;
}

bool GameWindow::playGoesOnAfterAnswer()
{
    showAnswerCount();
    return !endIfCountReached();
}

void GameWindow::showNextQuestion()
{
    nextQuestion();
    txtKaitou->clear();
    txtKaitou->setFocus();
}

// Leaving.

void GameWindow::stopTimers()
{
    tmrStart.stop();
    tmrPlay.stop();
    tmrBp.stop();
    steps_.stop();
}

void GameWindow::cmdEnd_Click()
{
    logAnswers();
    play_.abandon();
    stopTimers();
    wayBack_.take(this, ctx_.returnToMain);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    logAnswers();
    play_.abandon();
    stopTimers();
    wayBack_.takeOnClose(this, ctx_.returnToMain);
    QWidget::closeEvent(event);
}

void GameWindow::endedNow()
{
    ended_ = true;
    endedMs_ = Clock::instance().monotonicMs();
}

bool GameWindow::startKeyTooSoon(const QKeyEvent* key) const
{
    constexpr qint64 CalmMs = 500;
    if (key->isAutoRepeat())
        return true;  // held down since before
    return ended_ && Clock::instance().monotonicMs() - endedMs_ < CalmMs;
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmdStart && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool presses = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (presses && startKeyTooSoon(key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::cmdClear_Click()
{
    if (play_.running())
        return;
    history_->cmdClear_Click();
}

void GameWindow::warnAboutKanjiTable()
{
    // A file that could not be read has been told about already.
    if (dictionary().kanjiCount() == 0 && dictionaryProblem_.isEmpty())
        msgbox::warning(this, def_.windowTitle, EmptyKanjiTableText);
}

void GameWindow::noteSmallSample()
{
    if (dictionary().kanjiCount() > 0 && dictionary().randomKanjiWithAtLeast(3, Random::instance()) == 0)
        msgbox::information(this, def_.windowTitle, NoSampleText);
}

bool GameWindow::kanjiTableUsable(QString* reason) const
{
    if (dictionary().kanjiCount() > 0)
        return true;
    *reason = dictionaryProblem_.isEmpty() ? EmptyKanjiTableText : dictionaryProblem_;
    return false;
}

bool GameWindow::questionTableUsable(QString* reason) const
{
    if (!kanjiTableUsable(reason))
        return false;
    if (dictionary().questionCount() == 0) {
        *reason = NoQuestionText;
        return false;
    }
    if (levelTable().questionCount() > 0)
        return true;
    *reason = level_.refusal();
    return false;
}

QString GameWindow::joinHelpLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

void GameWindow::setLabelColor(QLabel* label, QPalette::ColorRole role, const QColor& color)
{
    QPalette p = label->palette();
    p.setColor(role, color);
    label->setPalette(p);
}

void GameWindow::finishByGiveUp(bool counted)
{
    if (counted) {
        finishPlay(PlayFrame::End::Completed);
        return;
    }
    if (!play_.playing())
        return;
    tmrPlay.stop();
    tmrBp.stop();
    steps_.stop();
    endedNow();
    logAnswers();
    play_.abandon();
    cmdStart->setEnabled(true);
    cmdClear->setEnabled(true);
    cmdStart->setFocus();  // Enter starts the next play
}

namespace {
constexpr int WrongPauseMs = 1000;
constexpr int RightPauseMs = 700;
constexpr int GiveUpPauseMs = 700;
}  // namespace

void GameWindow::answerShownIn(AnswerKanji& box, Verdict verdict)
{
    if (!playGoesOnAfterAnswer())
        return;  // the last answer stays on screen
    if (verdict == Verdict::Right) {
        // The next question comes at once; the right answer stays beside it a while.
        showNextQuestion();
        steps_.linger(RightPauseMs, [&box, shown = box.shown()] {
            if (box.shown() == shown)
                box.empty();
        });
        return;
    }
    const int ms = verdict == Verdict::Wrong ? WrongPauseMs : GiveUpPauseMs;
    steps_.hold(ms, [this, &box] {
        box.empty();
        showNextQuestion();
    });
}
