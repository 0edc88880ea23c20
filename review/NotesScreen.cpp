#include "review/NotesScreen.h"

#include "platform/Grid.h"
#include "platform/MessageBox.h"
#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/MemoFile.h"
#include "records/RecordFile.h"
#include "review/RecordGrid.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {
const QString WriteErrorTitle = QStringLiteral("保存できません");
constexpr int NoteColumn = RecordGridSource::Note;
// The diary grid shows fifteen records; with more, it scrolls to the newest.
constexpr int RecordsInView = 15;

// The warning for text the code page cannot hold, before anything is written.
QString refusal(const QString& text, const QString& fileName)
{
    textfile::WriteResult r;
    r.unrepresentable = sjis::unrepresentable(text);
    return r.unrepresentable.isEmpty() ? QString() : r.message(fileName);
}
}  // namespace

NotesScreen::NotesScreen(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("fraMemo"));
    msgMemoList = new Grid(QStringLiteral("msgMemoList"), this);
    txtMemo = new QLineEdit(this);
    txtMemo->setObjectName(QStringLiteral("txtMemo"));
    cmdMemoHozon = new QPushButton(QStringLiteral("一言日記保存"), this);
    cmdMemoHozon->setObjectName(QStringLiteral("cmdMemoHozon"));
    txtKizuki = new QPlainTextEdit(this);
    txtKizuki->setObjectName(QStringLiteral("txtKizuki"));
    cmdKizukiHozon = new QPushButton(QStringLiteral("メモ保存"), this);
    cmdKizukiHozon->setObjectName(QStringLiteral("cmdKizukiHozon"));
    auto* lblMemo = new QLabel(QStringLiteral("一言入力欄 →"), this);
    lblMemo->setBuddy(txtMemo);
    auto* lblKizuki = new QLabel(QStringLiteral("メモ"), this);
    lblKizuki->setBuddy(txtKizuki);
    lblKizuki->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* layout = new QGridLayout(this);
    layout->addWidget(msgMemoList, 0, 0, 1, 3);
    layout->addWidget(lblMemo, 1, 0);
    layout->addWidget(txtMemo, 1, 1);
    layout->addWidget(cmdMemoHozon, 1, 2);
    layout->addWidget(lblKizuki, 2, 0);
    layout->addWidget(txtKizuki, 2, 1);
    layout->addWidget(cmdKizukiHozon, 2, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);

    connect(msgMemoList, &Grid::cellClicked, this, [this](int row, int) { selectDiaryRow(row); });
    // From the keyboard: Enter on a row chooses it.
    connect(msgMemoList, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { selectDiaryRow(index.row() + 1); });
    connect(cmdMemoHozon, &QPushButton::clicked, this, &NotesScreen::saveDiary);
    connect(txtMemo, &QLineEdit::returnPressed, this, &NotesScreen::saveDiary);
    connect(cmdKizukiHozon, &QPushButton::clicked, this, &NotesScreen::saveMemo);
    initDiaryGrid();
    // Sized once the header row has its columns.
    msgMemoList->setFixedHeight(msgMemoList->horizontalHeader()->sizeHint().height() +
                                msgMemoList->verticalHeader()->defaultSectionSize() * RecordsInView +
                                2 * msgMemoList->frameWidth() + 2);
    cmdMemoHozon->setEnabled(false);
}

QString NotesScreen::helpTourText() const
{
    return QStringLiteral("一回一回の記録ごとにちょっとしたコメントを残すことができます。\r\n"
                          "簡単な一言日記的な使い方でご利用ください\r\n\r\n"
                          "メモはよりフリーにいろんなことが書き込めます。\r\n"
                          "それぞれの項目についての効果や意味合いなどを残しておくのも良いと思います。\r\n\r\n");
}

void NotesScreen::prepare()
{
    // The memo is read the first time the screen opens, not at start-up; a
    // later visit keeps what the box holds.
    if (!memoRead_)
        loadMemo();
    initDiaryGrid();
    loadDiaryList();
    cmdMemoHozon->setEnabled(false);
    DiaryRow = 0;
}

void NotesScreen::initDiaryGrid()
{
    recordgrid::setColumns(*msgMemoList, QStringLiteral("回数"), {570, 1140, 870, 1850, 650, 6000});
    // These widths were chosen for a smaller screen font than most systems
    // use now; a column too narrow for a date, a time or a seconds value
    // grows until it shows them whole.
    msgMemoList->growColumnTo(RecordGridSource::Date, QStringLiteral("0000/00/00"));
    msgMemoList->growColumnTo(RecordGridSource::Time, QStringLiteral("00:00:00"));
    msgMemoList->growColumnTo(RecordGridSource::Seconds, QStringLiteral("0000.00"));
}

void NotesScreen::loadDiaryList()
{
    edits_ = recordgrid::load(*msgMemoList);
    if (msgMemoList->rows() > RecordsInView + 1)
        msgMemoList->setTopRow(msgMemoList->rows() - 1);
}

void NotesScreen::selectDiaryRow(int row)
{
    if (msgMemoList->rows() <= 1 || row < 1)
        return;
    msgMemoList->setCurrentIndex(msgMemoList->model().index(row - 1, NoteColumn));
    txtMemo->setText(msgMemoList->text(row, NoteColumn));
    DiaryRow = row;
    cmdMemoHozon->setEnabled(true);
    txtMemo->setFocus();
}

void NotesScreen::saveDiary()
{
    if (!cmdMemoHozon->isEnabled() || DiaryRow < 1 || DiaryRow >= msgMemoList->rows())
        return;
    // The line form cannot hold a double quote or a line break; the grid gets
    // the text as the file will hold it, so that both agree.
    const QString note = recordline::safeText(txtMemo->text());
    const QString refused = refusal(note, recordfile::FileName);
    if (!refused.isEmpty()) {
        msgbox::warning(this, WriteErrorTitle, refused);
        return;
    }
    const int p = msgMemoList->model().sourceRow(DiaryRow - 1);
    const std::optional<PlayRecord> before = edits_->change(p);
    edits_->setNote(p, note);
    const textfile::WriteResult w = edits_->save();
    if (!w.ok) {
        // The file is unchanged; so must the grid be.
        edits_->setChange(p, before);
        msgbox::warning(this, WriteErrorTitle, w.message(recordfile::FileName));
    }
    msgMemoList->model().sourceRowChanged(p);
}

void NotesScreen::loadMemo()
{
    memoRead_ = true;
    const memofile::Memo memo = memofile::read();
    txtKizuki->setPlainText(memo.text);
    if (memo.problem.isEmpty())
        return;
    // A memo the box does not hold must not be saved over.
    txtKizuki->setReadOnly(true);
    cmdKizukiHozon->setEnabled(false);
    msgbox::warning(this, QStringLiteral("メモ"),
                    memo.problem + QStringLiteral("\r\n\r\n%1 はそのままにしてあり、メモは表示も保存もしません。")
                                       .arg(memofile::FileName));
}

void NotesScreen::saveMemo()
{
    // The raw text, not toPlainText(): that turns a no-break space into a
    // plain one, and no character of the memo may change unseen.
    QString memo = txtKizuki->document()->toRawText();
    memo.replace(QChar::ParagraphSeparator, u'\n');
    memo.replace(QChar::LineSeparator, u'\n');
    const textfile::WriteResult w = memofile::write(memo);
    if (!w.ok)
        msgbox::warning(this, WriteErrorTitle, w.message(memofile::FileName));
}
