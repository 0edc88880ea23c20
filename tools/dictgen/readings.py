"""data/読みと意味.TXT: the grade, readings and meaning of every kanji of
漢字辞書.TXT and the reading and meaning of every word of 熟語辞書.TXT, for
the line a game shows after each answer and for the level a game is played at.

Lines, code page 932, CR LF, in code point order of their keys (the kanji or
word), so that the program finds a line without sorting:
    時,2,ジ,とき,time, hour
    生,1,セイ・ショウ,い.きる・う.まれる・なま,life, genuine, birth
    会社,かいしゃ,company; corporation
A kanji line: the kanji, its school grade (1 to 6, 8 for the jōyō kanji taught
later), its on readings in katakana and its kun readings in hiragana, each
list joined by ・ (a kun reading's okurigana after a dot), and its meaning.
A word line: the word, its reading and its meaning. The meaning is the rest
of the line and may hold commas.

KANJIDIC lists more readings than a learner meets: a reading is kept when a
common word of EDICT uses it, and the first on reading when none is.
"""

import collections
import re
import unicodedata

MAX_ON = 3
MAX_KUN = 4
MEANING_CHARS = 40
LONGEST_GLOSS = 60

# What EDICT puts in parentheses before a gloss: parts of speech, sense
# numbers, usage, field and dialect tags. Anything else in parentheses is
# part of the gloss ("(what) the heck").
TAG_WORDS = set("""P uk uK abbr arch col hon hum pol sl vulg X obs obsc rare id yoji on-mim m-sl male fem
joc poet derog fam ok ik iK oK io ateji gikun sens proverb aphorism quote dated hist litf net-sl chn form
euph Buddh math comp food ling med physics sports law MA Shinto baseb biol bot chem anat astron geol music
sumo mahj mil finc archit hanaf econ engr geom mech zool shogi go print tradem telec""".split())
PART_OF_SPEECH = re.compile(r"(n|v|adj|adv|aux|exp|int|pn|pref|suf|prt|conj|ctr|num|cop|unc)[-\w]*$")
DIALECT = re.compile(r"[a-z]{2,5}:$")

VOICED = str.maketrans("かきくけこさしすせそたちつてとはひふへほ", "がぎぐげござじずぜぞだぢづでどばびぶべぼ")
SEMI_VOICED = str.maketrans("はひふへほ", "ぱぴぷぺぽ")


def hiragana(text):
    return "".join(chr(ord(c) - 0x60) if "\u30a1" <= c <= "\u30f6" else c for c in text)


def is_hiragana(c):
    return "\u3041" <= c <= "\u309f"


class KanjidicEntry:
    def __init__(self, on, kun, meanings):
        self.on = on              # katakana, without affix marks
        self.kun = kun            # hiragana, okurigana after a dot, without affix marks
        self.meanings = meanings  # English, KANJIDIC's order


def parse_kanjidic(text):
    """The readings (not the name readings after T1/T2) and the English
    meanings of every kanji of the legacy KANJIDIC file."""
    out = {}
    for line in text.splitlines():
        if line.startswith("#"):
            continue
        f = line.split()
        names = [i for i, x in enumerate(f) if x in ("T1", "T2")]
        own = f[2:names[0]] if names else f[2:]
        kana = [x for x in own if re.fullmatch(r"[\u3041-\u30ff.\-]+", x)]
        # "-どき" and "なま-" are the forms a reading takes inside words: the
        # reading without its affix mark is listed beside them or is not one
        # a learner looks for.
        plain = [x for x in kana if not x.startswith("-") and not x.endswith("-")]
        on = [x for x in plain if not is_hiragana(x[0])]
        kun = [x for x in plain if is_hiragana(x[0])]
        meanings = re.findall(r"\{([^}]*)\}", line)
        out[f[0]] = KanjidicEntry(on, kun, meanings)
    return out


