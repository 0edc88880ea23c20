#include "dictionary/DictionaryEditor.h"

#include "dictionary/EntryRules.h"
#include "platform/MessageBox.h"

#include <numeric>

namespace {
using File = DictionaryFiles::File;
using entryrules::KanjiEdit;

const QString WriteErrorTitle = QStringLiteral("保存できません");
const QString LoadErrorTitle = QStringLiteral("辞書の読み込み");
const QString RegisterTitle = QStringLiteral("登録確認");
const QString DeleteTitle = QStringLiteral("クリア確認");
const QString Registered = QStringLiteral("登録しました");
const QString Deleted = QStringLiteral("削除しました");
const QString Space = QStringLiteral(" ");
}  // namespace

DictionaryEditor::DictionaryEditor(Dictionary& dictionary, const ComponentVariants& variants, QString folder)
    : dictionary_(dictionary), variants_(variants), folder_(std::move(folder)), files_(folder_), parts_(variants)
{
}

void DictionaryEditor::open()
{
    loadKanjiRows();
    loadCompoundRows();
    showAllParts();
    form = Form{};
    selectedKanjiRow_ = selectedCompoundRow_ = 0;
}

DictionaryEditor::Focus DictionaryEditor::takeFocus() { return std::exchange(focus_, Focus::Unchanged); }

DictionaryEditor::ScrollRequest DictionaryEditor::takeKanjiScroll() { return std::exchange(kanjiScroll_, {}); }

DictionaryEditor::ScrollRequest DictionaryEditor::takeCompoundScroll() { return std::exchange(compoundScroll_, {}); }

void DictionaryEditor::loadKanjiRows()
{
    std::vector<KanjiEntry> rows = sortedKanji(dictionary_);
    const bool same =
        rows.size() == kanji_.size() &&
        std::equal(rows.begin(), rows.end(), kanji_.begin(), [](const KanjiEntry& a, const KanjiEntry& b) {
            return a.kansei == b.kansei && a.kousei == b.kousei;
        });
    kanji_ = std::move(rows);
    kanjiStamp_ = dictionary_.kanjiFile().stamp;
    if (!same)
        ++kanjiRevision_;
}

void DictionaryEditor::loadCompoundRows()
{
    std::vector<int> order(size_t(dictionary_.compoundCount()));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return dictionary_.compound(a) < dictionary_.compound(b); });
    std::vector<QString> rows;
    rows.reserve(order.size());
    compoundRests_.clear();
    compoundRests_.reserve(order.size());
    for (const int j : order) {
        rows.push_back(dictionary_.compound(j));
        compoundRests_.push_back(dictionary_.compoundRest(j));
    }
    if (rows != compounds_)
        ++compoundRevision_;
    compounds_ = std::move(rows);
    compoundStamp_ = dictionary_.compoundFile().stamp;
}

void DictionaryEditor::reload()
{
    const QString problem = dictionary_.load(folder_);
    loadKanjiRows();
    loadCompoundRows();
    // The component search follows every edit, narrowed as it was.
    parts_.refresh(dictionary_);
    ++partsRevision_;
    if (!problem.isEmpty())
        msgbox::warning(boxParent_, LoadErrorTitle, problem);
}

bool DictionaryEditor::written(const textfile::WriteResult& result, File file)
{
    if (result.ok)
        return true;
    msgbox::warning(boxParent_, WriteErrorTitle, result.message(DictionaryFiles::name(file)));
    // The file is as it was; the lists show it so.
    reload();
    return false;
}

bool DictionaryEditor::writable(File file)
{
    const QString& refusal =
        file == File::Kanji ? dictionary_.kanjiFile().refusal : dictionary_.compoundFile().refusal;
    if (refusal.isEmpty())
        return true;
    msgbox::warning(boxParent_, WriteErrorTitle,
                    refusal + QStringLiteral("\r\n\r\nこの辞書は読み込めていないため、編集できません。"));
    return false;
}

