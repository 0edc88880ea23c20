#include "review/EditScreen.h"

#include "platform/Grid.h"
#include "platform/MessageBox.h"
#include "records/GameItems.h"
#include "records/Nickname.h"
#include "records/RecordFile.h"
#include "review/RecordGrid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString ConfirmTitle = QStringLiteral("クリア確認");
const QString WriteErrorTitle = QStringLiteral("保存できません");
}  // namespace

EditScreen::EditScreen(MainState& state, QWidget* parent) : Screen(parent), state_(state)
{
    setObjectName(QStringLiteral("fraSettei"));
    msgHenList = new Grid(QStringLiteral("msgHenList"), this);
    cmdRowDel = new QPushButton(QStringLiteral("個別削除"), this);
    cmdRowDel->setObjectName(QStringLiteral("cmdRowDel"));
    cmdRowDel->setAutoDefault(true);  // Enter deletes, as Space does
    cmdNew1 = new QPushButton(QStringLiteral("新規スタート（全削除）"), this);
    cmdNew1->setObjectName(QStringLiteral("cmdNew1"));
    txtPriData = new QLineEdit(this);
    txtPriData->setObjectName(QStringLiteral("txtPriData"));
    cmdPHozon1 = new QPushButton(QStringLiteral("名前変更"), this);
    cmdPHozon1->setObjectName(QStringLiteral("cmdPHozon1"));

    auto* nameBox = new QGroupBox(QStringLiteral("名前（ニックネーム）"), this);
    auto* nameRow = new QHBoxLayout(nameBox);
    nameRow->addWidget(txtPriData, 1);
    nameRow->addWidget(cmdPHozon1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRowDel);
    buttons->addStretch(1);
    buttons->addWidget(cmdNew1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(msgHenList, 1);
    layout->addLayout(buttons);
    layout->addWidget(nameBox);

    connect(msgHenList, &Grid::cellClicked, this, [this](int row, int) { selectEditRow(row); });
    // From the keyboard: the arrow keys choose a row, Enter goes on to "個別削除".
    connect(msgHenList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (msgHenList->hasFocus() && current.isValid())
                    selectEditRow(current.row() + 1);
            });
    connect(msgHenList, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        selectEditRow(index.row() + 1);
        if (cmdRowDel->isEnabled())
            cmdRowDel->setFocus();
    });
    connect(cmdRowDel, &QPushButton::clicked, this, &EditScreen::deleteOneRecord);
    connect(cmdNew1, &QPushButton::clicked, this, &EditScreen::deleteAllData);
    connect(cmdPHozon1, &QPushButton::clicked, this, &EditScreen::saveNickname);
    initEditListGrid();
}

QString EditScreen::helpTourText() const
{
    return QStringLiteral("これまでのデータを全部削除して新規にスタートさせたり、個別に削除することができます。\r\n\r\n"
                          "名前（ニックネームM）を登録することもできます\r\n\r\n");
}

void EditScreen::prepare()
{
    txtPriData->setText(state_.nickname);
    cmdRowDel->setEnabled(false);
    initEditListGrid();
    loadEditList();
}

void EditScreen::initEditListGrid()
{
    recordgrid::setColumns(*msgHenList, QStringLiteral("回数"), {800, 1400, 1000, 1750, 850, 5230});
}

void EditScreen::loadEditList()
{
    edits_ = recordgrid::load(*msgHenList);
    if (msgHenList->rows() > 24)
        msgHenList->setTopRow(msgHenList->rows() - 1);
}

void EditScreen::selectEditRow(int row)
{
    if (msgHenList->rows() > 1 && row >= 1) {
        msgHenList->setRow(row);
        cmdRowDel->setEnabled(true);
    }
}

void EditScreen::deleteOneRecord()
{
    const int rows = msgHenList->rows();
    if (rows <= 1)
        return;
    if (rows == 2) {
        const textfile::WriteResult w = recordfile::truncate();
        if (!w.ok) {
            msgbox::warning(this, WriteErrorTitle, w.message(recordfile::FileName));
            return;
        }
        emit mainScreenNeedsRebuild();
        msgHenList->setRows(1);
        cmdRowDel->setEnabled(false);
        return;
    }
    const int r = msgHenList->row();
    if (r < 1)
        return;
    const QString label = msgHenList->text(r, 1) + u' ' + msgHenList->text(r, 2) + u' ' + msgHenList->text(r, 3);
    if (!msgbox::confirm(this, ConfirmTitle, label + QStringLiteral(" を削除します。よろしいですか？")))
        return;
    edits_->remove(msgHenList->model().sourceRow(r - 1));
    msgHenList->removeRow(r);
    const textfile::WriteResult w = edits_->save();
    if (!w.ok) {
        // The grid must show what the file holds.
        msgbox::warning(this, WriteErrorTitle, w.message(recordfile::FileName));
        initEditListGrid();
        loadEditList();
    }
    cmdRowDel->setEnabled(false);
}

void EditScreen::deleteAllData()
{
    if (txtPriData->text().size() > nickname::MaxLength) {
        msgbox::warning(this, QStringLiteral("名前変更"), nickname::TooLongText);
        return;
    }
    if (!msgbox::confirm(this, ConfirmTitle,
                         QStringLiteral("これまでのデータを削除して新しくスタートします。よろしいですか？")))
        return;
    QStringList failures;
    auto check = [&](const textfile::WriteResult& w, const QString& file) {
        if (!w.ok)
            failures << w.message(file);
    };
    check(recordfile::truncate(), recordfile::FileName);
    state_.nickname = txtPriData->text();
    check(nickname::write(state_.nickname), nickname::FileName);
    for (int i = 1; i <= items::Count; ++i)
        check(textfile::replace(items::historyFile(i), QString()), items::historyFile(i));
    if (!failures.isEmpty()) {
        msgbox::warning(this, WriteErrorTitle, failures.join(QStringLiteral("\r\n")));
        return;
    }
    msgbox::information(this, QStringLiteral("新規スタート準備完了"),
                        QStringLiteral("データを削除しました。\r\n\r\n"
                                       "一旦プログラムを終了させていただきます。次の起動から新規スタートです！"));
    emit programEndRequested();
}

void EditScreen::saveNickname()
{
    const QString name = txtPriData->text();
    if (name.size() > nickname::MaxLength) {
        // Refused whole rather than cut, so that nothing typed goes unnoticed.
        msgbox::warning(this, QStringLiteral("名前変更"), nickname::TooLongText);
        return;
    }
    const textfile::WriteResult w = nickname::write(name);
    if (!w.ok) {
        msgbox::warning(this, WriteErrorTitle, w.message(nickname::FileName));
        return;
    }
    state_.nickname = nickname::read();
    txtPriData->setText(state_.nickname);
    emit titleChanged(nickname::windowTitle(state_.nickname));
    msgbox::information(this, QStringLiteral("保存終了"), QStringLiteral("保存が終了しました"));
}
