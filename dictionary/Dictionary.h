#pragma once
// The kanji and compound dictionaries: two tables loaded whole from
// 漢字辞書.TXT and 熟語辞書.TXT, and the queries the games run on them.
// Indices are 1-based, in file order.
#include "platform/TextFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class Random;

struct KanjiEntry {
    QString kansei;  // the finished kanji
    QString kousei;  // its components, one character each, 1 to 6
    // What the line holds after these two fields (from the comma on), as the
    // file holds it: fields this program does not know, which a rewrite
    // keeps byte for byte.
    QByteArray rest = {};
};

class Dictionary {
public:
    static constexpr int MaxEntries = 32766;
    static constexpr int MaxComponentSet = 15;
    static constexpr int MaxComponents = 6;  // of one entry
    static constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
    static inline const QString KanjiFileName = QStringLiteral("漢字辞書.TXT");
    static inline const QString CompoundFileName = QStringLiteral("熟語辞書.TXT");

    // Loads both files from `folder` (the working directory when empty).
    // Each table is replaced whole; a file that is missing, unreadable or
    // over the limit leaves its table empty and is described in the returned
    // Japanese message (empty when both loaded).
    QString load(const QString& folder = {});
    // Where a dictionary file of `folder` is, its name matched without regard
    // to letter case; the upper-case name when no such file exists yet.
    static QString filePath(const QString& folder, const QString& name);

    // What the last load found of one file.
    struct FileState {
        textfile::Stamp stamp;  // to tell a later change by another program
        // Why the file was not read (too large, too many lines, unreadable,
        // a folder), naming it; empty when it was read or is missing. Such a
        // file must not be written from the empty table it left.
        QString refusal;
        // Its lines that made no entry (a field missing or refused, bytes
        // that are not code page 932), in file order and as the file holds
        // them: a rewrite puts them back byte for byte.
        QList<QByteArray> unusedLines;
    };
    const FileState& kanjiFile() const { return kanjiFile_; }
    const FileState& compoundFile() const { return compoundFile_; }

    int kanjiCount() const { return int(kanji_.size()); }
    int compoundCount() const { return int(compounds_.size()); }
    const QString& kansei(int i) const { return kanji_[size_t(i - 1)].kansei; }
    const QString& kousei(int i) const { return kanji_[size_t(i - 1)].kousei; }
    const KanjiEntry& entry(int i) const { return kanji_[size_t(i - 1)]; }
    const QString& compound(int j) const { return compounds_[size_t(j - 1)]; }
    // What compound line j holds after the compound, as in KanjiEntry::rest.
    const QByteArray& compoundRest(int j) const { return compoundRests_[size_t(j - 1)]; }

    // Replaces the tables directly (tests, and callers that build entries).
    void setTables(std::vector<KanjiEntry> kanji, std::vector<QString> compounds);

    // 1..kanjiCount, independent of earlier picks; 0 when the table is empty.
    int randomKanji(Random& random) const;
    // A question of the kanji games: uniform over the entries that are not
    // primitive, independent of earlier picks; 0 when there is none.
    int randomQuestion(Random& random) const;
    int questionCount() const { return int(questions_.size()); }
    // The entry of question `position` (0-based), in the order randomQuestion draws from.
    int questionEntry(int position) const { return questions_[size_t(position)]; }
    // A random entry with at least m components; 0 when no entry has that
    // many (the pick is then never attempted, so it cannot loop for ever).
    int randomKanjiWithAtLeast(int m, Random& random) const;
    // 1..compoundCount; 0 when empty. The answer is compoundText(j).
    int randomCompound(Random& random) const;
    QString compoundText(int j) const { return compound(j); }

    // The first entry whose finished kanji is `kanji`; 0 when none.
    int findKanji(QStringView kanji) const;
    // Components of every entry of `kanji`, each once, in index and stored
    // order; at most 15.
    QString componentSet(QStringView kanji) const;
    // Every component of the table, each once, in order of first appearance.
    QString distinctComponents() const;
    // The components of a component string, one character each.
    static QStringList components(QStringView kousei);

    // An entry whose component string is its own kanji (日 = 日). It stays for
    // the compounds; the kanji games never draw it as a question and the
    // board games never count it as a solution.
    bool isPrimitive(int i) const { return kousei(i) == kansei(i); }
    // The components of `kousei` in code point order: equal for any order of
    // the same components (困 口木 and 束 木口 share it).
    static QString componentKey(QStringView kousei);
    // Whether some entry of `kanji` is built of exactly `kousei`, in any
    // order: any kanji with the shown components is a right answer.
    bool buildsFrom(QStringView kanji, QStringView kousei) const;

private:
    void indexQuestions();

    std::vector<KanjiEntry> kanji_;
    std::vector<QString> compounds_;  // each of two characters
    std::vector<QByteArray> compoundRests_;
    std::vector<int> questions_;  // the entries that are not primitive
    FileState kanjiFile_, compoundFile_;
};

// Entries drawn without replacement: each draw takes a uniform position in
// the remaining list and removes it.
class EntryDraw {
public:
    explicit EntryDraw(int count);
    bool empty() const { return remaining_.empty(); }
    int remaining() const { return int(remaining_.size()); }
    int draw(Random& random);  // an index 1..count; 0 when empty

private:
    std::vector<int> remaining_;
};