bool DictionaryEditor::unchangedOnDisk(File file)
{
    const textfile::Stamp& shown = file == File::Kanji ? kanjiStamp_ : compoundStamp_;
    if (files_.stampNow(file) == shown)
        return true;
    // Writing now would put back what the lists show over what the other
    // program wrote. The selection follows its entry into the new lists.
    const std::optional<KanjiEntry> kanji =
        validKanjiRow(selectedKanjiRow_) ? std::optional(kanji_[size_t(selectedKanjiRow_ - 1)]) : std::nullopt;
    const std::optional<QString> compound =
        validCompoundRow(selectedCompoundRow_) ? std::optional(compounds_[size_t(selectedCompoundRow_ - 1)])
                                               : std::nullopt;
    files_.forgetUndo();
    reload();
    selectedKanjiRow_ = selectedCompoundRow_ = 0;
    for (size_t r = 0; kanji && r < kanji_.size(); ++r)
        if (kanji_[r].kansei == kanji->kansei && kanji_[r].kousei == kanji->kousei) {
            selectedKanjiRow_ = int(r) + 1;
            kanjiScroll_ = {selectedKanjiRow_, selectedKanjiRow_};
            break;
        }
    for (size_t r = 0; compound && r < compounds_.size(); ++r)
        if (compounds_[r] == *compound) {
            selectedCompoundRow_ = int(r) + 1;
            compoundScroll_ = {selectedCompoundRow_, selectedCompoundRow_};
            break;
        }
    form.chgEnabled = form.delEnabled = selectedKanjiRow_ != 0;
    form.del2Enabled = selectedCompoundRow_ != 0;
    msgbox::warning(boxParent_, QStringLiteral("辞書ファイルの変更"),
                    QStringLiteral("辞書ファイルが外部で変更されたため、読み込み直しました\r\n\r\n"
                                   "%1 の今の内容を表示しています。もう一度操作してください。")
                        .arg(DictionaryFiles::name(file)));
    return false;
}

textfile::WriteResult DictionaryEditor::replace(File file, const sjis::Encoded& bytes)
{
    if (!bytes.ok()) {
        textfile::WriteResult r;
        r.unrepresentable = bytes.unrepresentable;
        return r;
    }
    return files_.replace(file, bytes.bytes);
}

void DictionaryEditor::clearKanjiForm()
{
    form.kansei.clear();
    form.kousei.clear();
    form.inp.clear();
    form.chgEnabled = form.delEnabled = false;
    selectedKanjiRow_ = 0;
}

void DictionaryEditor::clearCompoundForm()
{
    form.jyukugo.clear();
    form.inp2.clear();
    form.del2Enabled = false;
    selectedCompoundRow_ = 0;
}

namespace {
// Adds `text` to `out` in code page 932, or lists what it cannot hold.
void encodeInto(QStringView text, sjis::Encoded& out)
{
    sjis::Encoded e = sjis::encode(text);
    if (e.ok())
        out.bytes += e.bytes;
    else
        out.unrepresentable += e.unrepresentable;
}

void field(QStringView text, bool quoted, sjis::Encoded& out)
{
    if (quoted)
        out.bytes += '"';
    encodeInto(text, out);
    if (quoted)
        out.bytes += '"';
}

void unusedLines(const QList<QByteArray>& unused, sjis::Encoded& out)
{
    for (const QByteArray& l : unused)
        out.bytes += l + "\r\n";
    if (!out.ok())
        out.bytes.clear();
}
}  // namespace

sjis::Encoded DictionaryEditor::kanjiFileBytes(const std::vector<KanjiEntry>& rows, bool quoted,
                                               const QList<QByteArray>& unused)
{
    sjis::Encoded out;
    out.bytes.reserve(qsizetype(rows.size()) * 16);
    for (const KanjiEntry& e : rows) {
        field(e.kansei, quoted, out);
        out.bytes += ',';
        field(e.kousei, quoted, out);
        out.bytes += e.rest + "\r\n";
    }
    unusedLines(unused, out);
    return out;
}

