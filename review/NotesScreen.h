#pragma once
// The notes screen fraMemo: the one-line diary, a comment that replaces the
// note of one play in データ.TXT, and the free memo kept in メモ.TXT.
#include "review/MainState.h"

#include <memory>

class Grid;
class RecordEdits;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class NotesScreen : public Screen {
    Q_OBJECT
public:
    explicit NotesScreen(QWidget* parent = nullptr);

    void prepare() override;  // ShowNotes: the diary grid from the file
    QString helpTourText() const override;

    // Reads メモ.TXT into the memo box; the first prepare() calls it.
    void loadMemo();

    Grid& grid() { return *msgMemoList; }
    int diaryRow() const { return DiaryRow; }

private:
    void initDiaryGrid();
    void loadDiaryList();
    void selectDiaryRow(int row);
    void saveDiary();
    void saveMemo();

    Grid* msgMemoList;
    QLineEdit* txtMemo;
    QPushButton* cmdMemoHozon;
    QPlainTextEdit* txtKizuki;
    QPushButton* cmdKizukiHozon;
    std::shared_ptr<RecordEdits> edits_;  // what the grid shows
    int DiaryRow = 0;                     // the grid row the diary text goes to; 0 = none chosen
    bool memoRead_ = false;
};
