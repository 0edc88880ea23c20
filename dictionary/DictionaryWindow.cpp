#include "dictionary/DictionaryWindow.h"

#include "dictionary/ComponentVariants.h"
#include "platform/Glossary.h"
#include "platform/Grid.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>

namespace {
QLineEdit* lineEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A caption and its box on one row.
QHBoxLayout* labelled(QWidget* parent, const QString& caption, QWidget* box)
{
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(caption, parent);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box, 1);
    return row;
}

void setTextIfChanged(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

// A grid's width: its columns, the frame and room for the scroll bar.
int gridWidth(const Grid* grid)
{
    int w = 2 * grid->frameWidth() + 24;
    for (int c = 0; c < grid->cols(); ++c)
        w += grid->columnWidth(c);
    return w;
}
}  // namespace

QString DictionaryWindow::helpText()
{
    return QStringLiteral(
        "このゲームで利用している「漢字辞書」と「熟語辞書」を閲覧したり編集する事ができます。\r\n"
        "\r\n"
        "完成漢字検索欄に検索したい漢字を入力してＥｎｔｅｒキーを押すと該当を検出し表示します。\r\n"
        "必要に応じて構成部品を変更したり登録そのものを削除することができます。\r\n"
        "新しい漢字、また既存で登録されているが別の構成も登録したい場合は新規で登録します。\r\n"
        "\r\n"
        "熟語検索欄に検索したい熟語を入力してＥｎｔｅｒキーを押すと該当を検出し表示します。\r\n"
        "必要に応じて登録そのものを削除することができます。\r\n"
        "新しい熟語を登録したい場合は新規で登録します。\r\n"
        "\r\n"
        "部品検索欄に検索したい漢字を入力してＥｎｔｅｒキーを押すとその漢字が含まれる情報だけを表示します。\r\n"
        "さらにそこから絞り込みたい場合は、同じように漢字を入力しＥｎｔｅｒキーを押します。\r\n"
        "絞込みを最初からやり直したい場合は「全部表示」ボタンを押してください。\r\n"
        "\r\n");
}

DictionaryWindow::DictionaryWindow(DictionaryWindowContext context, QWidget* parent)
    : QWidget(parent), ctx_(std::move(context)), editor_(ctx_.dictionary, ComponentVariants::shipped(), ctx_.folder)
{
    setObjectName(QStringLiteral("frmSub"));
    setWindowTitle(QStringLiteral("辞書参照＆編集"));
    editor_.setBoxParent(this);
    buildControls();
    glossary::explain(this);
    // OpenDictionaryWindow: the three lists from the tables.
    editor_.open();
    push();
}