def parse_edict(text):
    """word -> [(reading, glosses field, common)] in file order."""
    out = collections.defaultdict(list)
    for line in text.splitlines():
        m = re.match(r"(\S+) (?:\[(\S+)\] )?/(.*)/$", line)
        if m:
            glosses = m.group(3)
            out[m.group(1)].append((m.group(2) or m.group(1), glosses, "(P)" in glosses.split("/")))
    return out


def spellings(kana):
    """A reading as it may sound inside a word: voiced at its start (かい in
    社会 but がい in 協会), and a final つ ち く き doubled (がっ in 学校)."""
    forms = {kana}
    if kana[0] in "かきくけこさしすせそたちつてとはひふへほ":
        forms.add(kana[0].translate(VOICED) + kana[1:])
    if kana[0] in "はひふへほ":
        forms.add(kana[0].translate(SEMI_VOICED) + kana[1:])
    forms |= {f[:-1] + "っ" for f in list(forms) if len(f) > 1 and f[-1] in "つちくき"}
    return sorted(forms)  # in one order every run: the walk stops after a few splits


def used_readings(kanjidic, edict, among=None, common_only=True):
    """kanji -> the readings a common EDICT word (any word when not
    `common_only`) gives it, for the kanji of `among` (all when None). Each
    word's reading is split over its characters (kana as written, each kanji by one
    of its readings); a kun reading with okurigana counts where the word goes
    on with the okurigana (生まれる for う.まれる, not for う.む)."""
    ways = {}

    def ways_of(k):
        if k not in ways:
            e = kanjidic[k]
            w = [(s, r) for r in e.on for s in spellings(hiragana(r))]
            w += [(s, r) for r in e.kun for s in spellings(r.split(".")[0])]
            ways[k] = w
        return ways[k]

    used = collections.defaultdict(set)
    for word, entries in edict.items():
        if not any(c in kanjidic and (among is None or c in among) for c in word):
            continue
        for reading, _, common in entries:
            if common_only and not common:
                continue
            reading = hiragana(reading)
            splits = []

            def walk(i, j, taken):
                if len(splits) > 8:
                    return
                if i == len(word):
                    if j == len(reading):
                        splits.append(list(taken))
                    return
                c = word[i - 1] if word[i] == "々" and i > 0 else word[i]
                if c in kanjidic:
                    for spelt, r in ways_of(c):
                        if reading.startswith(spelt, j):
                            taken.append((c, r, i))
                            walk(i + 1, j + len(spelt), taken)
                            taken.pop()
                elif j < len(reading) and hiragana(c) == reading[j]:
                    walk(i + 1, j + 1, taken)

            walk(0, 0, [])
            for split in splits:
                for c, r, i in split:
                    if among is not None and c not in among:
                        continue
                    if "." not in r or word[i + 1:].startswith(r.split(".", 1)[1]):
                        used[c].add(r)
    return used


def shortened(gloss):
    """A gloss too long for the line: its explanations in parentheses left
    out, then cut at a word with an ellipsis."""
    if len(gloss) > MEANING_CHARS:
        gloss = re.sub(r"\s*\([^()]*\)", "", gloss).strip() or gloss
    if len(gloss) > LONGEST_GLOSS:
        gloss = gloss[:LONGEST_GLOSS - 1].rsplit(" ", 1)[0].rstrip(",;") + "…"
    return gloss


def short_meaning(parts, joiner):
    """The first meanings, as many as fit MEANING_CHARS (at least one)."""
    out = []
    for p in [shortened(p) for p in parts[:1]] + parts[1:]:
        if out and len(joiner.join(out + [p])) > MEANING_CHARS:
            break
        out.append(p)
    return joiner.join(out)


def plain_ascii(text):
    """Accented letters of a gloss written without accent (café → cafe):
    code page 932 has no accented Latin letters."""
    return "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c))


def is_tag(group):
    return all(p.isdigit() or p in TAG_WORDS or PART_OF_SPEECH.match(p) or DIALECT.match(p)
               for p in group.split(","))


