#include "dictionary/Dictionary.h"

#include "platform/Random.h"
#include "platform/RecordLine.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

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

enum class Problem { None, Missing, TooLarge, TooMany };

// Reads a dictionary file into per-line item lists.
template <typename F> Problem readLines(const QString& path, F&& onLine)
{
    bool tooLarge = false;
    std::optional<QString> text = textfile::readBounded(path, Dictionary::MaxFileBytes, &tooLarge);
    if (!text)
        return tooLarge ? Problem::TooLarge : Problem::Missing;
    std::vector<QStringView> items;
    int lines = 0;
    bool tooMany = false;
    recordline::forEachLine(*text, [&](QStringView line) {
        if (tooMany)
            return;
        if (++lines > Dictionary::MaxEntries) {
            tooMany = true;
            return;
        }
        recordline::split(line, items);
        onLine(items, line);
    });
    return tooMany ? Problem::TooMany : Problem::None;
}

QString describe(Problem p, const QString& name)
{
    switch (p) {
    case Problem::None:
        return {};
    case Problem::Missing:
        return QStringLiteral("%1 が見つからないか、読めません。").arg(name);
    case Problem::TooLarge:
        return QStringLiteral("%1 が大きすぎるため読み込めません。").arg(name);
    case Problem::TooMany:
        return QStringLiteral("%1 の件数が上限（%2件）を超えているため読み込めません。")
            .arg(name)
            .arg(Dictionary::MaxEntries);
    }
    return {};
}

}  // namespace

QString Dictionary::load(const QString& folder)
{
    QStringList messages;

    std::vector<QString> compounds;
    QStringList unusedCompounds;
    Problem p =
        readLines(locate(folder, CompoundFileName), [&](const std::vector<QStringView>& items, QStringView line) {
            if (!items.empty() && !items[0].isEmpty())
                compounds.push_back(items[0].toString());
            else
                unusedCompounds << line.toString();
        });
    if (p != Problem::None) {
        compounds.clear();  // never a half-filled table
        unusedCompounds.clear();
        messages << describe(p, CompoundFileName);
    }
    compounds_ = std::move(compounds);
    unusedCompounds_ = std::move(unusedCompounds);

    std::vector<KanjiEntry> kanji;
    QStringList unusedKanji;
    int overlong = 0;
    p = readLines(locate(folder, KanjiFileName), [&](const std::vector<QStringView>& items, QStringView line) {
        // A damaged line without both fields cannot make a puzzle.
        if (items.size() < 2 || items[0].isEmpty() || items[1].isEmpty()) {
            unusedKanji << line.toString();
            return;
        }
        // The games have six component slots; a longer entry cannot be shown whole.
        if (components(items[1]).size() > MaxComponents) {
            ++overlong;
            unusedKanji << line.toString();
            return;
        }
        kanji.push_back({items[0].toString(), items[1].toString()});
    });
    if (p != Problem::None) {
        kanji.clear();
        unusedKanji.clear();
        messages << describe(p, KanjiFileName);
    } else if (overlong > 0) {
        messages << QStringLiteral("%1 の %2 件の漢字は構成部品が６つを超えるため読み込みませんでした。")
                        .arg(KanjiFileName)
                        .arg(overlong);
    }
    kanji_ = std::move(kanji);
    unusedKanji_ = std::move(unusedKanji);
    indexQuestions();
    return messages.join(QStringLiteral("\r\n"));
}

QString Dictionary::filePath(const QString& folder, const QString& name) { return locate(folder, name); }

void Dictionary::setTables(std::vector<KanjiEntry> kanji, std::vector<QString> compounds)
{
    kanji_ = std::move(kanji);
    compounds_ = std::move(compounds);
    unusedKanji_.clear();
    unusedCompounds_.clear();
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
