#!/usr/bin/env python3
"""Checks the lesson books in assets/ the way the program reads them.

The program finds sections and keys with plain substring searches, so this
checker reads every value the same way ("[" + section + "]" from the start of
the text, the body up to the next "[", LF + key + "=" in the body, the value up
to the CR) and compares it with a strict line-by-line parse. It then loads every
lesson as the loader does, for every staff and key the browser can pick, and
checks the notes that come out.

Usage: python3 tools/lessons/check_lessons.py [assets folder]
Exit status 0 when every check passes, 1 otherwise.
"""

from __future__ import annotations

import pathlib
import re
import sys

LESSON_FILES = ["Lektionen.ini.de", "Lektionen.ini.en", "ViolinLektionen.ini.de",
                "BassLektionen.ini.de", "TonartenLektionen.ini.de"]
REQUIRED_BOOK_FILES = ["ViolinLektionen.ini.de", "BassLektionen.ini.de",
                       "TonartenLektionen.ini.de"]
LESSON_KEYS = ["Name", "Noten", "System", "Tonart", "Transpose", "Intervall", "ZweiHand",
               "SpielZeit", "MaxRichtig", "MaxFalsch", "Level", "Beschreibung"]
OPTIONAL_LESSON_KEYS = ["Oktave", "Notenfenster", "-"]
BOOK_KEYS = ["Kurz", "Name", "Beschreibung", "Datei", "Level"]
INTERVALS = {4, 5, 7, 8, 10, 22, 99, 999}
KEYS = [0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11]          # 6 is no supported key
MAX_NOTES = 149
SAMPLE_LOW, SAMPLE_HIGH = 24, 89                     # MIDI range of the piano samples

