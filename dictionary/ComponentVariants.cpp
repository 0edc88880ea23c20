#include "dictionary/ComponentVariants.h"

#include <QFile>

#include <utility>

namespace {
QString fromUcs4(char32_t c) { return QString::fromUcs4(&c, 1); }
}  // namespace

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
    struct Line {
        QString form;
        QStringList same;
        QStringList lookAlike;
    };
    QList<Line> lines;
    QSet<char32_t> stored;
    for (QStringView line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype semicolon = line.indexOf(u';');
        Line l;
        const auto items = [](QStringView part) {
            QStringList out;
            for (QStringView item : part.split(u','))
                if (!item.trimmed().isEmpty())
                    out << item.trimmed().toString();
            return out;
        };
        l.same = items(semicolon < 0 ? line : line.left(semicolon));
        if (semicolon >= 0)
            l.lookAlike = items(line.mid(semicolon + 1));
        if (l.same.isEmpty())
            continue;
        l.form = l.same.takeFirst();
        const QList<uint> s = l.form.toUcs4();
        if (s.size() == 1)
            stored.insert(char32_t(s[0]));
        lines << l;
    }

    ComponentVariants t;
    for (const Line& l : std::as_const(lines)) {
        const QList<uint> s = l.form.toUcs4();
        if (s.size() == 2) {
            // A shape written as two components: each variant stands for both.
            for (const QString& v : l.same)
                if (const QList<uint> u = v.toUcs4(); u.size() == 1 && !stored.contains(char32_t(u[0])))
                    t.pairs_.insert(char32_t(u[0]), l.form);
            continue;
        }
        if (s.size() != 1)
            continue;
        const char32_t form = char32_t(s[0]);
        if (!t.order_.contains(l.form))
            t.order_ << l.form;
        QStringList& sameList = t.variants_[l.form];
        for (const QString& v : l.same) {
            const QList<uint> u = v.toUcs4();
            if (u.size() != 1 || char32_t(u[0]) == form)
                continue;
            const char32_t c = char32_t(u[0]);
            t.accepted_.insert({c, form});
            // A variant that is itself stored is a shape of its own, whatever
            // the line says.
            if (stored.contains(c))
                continue;
            t.sameAs_[c] << form;
            if (!t.toStored_.contains(c))
                t.toStored_.insert(c, form);
            if (!sameList.contains(v))
                sameList << v;
        }
        QStringList& alikeList = t.lookAlikes_[l.form];
        for (const QString& v : l.lookAlike) {
            const QList<uint> u = v.toUcs4();
            if (u.size() != 1 || char32_t(u[0]) == form)
                continue;
            t.accepted_.insert({char32_t(u[0]), form});
            if (!alikeList.contains(v))
                alikeList << v;
        }
    }
    return t;
}

char32_t ComponentVariants::canonical(char32_t typed) const { return toStored_.value(typed, typed); }

QString ComponentVariants::expandPairs(QStringView typed) const
{
    if (pairs_.isEmpty())
        return typed.toString();
    QString out;
    out.reserve(typed.size());
    for (const uint c : typed.toUcs4()) {
        const auto it = pairs_.constFind(char32_t(c));
        out += it != pairs_.cend() ? *it : fromUcs4(char32_t(c));
    }
    return out;
}

QString ComponentVariants::canonical(QStringView typed) const
{
    if (toStored_.isEmpty() && pairs_.isEmpty())
        return typed.toString();
    QString out;
    out.reserve(typed.size());
    for (const uint c : expandPairs(typed).toUcs4())
        out += fromUcs4(canonical(char32_t(c)));
    return out;
}

QStringList ComponentVariants::variantsOf(QStringView stored) const { return variants_.value(stored.toString()); }

QStringList ComponentVariants::lookAlikesOf(QStringView stored) const
{
    return lookAlikes_.value(stored.toString());
}

bool ComponentVariants::matches(QStringView typed, QStringView stored) const
{
    const QList<uint> t = expandPairs(typed).toUcs4();
    const QList<uint> s = stored.toUcs4();
    if (t.size() != s.size())
        return false;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (!matches(char32_t(t[i]), char32_t(s[i])))
            return false;
    return true;
}

bool ComponentVariants::sameShape(char32_t a, char32_t b) const
{
    if (a == b)
        return true;
    const QList<char32_t> ofA = sameAs_.value(a, {a});
    const QList<char32_t> ofB = sameAs_.value(b, {b});
    for (char32_t x : ofA)
        if (ofB.contains(x))
            return true;
    return false;
}

bool ComponentVariants::sameShape(QStringView a, QStringView b) const
{
    const QList<uint> x = a.toUcs4();
    const QList<uint> y = b.toUcs4();
    if (x.size() != y.size())
        return false;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (!sameShape(char32_t(x[i]), char32_t(y[i])))
            return false;
    return true;
}
