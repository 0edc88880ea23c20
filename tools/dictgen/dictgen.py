#!/usr/bin/env python3
"""Builds data/漢字辞書.TXT, data/熟語辞書.TXT and data/読みと意味.TXT from
pinned open data.

Sources (fetched once into a cache directory, checked against their hashes):
  npm   kanji 0.19.3       composition trees (KanjiVG), grade lists, KANJIDIC2 stroke counts
  npm   joyo-kanji 0.2.1   the 2,136 jōyō kanji
  deb   kanjidic 2022.08.23   stroke counts, grades, readings and meanings (KANJIDIC, EUC-JP)
  deb   edict 2021.02.03-1    common words, "(P)", their readings and meanings (EDICT, EUC-JP)
  deb   mecab-ipadic 2.7.0-20070801+main-3   word costs, the frequency signal of the compounds
  deb   skkdic 20230109-1, skkdic-extra 20230109-1   readings an input method offers each component under
  deb   unicode-data 15.0.0-1   the radical code points and their unified ideographs

Run through tools/dictgen/generate. Every rule the games rely on is checked;
the script exits non-zero when one fails and prints the statistics otherwise.
Standard library only.
"""

import collections
import hashlib
import io
import json
import os
import pwd
import random
import re
import shutil
import subprocess
import tempfile
import sys
import tarfile
import unicodedata

import readings as reading_data

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
KANJI_FILE = os.path.join(REPO, "data", "漢字辞書.TXT")
COMPOUND_FILE = os.path.join(REPO, "data", "熟語辞書.TXT")
READING_FILE = os.path.join(REPO, "data", "読みと意味.TXT")
OVERRIDES = os.path.join(HERE, "overrides.txt")

NPM_SOURCES = {
    # file name in the cache: (package@version, sha256 of the tarball)
    "kanji-0.19.3.tgz": ("kanji@0.19.3",
                         "960f7f469c26c1b376a02b23c8245a8d4894a2343daf77a8aeb500c2aceb114d"),
    "joyo-kanji-0.2.1.tgz": ("joyo-kanji@0.2.1",
                             "2d871d64d73baaecbba9dd82d6c4e6a704eedf2b8806c22158f8bab81bd4b3aa"),
}
DEB_SOURCES = {
    "kanjidic_2022.08.23_all.deb": ("kanjidic=2022.08.23",
                                    "7c6c23db82dd6c1ad4827c7180967c2e4b6276ccb9795a68e455868eca4b618b"),
    "edict_2021.02.03-1_all.deb": ("edict=2021.02.03-1",
                                   "f1d50611cd5486d30a4bdd56447bcfa1ee5084da7909340f5da3e1abc0b97b3b"),
    "mecab-ipadic_2.7.0-20070801+main-3_all.deb": ("mecab-ipadic=2.7.0-20070801+main-3", "2a59bb65193b605cec3e5540e69e7d3ce8db4624744f8686f419aa0cf3f327f2"),
    "skkdic_20230109-1_all.deb": ("skkdic=20230109-1", "b20f505f685f4c46eb8815ac0efab133536f345ccbb99991adc423274a01a4a3"),
    "skkdic-extra_20230109-1_all.deb": ("skkdic-extra=20230109-1", "d66e75c10b0a08381fbd10f1bb59c0e3a69fb2e1b4f52e3154cf5850faa7a6ef"),
    "unicode-data_15.0.0-1_all.deb": ("unicode-data=15.0.0-1", "5efef23bbb1c6a133ecbdd63a2cfa07159ccacf5466a49e2426101c5ecd691fc"),
}

# The four jōyō kanji outside code page 932 and the forms we ship instead.
CP932_FORM = {"𠮟": "叱", "塡": "填", "剝": "剥", "頰": "頬"}

# Radical forms that code page 932 lacks (or that nobody types) and what the
# dictionary writes for them.  The full form where it carries the meaning,
# a katakana look-alike for shapes that exist only as parts.  A radical that
# code page 932 has is stored as itself.
SUBSTITUTE = {
    "亻": "人", "⺅": "人", "𠆢": "人",
    "氵": "水", "⺡": "水", "氺": "水",
    "扌": "手", "⺘": "手",
    "忄": "心", "⺖": "心", "⺗": "心", "㣺": "心",
    "艹": "艸", "⺾": "艸", "⺿": "艸",
    "辶": "之", "⻌": "之", "⻍": "之", "⻎": "之",
    "刂": "刀", "⺉": "刀",
    "礻": "示", "⺭": "示",
    "衤": "衣", "⻂": "衣",
    "犭": "犬", "⺨": "犬",
    "灬": "火", "⺣": "火",
    "飠": "食", "⻞": "食", "𩙿": "食",
    "糹": "糸", "纟": "糸",
    "訁": "言", "讠": "言",
    "釒": "金", "⻐": "金", "钅": "金",
    "罒": "四", "⺲": "四", "㓁": "四",
    "⻖": "阜", "⻏": "邑",          # 阝 on the left / on the right
    "⺼": "月", "⺝": "月",
    "⺹": "老", "耂": "老",
    "⺮": "竹",
    "⻊": "足",
    "⺊": "卜",
    "⺍": "ツ", "⺌": "ツ", "⺤": "ツ", "爫": "ツ",
    "彐": "ヨ", "⺕": "ヨ",
    "𠂊": "ク", "⺈": "ク", "⺆": "ク",
    "丷": "ソ", "𠂇": "ナ",
    "攴": "攵",                      # the trees name のぶん by its old form
    "疒": "广冫",                    # no typeable やまいだれ: its two halves
}
KATAKANA_PARTS = "ウワムヒトルツヨクソナメノマユコホキラリハフ"

# One shape, one writing: a katakana look-alike of a radical that code page
# 932 holds becomes the radical wherever an entry or an override writes it.
SAME_SHAPE = {"ウ": "宀", "ワ": "冖", "ム": "厶", "ヒ": "匕", "ト": "卜", "ル": "儿",
              "ノ": "丿", "メ": "乂", "ハ": "八"}

# What a learner may type for a stored radical that is another shape stored
# in its own right: the everyday kanji or katakana it looks like.  Accepted
# where the radical is asked, never the same component (口 in 吐 is not the
# 囗 of 国), never rewritten to it.  The katakana of SAME_SHAPE, by
# contrast, are the radical itself.
LOOKALIKE = {
    "勹": "ク", "彑": "ヨ", "囗": "口", "毋": "母", "巛": "川", "丶": "、",
}

# Forms an input method offers for a stored component and that a learner
# may type for it: the full form of a radical (辵 for 辶, written 之) or its
# twin in today's print (匸 for 匚).  Only the variant table lists them; the
# trees' own use of these characters (匸 as the bottom of 亡) is not this.
TYPED_FORMS = {"辵": "之", "𧾷": "足", "网": "四", "匸": "匚"}

