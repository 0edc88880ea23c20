#pragma once
// The play log as the user edits it: the records of one parsed table, in the
// order they are written back, each as read or changed. The edit and notes
// screens delete and annotate records here; their grids only show them.
#include "records/RecordFile.h"

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

// A play record's values as a rewrite writes them.
struct PlayRecord {
    QString date;
    QString time;
    QString item;
    float seconds = 0;  // the single-precision value the log is read as
    QString note;
};

class RecordEdits {
public:
    explicit RecordEdits(std::shared_ptr<const RecordTable> table);

    const RecordTable& table() const { return *table_; }
    // The records written, by their position in the table: every record in
    // file order until one is removed or the order set.
    const std::vector<int>& order() const { return order_; }
    void setOrder(std::vector<int> positions);
    void remove(int position);

    // Record p's values, with its change.
    PlayRecord record(int p) const;
    QString note(int p) const;
    // The change made to record p; setChange puts one in place or, with
    // none, takes it back.
    std::optional<PlayRecord> change(int p) const;
    void setChange(int p, std::optional<PlayRecord> record);
    void setNote(int p, const QString& note);

    // Rewrites the file with the records in order: quoted date, time and
    // item, the seconds as a single-precision number, the quoted note and an
    // empty quoted spare; a double quote inside a text item becomes ＂. A
    // record without a change goes out from its line's bytes, so nothing is
    // decoded and encoded again: a line already in that form is copied as it
    // stands (a run of them in one piece), and a damaged line goes back byte
    // for byte. A change to a damaged record whose damage it keeps is
    // refused, naming the record.
    textfile::WriteResult save(const QString& path = recordfile::FileName) const;

private:
    std::shared_ptr<const RecordTable> table_;
    std::vector<int> order_;
    std::unordered_map<int, PlayRecord> changes_;
};
