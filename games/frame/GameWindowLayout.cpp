// The frame's controls and where they stand; the play's life is in GameWindow.cpp.
#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/CountdownImage.h"
#include "games/frame/GameWindow.h"
#include "games/frame/HistoryArea.h"
#include "games/frame/PlayStore.h"
#include "platform/Clock.h"
#include "platform/Colors.h"
#include "platform/Grid.h"
#include "platform/HelpTour.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/RecordLine.h"
#include "records/GameItems.h"
#include "records/RecordFile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
using colors::twipsToPixels;

// The window's plan in twips: a left column with the countdown lamps and the
// time bar on top, the game's own area, the answer box and the history; a
// right column with the buttons, settings, results and history controls.
constexpr int WindowWidth = 12360;
// Taller than the first plan's 8640 by the level and reading rows of the
// settings box; the history below the answer gets the same room on the left.
constexpr int WindowHeight = 9360;
constexpr int LeftX = 120;
constexpr int LeftWidth = 9120;
constexpr int RightX = 9360;
constexpr int RightWidth = 2940;
constexpr int GameAreaTop = 1350;
constexpr int AnswerRowTop = 5175;
// The reading line under the answer box, above the history.
constexpr int YomiTop = AnswerRowTop + 555;
constexpr int YomiHeight = 270;

const QString AutoSaveTip = QStringLiteral("履歴の自動保存を制御します");
const QString PreferMissesTip = QStringLiteral("これまでに間違えた問題ほど多く出題します");

QRect twipsRect(int x, int y, int w, int h)
{
    return QRect(twipsToPixels(x), twipsToPixels(y), twipsToPixels(w), twipsToPixels(h));
}

QLabel* valueLabel(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(80);
    return l;
}

QLabel* captionLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}
}  // namespace

