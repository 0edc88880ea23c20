#pragma once
// The dictionary window frmSub "辞書参照＆編集": the kanji and compound
// dictionaries in grids with find, register, change and delete, the
// component search, and the way back to the main window. What it does lives
// in DictionaryEditor; the window shows the editor's state.
#include "dictionary/DictionaryEditor.h"
#include "platform/WayBack.h"

#include <QWidget>

#include <functional>

class Grid;
class QLabel;
class QLineEdit;
class QPushButton;

// What the window is given by whoever opens it.
struct DictionaryWindowContext {
    Dictionary& dictionary;
    // Shows the main window again and closes `window`: "戻り", and closing
    // the window by its frame.
    std::function<void(QWidget* window)> returnToMain;
    // Shows the help-tour text when the tour is on.
    std::function<void(QWidget* window, const QString& text)> showHelpTour;
    QString folder;  // of the dictionary files; the working directory when empty
};

class DictionaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit DictionaryWindow(DictionaryWindowContext context, QWidget* parent = nullptr);

    DictionaryEditor& editor() { return editor_; }
    static QString helpText();
    // Shows `text`: a kanji of the table as found by 検索, any other single
    // character as the kanji built from it, a word as found among the words.
    void lookUp(const QString& text);

    // Handlers.
    void txtInp_KeyPress() { act(&DictionaryEditor::findKanji); }
    void msgKanji_Click(int row);
    void cmdNew_Click() { act(&DictionaryEditor::registerKanji); }
    void cmdChg_Click() { act(&DictionaryEditor::changeKanji); }
    void cmdDel_Click() { act(&DictionaryEditor::deleteKanji); }
    void txtInp2_KeyPress() { act(&DictionaryEditor::findCompound); }
    void msgJyukugo_Click(int row);
    void cmdNew2_Click() { act(&DictionaryEditor::registerCompound); }
    void cmdDel2_Click() { act(&DictionaryEditor::deleteCompound); }
    void txtInp3_KeyPress() { act(&DictionaryEditor::narrowByComponent); }
    void cmdAllDsp_Click() { act(&DictionaryEditor::showAllParts); }
    void cmdUndo_Click() { act(&DictionaryEditor::undo); }
    void cmdEnd_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // Boxes into the editor, the action, the editor's state back on screen.
    void act(void (DictionaryEditor::*action)());
    void pull();
    void push();
    void fillKanjiGrid(Grid* grid, const std::vector<KanjiEntry>& rows);

    DictionaryWindowContext ctx_;
    DictionaryEditor editor_;
    bool tourShown_ = false;
    WayBack wayBack_;
    int kanjiShown_ = -1, compoundShown_ = -1, partsShown_ = -1;  // revisions on screen

    Grid* msgKanji;
    QLineEdit* txtInp;
    QLineEdit* txtKansei;
    QLineEdit* txtKousei;
    QPushButton* cmdNew;
    QPushButton* cmdChg;
    QPushButton* cmdDel;
    Grid* msgJyukugo;
    QLineEdit* txtInp2;
    QLineEdit* txtJyukugo;
    QPushButton* cmdNew2;
    QPushButton* cmdDel2;
    Grid* msgBuhin;
    QLineEdit* txtInp3;
    QLabel* lblKensu;
    QPushButton* cmdAllDsp;
    QPushButton* cmdUndo;
    QPushButton* cmdEnd;
};