# Spelling index 0..20: letter step, semitones above the block's C.
STEP = [i // 3 for i in range(21)]
SEMITONES = [-1, 0, 1, 1, 2, 3, 3, 4, 5, 4, 5, 6, 6, 7, 8, 8, 9, 10, 10, 11, 12]
NAMES = ["Cb", "C", "C#", "Db", "D", "D#", "Eb", "E", "E#", "Fb", "F", "F#", "Gb", "G",
         "G#", "Ab", "A", "A#", "Bb", "B", "B#"]
ODD_SPELLINGS = {0, 8, 9, 20}                        # Cb, E#, Fb, B#

# Key signature: letters altered (C D E F G A B) and kind (1 sharps, 2 flats).
SIGNATURE = {
    0: ("0000000", 0), 1: ("0110111", 2), 2: ("1001000", 1), 3: ("0010011", 2),
    4: ("1101100", 1), 5: ("0000001", 2), 7: ("0001000", 1), 8: ("0110011", 2),
    9: ("1001100", 1), 10: ("0010001", 2), 11: ("1101110", 1),
}

# Rows "Einfach1".."Einfach11" of the transposition table ("Listen.ini").
EINFACH = {
    1: "22|24|25|25|27|28|28|31|33|31|33|34|34|36|37|37|39|40|40|22|24",
    2: "23|25|26|27|28|31|31|32|34|32|34|35|36|37|38|39|40|22|22|23|25",
    3: "25|27|28|28|31|32|33|34|36|34|36|37|37|39|40|40|22|23|24|25|27",
    4: "27|28|31|31|32|34|34|35|37|35|37|38|39|40|22|22|23|25|25|26|28",
    5: "28|31|32|33|34|35|36|37|38|37|39|40|40|22|23|24|25|26|27|28|31",
    7: "32|34|35|36|37|38|39|40|22|40|22|23|24|25|26|27|28|31|31|32|34",
    8: "34|36|37|37|39|40|40|22|24|22|24|25|25|27|28|28|31|32|33|34|36",
    9: "35|37|38|39|40|22|22|23|25|24|25|26|27|28|31|31|32|34|34|35|37",
    10: "37|39|40|40|22|23|24|25|27|25|27|28|28|31|32|33|34|35|36|37|39",
    11: "38|40|22|22|23|25|25|26|28|26|28|31|31|32|34|34|35|37|37|38|40",
}
TRANSPOSE_TABLE = {t: [int(v) % 21 for v in row.split("|")] for t, row in EINFACH.items()}


# ------------------------------------------------------------ pitch model ---

def valid_chroma(v: int) -> bool:
    return 1 <= v <= 90 or 101 <= v <= 190


def midi(v: int) -> int:
    c = v - 100 if v > 100 else v
    return (48 if v <= 100 else 24) + 12 * (c // 21) + SEMITONES[c % 21]


def spelling(v: int) -> int:
    return (v - 100 if v > 100 else v) % 21


def name(v: int) -> str:
    c = v - 100 if v > 100 else v
    octave = c // 21 + (3 if v <= 100 else 1)
    return f"{NAMES[c % 21]}{octave}{'' if v <= 100 else '(bass)'}"


def scale_spellings(key: int) -> set[int]:
    altered, kind = SIGNATURE[key]
    result = set()
    for letter in range(7):
        acc = 1
        if altered[letter] == "1":
            acc = 2 if kind == 1 else 0
        result.add(3 * letter + acc)
    return result


def umrechnen(v: int, t: int) -> int:
    """Moves a chroma value t semitones up, spelled by the table."""
    if t == 0:
        return v
    bass = v > 100
    c = v - 100 if bass else v
    w = TRANSPOSE_TABLE[t][c % 21]
    start = c if t <= 8 else max(c - 21, w)
    r = start + (w - start) % 21
    return r + 100 if bass else r


def load_notes(text: str, choice: int, transpose: int) -> list[int]:
    """The loader's note building: clef switch, transposition, range keeping."""
    elems = []
    for part in text.split("|"):
        if part == "":
            continue
        elems.append(int(part) if re.fullmatch(r"[0-9]+", part) else 0)
    if choice == 1:
        elems = [e - 100 if e > 100 else e for e in elems]
    elif choice == 2:
        elems = [e + 100 if e < 100 else e for e in elems]
    elif choice == 3:
        elems = elems + [e + 100 if e < 100 else e - 100 if e > 100 else e for e in elems]
    t_lo = min([e for e in elems if e <= 100], default=999)
    t_hi = max([e for e in elems if e <= 100], default=0)
    b_lo = min([e for e in elems if e > 100], default=999)
    b_hi = max([e for e in elems if e > 100], default=0)
    out = []
    for e in elems:
        t = umrechnen(e, transpose)
        lo, hi = (t_lo, t_hi) if e <= 100 else (b_lo, b_hi)
        if t > hi:
            t %= 21
            t += 21
            while t <= lo:
                t += 21
        elif t < lo:
            t += 105
            t -= 21
            while t >= hi:
                t -= 21
        out.append(t)
    return out


def repetition_window(count: int, max_interval: int) -> int:
    if count < 6 or max_interval < 5:
        return 1
    if count >= 9 and max_interval >= 8:
        return 3
    return 2


# ------------------------------------------------------------ INI reading ---

class IniText:
    """Reads values exactly as the program's settings store does."""

    def __init__(self, text: str):
        self.text = text

    def read(self, section: str, key: str) -> str:
        head = self.text.find("[" + section + "]")
        if head < 0:
            return ""
        body_start = self.text.find("]", head)
        body_end = self.text.find("[", body_start)
        body = self.text[body_start: body_end if body_end >= 0 else len(self.text)]
        at = body.find("\n" + key + "=")
        if at < 0:
            return ""
        line_end = body.find("\n", at + 1)
        line = body[at + 1: line_end] if line_end >= 0 else body[at + 1:]
        value = line.split("=", 1)[1]
        return value[:-1] if line_end >= 0 else value

    def value(self, section: str, key: str) -> int:
        m = re.match(r"\s*([+-]?)([0-9]*)", self.read(section, key))
        digits = m.group(2)
        return int(m.group(1) + digits) if digits else 0


def decode_like_program(raw: bytes) -> str:
    """No byte-order mark: UTF-8 when the bytes are valid UTF-8, else Latin-1."""
    try:
        return raw.decode("utf-8")
    except UnicodeDecodeError:
        return raw.decode("latin-1")


class Report:
    def __init__(self):
        self.errors: list[str] = []

    def error(self, where: str, message: str) -> None:
        self.errors.append(f"{where}: {message}")


def check_text_file(path: pathlib.Path, rep: Report, allowed_keys: set[str],
                    header: re.Pattern) -> tuple[str, dict[str, dict[str, str]]] | None:
    """Byte-level and line-level checks; returns the text and a strict parse."""
    where = path.name
    if not path.is_file():
        rep.error(where, "missing")
        return None
    raw = path.read_bytes()
    if raw[:3] == b"\xef\xbb\xbf" or raw[:2] in (b"\xff\xfe", b"\xfe\xff"):
        rep.error(where, "starts with a byte-order mark")
    if any(0x80 <= b <= 0x9F for b in raw):
        rep.error(where, "holds bytes 0x80-0x9F, which Windows-1252 and Latin-1 read differently")
    try:
        cp = raw.decode("cp1252")
    except UnicodeDecodeError:
        rep.error(where, "is not Windows-1252 text")
        return None
    text = decode_like_program(raw)
    if text != cp:
        rep.error(where, "the program would not read it as the Windows-1252 text it is")
    if not raw.endswith(b"\r\n"):
        rep.error(where, "does not end with CR LF")
    if re.search(rb"(?<!\r)\n", raw) or re.search(rb"\r(?!\n)", raw):
        rep.error(where, "has a line end other than CR LF")
    sections: dict[str, dict[str, str]] = {}
    current = None
    for no, line in enumerate(text.split("\r\n")[:-1], start=1):
        at = f"{where}:{no}"
        if line == "" or line.startswith("'"):
            if "[" in line:
                rep.error(at, "'[' in a comment would be found as a section start")
            continue
        if line.startswith("["):
            m = header.fullmatch(line)
            if not m:
                rep.error(at, f"unexpected section header {line!r}")
                current = None
                continue
            current = line[1:-1]
            if current in sections:
                rep.error(at, f"section {current!r} appears twice")
            sections[current] = {}
            continue
        if "[" in line:
            rep.error(at, "'[' inside a value cuts the section short")
        if "=" not in line:
            rep.error(at, "line is neither a key, a comment nor a header")
            continue
        key, value = line.split("=", 1)
        if key not in allowed_keys:
            rep.error(at, f"unknown key {key!r} (keys are case-sensitive, no blanks)")
            continue
        if current is None:
            rep.error(at, "key outside a section")
            continue
        if key in sections[current]:
            rep.error(at, f"key {key} twice in section {current!r}")
            continue
        if value != value.strip():
            rep.error(at, f"value of {key} has leading or trailing blanks")
        sections[current][key] = value
    return text, sections


def numbered(sections: dict, prefix: str, rep: Report, where: str) -> int:
    numbers = [int(s[len(prefix):]) for s in sections]
    expected = list(range(1, len(numbers) + 1))
    if numbers != expected:
        rep.error(where, f"sections are not {prefix}1..{prefix}{len(numbers)} in order: "
                  f"{numbers}")
    return len(numbers)


# ----------------------------------------------------------- lesson check ---

def combos(system: str, tonart: str, transpose: str):
    """(staff choice, key used, transposition used) for every pick the browser allows."""
    choices = [1, 2, 3] if system == "?" else [0]
    if tonart == "?" and transpose == "T":
        keys = [(k, k) for k in KEYS]
    elif tonart == "?":
        keys = [(k, int(transpose)) for k in KEYS]
    elif transpose == "?":
        keys = [(int(tonart), k) for k in KEYS]
    else:
        # A "T" beside a fixed Tonart reads as no transposition.
        keys = [(int(tonart), 0 if transpose == "T" else int(transpose))]
    return [(c, k, t) for c in choices for k, t in keys]


def check_lesson(ini: IniText, strict: dict[str, str], number: int, where: str,
                 rep: Report, stats: dict) -> dict:
    sec = f"Lesen {number}"
    at = f"{where} [{sec}]"
    vals = {}
    for key in LESSON_KEYS:
        v = ini.read(sec, key)
        if key not in strict:
            rep.error(at, f"key {key} missing")
        elif v != strict[key]:
            rep.error(at, f"{key}: substring reader gives {v!r}, the line says {strict[key]!r}")
        vals[key] = v
    for key in ("Name", "Beschreibung"):
        if not vals[key]:
            rep.error(at, f"{key} is empty")
        if re.search(r"[<>&{}]", vals[key]):
            rep.error(at, f"{key} holds a character that the HTML preview or the token "
                      f"replacement would misread")
    num_keys = ["Intervall", "ZweiHand", "SpielZeit", "MaxRichtig", "MaxFalsch", "Level"]
    for key in num_keys:
        if not re.fullmatch(r"[0-9]+", vals[key]):
            rep.error(at, f"{key}={vals[key]!r} is not a plain number")
    num = {k: ini.value(sec, k) for k in num_keys}
    system, tonart, transpose = vals["System"], vals["Tonart"], vals["Transpose"]
    if system not in ("1", "2", "3", "?"):
        rep.error(at, f"System={system!r}")
        return {}
    if tonart != "?" and (not tonart.isdigit() or int(tonart) not in KEYS):
        rep.error(at, f"Tonart={tonart!r} is no supported key")
        return {}
    if transpose not in ("?", "T") and (not transpose.isdigit()
                                        or int(transpose) not in KEYS):
        rep.error(at, f"Transpose={transpose!r} is no supported amount")
        return {}
    if transpose == "T" and tonart != "?":
        rep.error(at, "Transpose T needs Tonart ?; with a fixed Tonart it reads as 0")
    if tonart == "?" and transpose == "?":
        rep.error(at, "Tonart ? with Transpose ? leaves nothing fixed; use T")
    if num["Intervall"] not in INTERVALS:
        rep.error(at, f"Intervall {num['Intervall']} is not one of {sorted(INTERVALS)}")
    if num["ZweiHand"] not in (0, 1):
        rep.error(at, f"ZweiHand {num['ZweiHand']}")
    if not 30 <= num["SpielZeit"] <= 180:
        rep.error(at, f"SpielZeit {num['SpielZeit']} outside 30..180 s")
    if not 10 <= num["MaxRichtig"] <= 50:
        rep.error(at, f"MaxRichtig {num['MaxRichtig']} outside 10..50")
    if not 5 <= num["MaxFalsch"] <= 15:
        rep.error(at, f"MaxFalsch {num['MaxFalsch']} outside 5..15")
    if not 1 <= num["Level"] <= 5:
        rep.error(at, f"Level {num['Level']} outside 1..5")
    if num["SpielZeit"] < 2 * num["MaxRichtig"]:
        rep.error(at, "less than two seconds per question")

    raw = vals["Noten"]
    if not re.fullmatch(r"[0-9]+(\|[0-9]+)*", raw):
        rep.error(at, f"Noten is not numbers joined by '|': {raw!r}")
        return {}
    source = [int(p) for p in raw.split("|")]
    for v in source:
        if not valid_chroma(v):
            rep.error(at, f"note {v} is no valid chroma value (treble 1-90, bass 101-190)")
    if len(set(source)) != len(source):
        rep.error(at, "a note is listed twice")
    if system == "?" and any(v > 100 for v in source):
        rep.error(at, "a lesson with System ? should list treble values only")
    if system in ("1", "2"):
        wrong = [v for v in source if (v > 100) != (system == "2")]
        if wrong:
            rep.error(at, f"notes in the other clef than System {system}: {wrong}")
    transposable = tonart == "?" or transpose == "?"
    if transposable and any(spelling(v) % 3 != 1 for v in source):
        rep.error(at, "a lesson moved to a chosen key must be written in C with natural notes")

    two_hands = num["ZweiHand"] == 1
    if two_hands and system != "3":
        rep.error(at, "a two-handed lesson needs System 3")
    if number == 1 and (system == "?" or tonart == "?" or transpose in ("?", "T") or two_hands):
        rep.error(at, "lesson 1 is loaded at start-up without the browser: it needs a fixed "
                  "staff, a fixed key and one hand")

    max_count = 0
    for choice, key, t in combos(system, tonart, transpose):
        pick = f"{at} (staff choice {choice}, key {key}, transposition {t})"
        notes = load_notes(raw, choice, t)
        max_count = max(max_count, len(notes))
        if len(notes) > MAX_NOTES:
            rep.error(pick, f"{len(notes)} notes, more than {MAX_NOTES}")
        bad = [v for v in notes if not valid_chroma(v)]
        if bad:
            rep.error(pick, f"invalid chroma values after loading: {bad}")
            continue
        silent = [name(v) for v in notes if not SAMPLE_LOW <= midi(v) <= SAMPLE_HIGH]
        if silent:
            rep.error(pick, f"notes outside the piano samples (MIDI 24-89): {silent}")
        target = t if t != 0 else key
        if key != 0 and target != key:
            rep.error(pick, "the key signature does not match the notes' key")
        if target != 0:
            allowed = scale_spellings(target)
            odd = [name(v) for v in notes if spelling(v) not in allowed]
            if odd:
                rep.error(pick, f"not spelled as the scale of key {target}: {odd}")
        else:
            odd = [name(v) for v in notes if spelling(v) in ODD_SPELLINGS]
            if odd:
                rep.error(pick, f"Cb, Fb, E# or B# in C: {odd}")
        treble = [v for v in notes if v < 100]
        bass = [v for v in notes if v > 100]
        window = repetition_window(len(notes), num["Intervall"])
        groups = [treble, bass] if (two_hands or choice == 3 or system == "3") else [notes]
        for group in groups:
            distinct = sorted(set(group))
            if len(distinct) < 3 and group:
                rep.error(pick, f"a staff with fewer than three notes: {[name(v) for v in group]}")
            if two_hands or len(groups) == 1:
                for v in distinct:
                    near = [w for w in distinct
                            if w != v and abs(midi(w) - midi(v)) <= num["Intervall"]]
                    if len(near) < window:
                        rep.error(pick, f"{name(v)} has {len(near)} other notes within "
                                  f"{num['Intervall']} semitones; the draw needs {window}")
        if two_hands:
            right = [v for v in treble if v <= 89]
            if len(set(right)) < 5 or len(set(bass)) < 4:
                rep.error(pick, "a two-handed lesson needs five treble and four bass notes")
            for r in sorted(set(right)):
                partners = {b for b in bass if midi(b) < midi(r)
                            and abs(midi(b) % 12 - midi(r) % 12) in (3, 4, 8, 9)}
                if len(partners) < 2:
                    rep.error(pick, f"right-hand {name(r)} has {len(partners)} left-hand notes "
                              f"a third or sixth below it (needs 2)")
    stats["max_notes"] = max(stats.get("max_notes", 0), max_count)
    return {"vals": vals, "num": num, "system": system, "tonart": tonart,
            "transpose": transpose, "notes": len(source), "loaded_max": max_count}


def check_lesson_file(path: pathlib.Path, rep: Report, stats: dict) -> list[dict] | None:
    allowed = set(LESSON_KEYS) | set(OPTIONAL_LESSON_KEYS)
    res = check_text_file(path, rep, allowed, re.compile(r"\[Lesen [1-9][0-9]?\]"))
    if res is None:
        return None
    text, sections = res
    ini = IniText(text)
    count = numbered(sections, "Lesen ", rep, path.name)
    if not 12 <= count <= 24:
        rep.error(path.name, f"{count} lessons; a book holds 12 to 24 "
                  "(the result code's lesson letter ends at Y for 24)")
    for n in range(1, count + 1):
        if text.count(f"[Lesen {n}]") != 1:
            rep.error(path.name, f"'[Lesen {n}]' occurs more than once in the text")
    lessons = []
    for n in range(1, count + 1):
        lessons.append(check_lesson(ini, sections.get(f"Lesen {n}", {}), n, path.name, rep,
                                    stats))
    levels = [les["num"]["Level"] for les in lessons if les]
    if set(levels) != {1, 2, 3, 4, 5}:
        rep.error(path.name, f"levels {sorted(set(levels))} do not cover 1 to 5")
    if levels != sorted(levels):
        rep.error(path.name, f"levels do not rise through the book: {levels}")
    names = [les["vals"]["Name"] for les in lessons if les]
    if len(set(names)) != len(names):
        rep.error(path.name, "two lessons share a name")
    return lessons


def check_books(assets: pathlib.Path, rep: Report) -> list[str]:
    res = check_text_file(assets / "Buch.ini", rep, set(BOOK_KEYS),
                          re.compile(r"\[DE [1-9][0-9]?\]"))
    if res is None:
        return []
    text, sections = res
    ini = IniText(text)
    count = numbered(sections, "DE ", rep, "Buch.ini")
    files, letters = [], []
    for n in range(1, count + 1):
        sec = f"DE {n}"
        at = f"Buch.ini [{sec}]"
        for key in BOOK_KEYS:
            if ini.read(sec, key) != sections.get(sec, {}).get(key):
                rep.error(at, f"{key} missing or read differently by the substring reader")
        kurz = ini.read(sec, "Kurz")
        if not re.fullmatch(r"[A-Z]", kurz):
            rep.error(at, f"Kurz={kurz!r} is not one capital letter")
        letters.append(kurz)
        for key in ("Name", "Beschreibung"):
            if not ini.read(sec, key) or re.search(r"[<>&{}]", ini.read(sec, key)):
                rep.error(at, f"{key} empty or with a character the preview would misread")
        datei = ini.read(sec, "Datei")
        files.append(datei)
        if not (assets / datei).is_file():
            rep.error(at, f"Datei {datei!r} is not in the archive folder")
        if not re.fullmatch(r"[1-5](,[1-5])*", ini.read(sec, "Level")):
            rep.error(at, "Level is not a comma-separated list of levels")
    if len(set(letters)) != len(letters):
        rep.error("Buch.ini", f"Kurz letters repeat: {letters}")
    for f in REQUIRED_BOOK_FILES:
        if f not in files:
            rep.error("Buch.ini", f"no book for {f}")
    return files


def check_pair(de: list[dict], en: list[dict], rep: Report) -> None:
    if len(de) != len(en):
        rep.error("Lektionen.ini.de/.en", f"{len(de)} and {len(en)} lessons")
        return
    for n, (a, b) in enumerate(zip(de, en), start=1):
        if not a or not b:
            continue
        for key in LESSON_KEYS:
            same = a["vals"][key] == b["vals"][key]
            if key in ("Name", "Beschreibung") and same:
                rep.error(f"Lektionen.ini.en [Lesen {n}]", f"{key} is not translated")
            if key not in ("Name", "Beschreibung") and not same:
                rep.error(f"Lektionen.ini.en [Lesen {n}]", f"{key} differs from the German file")


def main() -> int:
    assets = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parents[2] / "assets"
    rep = Report()
    stats: dict = {}
    book_files = check_books(assets, rep)
    print(f"Buch.ini: {len(book_files)} books: {', '.join(book_files)}")
    per_file = {}
    for f in LESSON_FILES:
        lessons = check_lesson_file(assets / f, rep, stats)
        if lessons is None:
            continue
        per_file[f] = lessons
        ok = [les for les in lessons if les]
        levels = [les["num"]["Level"] for les in ok]
        print(f"{f}: {len(lessons)} lessons, levels {min(levels, default=0)}-"
              f"{max(levels, default=0)}, "
              f"{sum(1 for les in ok if les['num']['ZweiHand'])} two-handed, "
              f"{sum(1 for les in ok if les['system'] == '?')} with staff ?, "
              f"{sum(1 for les in ok if les['tonart'] == '?')} with Tonart ?/T, "
              f"{sum(1 for les in ok if les['transpose'] == '?')} with Transpose ?, "
              f"most notes after loading {max((les['loaded_max'] for les in ok), default=0)}")
    if "Lektionen.ini.de" in per_file and "Lektionen.ini.en" in per_file:
        check_pair(per_file["Lektionen.ini.de"], per_file["Lektionen.ini.en"], rep)

    every = [les for f, ls in per_file.items() if f != "Lektionen.ini.en" for les in ls if les]
    used = {les["num"]["Intervall"] for les in every}
    if INTERVALS - used:
        rep.error("books", f"Intervall values never used: {sorted(INTERVALS - used)}")
    features = {
        "System ?": any(les["system"] == "?" for les in every),
        "Tonart ? with Transpose T": any(les["tonart"] == "?" and les["transpose"] == "T"
                                         for les in every),
        "fixed Tonart with Transpose ?": any(les["tonart"] != "?" and les["transpose"] == "?"
                                             for les in every),
        "fixed key other than C": any(les["tonart"] not in ("?", "0") for les in every),
        "two two-handed lessons": sum(les["num"]["ZweiHand"] for les in every) >= 2,
    }
    for feature, present in features.items():
        if not present:
            rep.error("books", f"no lesson uses {feature}")
    print(f"Intervall values used: {sorted(used)}; features: "
          f"{', '.join(k for k, v in features.items() if v)}")
    lists = assets / "Listen.ini"
    if lists.is_file():
        table = IniText(decode_like_program(lists.read_bytes()))
        for t, row in EINFACH.items():
            if table.read("Transposer", f"Einfach{t}").replace(" ", "") != row:
                print(f"note: Listen.ini row Einfach{t} differs from the table checked here")
    print(f"largest lesson after clef doubling: {stats.get('max_notes', 0)} notes "
          f"(limit {MAX_NOTES})")
    if rep.errors:
        for e in rep.errors:
            print("ERROR", e)
        print(f"{len(rep.errors)} problem(s)")
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
