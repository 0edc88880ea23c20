#pragma once
// What the dictionary window does, without the window: the three lists, the
// selection, the text of its boxes and which buttons are enabled, and the
// edits with their checks, confirmations and completion messages. Every edit
// writes its file at once and reloads the shared tables, so a game opened
// afterwards draws from the edited dictionaries. The window copies its boxes
// into `form` before an action and shows the editor's state after it.
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/PartsSearch.h"
#include "platform/Sjis.h"

#include <QString>

#include <vector>

class ComponentVariants;
class QWidget;

class DictionaryEditor {
public:
    struct Form {
        QString inp, kansei, kousei;  // txtInp, txtKansei, txtKousei
        QString inp2, jyukugo;        // txtInp2, txtJyukugo
        QString inp3;                 // txtInp3
        bool newEnabled = true, chgEnabled = false, delEnabled = false;
        bool new2Enabled = true, del2Enabled = false;
    };
    // Where the keyboard goes after an action.
    enum class Focus { Unchanged, Kousei, New2 };
    // Rows a list asks its grid to scroll to the top and make current
    // (1-based, 0 for none); the window takes and clears them.
    struct ScrollRequest {
        int top = 0;
        int current = 0;
    };

    // `folder` holds the dictionary files (the working directory when empty).
    DictionaryEditor(Dictionary& dictionary, const ComponentVariants& variants, QString folder = {});
    // The parent of the message boxes.
    void setBoxParent(QWidget* parent) { boxParent_ = parent; }

    // The three lists from the tables, nothing selected.
    void open();

    Form form;
    Focus takeFocus();
    ScrollRequest takeKanjiScroll();
    ScrollRequest takeCompoundScroll();

    const std::vector<KanjiEntry>& kanjiRows() const { return kanji_; }
    const std::vector<QString>& compoundRows() const { return compounds_; }
    const std::vector<KanjiEntry>& partsRows() const { return parts_.rows(); }
    QString partsCountText() const { return parts_.countText(); }
    // Bumped whenever a list changes, so the window refills only that grid.
    int kanjiRevision() const { return kanjiRevision_; }
    int compoundRevision() const { return compoundRevision_; }
    int partsRevision() const { return partsRevision_; }

    int selectedKanjiRow() const { return selectedKanjiRow_; }
    int selectedCompoundRow() const { return selectedCompoundRow_; }
    bool canUndo() const { return files_.canUndo(); }

    // The kanji section.
    void findKanji();
    void selectKanjiRow(int row);
    void registerKanji();
    void changeKanji();
    void deleteKanji();
    // The compound section.
    void findCompound();
    void selectCompoundRow(int row);
    void registerCompound();
    void deleteCompound();
    // The component search.
    void narrowByComponent();
    void showAllParts();
    // Takes back the last register, change or delete.
    void undo();

    // The bytes a rewrite writes: one line per row in list order, bare or
    // quoted, each with the fields it had beyond those the program knows;
    // then the lines the tables could not use, byte for byte. Characters
    // code page 932 cannot hold leave the bytes empty and are listed.
    static sjis::Encoded kanjiFileBytes(const std::vector<KanjiEntry>& rows, bool quoted,
                                        const QList<QByteArray>& unused);
    static sjis::Encoded compoundFileBytes(const std::vector<QString>& rows, const std::vector<QByteArray>& rests,
                                           const QList<QByteArray>& unused);

private:
    using File = DictionaryFiles::File;
    void reload();
    void loadKanjiRows();
    void loadCompoundRows();
    void clearKanjiForm();
    void clearCompoundForm();
    bool written(const textfile::WriteResult& result, File file);
    // Whether `file` may be written: it was read (not refused), and it is
    // still what the lists were built from. When another program changed
    // it, the lists are reloaded and the user is asked to do the edit again.
    bool writable(File file);
    bool unchangedOnDisk(File file);
    textfile::WriteResult replace(File file, const sjis::Encoded& bytes);
    bool validKanjiRow(int row) const { return row >= 1 && row <= int(kanji_.size()); }
    bool validCompoundRow(int row) const { return row >= 1 && row <= int(compounds_.size()); }
    // Compounds whose two kanji include `kanji`.
    int compoundsUsing(QStringView kanji) const;

    Dictionary& dictionary_;
    const ComponentVariants& variants_;
    QString folder_;
    DictionaryFiles files_;
    PartsSearch parts_;
    QWidget* boxParent_ = nullptr;

    std::vector<KanjiEntry> kanji_;
    std::vector<QString> compounds_;
    std::vector<QByteArray> compoundRests_;  // beside compounds_
    textfile::Stamp kanjiStamp_, compoundStamp_;  // of the files the lists show
    int selectedKanjiRow_ = 0;
    int selectedCompoundRow_ = 0;
    Focus focus_ = Focus::Unchanged;
    ScrollRequest kanjiScroll_, compoundScroll_;
    int kanjiRevision_ = 0, compoundRevision_ = 0, partsRevision_ = 0;
};
