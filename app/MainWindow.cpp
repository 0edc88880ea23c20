#include "app/MainWindow.h"

#include "analysis/LogTallies.h"
#include "app/GamePanel.h"
#include "app/SettingsFile.h"
#include "dictionary/Dictionary.h"
#include "platform/Clock.h"
#include "platform/Glossary.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/MonthCalendar.h"
#include "records/AnswerLog.h"
#include "records/GameItems.h"
#include "records/Nickname.h"
#include "records/RecordLog.h"
#include "review/AggregateScreen.h"
#include "review/CalendarScreen.h"
#include "review/DayView.h"
#include "review/EditScreen.h"
#include "review/NigateScreen.h"
#include "review/NotesScreen.h"
#include "review/RangeView.h"
#include "review/RecordListScreen.h"
#include "review/WholeHistoryView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(HelpTour& tour, Dictionary& dictionary, QWidget* parent)
    : QWidget(parent), state_{tour, {}, {}, true}, dictionary_(dictionary)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1080, 720);

    auto* layout = new QVBoxLayout(this);
    toolbar_ = new QHBoxLayout;
    layout->addLayout(toolbar_);
    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);
    fraGame = new GamePanel(this);
    body->addWidget(fraGame);
    // A screen takes the room beside the game panel; where it needs more than
    // a small screen leaves, it scrolls inside the window instead of
    // widening the window past the screen.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* screens = new QWidget(scroller);
    screenArea_ = new QVBoxLayout(screens);
    screenArea_->setContentsMargins(0, 0, 0, 0);
    scroller->setWidget(screens);
    body->addWidget(scroller, 1);

    cmdGame = addToolButton("cmdGame", QStringLiteral("ゲーム"), QStringLiteral("ゲームを選んで遊びます"));
    cmdMain = addToolButton("cmdMain", QStringLiteral("メイン"), QStringLiteral("メイン画面を表示します"));
    auto* cmdBunseki =
        addToolButton("cmdBunseki", QStringLiteral("並び替え"), QStringLiteral("データを並び替えて表示できます"));
    auto* cmdCale =
        addToolButton("cmdCale", QStringLiteral("カレンダー"), QStringLiteral("実施状況把握カレンダーを表示します"));
    auto* cmdMemo =
        addToolButton("cmdMemo", QStringLiteral("一言日記"), QStringLiteral("ちょっとした日記を記録、表示します"));
    auto* cmdSettei = addToolButton("cmdSettei", QStringLiteral("編集"), QStringLiteral("編集画面を表示します"));
    auto* cmdSyuukei =
        addToolButton("cmdSyuukei", QStringLiteral("集計表示"), QStringLiteral("月別、日別の集計結果を表示します"));
    auto* cmdTaijyu = addToolButton("cmdTaijyu", QStringLiteral("範囲指定"), QStringLiteral("表示条件を指定できます"));
    auto* cmdRentai =
        addToolButton("cmdRentai", QStringLiteral("全グラフ"), QStringLiteral("現在までの全グラフを表示します"));
    auto* cmdNigate =
        addToolButton("cmdNigate", QStringLiteral("苦手"), QStringLiteral("よく間違える漢字・熟語・部品を表示します"));
    auto* cmdHelp = addToolButton("cmdHelp", QStringLiteral("ヘルプ"), QStringLiteral("ヘルプファイルを開きます"));
    auto* cmdOwari = addToolButton("cmdOwari", QStringLiteral("終了"), QStringLiteral("プログラムを終了します"));
    chkHelp = new QCheckBox(QStringLiteral("ヘルプツアー"), this);
    chkHelp->setObjectName(QStringLiteral("chkHelp"));
    chkHelp->setToolTip(QStringLiteral("ヘルプツアーのＯｎ／Ｏｆｆです"));
    toolbar_->addStretch(1);
    toolbar_->addWidget(chkHelp);

    fraMain = new DayView(state_, this);
    fraSettei = new EditScreen(state_, this);
    fraMemo = new NotesScreen(this);
    fraTaijyu = new RangeView(this);
    // hideAllFrames order.
    addScreen(cmdTaijyu, fraTaijyu, QStringLiteral("screens.html#range"));
    addScreen(cmdBunseki, new RecordListScreen(this), QStringLiteral("screens.html#list"));
    addScreen(cmdRentai, new WholeHistoryView(fraTaijyu->itemList(), this), QStringLiteral("screens.html#history"));
    addScreen(cmdMain, fraMain, QStringLiteral("index.html#main"));
    addScreen(cmdSettei, fraSettei, QStringLiteral("index.html#edit"));
    auto* fraCale = new CalendarScreen(this);
    addScreen(cmdCale, fraCale, QStringLiteral("screens.html#calendar"));
    addScreen(cmdMemo, fraMemo, QStringLiteral("screens.html#notes"));
    addScreen(cmdSyuukei, new AggregateScreen(fraTaijyu->itemList(), this), QStringLiteral("screens.html#tables"));
    auto* fraNigate = new NigateScreen(this);
    addScreen(cmdNigate, fraNigate, QStringLiteral("screens.html#nigate"));

    connect(cmdGame, &QPushButton::clicked, this, &MainWindow::showGamePanel);
    connect(cmdHelp, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(cmdOwari, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(chkHelp, &QCheckBox::clicked, this, &MainWindow::toggleHelpTour);
    connect(fraMain, &DayView::dayClicked, this, &MainWindow::openClickedDay);
    connect(fraGame, &GamePanel::closeRequested, fraGame, &QWidget::hide);
    connect(fraGame, &GamePanel::gameChosen, this, &MainWindow::gameRequested);
    connect(fraGame, &GamePanel::dictionaryChosen, this, &MainWindow::dictionaryRequested);
    connect(fraCale, &CalendarScreen::dayChosen, this, &MainWindow::showDay);
    connect(fraNigate, &NigateScreen::dictionaryRequested, this, &MainWindow::dictionaryLookupRequested);
    connect(fraSettei, &EditScreen::mainScreenNeedsRebuild, fraMain, &DayView::rebuildMainScreen);
    connect(fraSettei, &EditScreen::titleChanged, this, &QWidget::setWindowTitle);
    connect(fraSettei, &EditScreen::programEndRequested, this, &MainWindow::programEndRequested);
    fraGame->hide();
    for (int item = 1; item <= 7; ++item)
        fraGame->setAvailable(item, false);
    fraGame->setDictionaryAvailable(false);
    glossary::explain(this);
}

QPushButton* MainWindow::addToolButton(const char* name, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(true);  // Enter presses the focused button, as Space does
    // The style's minimum of 80 pixels a button would make the toolbar wider
    // than a 1024-pixel screen: a button may narrow down to its caption.
    const QStyle* st = b->style();
    const int padding = 2 * (st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                             st->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b)) +
                        4;
    b->setMinimumSize(b->fontMetrics().horizontalAdvance(caption) + padding, 34);
    toolbar_->addWidget(b);
    return b;
}

