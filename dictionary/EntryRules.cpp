#include "dictionary/EntryRules.h"

#include "dictionary/ComponentVariants.h"
#include "dictionary/Dictionary.h"
#include "platform/Sjis.h"

#include <algorithm>

namespace entryrules {

namespace {
const QString UnusableTitle = QStringLiteral("使用できない文字");
}

int charCount(QStringView text)
{
    int n = 0;
    for (const QChar c : text)
        if (!c.isLowSurrogate())
            ++n;
    return n;
}

std::optional<Refusal> checkKanji(KanjiEdit edit, QStringView kansei, QStringView kousei)
{
    const bool writes = edit != KanjiEdit::Delete;
    if (kansei.isEmpty())
        return Refusal{QStringLiteral("完成漢字未入力"), QStringLiteral("完成漢字が指定されていません")};
    if (writes && charCount(kansei) != 1)
        return Refusal{QStringLiteral("文字数制限"), QStringLiteral("完成漢字は１文字の必要があります")};
    if (kousei.isEmpty())
        return Refusal{QStringLiteral("構成漢字未入力"), QStringLiteral("構成漢字が指定されていません")};
    if (writes && charCount(kousei) > MaxComponents)
        return Refusal{QStringLiteral("構成数制限"), QStringLiteral("構成漢字は６文字以内に収めてください")};
    if (!writes)
        return std::nullopt;
    if (auto r = checkStorable(kansei))
        return r;
    return checkStorable(kousei);
}

QString trimmed(QStringView text) { return text.trimmed().toString(); }

std::optional<Refusal> checkStorable(QStringView text)
{
    // A space would be stored as a component or as part of a compound (an
    // input method types a full-width one on a stray Space).
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); }))
        return Refusal{UnusableTitle, QStringLiteral("空白は登録できません。文字の間の空白を取り除いてください")};
    for (const QChar c : {QChar(u','), QChar(u'"')})
        if (text.contains(c))
            return Refusal{UnusableTitle,
                           QStringLiteral("「%1」は辞書ファイルの区切りに使う文字のため登録できません").arg(c)};
    const QString bad = sjis::unrepresentable(text);
    if (!bad.isEmpty())
        return Refusal{
            UnusableTitle,
            QStringLiteral("「%1」は辞書ファイル（シフトJIS）に保存できない文字のため登録できません").arg(bad)};
    return std::nullopt;
}

std::optional<Refusal> checkComponentSet(const std::vector<KanjiEntry>& entries, QStringView kanji, QStringView kousei,
                                         int replacing)
{
    QStringList set;
    auto add = [&set](QStringView components) {
        for (const QString& c : Dictionary::components(components))
            if (!set.contains(c))
                set << c;
    };
    for (size_t i = 0; i < entries.size(); ++i)
        if (int(i) + 1 != replacing && entries[i].kansei == kanji)
            add(entries[i].kousei);
    add(kousei);
    if (set.size() <= Dictionary::MaxComponentSet)
        return std::nullopt;
    return Refusal{QStringLiteral("部品数制限"),
                   QStringLiteral("%1 の構成部品は、すべての登録を合わせて%2種類までです（この登録で%3種類になります）")
                       .arg(kanji)
                       .arg(Dictionary::MaxComponentSet)
                       .arg(set.size())};
}

StoredComponents storedForm(const ComponentVariants& variants, QStringView typed)
{
    StoredComponents out{variants.canonical(typed), {}};
    QStringList changes;
    // One typed character may become two components (疒 → 广冫).
    for (const QString& c : Dictionary::components(typed)) {
        const QString stored = variants.canonical(QStringView(c));
        const QString pair = QStringLiteral("%1 → %2").arg(c, stored);
        if (c != stored && !changes.contains(pair))
            changes << pair;
    }
    if (!changes.isEmpty())
        out.notice = QStringLiteral("入力された部品を辞書の表記に直して登録します。\r\n\r\n%1")
                         .arg(changes.join(QStringLiteral("\r\n")));
    return out;
}

}  // namespace entryrules
