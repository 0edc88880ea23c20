#include "records/RecordListScreen.h"

#include "platform/Grid.h"
#include "platform/RecordLine.h"
#include "records/RecordFile.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace {

struct SortButton {
    const char* name;
    const char16_t* caption;
    int column;
    GridModel::SortKind kind;
};

// Position, game, seconds and note. Records are appended in time order, so
// sorting by position is sorting by date and time.
constexpr SortButton SortButtons[4] = {
    {"cmdSort1", u"回 （日付）", 0, GridModel::SortKind::Numeric},
    {"cmdSort2", u"項目", 3, GridModel::SortKind::Text},
    {"cmdSort3", u"秒数", 4, GridModel::SortKind::Numeric},
    {"cmdSort4", u"一言日記", 5, GridModel::SortKind::Text},
};

}  // namespace

RecordListScreen::RecordListScreen(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("fraBunseki"));
    msgIchiran = new Grid(QStringLiteral("msgIchiran"), this);

    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        const SortButton& b = SortButtons[i];
        auto* button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setMinimumWidth(110);
        connect(button, &QPushButton::clicked, this, [this, i] { SortRecordList(i + 1); });
        buttons->addWidget(button);
        cmdSort[size_t(i)] = button;
    }
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(msgIchiran, 1);
    InitRecordListGrid();
}

QString RecordListScreen::helpTourText() const
{
    return QStringLiteral("プレイしたデータを一覧表示しています。\r\n\r\n"
                          "各種データ毎、ボタンを押すたびに「昇順」「降順」で並び替えができます。\r\n"
                          "項目毎に並び替えたり、秒数が長い順に並び替えたり…など表示をかえることができます。\r\n\r\n");
}

void RecordListScreen::prepare()
{
    InitRecordListGrid();
    LoadRecordList();
}

void RecordListScreen::InitRecordListGrid()
{
    msgIchiran->setColumns({{QStringLiteral("回"), 680, Qt::AlignRight},
                            {QStringLiteral("日付"), 1400, Qt::AlignHCenter},
                            {QStringLiteral("時間"), 1100, Qt::AlignHCenter},
                            {QStringLiteral("項目"), 2150, Qt::AlignLeft},
                            {QStringLiteral("秒数"), 850, Qt::AlignRight},
                            {QStringLiteral("一言日記"), 4880, Qt::AlignLeft}});
}

void RecordListScreen::LoadRecordList() { buffers_ = recordlist::fill(msgIchiran->model()); }

void RecordListScreen::SortRecordList(int button)
{
    if (button < 1 || button > 4)
        return;
    const SortButton& b = SortButtons[button - 1];
    bool& descending = SortDescendingNext[size_t(button - 1)];
    GridModel& model = msgIchiran->model();
    const std::vector<int> order = recordlist::sortOrder(model, b.column, b.kind, !descending);
    descending = !descending;
    if (order.empty())
        return;
    const int cols = model.cols();
    std::vector<QString> cells;
    cells.reserve(order.size() * size_t(cols));
    for (int r : order)
        for (int c = 0; c < cols; ++c)
            cells.push_back(model.cell(r, c));
    model.setCells(std::move(cells), buffers_);
    // The first row of the new order is what the user pressed for.
    msgIchiran->scrollToTop();
}