void DictionaryWindow::buildControls()
{
    // The kanji section.
    auto* kanji = new QGroupBox(QStringLiteral("漢字辞書"), this);
    kanji->setObjectName(QStringLiteral("fraKanji"));
    txtInp = lineEdit(kanji, "txtInp");
    msgKanji = new Grid(QStringLiteral("msgKanji"), kanji);
    msgKanji->setColumns(
        {{QStringLiteral("完成"), 1210, Qt::AlignHCenter}, {QStringLiteral("構成"), 3200, Qt::AlignLeft}});
    txtKansei = lineEdit(kanji, "txtKansei");
    txtKousei = lineEdit(kanji, "txtKousei");
    cmdNew = button(kanji, "cmdNew", QStringLiteral("新規"));
    cmdChg = button(kanji, "cmdChg", QStringLiteral("変更"));
    cmdDel = button(kanji, "cmdDel", QStringLiteral("削除"));
    auto* kl = new QVBoxLayout(kanji);
    kl->addLayout(labelled(kanji, QStringLiteral("完成漢字検索"), txtInp));
    kl->addWidget(msgKanji, 1);
    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(QStringLiteral("完成"), kanji), 0, 0);
    boxes->addWidget(txtKansei, 0, 1);
    boxes->addWidget(new QLabel(QStringLiteral("構成"), kanji), 1, 0);
    boxes->addWidget(txtKousei, 1, 1);
    kl->addLayout(boxes);
    auto* kb = new QHBoxLayout;
    for (QPushButton* b : {cmdNew, cmdChg, cmdDel})
        kb->addWidget(b);
    kl->addLayout(kb);

    // The compound section.
    auto* compound = new QGroupBox(QStringLiteral("熟語辞書"), this);
    compound->setObjectName(QStringLiteral("fraJyukugo"));
    txtInp2 = lineEdit(compound, "txtInp2");
    msgJyukugo = new Grid(QStringLiteral("msgJyukugo"), compound);
    msgJyukugo->setColumns({{QStringLiteral("熟語"), 2380, Qt::AlignHCenter}});
    txtJyukugo = lineEdit(compound, "txtJyukugo");
    cmdNew2 = button(compound, "cmdNew2", QStringLiteral("新規"));
    cmdDel2 = button(compound, "cmdDel2", QStringLiteral("削除"));
    auto* cl = new QVBoxLayout(compound);
    cl->addLayout(labelled(compound, QStringLiteral("熟語検索"), txtInp2));
    cl->addWidget(msgJyukugo, 1);
    cl->addLayout(labelled(compound, QStringLiteral("熟語"), txtJyukugo));
    auto* cb = new QHBoxLayout;
    cb->addWidget(cmdNew2);
    cb->addWidget(cmdDel2);
    cl->addLayout(cb);

    // The component search.
    auto* parts = new QGroupBox(QStringLiteral("部品から探す"), this);
    parts->setObjectName(QStringLiteral("fraBuhin"));
    txtInp3 = lineEdit(parts, "txtInp3");
    msgBuhin = new Grid(QStringLiteral("msgBuhin"), parts);
    msgBuhin->setColumns(
        {{QStringLiteral("完成"), 640, Qt::AlignHCenter}, {QStringLiteral("構成"), 1970, Qt::AlignLeft}});
    lblKensu = new QLabel(parts);
    lblKensu->setObjectName(QStringLiteral("lblKensu"));
    lblKensu->setTextFormat(Qt::PlainText);
    lblKensu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmdAllDsp = button(parts, "cmdAllDsp", QStringLiteral("全部表示"));
    auto* pl = new QVBoxLayout(parts);
    pl->addLayout(labelled(parts, QStringLiteral("部品検索"), txtInp3));
    pl->addWidget(msgBuhin, 1);
    auto* pb = new QHBoxLayout;
    pb->addWidget(lblKensu, 1);
    pb->addWidget(cmdAllDsp);
    pl->addLayout(pb);

    for (Grid* g : {msgKanji, msgJyukugo, msgBuhin})
        g->setMinimumWidth(gridWidth(g));

    cmdUndo = button(this, "cmdUndo", QStringLiteral("元に戻す"));
    cmdUndo->setToolTip(QStringLiteral("最後の登録・変更・削除を取り消します（Ctrl+Z）"));
    cmdEnd = button(this, "cmdEnd", QStringLiteral("戻り"));

    auto* sections = new QHBoxLayout;
    sections->addWidget(kanji, 5);
    sections->addWidget(compound, 3);
    sections->addWidget(parts, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdUndo);
    bottom->addWidget(cmdEnd);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sections, 1);
    layout->addLayout(bottom);
    resize(sizeHint().width(), 600);

    connect(txtInp, &QLineEdit::returnPressed, this, &DictionaryWindow::txtInp_KeyPress);
    connect(msgKanji, &Grid::cellClicked, this, [this](int row, int) { msgKanji_Click(row); });
    // From the keyboard: the arrow keys choose a row, Enter goes on to its
    // components (a kanji) or to 削除 (a compound). The lambdas copy the
    // bindings by name: clang before 16 cannot capture a structured binding.
    for (auto [grid, select, next] :
         {std::tuple{msgKanji, &DictionaryWindow::msgKanji_Click, static_cast<QWidget*>(txtKousei)},
          std::tuple{msgJyukugo, &DictionaryWindow::msgJyukugo_Click, static_cast<QWidget*>(cmdDel2)}}) {
        // A move from no current row is the view's own doing (it makes the
        // first row current when it gets the focus after a refill), not a
        // choice: taking it would fill the boxes with the first entry.
        connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, grid = grid, select = select](const QModelIndex& current, const QModelIndex& previous) {
                    if (grid->hasFocus() && current.isValid() && previous.isValid())
                        (this->*select)(current.row() + 1);
                });
        connect(grid, &QAbstractItemView::activated, this,
                [this, select = select, next = next](const QModelIndex& index) {
                    (this->*select)(index.row() + 1);
                    next->setFocus();
                });
    }
    connect(cmdNew, &QPushButton::clicked, this, &DictionaryWindow::cmdNew_Click);
    connect(cmdChg, &QPushButton::clicked, this, &DictionaryWindow::cmdChg_Click);
    connect(cmdDel, &QPushButton::clicked, this, &DictionaryWindow::cmdDel_Click);
    connect(txtInp2, &QLineEdit::returnPressed, this, &DictionaryWindow::txtInp2_KeyPress);
    connect(msgJyukugo, &Grid::cellClicked, this, [this](int row, int) { msgJyukugo_Click(row); });
    connect(cmdNew2, &QPushButton::clicked, this, &DictionaryWindow::cmdNew2_Click);
    connect(cmdDel2, &QPushButton::clicked, this, &DictionaryWindow::cmdDel2_Click);
    connect(txtInp3, &QLineEdit::returnPressed, this, &DictionaryWindow::txtInp3_KeyPress);
    connect(cmdAllDsp, &QPushButton::clicked, this, &DictionaryWindow::cmdAllDsp_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &DictionaryWindow::cmdUndo_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &DictionaryWindow::cmdEnd_Click);
    // A text box keeps Ctrl+Z for its own typing; anywhere else it takes back
    // the last edit of the dictionaries.
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, &DictionaryWindow::cmdUndo_Click);
}

