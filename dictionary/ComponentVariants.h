#pragma once
// What a learner may type for a component the dictionary stores: the
// katakana look-alike (ウ for 宀), and the radical forms an input method
// emits that code page 932 cannot hold (氵 for 水, also the Kangxi and
// CJK-radical-supplement code points). Every answer check and search box
// that takes a component maps what was typed through canonical() and then
// compares with the stored form; this is the one place that matching lives.
#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

class ComponentVariants {
public:
    // The table shipped inside the program (data/部品異体.txt).
    static const ComponentVariants& shipped();

    // Lines "stored,variant,variant…" of UTF-8 text; "#" starts a comment
    // line. canonical() maps a variant listed for two stored forms to the
    // first, and never maps a character that is stored itself (口, listed
    // for 囗, stays 口) although it matches both.
    static ComponentVariants parse(QStringView text);

    // The stored form of one typed character; the character itself when
    // the table does not list it.
    char32_t canonical(char32_t typed) const;
    // Every character of `typed` mapped to its stored form.
    QString canonical(QStringView typed) const;
    // Whether `typed` is `stored`, character by character, where each typed
    // character is the stored one or one of its variants. A variant may
    // belong to two stored forms (阝 to 阜 and 邑): it matches both.
    bool matches(QStringView typed, QStringView stored) const;
    // The same for one character.
    bool matches(char32_t typed, char32_t stored) const { return typed == stored || pairs_.contains({typed, stored}); }
    // The variants listed for a stored component, in file order.
    QStringList variantsOf(QStringView stored) const;
    // Stored components in file order.
    const QStringList& storedForms() const { return order_; }

private:
    QHash<char32_t, char32_t> toStored_;
    QSet<QPair<char32_t, char32_t>> pairs_;  // (variant, stored)
    QHash<QString, QStringList> variants_;
    QStringList order_;
};