namespace recordlist {
namespace {

struct Key {
    quint64 chunk;  // numbers: the value's bits; text: three code points at a depth
    int row;
};

// Three UTF-16 units from `depth` on, 21 bits each, so that comparing chunks
// compares the text. Each unit is moved into code-point order (surrogates
// after U+E000..U+FFFF) and offset by 1, leaving 0 for "the text has ended".
inline quint64 chunkAt(QStringView text, qsizetype depth)
{
    quint64 chunk = 0;
    const char16_t* p = text.utf16();
    for (qsizetype i = depth; i < depth + 3; ++i) {
        quint32 u = 0;
        if (i < text.size()) {
            u = p[i];
            if (u >= 0xD800) [[unlikely]]
                u = u >= 0xE000 ? u - 0x800 : u + 0x2000;
            u += 1;
        }
        chunk = chunk << 21 | u;
    }
    return chunk;
}

constexpr quint64 LastSlot = (quint64(1) << 21) - 1;

// Doubles as sortable unsigned integers: negative values have every bit
// flipped, others only the sign bit.
quint64 numberKey(double v)
{
    if (v == 0)
        v = 0;  // -0 and 0 are the same number
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    return (bits >> 63) ? ~bits : bits | (quint64(1) << 63);
}

void sortKeys(Key* first, Key* last, bool ascending)
{
    if (ascending)
        std::sort(first, last,
                  [](const Key& a, const Key& b) { return a.chunk != b.chunk ? a.chunk < b.chunk : a.row < b.row; });
    else
        std::sort(first, last,
                  [](const Key& a, const Key& b) { return a.chunk != b.chunk ? a.chunk > b.chunk : a.row < b.row; });
}

}  // namespace

std::shared_ptr<const void> fill(GridModel& model)
{
    struct Buffers {
        std::shared_ptr<const RecordTable> table;
        QString numbers;  // positions and seconds, one after another
    };
    auto buffers = std::make_shared<Buffers>();
    buffers->table = recordfile::read();
    const RecordTable& table = *buffers->table;
    const size_t n = size_t(table.size());

    // First every number into one string, then the cells as views into it:
    // the string must not grow once views point into it.
    QString& numbers = buffers->numbers;
    numbers.reserve(qsizetype(n) * 16);
    std::vector<qsizetype> ends;
    ends.reserve(n * 2);
    int k = 1;
    for (const RecordView& r : table.records()) {
        numbers += QString::number(k++);
        ends.push_back(numbers.size());
        numbers += recordfile::secondsText(r.seconds);
        ends.push_back(numbers.size());
    }
    auto view = [&](size_t i) {
        const qsizetype start = i == 0 ? 0 : ends[i - 1];
        return QString::fromRawData(numbers.constData() + start, ends[i] - start);
    };
    std::vector<QString> cells;
    cells.reserve(n * 6);
    size_t i = 0;
    for (const RecordView& r : table.records()) {
        cells.push_back(view(i++));
        cells.push_back(RecordTable::raw(r.date));
        cells.push_back(RecordTable::raw(r.time));
        cells.push_back(RecordTable::raw(r.item));
        cells.push_back(view(i++));
        cells.push_back(RecordTable::raw(r.note));
    }
    std::shared_ptr<const void> keepAlive = buffers;
    model.setCells(std::move(cells), keepAlive);
    return keepAlive;
}

std::vector<int> sortOrder(const GridModel& model, int col, GridModel::SortKind kind, bool ascending)
{
    const int n = model.dataRows();
    if (col < 0 || col >= model.cols() || n == 0)
        return {};
    std::vector<Key> keys(static_cast<size_t>(n));
    if (kind == GridModel::SortKind::Numeric) {
        for (int r = 0; r < n; ++r)
            keys[size_t(r)] = {numberKey(recordline::toDouble(model.cell(r, col))), r};
        sortKeys(keys.data(), keys.data() + n, ascending);
    } else {
        // Most-significant-chunk first: the keys are sorted by their first
        // three units, then each run that agrees on them by the next three,
        // so that long shared beginnings ("秒数 : ") are read once a row
        // rather than once a comparison.
        struct Range {
            size_t first, last;
            qsizetype depth;
        };
        std::vector<QStringView> texts(static_cast<size_t>(n));
        for (int r = 0; r < n; ++r) {
            texts[size_t(r)] = model.cell(r, col);
            keys[size_t(r)] = {chunkAt(texts[size_t(r)], 0), r};
        }
        std::vector<Range> pending{{0, size_t(n), 0}};
        while (!pending.empty()) {
            const Range range = pending.back();
            pending.pop_back();
            Key* base = keys.data();
            if (range.depth > 0)
                for (size_t i = range.first; i < range.last; ++i)
                    base[i].chunk = chunkAt(texts[size_t(base[i].row)], range.depth);
            // Rows are ordered by these units only: the order among equal
            // texts is settled once they have been read to their end.
            if (ascending)
                std::sort(base + range.first, base + range.last,
                          [](const Key& a, const Key& b) { return a.chunk < b.chunk; });
            else
                std::sort(base + range.first, base + range.last,
                          [](const Key& a, const Key& b) { return a.chunk > b.chunk; });
            for (size_t i = range.first; i < range.last;) {
                size_t j = i + 1;
                while (j < range.last && base[j].chunk == base[i].chunk)
                    ++j;
                if (j - i > 1) {
                    if ((base[i].chunk & LastSlot) != 0)
                        pending.push_back({i, j, range.depth + 3});
                    else  // equal texts keep their present order
                        std::sort(base + i, base + j, [](const Key& a, const Key& b) { return a.row < b.row; });
                }
                i = j;
            }
        }
    }
    std::vector<int> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        order[size_t(i)] = keys[size_t(i)].row;
    return order;
}

}  // namespace recordlist