def first_sense(glosses):
    """The glosses of an EDICT entry's first sense, without their tags."""
    fields = [f for f in glosses.split("/") if f and f != "(P)" and not re.fullmatch(r"EntL\w+", f)]
    out = []
    for f in fields:
        rest, number = f, None
        while True:
            m = re.match(r"\s*[({]([^)}]*)[)}]\s*", rest)
            if not m or not is_tag(m.group(1)):
                break
            if m.group(1).isdigit():
                number = int(m.group(1))
            rest = rest[m.end():]
        if number and number > 1:
            break
        if rest.strip():
            out.append(rest.strip())
    return out


def in_edict(k, kun, edict):
    """Whether EDICT has the word a kun reading makes (朽ちる for く.ちる)."""
    stem, _, okuri = kun.partition(".")
    return any(hiragana(r) == stem + okuri for r, _, _ in edict.get(k + okuri, []))


def kanji_line(k, grade, entry, used, rare, edict):
    on = [r for r in entry.on if r in used][:MAX_ON] or [r for r in entry.on if r in rare][:1]
    kun = [r for r in entry.kun if r in used][:MAX_KUN]
    if not kun:
        # No common word reads it so: a word EDICT lists still teaches it.
        kun = [r for r in entry.kun if in_edict(k, r, edict)][:2]
    if not on and not kun:
        on, kun = entry.on[:1], ([] if entry.on else entry.kun[:1])
    meanings = [m for m in entry.meanings if not re.search(r"radical \(no", m)]
    return "%s,%s,%s,%s,%s" % (k, grade, "・".join(on), "・".join(kun),
                               plain_ascii(short_meaning(meanings, ", ")))


def word_line(w, edict):
    entries = edict.get(w, [])
    if not entries:
        return None
    reading, glosses, _ = sorted(entries, key=lambda e: not e[2])[0]
    return "%s,%s,%s" % (w, hiragana(reading), plain_ascii(short_meaning(first_sense(glosses), "; ")))


def reading_lines(kanji, words, grade_of, kanjidic_text, edict_text):
    """The file's lines for `kanji` and `words`, by key. `grade_of(k)` is the
    school grade of a kanji or None."""
    kanjidic = parse_kanjidic(kanjidic_text)
    edict = parse_edict(edict_text)
    used = used_readings(kanjidic, edict)
    # A kanji no common word reads on: the on reading of a rarer word (叱責).
    unread = {k for k in kanji if k in kanjidic and not any(r in used[k] for r in kanjidic[k].on)}
    rare = used_readings(kanjidic, edict, unread, common_only=False)
    lines = []
    for k in kanji:
        entry = kanjidic.get(k, KanjidicEntry([], [], []))
        lines.append(kanji_line(k, grade_of(k) or "", entry, used[k], rare[k], edict))
    for w in words:
        lines.append(word_line(w, edict) or "%s,," % w)
    return sorted(lines, key=lambda line: line.split(",", 1)[0])


def check_reading_lines(lines, joyo, words, problems):
    """Every jōyō kanji has a grade, a reading and a meaning; every word a
    reading and a meaning; every line is one code page 932 can hold."""
    seen = {}
    for line in lines:
        key = line.split(",", 1)[0]
        seen[key] = line
        try:
            line.encode("cp932")
        except UnicodeEncodeError:
            problems.append("読みと意味.TXT: %s cannot be written in code page 932" % line)
    for k in joyo:
        f = seen.get(k, "").split(",", 4)
        if len(f) < 5 or f[1] not in ("1", "2", "3", "4", "5", "6", "8"):
            problems.append("読みと意味.TXT: jōyō kanji %s has no grade" % k)
        elif not f[2] and not f[3]:
            problems.append("読みと意味.TXT: jōyō kanji %s has no reading" % k)
        elif not f[4].strip():
            problems.append("読みと意味.TXT: jōyō kanji %s has no meaning" % k)
    for w in words:
        f = seen.get(w, "").split(",", 2)
        if len(f) < 3 or not f[1] or not f[2].strip():
            problems.append("読みと意味.TXT: word %s has no reading or meaning" % w)
