#!/usr/bin/env python3
"""Checks the word list assets/worte_D.lst of the word exercise.

The file: UTF-8, CR LF line ends, one word a line, "'" starts a comment line. Every
word is written in the letters A-Z and a-z only (umlauts as ae, oe, ue), appears once
(letter case aside) and is found in the German dictionary of Debian's wngerman package
exactly as written (so nouns are capitalised), reading any ae, oe, ue as an umlaut
where the plain spelling is no word.

Then every shipped lesson is loaded as the program loads it (for every staff and key
the browser can pick) and the words it can ask are counted with the program's rule:
the lesson's letter names (a name left out when it already occurs in the names before
it), matched longest first; a word is asked when fewer than half of its letters stay
uncovered (a valid word); more than 100 valid words are thinned to at most 99, keeping
the words with sharp or flat names and the longest of the others (the asked words).
Required: at least MIN_WORDS words; every lesson of the seven natural notes has at least
MIN_NATURAL valid words (of which the program asks the longest 99 or fewer); every
one-hand lesson asks a word; every lesson with a sharp or flat name asks words that use
one.

Usage: python3 tools/words/check_words.py [--list] [repository folder] [dictionary]
  --list  print the words of every lesson as well.
Exit status 0 when every check passes, 1 otherwise.
"""

from __future__ import annotations

import itertools
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools" / "lessons"))
import check_lessons as lessons  # noqa: E402

MIN_WORDS = 420
MIN_NATURAL = 150
NAMES = "ces|c|cis|des|d|dis|es|e|eis|fes|f|fis|ges|g|gis|as|a|ais|b|h|his".upper().split("|")
NATURALS = {"C", "D", "E", "F", "G", "A", "H"}
UMLAUTS = {"ae": "ä", "oe": "ö", "ue": "ü", "Ae": "Ä", "Oe": "Ö", "Ue": "Ü"}
DICTIONARY = pathlib.Path("/usr/share/dict/ngerman")
THIN_ABOVE, THIN_TO = 100, 99


# ------------------------------------------------------------- the rule ---

def alle_buchstaben(notes: list[int]) -> str:
    """The lesson's letter names, "C|CIS|D"; a name inside the text so far is left out."""
    text = ""
    for v in notes:
        name = NAMES[lessons.spelling(v)]
        if name not in text:
            text += name + "|"
    return text[:-1]


def matching_order(alle: str) -> list[str]:
    given = alle.split("|") if alle else []
    return [n for size in (3, 2, 1) for n in given if len(n) == size]


def split_word(word: str, names: list[str]) -> tuple[list[str], int] | None:
    """The word's parts and its sharp-or-flat flag, or None when it is not asked."""
    cover = parts = word.upper()
    flag = 0
    for name in names:
        if name not in cover:
            continue
        if len(name) > 1:
            flag = 1
        while name in cover:
            cover = cover.replace(name, "*", 1)
            parts = parts.replace(name, f"{NAMES.index(name)}|", 1)
    uncovered = sum(1 for c in cover if c != "*")
    if 2 * uncovered >= len(word):
        return None
    text = "".join(c if ord(c) < 58 or c == "|" else c + "|" for c in parts)
    return text[:-1].split("|"), flag


def thin(words: list[tuple[str, list[str], int]]) -> list[tuple[str, list[str], int]]:
    if len(words) <= THIN_ABOVE:
        return words
    longest = max(len(w[0]) for w in words)
    bound = 3
    while bound <= longest + 1:
        words = [w for w in words if w[2] == 1 or len(w[0]) >= bound]
        if len(words) <= THIN_TO:
            break
        bound += 1
    return words


def valid_words(words: list[str], alle: str) -> list[tuple[str, list[str], int]]:
    """The words the names cover well enough, before thinning."""
    names = matching_order(alle)
    found = []
    for w in words:
        res = split_word(w, names) if names else None
        if res:
            found.append((w.upper(), res[0], res[1]))
    return found


# ------------------------------------------------------------ the file ---

def spellings(word: str) -> list[str]:
    """The word as written and with every choice of its ae, oe, ue read as umlauts."""
    pieces = re.split(r"(ae|oe|ue|Ae|Oe|Ue)", word)
    options = [[p, UMLAUTS[p]] if p in UMLAUTS else [p] for p in pieces]
    return ["".join(choice) for choice in itertools.product(*options)]


def read_list(path: pathlib.Path, errors: list[str]) -> list[str]:
    raw = path.read_bytes()
    if raw.startswith(b"\xef\xbb\xbf"):
        errors.append(f"{path.name}: starts with a byte-order mark")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        errors.append(f"{path.name}: is not UTF-8")
        return []
    if not raw.endswith(b"\r\n"):
        errors.append(f"{path.name}: does not end with CR LF")
    if re.search(rb"(?<!\r)\n", raw) or re.search(rb"\r(?!\n)", raw):
        errors.append(f"{path.name}: has a line end other than CR LF")
    words, seen = [], {}
    for no, line in enumerate(text.split("\r\n")[:-1], start=1):
        if line.startswith("'"):
            continue
        if not re.fullmatch(r"[A-Za-z]+", line):
            errors.append(f"{path.name}:{no}: {line!r} is not a word of the letters A-Z, a-z")
            continue
        key = line.upper()
        if key in seen:
            errors.append(f"{path.name}:{no}: {line!r} repeats line {seen[key]}")
            continue
        seen[key] = no
        words.append(line)
    return words