sjis::Encoded DictionaryEditor::compoundFileBytes(const std::vector<QString>& rows,
                                                  const std::vector<QByteArray>& rests,
                                                  const QList<QByteArray>& unused)
{
    sjis::Encoded out;
    out.bytes.reserve(qsizetype(rows.size()) * 6);
    for (size_t i = 0; i < rows.size(); ++i) {
        encodeInto(rows[i], out);
        if (i < rests.size())
            out.bytes += rests[i];
        out.bytes += "\r\n";
    }
    unusedLines(unused, out);
    return out;
}

int DictionaryEditor::compoundsUsing(QStringView kanji) const
{
    int n = 0;
    for (const QString& c : compounds_) {
        const QStringList chars = Dictionary::components(QStringView(c).left(2));
        if (chars.contains(kanji.toString()))
            ++n;
    }
    return n;
}

// The kanji section.

void DictionaryEditor::findKanji()
{
    const QString text = form.inp.trimmed();
    if (text.isEmpty())
        return;
    for (size_t r = 0; r < kanji_.size(); ++r) {
        if (kanji_[r].kansei != text)
            continue;
        const int row = int(r) + 1;
        kanjiScroll_ = {row, row};
        selectedKanjiRow_ = row;
        form.chgEnabled = form.delEnabled = form.newEnabled = true;
        form.kansei = kanji_[r].kansei;
        form.kousei = kanji_[r].kousei;
        return;
    }
    form.kansei = text;
    form.kousei.clear();
    form.chgEnabled = form.delEnabled = false;
    form.newEnabled = true;
    selectedKanjiRow_ = 0;
    msgbox::warning(
        boxParent_, QStringLiteral("未登録"),
        text +
            QStringLiteral(" は登録されていません。追加したい場合は構成漢字を入力して「新規」ボタンを押してください"));
    focus_ = Focus::Kousei;
}

void DictionaryEditor::selectKanjiRow(int row)
{
    if (!validKanjiRow(row))
        return;
    form.kansei = kanji_[size_t(row - 1)].kansei;
    form.kousei = kanji_[size_t(row - 1)].kousei;
    selectedKanjiRow_ = row;
    form.chgEnabled = form.delEnabled = true;
}

void DictionaryEditor::registerKanji()
{
    form.kansei = entryrules::trimmed(form.kansei);
    form.kousei = entryrules::trimmed(form.kousei);
    const entryrules::StoredComponents stored = entryrules::storedForm(variants_, form.kousei);
    if (auto r = entryrules::checkKanji(KanjiEdit::Register, form.kansei, stored.kousei)) {
        msgbox::warning(boxParent_, r->title, r->text);
        return;
    }
    if (auto r = entryrules::checkComponentSet(kanji_, form.kansei, stored.kousei, 0)) {
        msgbox::warning(boxParent_, r->title, r->text);
        return;
    }
    if (!stored.notice.isEmpty()) {
        form.kousei = stored.kousei;
        msgbox::information(boxParent_, QStringLiteral("部品の表記"), stored.notice);
    }
    const QString kansei = form.kansei;
    const QString& kousei = stored.kousei;
    if (!writable(File::Kanji))
        return;
    if (!msgbox::confirm(boxParent_, RegisterTitle,
                         kansei + Space + kousei + QStringLiteral(" を新規登録します。よろしいですか？")))
        return;
    if (!unchangedOnDisk(File::Kanji))
        return;
    if (!written(files_.append(File::Kanji, kansei + u',' + kousei), File::Kanji))
        return;
    reload();
    clearKanjiForm();
    msgbox::information(boxParent_, QStringLiteral("登録完了"), Registered);
}

