#include "games/shiritori/ShiritoriChain.h"

#include "dictionary/Dictionary.h"

#include <algorithm>

void ShiritoriChain::start(const QString& kanji) { board_.start(kanji); }

bool ShiritoriChain::start(const Dictionary& dictionary, Random& random)
{
    const int entry = dictionary.randomKanji(random);
    if (entry == 0) {
        clear();
        return false;
    }
    start(dictionary.kansei(entry));
    return true;
}

ShiritoriChain::Verdict ShiritoriChain::answer(const QString& word, int lastCell)
{
    const QStringList characters = Dictionary::components(word);
    if (characters.isEmpty() || std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isSpace(); }))
        return Verdict::NotAWord;
    if (board_.cellIndex() == 0 || characters.first() != board_.last())
        return Verdict::WrongStart;
    if (board_.cellIndex() + int(characters.size()) > std::min(lastCell, CellCount))
        return Verdict::TooLong;
    board_.place(characters);
    return Verdict::Accepted;
}

bool ShiritoriChain::goesOn(bool timeMode, int cellTarget) const
{
    const int index = board_.cellIndex();
    return index < BoardCells && (timeMode || index < cellTarget - 1);
}