void MainWindow::addScreen(QPushButton* button, Screen* screen, const QString& helpPage)
{
    screens_.push_back(screen);
    helpPages_.push_back(helpPage);
    screenArea_->addWidget(screen, 1);
    screen->hide();
    if (screen == fraMain)
        connect(button, &QPushButton::clicked, this, &MainWindow::showMainScreen);
    else
        connect(button, &QPushButton::clicked, this, [this, screen] { showScreen(screen); });
}

void MainWindow::setGameAvailable(int item, bool available) { fraGame->setAvailable(item, available); }

void MainWindow::setDictionaryAvailable(bool available) { fraGame->setDictionaryAvailable(available); }

void MainWindow::hideAllFrames()
{
    for (Screen* s : screens_)
        s->hide();
}

void MainWindow::showScreen(Screen* screen)
{
    if (screen->isVisible())
        return;
    hideAllFrames();
    screen->prepare();
    screen->show();
    // A tour box is modal: the screen paints behind it while it is up.
    state_.tour.show(this, screen->helpTourText());
}

void MainWindow::showMainScreen()
{
    if (fraMain->isVisible())
        return;
    hideAllFrames();
    fraMain->show();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (painted_)
        return;
    painted_ = true;
    // The screens share one parse of the play log and one read of the
    // answer log; they run beside the user's first look at the window,
    // never before the window stands.
    QTimer::singleShot(0, this, [] {
        recordlog::parseInBackground();
        logtallies::prepareInBackground(items::names());
        answerlog::readInBackground();
    });
}

void MainWindow::readSettings() { state_.tour.flag = settingsfile::readHelpTourFlag(); }

