#include "app/GamePanel.h"

#include "platform/Glossary.h"
#include "platform/SvgPicture.h"
#include "records/GameItems.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
// Button order on the panel, and which item each button opens: the 連結
// button is cmdG5 and opens the 連結 game (item 6), cmdG6 is 埋立 (item 5).
struct GameButton {
    const char* name;
    int item;
};
constexpr std::array<GameButton, 7> Buttons = {
    {{"cmdG1", 1}, {"cmdG2", 2}, {"cmdG3", 3}, {"cmdG4", 4}, {"cmdG5", 6}, {"cmdG6", 5}, {"cmdG7", 7}}};

// The picture of each game, by item number.
constexpr std::array<const char*, 7> Pictures = {
    ":/games/combine.svg",  ":/games/dismantle.svg", ":/games/compound.svg", ":/games/excavation.svg",
    ":/games/landfill.svg", ":/games/link.svg",      ":/games/shiritori.svg"};
constexpr int PictureSide = 32;
}  // namespace

GamePanel::GamePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("fraGame"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QGridLayout(this);
    auto* title = new QLabel(QStringLiteral("ゲームを選んでください"), this);
    layout->addWidget(title, 0, 0, 1, 2);
    int pos = 0;
    for (const GameButton& g : Buttons) {
        auto* b = new QPushButton(items::names()[g.item - 1], this);
        b->setObjectName(QString::fromLatin1(g.name));
        glossary::setTip(b, glossary::gameTip(g.item));
        b->setMinimumSize(120, 44);
        b->setIcon(svgpicture::icon(QString::fromLatin1(Pictures[size_t(g.item - 1)])));
        b->setIconSize(QSize(PictureSide, PictureSide));
        const int item = g.item;
        connect(b, &QPushButton::clicked, this, [this, item] { emit gameChosen(item); });
        buttons_[size_t(item - 1)] = b;
        layout->addWidget(b, 1 + pos / 2, pos % 2);
        ++pos;
    }
    cmdSub = new QPushButton(QStringLiteral("辞書編集"), this);
    cmdSub->setObjectName(QStringLiteral("cmdSub"));
    cmdSub->setMinimumSize(120, 44);
    layout->addWidget(cmdSub, 1 + pos / 2, pos % 2);
    auto* cmdModori = new QPushButton(QStringLiteral("戻る"), this);
    cmdModori->setObjectName(QStringLiteral("cmdModori"));
    cmdModori->setToolTip(QStringLiteral("キャンセルします"));
    layout->addWidget(cmdModori, 6, 0, 1, 2);
    layout->setRowStretch(7, 1);
    // Enter presses the focused button, as Space does.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(true);
    connect(cmdSub, &QPushButton::clicked, this, &GamePanel::dictionaryChosen);
    connect(cmdModori, &QPushButton::clicked, this, &GamePanel::closeRequested);
}

void GamePanel::setAvailable(int item, bool available)
{
    if (item >= 1 && item <= 7)
        buttons_[size_t(item - 1)]->setEnabled(available);
}

void GamePanel::focusFirstGame() { buttons_[0]->setFocus(); }

void GamePanel::setDictionaryAvailable(bool available) { cmdSub->setEnabled(available); }