def check_dictionary(words: list[str], dictionary: pathlib.Path, errors: list[str]) -> None:
    if not dictionary.is_file():
        errors.append(f"{dictionary} is missing (Debian package wngerman)")
        return
    known = set(dictionary.read_text(encoding="utf-8").split("\n"))
    for w in words:
        if not any(s in known for s in spellings(w)):
            errors.append(f"{w!r} is not in {dictionary.name} as written (nouns capitalised)")


# --------------------------------------------------------- the lessons ---

def shipped_lessons(assets: pathlib.Path):
    """(file, number, name, one hand, [names of every pick the browser allows])."""
    for f in lessons.LESSON_FILES:
        if f == "Lektionen.ini.en":
            continue  # the same lessons as the German course
        ini = lessons.IniText(lessons.decode_like_program((assets / f).read_bytes()))
        n = 1
        while ini.read(f"Lesen {n}", "Name"):
            sec = f"Lesen {n}"
            picks = lessons.combos(ini.read(sec, "System"), ini.read(sec, "Tonart"),
                                   ini.read(sec, "Transpose"))
            names = sorted({alle_buchstaben(lessons.load_notes(ini.read(sec, "Noten"), c, t))
                            for c, _, t in picks})
            yield f, n, ini.read(sec, "Name"), ini.value(sec, "ZweiHand") == 0, names
            n += 1


def check_lessons(words: list[str], assets: pathlib.Path, errors: list[str],
                  listing: bool) -> None:
    for f, n, name, one_hand, picks in shipped_lessons(assets):
        counts = []
        for alle in picks:
            valid = valid_words(words, alle)
            asked = thin(valid)
            own = [w for w in asked if w[2] == 1 or
                   ("B" in alle.split("|") and any(p == str(NAMES.index("B")) for p in w[1]))]
            counts.append((alle, len(asked), len(own), len(valid)))
            where = f"{f} [Lesen {n}] {name} ({alle})"
            if not one_hand:
                continue  # two-hand lessons run scrolling notes only
            if not asked:
                errors.append(f"{where}: no word to ask")
            if set(alle.split("|")) == NATURALS and len(valid) < MIN_NATURAL:
                errors.append(f"{where}: {len(valid)} valid words, fewer than {MIN_NATURAL}")
            accidentals = [a for a in alle.split("|") if a not in NATURALS]
            if accidentals and not own:
                errors.append(f"{where}: no word uses {', '.join(accidentals)}")
            if listing:
                print(f"  {where}: {' '.join(w[0] for w in asked)}")
        low = min(counts, key=lambda c: c[1])
        high = max(counts, key=lambda c: c[1])
        hands = "" if one_hand else " (two hands: not offered)"
        if len(counts) == 1:
            print(f"{f} {n:2} {name}: {low[3]} valid, {low[1]} asked, {low[2]} of them with "
                  f"sharp or flat{hands}")
        else:
            print(f"{f} {n:2} {name}: {low[3]}-{high[3]} valid, {low[1]}-{high[1]} asked over "
                  f"{len(counts)} keys, at least {min(c[2] for c in counts if set(c[0].split('|')) - NATURALS)} "
                  f"with sharp or flat where the key has them{hands}")


def self_test(errors: list[str]) -> None:
    """The rule gives what the program gives (tests/lessons/WordTest.cpp has the same cases)."""
    naturals = matching_order("C|D|E|F|G|A|H")
    cases = [
        (split_word("Abgas", naturals), (["16", "B", "13", "16", "S"], 0)),
        (split_word("Fisch", matching_order("FIS|C|H")), (["11", "1", "19"], 1)),
        (split_word("Aas", matching_order("A|AS")), (["16", "15"], 1)),
        (split_word("Dampf", naturals), (["4", "16", "M", "P", "10"], 0)),
        (split_word("Garten", naturals), None),
        (len(thin([("A" * 3, [], 0)] * 50 + [("A" * 5, [], 0)] * 50)), 100),
        (len(thin([("A" * 3, [], 0)] * 40 + [("A" * 4, [], 0)] * 40 + [("A" * 5, [], 0)] * 21)),
         61),
        (len(thin([("A" * 4, [], 1)] * 120 + [("A" * 7, [], 0)] * 30)), 120),
    ]
    for n, (got, wanted) in enumerate(cases, start=1):
        if got != wanted:
            errors.append(f"self test {n}: the rule gives {got}, not {wanted}")


def main(argv: list[str]) -> int:
    listing = "--list" in argv
    args = [a for a in argv if a != "--list"]
    root = pathlib.Path(args[0]) if args else ROOT
    dictionary = pathlib.Path(args[1]) if len(args) > 1 else DICTIONARY
    assets = root / "assets"
    errors: list[str] = []
    self_test(errors)
    words = read_list(assets / "worte_D.lst", errors)
    print(f"worte_D.lst: {len(words)} words")
    if len(words) < MIN_WORDS:
        errors.append(f"worte_D.lst: {len(words)} words, fewer than {MIN_WORDS}")
    check_dictionary(words, dictionary, errors)
    check_lessons(words, assets, errors, listing)
    for e in errors:
        print("ERROR", e)
    if errors:
        print(f"{len(errors)} problem(s)")
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
