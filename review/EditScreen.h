#pragma once
// The edit screen fraSettei: delete one record or all data, and the nickname.
#include "review/MainState.h"

#include <memory>

class Grid;
class RecordEdits;
class QLineEdit;
class QPushButton;

class EditScreen : public Screen {
    Q_OBJECT
public:
    EditScreen(MainState& state, QWidget* parent = nullptr);

    void prepare() override;  // ShowEditScreen: nickname box, grid from the file
    QString helpTourText() const override;

    Grid& grid() { return *msgHenList; }

signals:
    void mainScreenNeedsRebuild();
    void titleChanged(const QString& title);
    void programEndRequested();

private:
    void initEditListGrid();
    void loadEditList();
    void selectEditRow(int row);
    void deleteOneRecord();
    void deleteAllData();
    void saveNickname();

    MainState& state_;
    std::shared_ptr<RecordEdits> edits_;  // what the grid shows
    Grid* msgHenList;
    QPushButton* cmdRowDel;
    QPushButton* cmdNew1;
    QPushButton* cmdPHozon1;
    QLineEdit* txtPriData;
};
