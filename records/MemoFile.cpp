#include "records/MemoFile.h"

#include "platform/Sjis.h"

namespace memofile {

QString parse(QStringView fileText)
{
    // Every line end the file may hold (CR LF, CR, LF) becomes "\n"; the one
    // line break that saving put after the last line is dropped.
    QString memo;
    memo.reserve(fileText.size());
    for (qsizetype i = 0; i < fileText.size(); ++i) {
        const QChar c = fileText[i];
        if (c == u'\r') {
            memo += u'\n';
            if (i + 1 < fileText.size() && fileText[i + 1] == u'\n')
                ++i;
        } else {
            memo += c;
        }
    }
    if (memo.endsWith(u'\n'))
        memo.chop(1);
    return memo;
}

QString format(QStringView memo)
{
    QString out;
    out.reserve(memo.size() + memo.size() / 16 + 2);
    for (qsizetype i = 0; i < memo.size(); ++i) {
        const QChar c = memo[i];
        if (c == u'\r' || c == u'\n') {
            out += u"\r\n";
            if (c == u'\r' && i + 1 < memo.size() && memo[i + 1] == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    out += u"\r\n";
    return out;
}

Memo read(const QString& path)
{
    const textfile::Loaded file = textfile::load(path, MaxBytes);
    if (!file.ok())
        return {{}, file.problem(FileName)};
    return {parse(sjis::decode(textfile::withoutBom(file.bytes))), {}};
}

textfile::WriteResult write(const QString& text, const QString& path) { return textfile::replace(path, format(text)); }

}  // namespace memofile
