#include "dictionary/ComponentVariants.h"

#include <QFile>

#include <utility>

const ComponentVariants& ComponentVariants::shipped()
{
    static const ComponentVariants table = [] {
        QFile f(QStringLiteral(":/dictionary/部品異体.txt"));
        if (!f.open(QIODevice::ReadOnly))
            return ComponentVariants{};
        return parse(QString::fromUtf8(f.readAll()));
    }();
    return table;
}

ComponentVariants ComponentVariants::parse(QStringView text)
{
    QList<QList<QStringView>> lines;
    QSet<char32_t> stored;
    for (QStringView line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        lines << line.split(u',');
        const QList<uint> s = lines.back()[0].trimmed().toUcs4();
        if (s.size() == 1)
            stored.insert(char32_t(s[0]));
    }

    ComponentVariants t;
    for (const QList<QStringView>& items : std::as_const(lines)) {
        const QString form = items[0].trimmed().toString();
        const QList<uint> s = form.toUcs4();
        if (s.size() != 1)
            continue;
        QStringList& list = t.variants_[form];
        if (!t.order_.contains(form))
            t.order_ << form;
        for (qsizetype i = 1; i < items.size(); ++i) {
            const QString v = items[i].trimmed().toString();
            const QList<uint> u = v.toUcs4();
            if (u.size() != 1 || u[0] == s[0])
                continue;
            t.pairs_.insert({char32_t(u[0]), char32_t(s[0])});
            // A look-alike that is itself stored (口 for 囗) is accepted in the
            // slot but stays itself everywhere else.
            if (!stored.contains(char32_t(u[0])) && !t.toStored_.contains(char32_t(u[0])))
                t.toStored_.insert(char32_t(u[0]), char32_t(s[0]));
            if (!list.contains(v))
                list << v;
        }
    }
    return t;
}

char32_t ComponentVariants::canonical(char32_t typed) const { return toStored_.value(typed, typed); }

QString ComponentVariants::canonical(QStringView typed) const
{
    if (toStored_.isEmpty())
        return typed.toString();
    QString out;
    out.reserve(typed.size());
    for (const uint c : typed.toUcs4()) {
        const char32_t s = canonical(char32_t(c));
        out += QString::fromUcs4(&s, 1);
    }
    return out;
}

QStringList ComponentVariants::variantsOf(QStringView stored) const { return variants_.value(stored.toString()); }

bool ComponentVariants::matches(QStringView typed, QStringView stored) const
{
    const QList<uint> t = typed.toUcs4();
    const QList<uint> s = stored.toUcs4();
    if (t.size() != s.size())
        return false;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (!matches(char32_t(t[i]), char32_t(s[i])))
            return false;
    return true;
}
