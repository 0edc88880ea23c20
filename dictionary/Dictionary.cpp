#include "dictionary/Dictionary.h"

#include "platform/Random.h"
#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace {

// Finds a file by name without regard to letter case ("漢字辞書.txt" is the
// same file as "漢字辞書.TXT").
QString locate(const QString& folder, const QString& name)
{
    QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList all = dir.entryList(QDir::Files);
    for (const QString& f : all)
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(f);
    return dir.filePath(name);
}

// Characters as a person counts them: a pair of surrogates is one.
int charCount(QStringView text)
{
    int n = 0;
    for (const QChar c : text)
        n += c.isLowSurrogate() ? 0 : 1;
    return n;
}

// Whether a field reads back the same from a bare and from a quoted line:
// no double quote in it, no space or tab at either end.
bool rewritable(QStringView field)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    return !field.isEmpty() && !field.contains(u'"') && !blank(field.front()) && !blank(field.back());
}

// One line of a dictionary file: its decoded text and its bytes.
struct Line {
    QStringView text;
    QByteArrayView bytes;
    bool damaged;  // bytes that are not code page 932 (read as U+FFFD)
};

// Reads a dictionary file and calls onLine for each non-blank line. Sets
// `state`'s stamp, and its refusal when the file cannot be used; returns
// false then (the table must stay empty) and for a missing file.
template <typename F> bool readLines(const QString& path, const QString& name, Dictionary::FileState& state, F&& onLine)
{
    state = {};
    const textfile::Loaded file = textfile::load(path, Dictionary::MaxFileBytes);
    state.stamp = textfile::stamp(file);
    if (!file.ok()) {
        state.refusal = file.problem(name);
        return false;
    }
    const QByteArrayView body = textfile::withoutBom(file.bytes);
    bool clean = true;
    const QString text = sjis::decode(body, &clean);
    // Line ends are ASCII bytes that never sit inside a two-byte character,
    // so the lines of the bytes and of the text correspond one to one.
    const char* b = body.data();
    const char* const bEnd = b + body.size();
    const QChar* t = text.constData();
    const QChar* const tEnd = t + text.size();
    int lines = 0;
    while (b < bEnd && t < tEnd) {
        const char* bStop = b;
        while (bStop < bEnd && *bStop != '\r' && *bStop != '\n')
            ++bStop;
        const QChar* tStop = t;
        while (tStop < tEnd && *tStop != u'\r' && *tStop != u'\n')
            ++tStop;
        const QStringView line(t, tStop - t);
        if (!line.isEmpty()) {
            if (++lines > Dictionary::MaxEntries) {
                state.refusal = QStringLiteral("%1 の件数が上限（%2件）を超えているため読み込めません。")
                                    .arg(name)
                                    .arg(Dictionary::MaxEntries);
                state.unusedLines.clear();
                return false;
            }
            onLine(Line{line, QByteArrayView(b, bStop - b), !clean && line.contains(QChar(0xFFFD))});
        }
        b = bStop;
        if (b < bEnd && *b == '\r')
            ++b;
        if (b < bEnd && *b == '\n')
            ++b;
        t = tStop;
        if (t < tEnd && *t == u'\r')
            ++t;
        if (t < tEnd && *t == u'\n')
            ++t;
    }
    return true;
}

}  // namespace

QString Dictionary::load(const QString& folder)
{
    QStringList messages;
    std::vector<QStringView> items;

    std::vector<QString> compounds;
    std::vector<QByteArray> rests;
    const bool compoundsRead =
        readLines(locate(folder, CompoundFileName), CompoundFileName, compoundFile_, [&](const Line& line) {
            recordline::split(line.text, items);
            // A compound is two kanji: a line of another length would be
            // played cut or padded, and is kept aside instead.
            if (line.damaged || items.empty() || charCount(items[0]) != 2 || !rewritable(items[0]) ||
                std::any_of(items[0].begin(), items[0].end(), [](QChar c) { return c.isSpace(); })) {
                compoundFile_.unusedLines << line.bytes.toByteArray();
                return;
            }
            compounds.push_back(items[0].toString());
            rests.push_back(line.bytes.sliced(recordline::afterItems(line.bytes, 1)).toByteArray());
        });
    if (!compoundsRead) {
        compounds.clear();  // never a half-filled table
        rests.clear();
    }
    if (!compoundFile_.refusal.isEmpty())
        messages << compoundFile_.refusal;
    else if (compoundFile_.stamp.state == textfile::ReadState::Missing)
        messages << QStringLiteral("%1 が見つかりません。").arg(CompoundFileName);
    compounds_ = std::move(compounds);
    compoundRests_ = std::move(rests);

    std::vector<KanjiEntry> kanji;
    int overlong = 0;
    const bool kanjiRead = readLines(locate(folder, KanjiFileName), KanjiFileName, kanjiFile_, [&](const Line& line) {
        recordline::split(line.text, items);
        // A damaged line without both fields cannot make a puzzle, nor can
        // one whose characters are not what the file holds; a field that a
        // rewrite could not give back as it is stays aside as well.
        if (line.damaged || items.size() < 2 || !rewritable(items[0]) || !rewritable(items[1])) {
            kanjiFile_.unusedLines << line.bytes.toByteArray();
            return;
        }
        // The games have six component slots; a longer entry cannot be shown whole.
        if (components(items[1]).size() > MaxComponents) {
            ++overlong;
            kanjiFile_.unusedLines << line.bytes.toByteArray();
            return;
        }
        kanji.push_back({items[0].toString(), items[1].toString(),
                         line.bytes.sliced(recordline::afterItems(line.bytes, 2)).toByteArray()});
    });
    if (!kanjiRead)
        kanji.clear();
    if (!kanjiFile_.refusal.isEmpty())
        messages << kanjiFile_.refusal;
    else if (kanjiFile_.stamp.state == textfile::ReadState::Missing)
        messages << QStringLiteral("%1 が見つかりません。").arg(KanjiFileName);
    else if (overlong > 0)
        messages << QStringLiteral("%1 の %2 件の漢字は構成部品が６つを超えるため読み込みませんでした。")
                        .arg(KanjiFileName)
                        .arg(overlong);
    kanji_ = std::move(kanji);
    indexQuestions();
    return messages.join(QStringLiteral("\r\n"));
}