# Radicals that code page 932 has and that an IME offers under their
# radical names; they stand for shapes with no kanji or katakana look-alike.
RADICAL_NAMED = {
    "亠": "なべぶた", "广": "まだれ", "厂": "がんだれ", "尸": "しかばね",
    "彳": "ぎょうにんべん", "冫": "にすい", "癶": "はつがしら", "廴": "えんにょう",
    "攵": "のぶん", "夂": "ふゆがしら", "冂": "けいがまえ", "隹": "ふるとり",
    "疋": "ひき", "戈": "ほこ", "巾": "きん", "几": "つくえ", "彡": "さんづくり",
    "殳": "るまた", "歹": "がつへん", "卩": "ふしづくり", "匚": "はこがまえ",
    "廾": "にじゅうあし", "虍": "とらかんむり", "凵": "うけばこ", "豕": "いのこ",
    "幺": "いとがしら", "聿": "ふでづくり", "豸": "むじなへん", "弋": "しきがまえ",
    "舛": "まいあし", "韋": "なめしがわ", "爿": "しょうへん",
    "宀": "うかんむり", "冖": "わかんむり", "勹": "つつみがまえ", "儿": "にんにょう",
    "匕": "さじ", "厶": "む", "卜": "ぼく", "丿": "へつ", "亅": "はねぼう", "乂": "がい",
    "攴": "ぼくにょう", "巛": "まがりがわ", "丶": "てん", "毋": "なかれ", "彑": "けいがしら", "囗": "くにがまえ",
}
# The name a learner looks a radical up by, for the help page; the reading
# that the checks confirm may be another.
RADICAL_READING = {
    "水": "さんずい", "人": "にんべん", "手": "てへん", "心": "りっしんべん", "艸": "くさかんむり",
    "之": "しんにょう", "阜": "こざとへん", "邑": "おおざと", "刀": "りっとう", "示": "しめすへん",
    "衣": "ころもへん", "犬": "けものへん", "火": "れっか", "食": "しょくへん", "四": "あみがしら",
    "竹": "たけ", "糸": "いと", "言": "ごん", "金": "かね", "老": "おい", "足": "あし",
}
# More names a radical goes by, tried first: Mozc knows some radicals under
# one name only (冂 as けいがまえ, 廾 as こまぬき).
RADICAL_NAMES = {
    "廾": ("こまぬき",), "冂": ("けいがまえ",), "夂": ("ふゆがしら",), "卩": ("ふしづくり",),
    "歹": ("がつへん", "いちたへん", "かばねへん"), "舛": ("まいあし",), "廿": ("にじゅう",),
    "丶": ("てん",), "酉": ("ひよみのとり", "とりへん"), "殳": ("るまた", "ほこづくり"), "几": ("つくえ",), "虍": ("とらかんむり", "とらがしら"),
}
# Words that bring up a component Mozc's candidates hold too far down,
# checked like every other way: the reading and the word to cut down.
WORD_WAYS = {"巳": ("みどし", "巳年"), "亥": ("いどし", "亥年"), "奄": ("あまみ", "奄美"),
             "乎": ("だんこ", "断乎"), "舛": ("ますぞえ", "舛添"), "廿": ("はつかいち", "廿日市"),
             "乞": ("あまごい", "雨乞い"), "介": ("しょうかい", "紹介")}
# A component typed with one key: the key and what it gives.
KEY_WAYS = {"丶": (",", "、")}
# Components Mozc offers under no reading; the help page names the way.
MOZC_NONE = {
    "攵": "Mozc は読みでは出しません。Mozc の手書き文字入力か文字パレットで選ぶか、Anthy などで「ぼくにょう」から 攴 を入力してください（攴 も正解です）。",
}

# Non-jōyō kanji used as full forms; the reading that brings them up.
EXTRA_KANJI = {"艸": "くさ", "邑": "ゆう", "之": "の", "乃": "の", "已": "い",
               "艮": "うしとら", "乍": "ながら", "廿": "にじゅう", "龍": "りゅう"}

# Stroke counts of the tree elements that neither KANJIDIC file lists.
EXTRA_STROKES = {
    "⻌": 3, "⺕": 3, "𠂊": 2, "⻖": 3, "⺤": 4, "⺍": 3, "マ": 2, "⺌": 3, "⻏": 3,
    "⺨": 3, "⺦": 3, "戋": 5, "夹": 6, "⺗": 4, "兹": 9, "𦰌": 8, "㔾": 2,
    "ウ": 3, "ワ": 2, "ム": 2, "ヒ": 2, "ト": 2, "ル": 2, "ツ": 3, "ヨ": 3, "ク": 2,
    "ソ": 2, "ナ": 2, "メ": 2, "ノ": 1, "ユ": 2, "コ": 2, "ホ": 4, "キ": 3, "ラ": 2,
    "リ": 2, "ハ": 2, "フ": 1,
    # radical forms as written in today's kanji (the files list older counts)
    "氵": 3, "扌": 3, "忄": 3, "犭": 3, "礻": 4, "衤": 5, "飠": 8, "亻": 2, "刂": 2,
    "灬": 4, "罒": 5, "阝": 3, "⺡": 3, "⺘": 3, "⺖": 3, "⺅": 2, "⺉": 2, "⺭": 4, "⻂": 5,
    "艹": 3, "辶": 3, "耂": 4, "糹": 6, "訁": 7, "釒": 8, "⺼": 4, "⺮": 6, "⻊": 7,
}

OVERLAP = int(os.environ.get("DICTGEN_OVERLAP", "1"))
MAX_COMPONENTS = 6
MAX_DISTINCT = 15
SEED = 20240521
TRIALS = 1000


class Fail(Exception):
    pass


# ---------------------------------------------------------------- sources

def cache_dir():
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    d = os.path.join(base, "fernoa-dictgen")
    os.makedirs(d, exist_ok=True)
    return d