void DictionaryEditor::changeKanji()
{
    const int row = selectedKanjiRow_;
    if (!validKanjiRow(row))
        return;
    form.kansei = entryrules::trimmed(form.kansei);
    form.kousei = entryrules::trimmed(form.kousei);
    const entryrules::StoredComponents stored = entryrules::storedForm(variants_, form.kousei);
    if (auto r = entryrules::checkKanji(KanjiEdit::Change, form.kansei, stored.kousei)) {
        msgbox::warning(boxParent_, r->title, r->text);
        return;
    }
    // The finished kanji of an entry stays whatever the box holds: only the
    // components change.
    const KanjiEntry old = kanji_[size_t(row - 1)];
    if (auto r = entryrules::checkComponentSet(kanji_, old.kansei, stored.kousei, row)) {
        msgbox::warning(boxParent_, r->title, r->text);
        return;
    }
    if (!stored.notice.isEmpty()) {
        form.kousei = stored.kousei;
        msgbox::information(boxParent_, QStringLiteral("部品の表記"), stored.notice);
    }
    if (!writable(File::Kanji))
        return;
    if (!msgbox::confirm(boxParent_, QStringLiteral("変更確認"),
                         old.kansei + Space + old.kousei + QStringLiteral(" を ") + form.kansei + Space +
                             stored.kousei + QStringLiteral(" に変更します。よろしいですか？")))
        return;
    if (!unchangedOnDisk(File::Kanji))
        return;
    std::vector<KanjiEntry> rows = kanji_;
    rows[size_t(row - 1)].kousei = stored.kousei;
    if (!written(replace(File::Kanji, kanjiFileBytes(rows, false, dictionary_.kanjiFile().unusedLines)), File::Kanji))
        return;
    reload();
    clearKanjiForm();
    kanjiScroll_ = {row, 0};
    msgbox::information(boxParent_, QStringLiteral("変更完了"), QStringLiteral("変更しました"));
}

void DictionaryEditor::deleteKanji()
{
    const int row = selectedKanjiRow_;
    if (!validKanjiRow(row))
        return;
    form.kansei = entryrules::trimmed(form.kansei);
    form.kousei = entryrules::trimmed(form.kousei);
    if (auto r = entryrules::checkKanji(KanjiEdit::Delete, form.kansei, form.kousei)) {
        msgbox::warning(boxParent_, r->title, r->text);
        return;
    }
    const KanjiEntry old = kanji_[size_t(row - 1)];
    const auto entries =
        std::count_if(kanji_.begin(), kanji_.end(), [&](const KanjiEntry& e) { return e.kansei == old.kansei; });
    if (entries == 1) {
        if (const int n = compoundsUsing(old.kansei); n > 0)
            msgbox::warning(
                boxParent_, QStringLiteral("熟語で使用中"),
                QStringLiteral("%1 は熟語辞書の %2 件の熟語で使われています。\r\n"
                               "削除しても熟語は残りますが、%1 の登録がないあいだはゲームに出題されません。")
                    .arg(old.kansei)
                    .arg(n));
    }
    if (!writable(File::Kanji))
        return;
    if (!msgbox::confirm(boxParent_, DeleteTitle,
                         old.kansei + Space + old.kousei + QStringLiteral(" を削除します。よろしいですか？")))
        return;
    if (!unchangedOnDisk(File::Kanji))
        return;
    std::vector<KanjiEntry> rows = kanji_;
    rows.erase(rows.begin() + (row - 1));
    if (!written(replace(File::Kanji, kanjiFileBytes(rows, true, dictionary_.kanjiFile().unusedLines)), File::Kanji))
        return;
    reload();
    clearKanjiForm();
    msgbox::information(boxParent_, QStringLiteral("削除完了"), Deleted);
}

// The compound section.

void DictionaryEditor::findCompound()
{
    const QString text = form.inp2.trimmed();
    if (text.isEmpty())
        return;
    for (size_t r = 0; r < compounds_.size(); ++r) {
        if (compounds_[r] != text)
            continue;
        const int row = int(r) + 1;
        compoundScroll_ = {row, row};
        selectedCompoundRow_ = row;
        form.del2Enabled = form.new2Enabled = true;
        form.jyukugo = compounds_[r];
        return;
    }
    form.jyukugo = text;
    form.del2Enabled = false;
    form.new2Enabled = true;
    selectedCompoundRow_ = 0;
    msgbox::warning(boxParent_, QStringLiteral("未登録"),
                    text + QStringLiteral(" は登録されていません。追加したい場合は「新規」ボタンを押してください"));
    focus_ = Focus::New2;
}