QString Dictionary::filePath(const QString& folder, const QString& name) { return locate(folder, name); }

void Dictionary::setTables(std::vector<KanjiEntry> kanji, std::vector<QString> compounds)
{
    kanji_ = std::move(kanji);
    compounds_ = std::move(compounds);
    compoundRests_.assign(compounds_.size(), QByteArray());
    kanjiFile_ = compoundFile_ = {};
    indexQuestions();
}

void Dictionary::indexQuestions()
{
    questions_.clear();
    for (int i = 1; i <= kanjiCount(); ++i)
        if (!isPrimitive(i))
            questions_.push_back(i);
}

int Dictionary::randomKanji(Random& random) const { return kanji_.empty() ? 0 : random.index1(kanjiCount()); }

int Dictionary::randomQuestion(Random& random) const
{
    return questions_.empty() ? 0 : questions_[size_t(random.index1(questionCount()) - 1)];
}

int Dictionary::randomKanjiWithAtLeast(int m, Random& random) const
{
    // Counting first makes a pick that can never succeed return at once; the
    // pick itself stays the repeated uniform draw, so every such entry is
    // equally likely.
    const bool any = std::any_of(kanji_.begin(), kanji_.end(),
                                 [m](const KanjiEntry& e) { return components(e.kousei).size() >= m; });
    if (!any)
        return 0;
    for (;;) {
        const int i = randomKanji(random);
        if (components(kousei(i)).size() >= m)
            return i;
    }
}

int Dictionary::randomCompound(Random& random) const { return compounds_.empty() ? 0 : random.index1(compoundCount()); }

int Dictionary::findKanji(QStringView kanji) const
{
    for (size_t i = 0; i < kanji_.size(); ++i)
        if (kanji_[i].kansei == kanji)
            return int(i + 1);
    return 0;
}

QStringList Dictionary::components(QStringView kousei)
{
    QStringList list;
    for (qsizetype i = 0; i < kousei.size(); ++i) {
        const qsizetype len = kousei[i].isHighSurrogate() && i + 1 < kousei.size() ? 2 : 1;
        list << kousei.mid(i, len).toString();
        i += len - 1;
    }
    return list;
}

QString Dictionary::componentKey(QStringView kousei)
{
    QStringList list = components(kousei);
    list.sort();
    return list.join(QString());
}

bool Dictionary::buildsFrom(QStringView kanji, QStringView kousei) const
{
    const QString key = componentKey(kousei);
    return std::any_of(kanji_.begin(), kanji_.end(),
                       [&](const KanjiEntry& e) { return e.kansei == kanji && componentKey(e.kousei) == key; });
}

QString Dictionary::componentSet(QStringView kanji) const
{
    QStringList set;
    for (const KanjiEntry& e : kanji_) {
        if (e.kansei != kanji)
            continue;
        for (const QString& c : components(e.kousei)) {
            if (!set.contains(c) && set.size() < MaxComponentSet)
                set << c;
        }
    }
    return set.join(QString());
}

QString Dictionary::distinctComponents() const
{
    QString all;
    QSet<QString> seen;
    for (const KanjiEntry& e : kanji_)
        for (const QString& c : components(e.kousei))
            if (!seen.contains(c)) {
                seen.insert(c);
                all += c;
            }
    return all;
}

EntryDraw::EntryDraw(int count) : remaining_(size_t(std::max(0, count)))
{
    std::iota(remaining_.begin(), remaining_.end(), 1);
}

int EntryDraw::draw(Random& random)
{
    if (remaining_.empty())
        return 0;
    const auto pos = size_t(random.position(int(remaining_.size())));
    const int index = remaining_[pos];
    remaining_.erase(remaining_.begin() + qsizetype(pos));
    return index;
}