void MainWindow::startUp()
{
    setWindowState(Qt::WindowNoState);
    loading_ = true;
    hideAllFrames();
    {
        const QSignalBlocker quiet(fraMain->calendar());  // rebuilt below, once
        fraMain->calendar().setValue(Clock::instance().now().date());
    }
    state_.nickname = nickname::read();
    setWindowTitle(nickname::windowTitle(state_.nickname));
    fraTaijyu->fillItemList();
    fraMain->initMainScreenGrids();
    fraMain->rebuildMainScreen();
    const QString problem = dictionary_.load();
    readSettings();
    show();
    fraMain->show();
    chkHelp->setChecked(state_.tour.flag != 0);
    if (!problem.isEmpty())
        msgbox::warning(this, QStringLiteral("辞書の読み込み"), problem);
    if (!state_.tour.introShown) {
        state_.tour.introShown = true;
        state_.tour.show(this, introduction());
    }
    loading_ = false;
    cmdGame->setFocus();
}

QString MainWindow::introduction()
{
    return QStringLiteral("フェルノアに興味をもっていただきありがとうございます。(^o^)／\r\n\r\n"
                          "このソフトは「判断力」「分析力」「理解力」などが要求されるプチゲームを楽しみながら \r\n"
                          "脳を活性化し、健康に保つことを目的としたカルミナ支援ソフトです。\r\n\r\n"
                          "フェルノアを使って身体の健康だけでなく脳の健康にも気を配りましょう！\r\n\r\n\r\n"
                          "<使用方法>\r\n"
                          "①「ゲーム」ボタンを押すと収録しているゲームアイコンが表示されるので選択します。\r\n\r\n"
                          "②あとはそれぞれのゲームで遊ぶだけ！\r\n"
                          "　自動的にプレイしたゲームと時間が記録され、継続を促すデータとなります。\r\n\r\n"
                          "日本語入力は Ctrl+Space でオンにします（README「Typing Japanese」）。\r\n\r\n"
                          "データはリストとグラフで表示されます。\r\n"
                          "グラフは時系列、項目別、時間別の３つに切り替えることができます。\r\n\r\n"
                          "左上のフェイスマークはその日プレイしたゲームの種類数に連動しています。\r\n"
                          "１種類で「ムスッ」、２種類で「ニコ」、３種類以上で「笑い」です。\r\n\r\n"
                          "その他、色の変化でも把握できます。\r\n");
}

void MainWindow::showGamePanel()
{
    const QDate today = Clock::instance().now().date();
    if (!state_.firstRecordDate.isEmpty() && fraMain->calendar().value() != today) {
        const QSignalBlocker quiet(fraMain->calendar());
        fraMain->calendar().setValue(today);
        fraMain->rebuildMainScreen();
    }
    fraGame->show();
    fraGame->focusFirstGame();
}

QString MainWindow::helpPage() const
{
    if (fraGame->isVisible())
        return QStringLiteral("games.html");
    for (size_t i = 0; i < screens_.size(); ++i)
        if (screens_[i]->isVisible())
            return helpPages_[i];
    return {};
}

void MainWindow::showHelp()
{
    if (!help::open(this, help::ProgramHelp, helpPage()))
        msgbox::warning(this, QStringLiteral("ヘルプ"), QStringLiteral("ヘルプファイルが見つかりません。"));
}

void MainWindow::exitProgram()
{
    help::closeAll();
    emit programEndRequested();
}

void MainWindow::toggleHelpTour()
{
    if (loading_)
        return;
    if (chkHelp->isChecked()) {
        msgbox::information(this, QStringLiteral("ヘルプツアーＯＮ"),
                            QStringLiteral("ヘルプツアー機能をオンにします。"));
        state_.tour.flag = 1;
    } else {
        msgbox::information(this, QStringLiteral("ヘルプツアーＯＦＦ"),
                            QStringLiteral("ヘルプツアー機能をオフにします。"));
        state_.tour.flag = 0;
    }
    const textfile::WriteResult w = settingsfile::writeHelpTourFlag(state_.tour.flag);
    if (!w.ok)
        msgbox::warning(this, QStringLiteral("保存できません"), w.message(settingsfile::FileName));
}

void MainWindow::showDay(const QDate& day)
{
    {
        const QSignalBlocker quiet(fraMain->calendar());
        fraMain->calendar().setValue(day);
    }
    fraMain->rebuildMainScreen();
    showMainScreen();
}

void MainWindow::openClickedDay()
{
    // A click on another day has already rebuilt the view through the
    // calendar's selection.
    fraMain->showChosenDay();
    cmdMain->setFocus();
}