def sha256(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


def fetch():
    d = cache_dir()
    for name, (pkg, digest) in list(NPM_SOURCES.items()) + list(DEB_SOURCES.items()):
        path = os.path.join(d, name)
        if not (os.path.exists(path) and sha256(path) == digest):
            print("fetching", pkg, file=sys.stderr)
            if name.endswith(".tgz"):
                cmd = ["npm", "pack", "--silent", pkg, "--pack-destination", d]
            else:
                cmd = ["apt-get", "download", pkg]
            r = subprocess.run(cmd, cwd=d, stdout=subprocess.DEVNULL)
            if r.returncode != 0 and not name.endswith(".tgz"):
                subprocess.run(["apt-get", "update"], stdout=subprocess.DEVNULL)
                r = subprocess.run(cmd, cwd=d, stdout=subprocess.DEVNULL)
            if r.returncode != 0 or not os.path.exists(path):
                raise Fail("could not fetch %s" % pkg)
        if sha256(path) != digest:
            raise Fail("%s does not match its pinned sha256" % name)
    return d


def deb_members(path, wanted):
    """The files of a .deb's data archive whose names `wanted` accepts, by name."""
    with open(path, "rb") as f:
        blob = f.read()
    if blob[:8] != b"!<arch>\n":
        raise Fail("%s is not an ar archive" % path)
    pos = 8
    while pos < len(blob):
        header = blob[pos:pos + 60]
        name = header[:16].decode().strip().rstrip("/")
        size = int(header[48:58].decode().strip())
        body = blob[pos + 60:pos + 60 + size]
        pos += 60 + size + (size & 1)
        if name.startswith("data.tar"):
            out = {}
            with tarfile.open(fileobj=io.BytesIO(body)) as t:
                for m in t.getmembers():
                    if m.isfile() and wanted(m.name):
                        out[m.name] = t.extractfile(m).read()
            return out
    raise Fail("no data archive in %s" % path)


def deb_member(path, wanted):
    """Returns the bytes of file `wanted` inside a .deb's data.tar.xz."""
    with open(path, "rb") as f:
        blob = f.read()
    if blob[:8] != b"!<arch>\n":
        raise Fail("%s is not an ar archive" % path)
    pos = 8
    while pos < len(blob):
        header = blob[pos:pos + 60]
        name = header[:16].decode().strip().rstrip("/")
        size = int(header[48:58].decode().strip())
        body = blob[pos + 60:pos + 60 + size]
        pos += 60 + size + (size & 1)
        if name.startswith("data.tar"):
            with tarfile.open(fileobj=io.BytesIO(body)) as t:
                return t.extractfile(wanted).read()
    raise Fail("no data archive in %s" % path)


class Sources:
    def __init__(self, d):
        self.tar = tarfile.open(os.path.join(d, "kanji-0.19.3.tgz"))
        self.members = {m.name: m for m in self.tar.getmembers()}
        with tarfile.open(os.path.join(d, "joyo-kanji-0.2.1.tgz")) as t:
            js = t.extractfile("package/index.js").read().decode("utf-8")
        self.joyo = json.loads(js[js.index("["):js.rindex("]") + 1])
        kd = deb_member(os.path.join(d, "kanjidic_2022.08.23_all.deb"),
                        "./usr/share/edict/kanjidic").decode("euc-jp")
        self.strokes, self.grade = {}, {}
        for line in kd.splitlines():
            if line.startswith("#"):
                continue
            f = line.split()
            s = [x for x in f if re.fullmatch(r"S\d+", x)]
            g = [x for x in f if re.fullmatch(r"G\d+", x)]
            self.strokes[f[0]] = int(s[0][1:])     # the first S is the true count
            if g:
                self.grade[f[0]] = int(g[0][1:])
        self.kanjidic = kd
        self.edict = deb_member(os.path.join(d, "edict_2021.02.03-1_all.deb"),
                                "./usr/share/edict/edict").decode("euc-jp")
        self.freq, self.readings, self.okurigana = {}, {}, {}
        for line in kd.splitlines():
            if line.startswith("#"):
                continue
            f = line.split()
            fr = [x for x in f if re.fullmatch(r"F\d+", x)]
            if fr:
                self.freq[f[0]] = int(fr[0][1:])
            names = [i for i, x in enumerate(f) if x in ("T1", "T2")]
            own = f[2:names[0]] if names else f[2:]
            kana = [x for x in own if re.fullmatch(r"[\u3041-\u30ff.\-]+", x)]
            kun = [x.split(".")[0].strip("-") for x in kana if "\u3041" <= x.strip("-")[0] <= "\u309f"]
            on = [hiragana(x.strip("-")) for x in kana if "\u30a1" <= x.strip("-")[0] <= "\u30ff"]
            self.readings[f[0]] = [r for r in kun + on if r]
            # kun readings with their okurigana, in KANJIDIC's order: と.まる
            self.okurigana[f[0]] = [tuple(x.strip("-").split(".", 1)) for x in kana
                                    if "." in x and "\u3041" <= x.strip("-")[0] <= "\u309f"]
        ipadic = deb_members(os.path.join(d, "mecab-ipadic_2.7.0-20070801+main-3_all.deb"),
                             lambda n: n.endswith(".csv"))
        self.word_cost = {}
        for blob in ipadic.values():
            for line in blob.decode("euc-jp", errors="replace").splitlines():
                p = line.split(",")
                if len(p) > 5 and len(p[0]) == 2 and p[5] != "固有名詞":
                    c = int(p[3])
                    if c < self.word_cost.get(p[0], 1 << 30):
                        self.word_cost[p[0]] = c
        skk = deb_members(os.path.join(d, "skkdic_20230109-1_all.deb"), lambda n: n.endswith("SKK-JISYO.L"))
        skk.update(deb_members(os.path.join(d, "skkdic-extra_20230109-1_all.deb"),
                               lambda n: re.search(r"SKK-JISYO\.(S|M|JIS2|JIS3_4|JIS2004)$", n)))
        self.skk = [b.decode("euc_jis_2004", errors="replace") for b in skk.values()]
        self.common_words = set()
        for n, b in skk.items():
            if re.search(r"SKK-JISYO\.[SM]$", n):
                for line in b.decode("euc_jis_2004", errors="replace").splitlines():
                    if not line.startswith(";"):
                        for cand in line.partition(" ")[2].strip().strip("/").split("/"):
                            cand = cand.split(";", 1)[0]
                            if len(cand) == 2:
                                self.common_words.add(cand)
        self.equivalent = deb_member(os.path.join(d, "unicode-data_15.0.0-1_all.deb"),
                                     "./usr/share/unicode/EquivalentUnifiedIdeograph.txt").decode("utf-8")
        self._trees = {}
        self._kd2 = {}

    def json(self, name):
        m = self.members.get("package/" + name)
        if m is None:
            return None
        return json.loads(self.tar.extractfile(m).read().decode("utf-8"))

    def grade_list(self, g):
        return self.json("lib/data/grade.g%s.json" % g)

    def tree(self, ch):
        if ch not in self._trees:
            self._trees[ch] = self.json("dist/data/kanji-tree/%05x.json" % ord(ch))
        return self._trees[ch]

    def stroke_count(self, ch):
        if ch in EXTRA_STROKES:
            return EXTRA_STROKES[ch]
        if ch in self.strokes:
            return self.strokes[ch]
        if ch not in self._kd2:
            d = self.json("dist/data/kanjidic/%x.json" % ord(ch))
            self._kd2[ch] = int(d["misc"][0]["stroke_count"][0]) if d else None
        return self._kd2[ch]


# ------------------------------------------------------------- decomposing

def is_katakana(c):
    return "\u30a1" <= c <= "\u30fa"


def cp932_ok(c):
    try:
        c.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


KANGXI = {unicodedata.normalize("NFKC", chr(cp)) for cp in range(0x2F00, 0x2FD6)}


def same_shape(kousei):
    return "".join(SAME_SHAPE.get(c, c) for c in kousei)


class Builder:
    def __init__(self, src):
        self.src = src
        self.joyo = [CP932_FORM.get(c, c) for c in src.joyo]
        jinmei = src.grade_list("09") or []
        self.allowed = set(self.joyo) | {c for c in jinmei if cp932_ok(c)}
        self.allowed |= set(KATAKANA_PARTS) | set(RADICAL_NAMED) | set(EXTRA_KANJI)
        self.overrides = self.read_overrides()

    def read_overrides(self):
        out = collections.OrderedDict()
        self.atoms = set()
        self.whole = set()
        self.splittable = set()
        with open(OVERRIDES, encoding="utf-8") as f:
            for n, line in enumerate(f, 1):
                line = line.split("#", 1)[0].strip()
                if not line:
                    continue
                fields = line.split()
                if fields[0] == "atom":
                    self.atoms |= set("".join(fields[1:]))
                    continue
                if fields[0] == "whole":
                    self.whole |= set("".join(fields[1:]))
                    continue
                if fields[0] == "split":
                    self.splittable |= set("".join(fields[1:]))
                    continue
                k, parts = fields[0], fields[1:]
                if len(k) != 1 or not parts:
                    raise Fail("overrides.txt:%d: bad line" % n)
                if k in out:
                    raise Fail("overrides.txt:%d: %s given twice" % (n, k))
                out[k] = parts
        return out

    def subst(self, e, index, siblings):
        if e is None:
            return None
        if e == "阝":
            return "阜" if index == 0 and siblings > 1 else "邑"
        return SUBSTITUTE.get(e, e)

    def merged_parts(self, node):
        """The children of a node.  A part written in two pieces around
        another (匚 in 区, 丁 in 可) appears twice in the trees; when the
        strokes only add up with the repeat dropped, drop it."""
        kids = node.get("g") or []
        e = node.get("element")
        if not e or not kids:
            return kids
        total = self.strokes_of(node)
        parts = [self.strokes_of(k) for k in kids]
        if None in parts or total is None or sum(parts) == total:
            return kids
        out, seen = [], set()
        for k in kids:
            ke = k.get("element")
            if ke and ke in seen:
                continue
            seen.add(ke)
            out.append(k)
        if len(out) < len(kids) and sum(self.strokes_of(k) for k in out) == total:
            return out
        return kids

    def strokes_of(self, node):
        e = node.get("element")
        if e:
            return self.src.stroke_count(e)
        kids = node.get("g") or []
        if not kids:
            return None
        total = 0
        for k in kids:
            s = self.strokes_of(k)
            if s is None:
                return None
            total += s
        return total

    def resolve(self, node, index=0, siblings=1, top=False):
        """Returns (char, children) where children is None for a leaf, or None
        when the node cannot be written with allowed components."""
        e = node.get("element")
        c = self.subst(e, index, siblings)
        usable = c is not None and all(x in self.allowed for x in c)
        atomic = usable and (c in self.atoms or c in self.whole or (c in KANGXI and c not in self.splittable))
        if usable and atomic and not top:
            return (c, None)
        kids = self.merged_parts(node)
        total = self.strokes_of(node) if e else None
        if kids and (e is None or total is not None):
            parts = [self.strokes_of(k) for k in kids]
            # Parts that share a stroke (亠 and 王 in 主) add up to one more
            # than the whole; fewer strokes than the whole means the tree
            # only grouped some of them.
            if None not in parts and (e is None or total <= sum(parts) <= total + OVERLAP):
                res = [self.resolve(k, i, len(kids)) for i, k in enumerate(kids)]
                if None not in res:
                    return (c, res)
        if usable and not top:
            return (c, None)
        return None

    @staticmethod
    def flatten(r):
        c, kids = r
        if kids is None:
            return [c]
        out = []
        for k in kids:
            out += Builder.flatten(k)
        return out

    @staticmethod
    def collapse_to_fit(r):
        """Collapses the expanded sub-nodes (those with a character of their
        own) with the most leaves until at most MAX_COMPONENTS remain."""
        def count(n):
            return len(n[0]) if n[1] is None else sum(count(k) for k in n[1])

        def candidates(n, top):
            out = []
            if n[1] is not None:
                if not top and n[0] is not None:
                    out.append(n)
                for k in n[1]:
                    out += candidates(k, False)
            return out

        def replace(n, target):
            if n is target:
                return (n[0], None)
            if n[1] is None:
                return n
            return (n[0], [replace(k, target) for k in n[1]])

        while count(r) > MAX_COMPONENTS:
            cands = candidates(r, True)
            if not cands:
                return None
            # smallest collapse that gets under the limit, else the largest
            need = count(r) - MAX_COMPONENTS
            fitting = [n for n in cands if count(n) - 1 >= need]
            pick = min(fitting, key=count) if fitting else max(cands, key=count)
            r = replace(r, pick)
        return r

    def auto(self, k):
        t = self.src.tree(k)
        if t is None:
            inv = {v: kk for kk, v in CP932_FORM.items()}
            t = self.src.tree(inv.get(k, k))
        if t is None:
            return None
        r = self.resolve(t, top=True)
        if r is None or r[1] is None:
            return None
        r = self.collapse_to_fit(r)
        if r is None:
            return None
        return "".join(self.flatten(r))

    def build(self):
        # Kangxi radicals are kept whole unless the override file says
        # `split` for them; overrides name the kanji they rewrite.
        entries = []
        missing = []
        for k in sorted(set(self.joyo)):
            if k in self.atoms and k not in self.overrides:
                entries.append((k, k))     # never split, not even in its own entry
                continue
            if k in self.overrides:
                for p in self.overrides[k]:
                    entries.append((k, p))
                continue
            a = self.auto(k)
            if a is None and k in self.allowed and (k in KANGXI or self.src.stroke_count(k) <= 5):
                a = k                      # a simple shape is its own part
            if a is None:
                missing.append(k)
                continue
            entries.append((k, a))
        extra = [k for k in self.overrides if k not in set(self.joyo)]
        for k in extra:
            for p in self.overrides[k]:
                entries.append((k, p))
        entries = [(k, same_shape(p)) for k, p in entries]
        seen, unique = set(), []
        for e in entries:
            if e not in seen:
                seen.add(e)
                unique.append(e)
        unique.sort(key=lambda e: (ord(e[0])))
        return unique, missing


# ---------------------------------------------------------------- readings

def skk_readings(src):
    """Every single-character candidate of the SKK dictionaries, with the
    readings it is offered under and its place among each reading's
    candidates (0: the first)."""
    rank = {}
    for text in src.skk:
        for line in text.splitlines():
            if line.startswith(";"):
                continue
            head, _, rest = line.partition(" ")
            if not head or not rest or not ("\u3041" <= head[-1] <= "\u309f"):
                continue            # okurigana entries (うらなu) and symbols
            for pos, cand in enumerate(rest.strip().strip("/").split("/")):
                cand = cand.split(";", 1)[0]
                if len(cand) == 1:
                    rank[cand, head] = min(pos, rank.get((cand, head), pos))
    rev = collections.defaultdict(dict)
    for (cand, head), pos in rank.items():
        rev[cand][head] = pos
    return rev

def hiragana(text):
    return "".join(chr(ord(c) - 0x60) if "\u30a1" <= c <= "\u30f6" else c for c in text)


# ------------------------------------------------------------------- Mozc
#
# The readings on the help page are checked with Mozc itself: Debian's
# emacs-mozc-bin has a helper that takes key events on standard input and
# answers with the conversion candidates, no desktop needed.

MOZC_VERSION = "2.28.4715.102"
MOZC_PAGE = 9          # candidates on the first page of Mozc's candidate window

ROMA = {}
def _init():
    base = {
     'あ':'a','い':'i','う':'u','え':'e','お':'o','か':'ka','き':'ki','く':'ku','け':'ke','こ':'ko',
     'さ':'sa','し':'si','す':'su','せ':'se','そ':'so','た':'ta','ち':'ti','つ':'tu','て':'te','と':'to',
     'な':'na','に':'ni','ぬ':'nu','ね':'ne','の':'no','は':'ha','ひ':'hi','ふ':'hu','へ':'he','ほ':'ho',
     'ま':'ma','み':'mi','む':'mu','め':'me','も':'mo','や':'ya','ゆ':'yu','よ':'yo',
     'ら':'ra','り':'ri','る':'ru','れ':'re','ろ':'ro','わ':'wa','を':'wo','ん':'nn',
     'が':'ga','ぎ':'gi','ぐ':'gu','げ':'ge','ご':'go','ざ':'za','じ':'zi','ず':'zu','ぜ':'ze','ぞ':'zo',
     'だ':'da','ぢ':'di','づ':'du','で':'de','ど':'do','ば':'ba','び':'bi','ぶ':'bu','べ':'be','ぼ':'bo',
     'ぱ':'pa','ぴ':'pi','ぷ':'pu','ぺ':'pe','ぽ':'po','ぁ':'xa','ぃ':'xi','ぅ':'xu','ぇ':'xe','ぉ':'xo',
     'ゃ':'xya','ゅ':'xyu','ょ':'xyo','っ':'xtu','ゎ':'xwa','ー':'-','ゔ':'vu'}
    ROMA.update(base)
_init()

def romaji(kana):
    out = []
    for i, c in enumerate(kana):
        if c == 'っ' and i + 1 < len(kana) and ROMA.get(kana[i+1], 'x')[0] not in 'aiueonx':
            out.append(ROMA[kana[i+1]][0]); continue
        if c == 'ん' and (i + 1 == len(kana) or ROMA.get(kana[i+1], 'x')[0] not in 'aiueony'):
            out.append('nn'); continue
        if c not in ROMA:
            raise ValueError(kana)
        out.append(ROMA[c])
    return ''.join(out)

class Mozc:
    """One mozc_emacs_helper, its server under a fresh home (no learned
    history), as user nobody when run as root: the server refuses root."""
    def __init__(self):
        self.home = tempfile.mkdtemp(prefix='fernoa-mozc-')
        os.makedirs(os.path.join(self.home, '.config'))
        cmd = ['mozc_emacs_helper']
        if os.geteuid() == 0:   # the server refuses to run as root
            nobody = pwd.getpwnam('nobody')
            for d in (self.home, os.path.join(self.home, '.config')):
                os.chown(d, nobody.pw_uid, nobody.pw_gid)
            cmd = ['setpriv', '--reuid=%d' % nobody.pw_uid, '--regid=%d' % nobody.pw_gid, '--clear-groups'] + cmd
        env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, '.config'))
        self.p = subprocess.Popen(cmd, stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env, text=True, encoding='utf-8')
        self.greeting = self.p.stdout.readline()
        self.n = 0
    def send(self, text):
        self.n += 1
        self.p.stdin.write('(%d %s)\n' % (self.n, text)); self.p.stdin.flush()
        return self.p.stdout.readline()
    def candidates(self, reading):
        """The conversion candidates of `reading` typed as romaji and converted
        once, when the whole reading is one segment; None otherwise."""
        r = self.send('CreateSession')
        sid = re.search(r'emacs-session-id \. (\d+)', r).group(1)
        for ch in romaji(reading):
            self.send('SendKey %s %d' % (sid, ord(ch)))
        r = self.send('SendKey %s space' % sid)
        self.send('DeleteSession %s' % sid)
        segs = re.findall(r'\(segment \((.*?)\)\)', r)
        keys = re.findall(r'\(key \. "([^"]*)"\)\)\)', r)
        m = re.search(r'\(all-candidate-words \. \(\(focused-index \. \d+\)\(candidates (.*)\)\(category', r)
        if not m:
            return None
        first_seg_key = re.search(r'\(preedit \. \(\(cursor \. \d+\)\(segment \(\(annotation \. highlight\)\(value \. "[^"]*"\)\(value-length \. \d+\)\(key \. "([^"]*)"\)', r)
        if not first_seg_key or first_seg_key.group(1) != reading:
            return None
        out = []
        for c in re.finditer(r'\(\(id \. -?\d+\)\(index \. (\d+)\)(\(key \. "([^"]*)"\))?\(value \. "((?:[^"\\]|\\.)*)"\)', m.group(1)):
            if c.group(3) is None or c.group(3) == reading:
                out.append(c.group(4))
        return out
    def typed(self, keys):
        """What the keys show in the composition, unconverted."""
        r = self.send('CreateSession')
        sid = re.search(r'emacs-session-id \. (\d+)', r).group(1)
        for ch in keys:
            r = self.send('SendKey %s %d' % (sid, ord(ch)))
        self.send('DeleteSession %s' % sid)
        m = re.search(r'\(segment \(\(annotation \. \w+\)\(value \. "([^"]*)"\)', r)
        return m.group(1) if m else None

    def katakana(self, reading):
        """What `reading` becomes on F7, the key that turns it into katakana."""
        r = self.send('CreateSession')
        sid = re.search(r'emacs-session-id \. (\d+)', r).group(1)
        for ch in romaji(reading):
            self.send('SendKey %s %d' % (sid, ord(ch)))
        r = self.send('SendKey %s f7' % sid)
        self.send('DeleteSession %s' % sid)
        m = re.search(r'\(preedit \. \(\(cursor \. \d+\)\(segment \(\(annotation \. \w+\)\(value \. "([^"]*)"\)', r)
        return m.group(1) if m else None

    def close(self):
        self.p.stdin.close(); self.p.wait()
        # the helper started a server under the temporary home: end it
        for pid in os.listdir('/proc'):
            if not pid.isdigit(): continue
            try:
                env = open('/proc/%s/environ' % pid, 'rb').read().split(b'\0')
            except OSError:
                continue
            if ('HOME=' + self.home).encode() in env:
                try: os.kill(int(pid), 15)
                except OSError: pass
        shutil.rmtree(self.home, ignore_errors=True)