void DictionaryWindow::msgKanji_Click(int row)
{
    pull();
    editor_.selectKanjiRow(row);
    push();
}

void DictionaryWindow::msgJyukugo_Click(int row)
{
    pull();
    editor_.selectCompoundRow(row);
    push();
}

void DictionaryWindow::lookUp(const QString& text)
{
    const bool oneCharacter = text.size() == 1 || (text.size() == 2 && text[0].isHighSurrogate());
    if (!oneCharacter) {
        txtInp2->setText(text);
        txtInp2_KeyPress();
    } else if (ctx_.dictionary.findKanji(text) > 0) {
        txtInp->setText(text);
        txtInp_KeyPress();
    } else {
        txtInp3->setText(text);
        txtInp3_KeyPress();
    }
}

void DictionaryWindow::act(void (DictionaryEditor::*action)())
{
    pull();
    (editor_.*action)();
    push();
}

void DictionaryWindow::pull()
{
    DictionaryEditor::Form& f = editor_.form;
    f.inp = txtInp->text();
    f.kansei = txtKansei->text();
    f.kousei = txtKousei->text();
    f.inp2 = txtInp2->text();
    f.jyukugo = txtJyukugo->text();
    f.inp3 = txtInp3->text();
}

void DictionaryWindow::fillKanjiGrid(Grid* grid, const std::vector<KanjiEntry>& rows)
{
    std::vector<QString> cells;
    cells.reserve(rows.size() * 2);
    for (const KanjiEntry& e : rows) {
        cells.push_back(e.kansei);
        cells.push_back(e.kousei);
    }
    grid->model().setCells(std::move(cells));
}

void DictionaryWindow::push()
{
    if (kanjiShown_ != editor_.kanjiRevision()) {
        kanjiShown_ = editor_.kanjiRevision();
        fillKanjiGrid(msgKanji, editor_.kanjiRows());
    }
    if (compoundShown_ != editor_.compoundRevision()) {
        compoundShown_ = editor_.compoundRevision();
        msgJyukugo->model().setCells(editor_.compoundRows());
    }
    if (partsShown_ != editor_.partsRevision()) {
        partsShown_ = editor_.partsRevision();
        fillKanjiGrid(msgBuhin, editor_.partsRows());
    }
    lblKensu->setText(editor_.partsCountText());

    const DictionaryEditor::Form& f = editor_.form;
    setTextIfChanged(txtInp, f.inp);
    setTextIfChanged(txtKansei, f.kansei);
    setTextIfChanged(txtKousei, f.kousei);
    setTextIfChanged(txtInp2, f.inp2);
    setTextIfChanged(txtJyukugo, f.jyukugo);
    setTextIfChanged(txtInp3, f.inp3);
    cmdNew->setEnabled(f.newEnabled);
    cmdChg->setEnabled(f.chgEnabled);
    cmdDel->setEnabled(f.delEnabled);
    cmdNew2->setEnabled(f.new2Enabled);
    cmdDel2->setEnabled(f.del2Enabled);
    cmdUndo->setEnabled(editor_.canUndo());

    for (auto [grid, request] :
         {std::pair{msgKanji, editor_.takeKanjiScroll()}, std::pair{msgJyukugo, editor_.takeCompoundScroll()}}) {
        if (request.top > 0)
            grid->setTopRow(request.top);
        if (request.current > 0)
            grid->setRow(request.current);
    }
    switch (editor_.takeFocus()) {
    case DictionaryEditor::Focus::Kousei:
        txtKousei->setFocus();
        break;
    case DictionaryEditor::Focus::New2:
        cmdNew2->setFocus();
        break;
    case DictionaryEditor::Focus::Unchanged:
        break;
    }
}

void DictionaryWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (tourShown_)
        return;
    tourShown_ = true;
    if (ctx_.showHelpTour)
        QTimer::singleShot(0, this, [this] { ctx_.showHelpTour(this, helpText()); });
}

void DictionaryWindow::cmdEnd_Click() { wayBack_.take(this, ctx_.returnToMain); }

void DictionaryWindow::closeEvent(QCloseEvent* event)
{
    wayBack_.takeOnClose(this, ctx_.returnToMain);
    QWidget::closeEvent(event);
}
