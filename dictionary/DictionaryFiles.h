#pragma once
// The editor's writes to the two dictionary files, each remembered so that
// the last one can be taken back once, leaving the file byte for byte as it
// was before.
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

class DictionaryFiles {
public:
    enum class File { Kanji, Compound };

    // The files of `folder` (the working directory when empty).
    explicit DictionaryFiles(QString folder = {});

    QString path(File file) const;
    static const QString& name(File file);

    // Adds one line (ended by CR LF here) at the end of the file.
    textfile::WriteResult append(File file, const QString& line);
    // Replaces the whole file with `bytes`.
    textfile::WriteResult replace(File file, QByteArrayView bytes);

    bool canUndo() const { return undo_.has_value(); }
    File undoFile() const { return undo_->file; }
    // Puts the file of the last write back as it was; the undo is then used.
    textfile::WriteResult undo();
    // Drops the undo: the file is no longer what the last write left.
    void forgetUndo() { undo_.reset(); }

    // The file as it is now, read as the loader reads it: compared with the
    // stamp of a load, it tells whether another program changed the file.
    textfile::Stamp stampNow(File file) const;

private:
    struct Snapshot {
        File file;
        std::optional<QByteArray> bytes;  // none: the file did not exist
    };
    std::optional<Snapshot> snapshot(File file) const;
    textfile::WriteResult remember(std::optional<Snapshot> before, textfile::WriteResult result);

    QString folder_;
    std::optional<Snapshot> undo_;
};