def open_mozc():
    if not shutil.which("mozc_emacs_helper") or not shutil.which("setpriv"):
        raise Fail("the reading check needs Mozc: apt-get install emacs-mozc-bin")
    m = Mozc()
    if '(version . "%s")' % MOZC_VERSION not in m.greeting:
        m.close()
        raise Fail("the reading check is pinned to Mozc %s (emacs-mozc-bin): found %s"
                   % (MOZC_VERSION, m.greeting.strip()))
    return m


def reading_tries(component, table, src, offered):
    """Readings worth trying for a component, in order of preference: its
    radical names, then KANJIDIC's readings and SKK's, the ones SKK ranks
    higher first."""
    forms = [component] + [v for v in table.get(component, []) if not is_katakana(v)]
    tries = []
    for r in RADICAL_NAMES.get(component, ()) + (RADICAL_NAMED.get(component), RADICAL_READING.get(component)):
        if r:
            tries.append(r)
    ranked = collections.defaultdict(lambda: 99)
    for f in forms:
        for r, pos in offered.get(f, {}).items():
            ranked[r] = min(ranked[r], pos)
    own = src.readings.get(component, [])
    tries += sorted((r for r in own if len(r) >= 2), key=lambda r: (ranked[r], own.index(r)))
    tries += sorted(ranked, key=lambda r: (ranked[r], r))
    out = []
    for r in tries:
        if r not in out and all("\u3041" <= c <= "\u309f" or c == "ー" for c in r):
            out.append(r)
    return out