void DictionaryEditor::selectCompoundRow(int row)
{
    if (!validCompoundRow(row))
        return;
    form.jyukugo = compounds_[size_t(row - 1)];
    selectedCompoundRow_ = row;
    form.del2Enabled = true;
}

void DictionaryEditor::registerCompound()
{
    form.jyukugo = entryrules::trimmed(form.jyukugo);
    const QString text = form.jyukugo;
    if (text.isEmpty()) {
        msgbox::warning(boxParent_, QStringLiteral("熟語未入力"), QStringLiteral("熟語が指定されていません"));
        return;
    }
    if (entryrules::charCount(text) != 2) {
        msgbox::warning(boxParent_, QStringLiteral("文字数制限"), QStringLiteral("熟語は２文字の必要があります"));
        return;
    }
    bool missing = false;
    for (const QString& c : Dictionary::components(text)) {
        if (dictionary_.findKanji(c) != 0)
            continue;
        missing = true;
        msgbox::warning(boxParent_, QStringLiteral("漢字辞書登録促し"),
                        c + QStringLiteral(" の漢字と構成を先に登録してから熟語を登録してください"));
    }
    if (missing)
        return;
    if (auto r = entryrules::checkStorable(text)) {
        msgbox::warning(boxParent_, r->title, r->text);
        return;
    }
    if (!writable(File::Compound))
        return;
    if (!msgbox::confirm(boxParent_, RegisterTitle, text + QStringLiteral(" を新規登録します。よろしいですか？")))
        return;
    if (!unchangedOnDisk(File::Compound))
        return;
    if (!written(files_.append(File::Compound, text), File::Compound))
        return;
    reload();
    clearCompoundForm();
    msgbox::information(boxParent_, QStringLiteral("登録完了"), Registered);
}

void DictionaryEditor::deleteCompound()
{
    const int row = selectedCompoundRow_;
    if (!validCompoundRow(row))
        return;
    form.jyukugo = entryrules::trimmed(form.jyukugo);
    if (form.jyukugo.isEmpty()) {
        msgbox::warning(boxParent_, QStringLiteral("熟語未入力"), QStringLiteral("熟語が指定されていません"));
        return;
    }
    const QString old = compounds_[size_t(row - 1)];
    if (!writable(File::Compound))
        return;
    if (!msgbox::confirm(boxParent_, DeleteTitle, old + QStringLiteral(" を削除します。よろしいですか？")))
        return;
    if (!unchangedOnDisk(File::Compound))
        return;
    std::vector<QString> rows = compounds_;
    std::vector<QByteArray> rests = compoundRests_;
    rows.erase(rows.begin() + (row - 1));
    rests.erase(rests.begin() + (row - 1));
    if (!written(replace(File::Compound, compoundFileBytes(rows, rests, dictionary_.compoundFile().unusedLines)),
                 File::Compound))
        return;
    reload();
    clearCompoundForm();
    msgbox::information(boxParent_, QStringLiteral("削除完了"), Deleted);
}

// The component search.

void DictionaryEditor::narrowByComponent()
{
    const QString typed = form.inp3.trimmed();
    if (typed.isEmpty())
        return;
    parts_.narrow(typed);
    ++partsRevision_;
    form.inp3.clear();
}

void DictionaryEditor::showAllParts()
{
    parts_.showAll(dictionary_);
    ++partsRevision_;
}

void DictionaryEditor::undo()
{
    if (!files_.canUndo())
        return;
    const File file = files_.undoFile();
    if (!unchangedOnDisk(file))
        return;
    if (!written(files_.undo(), file))
        return;
    reload();
    clearKanjiForm();
    clearCompoundForm();
    msgbox::information(boxParent_, QStringLiteral("元に戻す"), QStringLiteral("元に戻しました"));
}
