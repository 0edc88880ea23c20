#pragma once
// What a learner may type for a component the dictionary stores, and which
// components are one shape. Two kinds of variant:
//  - the same shape written otherwise: the radical forms an input method
//    emits that code page 932 cannot hold (氵 for 水, also the Kangxi and
//    CJK-radical-supplement code points) and the katakana the dictionary
//    never stores (ウ for 宀). They are the stored component itself.
//  - a look-alike of another shape that is stored in its own right (口 for
//    囗, ヨ for 彑): typing it where the radical is asked is forgiven, but it
//    stays a component of its own.
// A shape the dictionary writes as two components (疒 as 广冫) may be typed
// as one character; it stands for the pair.
// Every answer check and search box that takes a component goes through
// this class; this is the one place that matching lives.
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

    // Lines of UTF-8 text "stored,same,same…;look-alike,look-alike…", the
    // part from ";" optional; "#" starts a comment line. A stored form of
    // two characters is a pair: its variants stand for both. canonical()
    // maps a same-shape variant listed for two stored forms to the first,
    // and never maps a look-alike or a character that is stored itself.
    static ComponentVariants parse(QStringView text);

    // The stored form of one typed character; the character itself when it
    // is no same-shape variant.
    char32_t canonical(char32_t typed) const;
    // Every character of `typed` mapped to its stored form, a character that
    // stands for a pair written as the pair.
    QString canonical(QStringView typed) const;
    // `typed` with every character that stands for a pair written as the
    // pair, the rest as typed.
    QString expandPairs(QStringView typed) const;
    // The pair a typed character stands for (广冫 for 疒); empty for others.
    QString pairOf(char32_t typed) const { return pairs_.value(typed); }

    // Whether `typed` may be typed for `stored`, character by character after
    // expandPairs(): each typed character the stored one, a variant of it or
    // a look-alike of it. A variant may belong to two stored forms (阝 to 阜
    // and 邑): it matches both.
    bool matches(QStringView typed, QStringView stored) const;
    bool matches(char32_t typed, char32_t stored) const
    {
        return typed == stored || accepted_.contains({typed, stored});
    }
    // Whether two components are one shape: equal, one a same-shape variant
    // of the other, or both same-shape variants of one stored form (氵 and
    // ⺡). A look-alike is never the same shape.
    bool sameShape(QStringView a, QStringView b) const;
    bool sameShape(char32_t a, char32_t b) const;

    // The same-shape variants listed for a stored component, in file order.
    QStringList variantsOf(QStringView stored) const;
    // The look-alikes listed for a stored component, in file order.
    QStringList lookAlikesOf(QStringView stored) const;
    // Stored components (single characters) in file order.
    const QStringList& storedForms() const { return order_; }

private:
    QHash<char32_t, char32_t> toStored_;
    QSet<QPair<char32_t, char32_t>> accepted_;  // (typed, stored): same shape or look-alike
    QHash<char32_t, QList<char32_t>> sameAs_;   // a same-shape variant: the stored forms it is
    QHash<char32_t, QString> pairs_;            // a character standing for two components
    QHash<QString, QStringList> variants_;
    QHash<QString, QStringList> lookAlikes_;
    QStringList order_;
};