def edict_words(src):
    """EDICT's words with their readings, common ones ("(P)") first."""
    if not hasattr(src, "_edict_words"):
        words = []
        for line in src.edict.splitlines():
            m = re.match(r"(\S+) \[(\S+)\] /(.*)", line)
            if m:
                words.append((m.group(1), m.group(2), "(P)" in m.group(3)))
        src._edict_words = sorted(words, key=lambda w: not w[2])
    return src._edict_words


def word_tries(forms, src):
    """Words to type and then cut down to the component: the component with
    its okurigana, in KANJIDIC's order (止まる before 止す), then a common
    two-kanji word, those of SKK's small and medium dictionaries and those
    whose other kanji is frequent first (紹介)."""
    out = []
    for stem, okuri in src.okurigana.get(forms[0], []):
        out.append((forms[0] + okuri, stem + okuri, forms[0], okuri))
    pairs = []
    for word, reading, common in edict_words(src):
        hits = [c for c in word if c in forms]
        if len(word) != 2 or len(hits) != 1 or not common:
            continue
        rest = word.replace(hits[0], "", 1)
        if "\u4e00" <= rest <= "\u9fff":
            pairs.append(((word not in src.common_words, src.freq.get(rest, 3000), word), reading, hits[0], rest))
    pairs.sort()
    out += [(key[2], reading, f, rest) for key, reading, f, rest in pairs[:16]]
    return out