void GameWindow::buildControls()
{
    setFixedSize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));
    // Countdown lamps and the time display.
    for (int i = 0; i < 3; ++i) {
        auto* img = new QLabel(this);
        img->setObjectName(QStringLiteral("imgStart_%1").arg(i + 1));
        img->setGeometry(twipsRect(LeftX + i * 780, 180, 720, 720));
        img->setPixmap(countdownImage(i + 1, img->size()));
        img->hide();
        imgStart[size_t(i)] = img;
    }
    lblJikan = new QLabel(this);
    lblJikan->setObjectName(QStringLiteral("lblJikan"));
    lblJikan->setGeometry(twipsRect(2580, 180, 1500, 720));
    lblJikan->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = lblJikan->font();
    big.setPointSize(24);
    big.setBold(true);
    lblJikan->setFont(big);
    shpJikanB = new QFrame(this);
    shpJikanB->setObjectName(QStringLiteral("shpJikanB"));
    shpJikanB->setFrameShape(QFrame::Box);
    shpJikanB->setGeometry(twipsRect(4260, 360, 4920, 360));
    shpJikanK = new QFrame(shpJikanB);
    shpJikanK->setObjectName(QStringLiteral("shpJikanK"));
    shpJikanK->setAutoFillBackground(true);
    QPalette bar = shpJikanK->palette();
    bar.setColor(QPalette::Window, QColor(0, 128, 255));
    shpJikanK->setPalette(bar);
    shpJikanK->setGeometry(2, 2, shpJikanB->width() - 4, shpJikanB->height() - 4);

    gameArea_ = new QWidget(this);
    gameArea_->setObjectName(QStringLiteral("fraGameArea"));
    gameArea_->setGeometry(twipsRect(LeftX, GameAreaTop, LeftWidth, AnswerRowTop - GameAreaTop - 60));

    auto* lblKaitou = captionLabel(this, "lblKaitou", QStringLiteral("解答"));
    lblKaitou->setGeometry(twipsRect(LeftX + 1200, AnswerRowTop + 60, 900, 420));
    lblKaitou->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtKaitou = new AnswerBox(this);
    txtKaitou->setGeometry(twipsRect(LeftX + 2220, AnswerRowTop, 3000, 540));
    QFont answerFont = txtKaitou->font();
    answerFont.setPointSize(18);
    txtKaitou->setFont(answerFont);
    connect(txtKaitou, &AnswerBox::enterPressed, this, [this] { txtKaitou_KeyPress(Qt::Key_Return); });
    connect(txtKaitou, &AnswerBox::escapePressed, this, [this] { txtKaitou_KeyPress(Qt::Key_Escape); });
    // Made before the history, which covers it when it grows for a chart.
    lblYomi = new QLabel(this);
    lblYomi->setObjectName(QStringLiteral("lblYomi"));
    lblYomi->setGeometry(twipsRect(LeftX, YomiTop, LeftWidth, YomiHeight));
    lblYomi->setTextFormat(Qt::PlainText);
    lblYomi->setFocusPolicy(Qt::NoFocus);
    QFont yomiFont = lblYomi->font();
    yomiFont.setPointSize(11);
    lblYomi->setFont(yomiFont);

    const QStringList& historyCounts =
        def_.historyCountChoices.isEmpty() ? def_.countChoices : def_.historyCountChoices;
    history_ = new HistoryArea(this, items::historyFile(def_.item), def_.sixthHeading, historyCounts, timeChoices());
    history_->setColumn(LeftX, LeftWidth);

    // The right column.
    auto* right = new QWidget(this);
    right->setObjectName(QStringLiteral("fraRight"));
    right->setGeometry(twipsRect(RightX, 60, RightWidth, WindowHeight - 120));
    auto* col = new QVBoxLayout(right);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(2);

    auto* buttons = new QHBoxLayout;
    cmdStart = new QPushButton(QStringLiteral("スタート"), right);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setMinimumHeight(34);
    cmdEnd = new QPushButton(QStringLiteral("戻り"), right);
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    cmdEnd->setMinimumHeight(34);
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdEnd);
    col->addLayout(buttons);

    auto* settings = new QGroupBox(QStringLiteral("ゲーム設定"), right);
    settings->setObjectName(QStringLiteral("fraGameSettei"));
    auto* sl = new QGridLayout(settings);
    optMode[0] = new QRadioButton(def_.countCaption, settings);
    optMode[1] = new QRadioButton(GameSettings::TimeModeCaption, settings);
    for (int i = 0; i < 2; ++i)
        optMode[size_t(i)]->setObjectName(QStringLiteral("optMode_%1").arg(i));
    cboKaisu = new QComboBox(settings);
    cboKaisu->setObjectName(QStringLiteral("cboKaisu"));
    cboJikan = new QComboBox(settings);
    cboJikan->setObjectName(QStringLiteral("cboJikan"));
    chkAs = new QCheckBox(QStringLiteral("自動保存"), settings);
    chkAs->setObjectName(QStringLiteral("chkAs"));
    chkAs->setToolTip(AutoSaveTip);
    cmdHozon = new QPushButton(QStringLiteral("保存"), settings);
    cmdHozon->setObjectName(QStringLiteral("cmdHozon"));
    // Rows kept few and close: with the hint box the column's controls
    // still get the height they need on a 1024 by 768 screen.
    sl->setContentsMargins(6, 3, 6, 3);
    sl->setVerticalSpacing(2);
    sl->addWidget(optMode[0], 0, 0);
    sl->addWidget(cboKaisu, 0, 1);
    sl->addWidget(optMode[1], 1, 0);
    sl->addWidget(cboJikan, 1, 1);
    sl->addWidget(chkAs, 2, 0);
    sl->addWidget(cmdHozon, 2, 1);
    auto* lblLevel = captionLabel(settings, "lblLevel", LevelCaption);
    cboLevel = new QComboBox(settings);
    cboLevel->setObjectName(QStringLiteral("cboLevel"));
    cboLevel->setToolTip(
        QStringLiteral("しゅつだいはんい — the kanji asked: 小学1年 … 小学6年 (しょうがく, those taught up to that "
                       "school grade) or 常用すべて (じょうようすべて, every jōyō kanji)"));
    lblLevel->setBuddy(cboLevel);
    sl->addWidget(lblLevel, 3, 0);
    sl->addWidget(cboLevel, 3, 1);
    chkYomi = new QCheckBox(YomiCaption, settings);
    chkYomi->setObjectName(QStringLiteral("chkYomi"));
    sl->addWidget(chkYomi, 4, 0);
    if (def_.hasHint) {
        chkHint = new QCheckBox(QStringLiteral("ヒント有り"), settings);
        chkHint->setObjectName(QStringLiteral("chkHint"));
        sl->addWidget(chkHint, 4, 1);
        connect(chkHint, &QCheckBox::clicked, this, &GameWindow::chkHint_Click);
    }
    if (def_.drawsByMisses) {
        chkNigate = new QCheckBox(QStringLiteral("苦手を優先"), settings);
        chkNigate->setObjectName(QStringLiteral("chkNigate"));
        chkNigate->setToolTip(PreferMissesTip);
        // Beside 読みと意味 where the hint box does not stand there.
        if (def_.hasHint)
            sl->addWidget(chkNigate, 5, 0, 1, 2);
        else
            sl->addWidget(chkNigate, 4, 1);
        connect(chkNigate, &QCheckBox::clicked, this, &GameWindow::chkNigate_Click);
    }
    settingsGrid_ = sl;
    col->addWidget(settings);

    auto* results = new QFrame(right);
    results->setObjectName(QStringLiteral("fraKekka"));
    results->setFrameShape(QFrame::StyledPanel);
    auto* rl = new QGridLayout(results);
    rl->setContentsMargins(6, 4, 6, 4);
    rl->setVerticalSpacing(2);
    lblOk = valueLabel(results, "lblOk");
    lblNg = valueLabel(results, "lblNg");
    lblMoji_T = valueLabel(results, "lblMoji_T");
    lblRitu = valueLabel(results, "lblRitu");
    lblByou = valueLabel(results, "lblByou");
    const std::pair<const char*, QString> captions[] = {{"lblOkTitle", QStringLiteral("正解")},
                                                        {"lblNgTitle", QStringLiteral("不正解")},
                                                        {"lblMojiTitle", QStringLiteral("解答数")},
                                                        {"lblRituTitle", QStringLiteral("正解率")},
                                                        {"lblByouTitle", QStringLiteral("タイプ数／秒")}};
    QLabel* values[] = {lblOk, lblNg, lblMoji_T, lblRitu, lblByou};
    for (int i = 0; i < 5; ++i) {
        rl->addWidget(captionLabel(results, captions[i].first, captions[i].second), i, 0);
        rl->addWidget(values[i], i, 1);
    }
    col->addWidget(results);

    col->addWidget(history_->filters);
    col->addWidget(history_->chartButtons);
    cmdClear = new QPushButton(QStringLiteral("クリア"), right);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    col->addWidget(cmdClear);
    col->addStretch(1);

    // Enter presses the button that has the focus, as Space does.
    for (QPushButton* b : {cmdStart, cmdEnd, cmdHozon, cmdClear})
        b->setAutoDefault(true);
    connect(cmdStart, &QPushButton::clicked, this, &GameWindow::cmdStart_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &GameWindow::cmdEnd_Click);
    connect(cmdHozon, &QPushButton::clicked, this, &GameWindow::cmdHozon_Click);
    connect(cmdClear, &QPushButton::clicked, this, &GameWindow::cmdClear_Click);
    connect(cboJikan, &QComboBox::activated, this, &GameWindow::cboJikan_Click);
    connect(cboKaisu, &QComboBox::activated, this, &GameWindow::cboKaisu_Click);
    for (int i = 0; i < 2; ++i)
        connect(optMode[size_t(i)], &QRadioButton::clicked, this, [this, i] { optMode_Click(i); });
    connect(chkAs, &QCheckBox::clicked, this, &GameWindow::chkAs_Click);
    connect(cboLevel, &QComboBox::activated, this, &GameWindow::cboLevel_Click);
    connect(chkYomi, &QCheckBox::clicked, this, &GameWindow::chkYomi_Click);
}

std::vector<QLabel*> GameWindow::componentSlots(QWidget* box, int count) const
{
    auto* row = new QHBoxLayout(box);
    QFont slotFont = font();
    slotFont.setPointSize(30);
    std::vector<QLabel*> labels;
    for (int i = 0; i < count; ++i) {
        auto* l = new QLabel(box);
        l->setObjectName(QStringLiteral("lblKanjiP_%1").arg(i + 1));
        l->setFont(slotFont);
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(72, 72);
        l->setAutoFillBackground(true);
        setLabelColor(l, QPalette::Window, Qt::white);
        row->addWidget(l);
        labels.push_back(l);
    }
    row->addStretch(1);
    return labels;
}