def reading_of(component, table, src, offered, mozc):
    """How to bring the component up in Mozc, checked with Mozc: a reading
    that puts it, or a form typed for it, on the first page of candidates;
    for a katakana part, or a radical that has a katakana form, its kana and
    F7; else a word to type and cut down.  Returns (text for the help page,
    the form obtained), or None when Mozc offers it in none of these ways."""
    if is_katakana(component):
        kana = hiragana(component)
        if mozc.katakana(kana) == component:
            return ("「%s」を入力して F7（カタカナ）" % kana, component)
        return None
    same = [v for v in table.get(component, []) if LOOKALIKE.get(component) != v]
    forms = [component] + [v for v in same if not is_katakana(v)]
    if component in LOOKALIKE and not is_katakana(LOOKALIKE[component]):
        forms.append(LOOKALIKE[component])
    for r in reading_tries(component, table, src, offered):
        page = (mozc.candidates(r) or [])[:MOZC_PAGE]
        for f in forms:
            if f in page:
                return ("「%s」→ %s" % (r, f), f)
    for v in same:
        if is_katakana(v) and mozc.katakana(hiragana(v)) == v:
            return ("「%s」を入力して F7（カタカナ）→ %s" % (hiragana(v), v), v)
    if component in KEY_WAYS:
        key, gives = KEY_WAYS[component]
        if mozc.typed(key) == gives:
            return ("「%s」のキー → %s" % (key, gives), gives)
    tries = word_tries(forms, src)
    if component in WORD_WAYS:
        reading, word = WORD_WAYS[component]
        tries.insert(0, (word, reading, component, word.replace(component, "", 1)))
    for word, reading, f, rest in tries:
        if word in (mozc.candidates(reading) or [])[:MOZC_PAGE]:
            rest = " と ".join(part for part in word.split(f, 1) if part)
            return ("「%s」→ %s の %s を消す" % (reading, word, rest), f)
    # Further down the candidates: the earliest page any reading gives.
    best = None
    for r in reading_tries(component, table, src, offered):
        cands = mozc.candidates(r) or []
        for f in forms:
            if f in cands and (best is None or cands.index(f) < best[0]):
                best = (cands.index(f), r, f)
    if best:
        i, r, f = best
        return ("「%s」→ %s（候補の %d ページ目）" % (r, f, i // MOZC_PAGE + 1), f)
    return None


# ---------------------------------------------------------------- variants

def radical_code_points(src):
    """Kangxi radicals and the CJK radicals supplement, each with the unified
    ideograph it stands for (NFKC for the Kangxi block, Unicode's list of
    equivalent ideographs for the supplement)."""
    out = {}
    for cp in range(0x2F00, 0x2FD6):
        out[chr(cp)] = unicodedata.normalize("NFKC", chr(cp))
    for line in src.equivalent.splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        cps, uni = [x.strip() for x in line.split(";")]
        lo, _, hi = cps.partition("..")
        for cp in range(int(lo, 16), int(hi or lo, 16) + 1):
            if 0x2E80 <= cp <= 0x2EFF:
                out[chr(cp)] = chr(int(uni, 16))
    return out


def variant_table(stored, src):
    """Each stored component and what a learner may type for it, in the order
    of first appearance in the dictionary."""
    table = collections.OrderedDict((c, []) for c in stored)

    def add(s, v):
        if s in table and v != s and v not in table[s]:
            table[s].append(v)

    for v, s in SAME_SHAPE.items():
        add(s, v)
    for s, v in LOOKALIKE.items():
        add(s, v)
    for form, written in SUBSTITUTE.items():
        if len(written) == 1 and len(form) == 1 and not ("\u2e80" <= form <= "\u2fdf"):
            add(written, form)
    add("阜", "阝")
    add("邑", "阝")
    for form, written in TYPED_FORMS.items():
        add(written, form)
    # A shape written as two components, typed as one character.
    for form, written in SUBSTITUTE.items():
        if len(written) == 2 and all(c in table for c in written):
            table.setdefault(written, []).append(form)
    for rad, uni in sorted(radical_code_points(src).items()):
        written = SUBSTITUTE.get(rad) or SUBSTITUTE.get(uni) or TYPED_FORMS.get(uni) or uni
        if len(written) == 1:
            add(written, rad)
        elif written in table and rad not in table[written]:
            table[written].append(rad)
    # Unicode forms of one stored component never stand for another: a
    # variant that is itself stored is a look-alike, listed by hand.
    return table


def variant_lines(table):
    lines = [
        "# 部品の異体：辞書に保存された部品,同じ形の異体,…;似た別の形,…",
        "# tools/dictgen/generate が書く。手で直さないこと。",
        "# 行の先頭が保存形（辞書のすべての部品）。後ろに、同じ形の別の書き方（入力メソッドが出す部首形、CP932にない文字を含む）を並べる。",
        "# ; の後ろは、似ているが別の部品として保存される形（囗 に対する 口）。解体では正解にするが、連結では同じ部品と数えない。",
        "# 先頭が２文字の行は、辞書が２つの部品で書く形と、それを１文字で入力したもの（广冫 と 疒）。",
        "# UTF-8 で書く（CP932 では書けない文字があるため）。",
    ]
    for s, vs in table.items():
        look = [v for v in vs if LOOKALIKE.get(s) == v]
        same = [v for v in vs if v not in look]
        # every stored form, so none is taken for a variant
        lines.append(",".join([s] + same) + (";" + ",".join(look) if look else ""))
    return lines


# ---------------------------------------------------------------- help page

HELP_PAGE = os.path.join(REPO, "data", "FernoaHelp", "parts.html")


def html(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


# Where a component stands in the kanji that use it, as a radical table
# groups them; the stored form names the group of its radical form (水 for
# さんずい, 火 for れっか).  Components not listed stand in many places.
POSITIONS = [
    ("hen", "へん（左側）",
     "水人手阜示衣犬食糸言金彳冫歹爿女土木日口王石目禾米足車貝馬虫耳舟山巾弓子方牛片月立矢骨角酉豸革魚歯"),
    ("tsukuri", "つくり（右側）", "刀邑攵頁欠殳隹卩斤寸力彡戈見鳥又"),
    ("kanmuri", "かんむり（上）", "宀艸竹冖雨亠ツ老四癶穴虍ソ羽"),
    ("ashi", "あし（下）", "心火儿皿廾夂"),
    ("tare", "たれ（上から左へ）", "广厂尸"),
    ("nyou", "にょう（左から下へ）", "之廴走"),
    ("kamae", "かまえ（囲む）", "囗門冂勹匚行凵"),
]


def help_page(order, table, readings, users, strokes):
    """The help page "部品の入力": every stored component grouped by where it
    stands (へん, つくり, かんむり …), then all of them by strokes, katakana
    first, as a radical table is ordered."""
    def row(c):
        vs = table.get(c, [])
        shown = [v for v in vs if not ("\u2e80" <= v <= "\u2fdf")]
        radical_forms = [v for v in vs if "\u2e80" <= v <= "\u2fdf"]
        how = MOZC_NONE.get(c, "") if readings[c] is None else readings[c][0]
        return "<tr><td class=\"big\">%s</td><td>%s</td><td>%s</td><td>%d</td></tr>" % (
            html(c), html(" ".join(shown + radical_forms)), html(how), len(users[c]))

    def by_strokes(cs):
        return sorted(cs, key=lambda c: (not is_katakana(c), strokes(c) or 99, c))

    head = "<tr><th>部品</th><th>入力してもよい文字</th><th>入力のしかた（Mozc で確認）</th><th>使う漢字の数</th></tr>"
    placed = set()
    sections, toc = [], []
    for key, title, members in POSITIONS:
        cs = by_strokes(c for c in members if c in users)
        placed |= set(cs)
        toc.append("<a href=\"#%s\">%s</a>" % (key, title.split("（")[0]))
        sections.append("<h2><a name=\"%s\">%s</a></h2>\n<table>\n%s\n%s\n</table>" % (
            key, title, head, "\n".join(row(c) for c in cs)))
    rest = by_strokes(c for c in order if c not in placed)
    toc.append("<a href=\"#other\">そのほか</a>")
    sections.append("<h2><a name=\"other\">そのほか（いろいろな位置に立つ部品）</a></h2>\n<table>\n%s\n%s\n</table>" % (
        head, "\n".join(row(c) for c in rest)))
    counts = collections.OrderedDict()
    for c in by_strokes(order):
        counts.setdefault("カタカナ" if is_katakana(c) else "%d画" % (strokes(c) or 0), []).append(c)
    stoc = []
    stroke_sections = []
    for i, (label, cs) in enumerate(counts.items()):
        stoc.append("<a href=\"#s%d\">%s</a>" % (i, label))
        stroke_sections.append("<h3><a name=\"s%d\">%s</a></h3>\n<table>\n%s\n%s\n</table>" % (
            i, label, head, "\n".join(row(c) for c in cs)))
    return """<!DOCTYPE html>
<html lang="ja"><head><meta charset="utf-8"><title>部品の入力</title>
<link rel="stylesheet" type="text/css" href="style.css"></head><body>
<p class="nav"><a href="index.html">はじめに</a> | <a href="games.html">ゲームの遊び方</a> | <a href="screens.html">記録を見る画面</a> | <a href="data.html">データとライセンス</a> | <a href="parts.html">部品の入力</a> | <a href="about.html">このソフトについて</a></p>
<h1>部品の入力</h1>
<p>漢字辞書は、漢字を組み立てる部品を Shift-JIS で書ける文字で保存しています。部首の形（宀 冖 勹 儿 囗 …）が Shift-JIS にあればその字を、ないもの（氵 亻 扌 辶 …）は意味の通じる元の字（水 人 手 之 …）を、部品でしか現れない形はカタカナの似た字（ツ ヨ ク ソ ナ …）を使います。</p>
<p>解体ゲームなど部品を入力する場面では、表の「入力してもよい文字」も正解になります。日本語入力で「さんずい」と変換して出る 氵 も、水 と同じに数えます。口（くち）を 囗（くにがまえ）の代わりに打っても解体では正解ですが、連結ゲームでは 口 と 囗 は別の部品です。やまいだれ 疒 は、辞書では 广 と 冫 の２つの部品ですが、疒 と打てば両方が埋まります。</p>
<p>「入力のしかた」は、日本語入力 Mozc で部品を出す方法で、Mozc で確かめてあります。「→」の後ろの字が、読みを変換したときの候補の１ページ目に出ます。カタカナの部品は、読みを打って F7 でカタカナにします。「…を消す」は、その言葉に変換してから、いらない字を消す方法です。</p>
<p><b>Ctrl+F</b> で、このページの中を探せます（部品の字、読み、「さんずい」などの名前で）。Enter で次へ、Esc で閉じます。</p>
<p>位置で探す：%s<br>画数で探す：<a href="#strokes">画数順</a>（%s）</p>
%s
<h2><a name="strokes">画数順</a></h2>
%s
</body></html>
""" % (" | ".join(toc), " ".join(stoc), "\n".join(sections), "\n".join(stroke_sections))


# --------------------------------------------------------------- compounds

COMPOUNDS_KEPT = 6000


def compounds(src, finished):
    """The common two-kanji words of EDICT ("(P)") whose kanji both have an
    entry: the COMPOUNDS_KEPT most common, and for every kanji left out of
    them its most common word, in code point order.  Rank: words of SKK's
    small and medium dictionaries first, then a weighted sum of three ranks:
    how many longer words of EDICT and SKK's dictionaries contain the word
    (a familiar word makes many: 俳優 in 映画俳優, 俳優座 …), counted twice;
    the newspaper rank of its rarer kanji in KANJIDIC; and, at half weight,
    its cost in mecab-ipadic; a kanji beyond primary school counts against
    it."""
    words = set()
    for line in src.edict.splitlines():
        if "/(P)/" not in line and not line.rstrip().endswith("(P)/"):
            continue
        head = line.split(" ", 1)[0]
        for w in head.split(";"):
            w = w.split("(", 1)[0]
            if len(w) == 2 and w[0] in finished and w[1] in finished:
                words.add(w)
    words = sorted(words)
    if not words:
        return []
    longer = set()
    for line in src.edict.splitlines():
        for w in line.split(" ", 1)[0].split(";"):
            longer.add(w.split("(", 1)[0])
    for text in src.skk:
        for line in text.splitlines():
            if not line.startswith(";"):
                for cand in line.partition(" ")[2].strip().strip("/").split("/"):
                    longer.add(cand.split(";", 1)[0])
    wanted = set(words)
    family = collections.Counter()
    for h in longer:
        if len(h) > 2:
            for i in range(len(h) - 1):
                if h[i:i + 2] in wanted:
                    family[h[i:i + 2]] += 1

    def rank(key):
        return {w: i / len(words) for i, w in enumerate(sorted(words, key=lambda w: (key(w), w)))}
    by_family = rank(lambda w: -family[w])
    by_kanji = rank(lambda w: max(src.freq.get(c, 3000) for c in w))
    by_cost = rank(lambda w: src.word_cost.get(w, 1 << 30))

    def score(w):
        late = any(src.grade.get(c, 9) > 6 for c in w)
        return (w not in src.common_words,
                2 * by_family[w] + by_kanji[w] + 0.5 * by_cost[w] + (0.5 if late else 0), w)
    ranked = sorted(words, key=score)
    kept = set(ranked[:COMPOUNDS_KEPT])
    covered = {c for w in kept for c in w}
    for w in ranked[COMPOUNDS_KEPT:]:
        if any(c not in covered for c in w):
            kept.add(w)
            covered |= set(w)
    return sorted(kept)


BOARD_DRAWS = 10000
SECOND_ANSWER_TRIES = 64


def excavation_board(distinct, questions, several_by_n, n, rng):
    """One excavation board as the game draws it (games/excavation/
    ExcavationBoard): two answers of two or more distinct components laid
    first, each uniformly among the entries that fit, together on at most
    half the board; the other tiles at random."""
    room = max(2, n // 2)
    several = [q for m in range(2, room + 1) for q in several_by_n.get(m, [])]
    opening = [q for m in range(2, room - 1) for q in several_by_n.get(m, [])]
    first = rng.choice(opening or several)
    placed = list(dict.fromkeys(questions[first][1]))

    def fits(q):
        return (questions[q][0] != questions[first][0]
                and len(set(questions[q][1]) - set(placed)) <= room - len(placed))
    second = None
    for _ in range(SECOND_ANSWER_TRIES):
        q = rng.choice(several)
        if fits(q):
            second = q
            break
    if second is None:
        fitting = [q for q in several if fits(q)]
        second = rng.choice(fitting) if fitting else None
    if second is not None:
        placed += [c for c in dict.fromkeys(questions[second][1]) if c not in placed]
    rest = [c for c in distinct if c not in set(placed)]
    return set(placed) | set(rng.sample(rest, n - len(placed)))


def simulate(entries, rng):
    distinct = []
    seen = set()
    for _, p in entries:
        for c in p:
            if c not in seen:
                seen.add(c)
                distinct.append(c)
    # A primitive entry is never a board's answer.
    questions = [(k, p) for k, p in entries if p != k]
    sets = [set(p) for _, p in questions]
    several_by_n = collections.defaultdict(list)
    for i, s in enumerate(sets):
        if len(s) >= 2:
            several_by_n[len(s)].append(i)
    out = {}
    for n in (12, 18, 24):
        fair = 0
        for _ in range(BOARD_DRAWS):
            board = excavation_board(distinct, questions, several_by_n, n, rng)
            kanji = {questions[i][0] for i, s in enumerate(sets) if len(s) >= 2 and s <= board}
            if len(kanji) >= 2:
                fair += 1
        out["excavation", n] = fair / BOARD_DRAWS
    for n in (12, 18, 24):
        closed = 0
        worst = 0
        for _ in range(TRIALS):
            cand = list(range(len(questions)))
            used = set()
            total = 0
            draws = 0
            while total != n and cand and draws < 1000:
                draws += 1
                i = int(len(cand) * rng.random())
                k, p = questions[cand[i]]
                if k in used:
                    continue
                used.add(k)
                del cand[i]
                v = total + len(p)
                if v == n or v < n - 1:
                    total = v
            if total == n:
                closed += 1
                worst = max(worst, draws)
        out["landfill", n] = (closed / TRIALS, worst)
    compset = collections.defaultdict(set)
    for k, p in entries:
        compset[k] |= set(p)
    users = collections.defaultdict(set)
    for k, s in compset.items():
        for c in s:
            users[c].add(k)
    # As the link game judges: a shared component, or one kanji a component
    # of the other.
    lonely = [k for k, s in compset.items()
              if all(users[c] == {k} for c in s) and not users[k] - {k}
              and not any(c != k and c in compset for c in s)]
    out["link"] = (len(lonely), len(compset), lonely)
    return out


# ------------------------------------------------------------------ checks

def encode_lines(lines):
    return b"".join(line.encode("cp932") + b"\r\n" for line in lines)


def check(entries, words, builder, problems):
    joyo = set(builder.joyo)
    finished = {k for k, _ in entries}
    for k in sorted(joyo - finished):
        problems.append("jōyō kanji %s has no entry" % k)
    per = collections.defaultdict(set)
    for k, p in entries:
        if len(k) != 1:
            problems.append("finished kanji %r is not one character" % k)
        if not 1 <= len(p) <= MAX_COMPONENTS:
            problems.append("%s,%s: %d components" % (k, p, len(p)))
        for c in p:
            if c not in builder.allowed:
                problems.append("%s,%s: component %s is not typeable" % (k, p, c))
        for c in k + p:
            if not cp932_ok(c):
                problems.append("%s,%s: %s not in code page 932" % (k, p, c))
            if c in ',"':
                problems.append("%s,%s: comma or quote" % (k, p))
        per[k] |= set(p)
    for k, s in per.items():
        if len(s) > MAX_DISTINCT:
            problems.append("%s has %d distinct components" % (k, len(s)))
    if len(set(entries)) != len(entries):
        problems.append("duplicate entries")
    must = {"時": "日土寸", "結": "糸士口", "計": "言十"}
    for k, p in must.items():
        if (k, p) not in entries:
            problems.append("%s must be %s" % (k, p))
    if "時計" not in words:
        problems.append("時計 missing from the compounds")
    for w in words:
        if len(w) != 2 or w[0] not in finished or w[1] not in finished:
            problems.append("compound %s has a kanji without entry" % w)
    if len(words) < 6000:
        problems.append("only %d compounds" % len(words))
    for n in (len(entries), len(words)):
        if n > 32766:
            problems.append("a dictionary holds more than 32,766 records")


def check_file_format(path, records, problems):
    raw = open(path, "rb").read()
    text = raw.decode("cp932")
    if not raw.endswith(b"\r\n") or b"\r\n\r\n" in raw or raw.startswith(b"\r\n"):
        problems.append("%s: blank line or missing final CR LF" % path)
    if raw.replace(b"\r\n", b"").find(b"\n") >= 0 or raw.replace(b"\r\n", b"").find(b"\r") >= 0:
        problems.append("%s: stray CR or LF" % path)
    lines = text.split("\r\n")[:-1]
    if lines != records:
        problems.append("%s does not read back as written" % path)


def statistics(entries, words):
    users = collections.defaultdict(set)
    for k, p in entries:
        for c in p:
            users[c].add(k)
    hist = collections.Counter(len(p) for _, p in entries)
    once = sorted(c for c, u in users.items() if len(u) == 1)
    by_multiset = collections.defaultdict(list)
    for k, p in entries:
        by_multiset["".join(sorted(p))].append(k)
    pairs = []
    for key, ks in sorted(by_multiset.items()):
        ks = sorted(set(ks))
        for i in range(len(ks)):
            for j in range(i + 1, len(ks)):
                pairs.append((ks[i], ks[j], key))
    return users, hist, once, pairs


STROKE_EXCEPTIONS = os.path.join(HERE, "strokes.txt")
VARIANT_FILE = os.path.join(REPO, "data", "部品異体.txt")


def read_stroke_exceptions():
    """Splits whose strokes do not add up to the whole, each with its reason:
    "kanji components reason"."""
    out = {}
    with open(STROKE_EXCEPTIONS, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = line.split(None, 2)
            if len(fields) < 3:
                raise Fail("strokes.txt:%d: kanji, components and a reason" % n)
            out[fields[0], fields[1]] = fields[2]
    return out


def stroke_options(src, c):
    """The stroke counts a stored component may stand for: its own, and that
    of every radical form written as it (水 for the three strokes of 氵)."""
    out = set()
    for form in [c] + [r for r, w in SUBSTITUTE.items() if w == c]:
        n = src.stroke_count(form)
        if n:
            out.add(n)
    return out


def possible_sums(options):
    sums = {0}
    for o in options:
        sums = {a + b for a in sums for b in o}
    return sums


def check_strokes(entries, builder, problems):
    """Every split adds up to the strokes of its kanji, or is listed with a
    reason.  Returns the number of listed splits in use."""
    listed = read_stroke_exceptions()
    used = set()
    for k, p in entries:
        if p == k:
            continue
        counts = [stroke_options(builder.src, c) for c in p]
        whole = builder.src.stroke_count(k)
        if not all(counts) or whole is None:
            problems.append("%s,%s: no stroke count for a part" % (k, p))
            continue
        if whole in possible_sums(counts):
            continue
        if (k, p) in listed:
            used.add((k, p))
            continue
        problems.append("%s,%s: %s strokes in the parts, %d in the kanji"
                        % (k, p, "/".join(map(str, sorted(possible_sums(counts)))), whole))
    for e in sorted(set(listed) - used):
        problems.append("strokes.txt lists %s,%s, which is not an entry that needs it" % e)
    return len(used)


PRIMITIVES = os.path.join(HERE, "primitives.txt")
MAX_PRIMITIVES = 170


def check_primitives(entries, problems):
    """Every primitive entry (日 = 日) is listed with the reason a teacher
    would give for not splitting it.  Returns the number listed."""
    listed = {}
    with open(PRIMITIVES, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = line.split(None, 1)
            if len(fields) < 2 or len(fields[0]) != 1:
                raise Fail("primitives.txt:%d: a kanji and a reason" % n)
            listed[fields[0]] = fields[1]
    primitive = {k for k, p in entries if p == k}
    if len(primitive) > MAX_PRIMITIVES:
        problems.append("%d primitive kanji, more than %d" % (len(primitive), MAX_PRIMITIVES))
    for k in sorted(primitive - set(listed)):
        problems.append("%s is primitive without a reason in primitives.txt" % k)
    for k in sorted(set(listed) - primitive):
        problems.append("primitives.txt lists %s, which is split" % k)
    return len(primitive & set(listed))


def check_atoms(entries, builder, problems):
    own = collections.defaultdict(list)
    for k, p in entries:
        own[k].append(p)
    for a in sorted(builder.atoms):
        if a in own and own[a] != [a]:
            problems.append("%s is kept whole inside other kanji but split in its own entry" % a)


def check_shapes(entries, problems):
    for k, p in entries:
        for c in p:
            if c in SAME_SHAPE:
                problems.append("%s,%s: %s is written %s elsewhere" % (k, p, c, SAME_SHAPE[c]))


def school_grade(src, k):
    """KANJIDIC's grade of a kanji; KANJIDIC2's for the four jōyō kanji the
    older file lists without one (shipped in their code page 932 form)."""
    if k in src.grade:
        return src.grade[k]
    original = {v: o for o, v in CP932_FORM.items()}.get(k, k)
    for c in (k, original):
        d = src.json("dist/data/kanjidic/%x.json" % ord(c))
        if d and d["misc"][0].get("grade"):
            return int(d["misc"][0]["grade"][0])
    return None


def main(argv, src=None):
    quiet_list = "--quiet" in argv
    problems = []
    try:
        src = src or Sources(fetch())
        b = Builder(src)
        if len(b.joyo) != 2136 or len(set(b.joyo)) != 2136:
            raise Fail("the jōyō list does not hold 2,136 kanji")
        entries, missing = b.build()
        for k in missing:
            problems.append("%s: no usable tree; needs an override" % k)
        finished = {k for k, _ in entries}
        words = compounds(src, finished)
        check(entries, words, b, problems)
        exceptions = check_strokes(entries, b, problems)
        check_atoms(entries, b, problems)
        primitives_listed = check_primitives(entries, problems)
        check_shapes(entries, problems)
        kanji_order = list(dict.fromkeys(k for k, _ in entries))
        reading_lines = reading_data.reading_lines(kanji_order, words, lambda k: school_grade(src, k),
                                                   src.kanjidic, src.edict)
        reading_data.check_reading_lines(reading_lines, b.joyo, words, problems)
        order = []
        for _, p in entries:
            for c in p:
                if c not in order:
                    order.append(c)
        table = variant_table(order, src)
        offered = skk_readings(src)
        readings = {}
        mozc = open_mozc()
        try:
            for c in order:
                r = reading_of(c, table, src, offered, mozc)
                if r is None and c not in MOZC_NONE:
                    problems.append("component %s: no reading puts it on Mozc's first page" % c)
                readings[c] = r
        finally:
            mozc.close()
    except Fail as e:
        print("error:", e, file=sys.stderr)
        return 1
    if problems and "--draft" in argv:
        for p in problems:
            print("error:", p, file=sys.stderr)
        problems = []
    if problems:
        for p in problems:
            print("error:", p, file=sys.stderr)
        print("%d problems; files not written" % len(problems), file=sys.stderr)
        return 1

    kanji_lines = ["%s,%s" % e for e in entries]
    os.makedirs(os.path.dirname(KANJI_FILE), exist_ok=True)
    with open(KANJI_FILE, "wb") as f:
        f.write(encode_lines(kanji_lines))
    with open(COMPOUND_FILE, "wb") as f:
        f.write(encode_lines(words))
    check_file_format(KANJI_FILE, kanji_lines, problems)
    check_file_format(COMPOUND_FILE, words, problems)
    with open(READING_FILE, "wb") as f:
        f.write(encode_lines(reading_lines))
    check_file_format(READING_FILE, reading_lines, problems)
    with open(VARIANT_FILE, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(variant_lines(table)) + "\n")

    users, hist, once, pairs = statistics(entries, words)
    with open(HELP_PAGE, "w", encoding="utf-8", newline="\n") as f:
        f.write(help_page(order, table, readings, users, src.stroke_count))
    sim = simulate(entries, random.Random(SEED))
    for n in (12, 18, 24):
        if sim["excavation", n] < 0.9:
            problems.append("excavation N=%d: only %.1f %% of boards are fair" % (n, 100 * sim["excavation", n]))
    for n in (12, 18, 24):
        if sim["landfill", n][0] < 1.0:
            problems.append("landfill N=%d closes in only %.1f %%" % (n, 100 * sim["landfill", n][0]))
    lonely, nk, lonely_list = sim["link"]
    if lonely > nk / 100:
        problems.append("link: %d of %d kanji share no component" % (lonely, nk))

    primitive = sum(1 for k, p in entries if p == k)
    print("漢字辞書.TXT: %d entries (%d primitive, never a question), %d finished kanji, %d distinct components"
          % (len(entries), primitive, len(set(k for k, _ in entries)), len(users)))
    print("components per entry:", ", ".join("%d: %d" % (n, hist[n]) for n in sorted(hist)))
    print("components used by one kanji only: %d%s" % (len(once), (" (" + "".join(once) + ")") if once else ""))
    print("pairs of kanji with identical components: %d" % len(pairs))
    if pairs and not quiet_list:
        print("  " + " ".join("%s/%s(%s)" % p for p in pairs))
    print("primitive kanji, each listed with its reason: %d" % primitives_listed)
    print("splits whose strokes do not add up, listed with a reason: %d" % exceptions)
    failing = [c for c in order if readings[c] is None or "ページ目" in readings[c][0]]
    print("components whose way to type them fails in Mozc %s: %d%s; of the others %d by a reading on the first"
          " candidate page, %d by F7, %d by a key, %d by a word to cut down"
          % (MOZC_VERSION, len(failing), (" (" + "".join(failing) + ": the help page names a later page or another way)") if failing else "",
             sum(1 for c in order if readings[c] and c not in failing and "→" in readings[c][0]
                 and "消す" not in readings[c][0] and "F7" not in readings[c][0] and "キー" not in readings[c][0]),
             sum(1 for c in order if readings[c] and "F7" in readings[c][0]),
             sum(1 for c in order if readings[c] and "キー" in readings[c][0]),
             sum(1 for c in order if readings[c] and "消す" in readings[c][0])))
    print("variant table: %d stored components with variants, %d variants"
          % (sum(1 for v in table.values() if v), sum(len(v) for v in table.values())))
    joyo = set(b.joyo)
    alone = sorted(joyo - {c for w in words for c in w})
    print("熟語辞書.TXT: %d common two-kanji words; jōyō kanji in no compound: %d (no two-kanji word of EDICT's"
          " common ones has them)" % (len(words), len(alone)))
    print("読みと意味.TXT: %d kanji with grade, readings and meaning, %d words with reading and meaning"
          % (len(kanji_order), len(words)))
    print("playability (%d trials each, seed %d):" % (TRIALS, SEED))
    for n in (12, 18, 24):
        print("  excavation N=%d: %.1f %% of %d boards offer two or more answers of several tiles"
              % (n, 100 * sim["excavation", n], BOARD_DRAWS))
    for n in (12, 18, 24):
        rate, worst = sim["landfill", n]
        print("  landfill N=%d: closed in %.1f %% of trials (at most %d draws)" % (n, 100 * rate, worst))
    print("  link: %d of %d kanji link to no other%s"
          % (lonely, nk, (" (" + "".join(lonely_list) + ")") if lonely_list else ""))
    if problems:
        for p in problems:
            print("error:", p, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
