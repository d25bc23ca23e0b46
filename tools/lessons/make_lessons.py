#!/usr/bin/env python3
"""Writes the lesson books of the data archive and their overview page.

The course is held here as data: every lesson names its notes as pitch names
("C4", "F#3", "Bb4"; C4 is middle C) per staff, and this script turns them into
chroma values and writes

    assets/Buch.ini
    assets/Lektionen.ini.de, assets/Lektionen.ini.en   (default course)
    assets/ViolinLektionen.ini.de
    assets/BassLektionen.ini.de
    assets/TonartenLektionen.ini.de
    docs/lessons.md

The INI files are Windows-1252 text with CR LF line ends, because the program
reads them with plain substring searches: keys at line starts, exact case, no
blank before "=", no "[" inside a value.

Usage: python3 tools/lessons/make_lessons.py [repository root]
Then run tools/lessons/check_lessons.py.
"""

from __future__ import annotations

import pathlib
import sys
from dataclasses import dataclass, field

# ---------------------------------------------------------------- pitches ---

LETTERS = "CDEFGAB"
ACCIDENTAL_INDEX = {"b": 0, "": 1, "#": 2}
# Semitones above the octave block's C for spelling index 0..20.
SEMITONES = [-1, 0, 1, 1, 2, 3, 3, 4, 5, 4, 5, 6, 6, 7, 8, 8, 9, 10, 10, 11, 12]

TREBLE, BASS = "t", "b"


def chroma(pitch: str, clef: str) -> int:
    """Chroma value of a pitch name such as "F#4" in the given clef."""
    letter = pitch[0].upper()
    octave = int(pitch[-1])
    acc = pitch[1:-1]
    if letter not in LETTERS or acc not in ACCIDENTAL_INDEX:
        raise ValueError(f"bad pitch {pitch!r}")
    s = 3 * LETTERS.index(letter) + ACCIDENTAL_INDEX[acc]
    block = octave - 3 if clef == TREBLE else octave - 1
    c = 21 * block + s
    if not 1 <= c <= 90:
        raise ValueError(f"{pitch} cannot be written in the {clef} clef")
    return c if clef == TREBLE else c + 100


def midi(value: int) -> int:
    c = value - 100 if value > 100 else value
    base = 48 if value <= 100 else 24
    return base + 12 * (c // 21) + SEMITONES[c % 21]


def pitch_name(value: int) -> str:
    c = value - 100 if value > 100 else value
    k, s = divmod(c, 21)
    octave = k + 3 if value <= 100 else k + 1
    return LETTERS[s // 3] + ["b", "", "#"][s % 3] + str(octave)


# ---------------------------------------------------------------- lessons ---


@dataclass
class Lesson:
    name: str
    desc: str
    treble: str = ""
    bass: str = ""
    system: object = 1          # 1, 2, 3 or "?"
    key: object = 0             # 0..11 or "?"
    transpose: object = 0       # 0..11, "?" or "T"
    interval: int = 4
    two_hands: int = 0
    time: int = 60
    right: int = 20
    wrong: int = 10
    level: int = 1
    name_en: str = ""
    desc_en: str = ""

    def values(self) -> list[int]:
        """Notes in file order: the lower staff first, each staff ascending."""
        notes = [chroma(p, BASS) for p in self.bass.split()]
        notes += [chroma(p, TREBLE) for p in self.treble.split()]
        return notes


@dataclass
class Book:
    file: str
    kurz: str
    name: str
    desc: str
    title_en: str
    lessons: list[Lesson] = field(default_factory=list)
    bilingual: bool = False


def naturals(low: str, high: str) -> str:
    """All natural pitch names from low to high, inclusive."""
    lo = 7 * int(low[-1]) + LETTERS.index(low[0])
    hi = 7 * int(high[-1]) + LETTERS.index(high[0])
    return " ".join(f"{LETTERS[n % 7]}{n // 7}" for n in range(lo, hi + 1))


# Examination figures by level: seconds, questions, lives.
EXAM = {1: (60, 15, 10), 2: (90, 25, 8), 3: (120, 30, 8), 4: (120, 30, 6), 5: (150, 40, 5)}


def L(name, desc, *, level, time=None, right=None, wrong=None, **kw) -> Lesson:
    t, r, w = EXAM[level]
    return Lesson(name=name, desc=desc, level=level, time=time or t,
                  right=right or r, wrong=wrong or w, **kw)


STAFF_HINT_DE = " Wähle unten das Notensystem."
STAFF_HINT_EN = " Choose the staff below."
KEY_HINT_DE = " Nach OK wählst du die Tonart im Quintenzirkel."
KEY_HINT_EN = " After OK you pick the key on the circle of fifths."

# ------------------------------------------------------- default course ---

GRUNDKURS = [
    L("Rechte Hand: Mittel-C bis G",
      "Der erste Schritt: die fünf Töne der rechten Hand in C-Lage. Das Mittel-C auf der "
      "Hilfslinie unter dem System und das G auf der zweiten Linie, um die sich der "
      "Violinschlüssel windet, sind deine Orientierungspunkte; D, E und F liegen dazwischen. "
      "Die Noten folgen in kleinen Schritten.",
      name_en="Right hand: middle C to G",
      desc_en="Your first step: the five notes of the right hand in C position. Middle C on "
      "the ledger line below the staff and G on the second line, which the treble clef curls "
      "around, are your landmarks; D, E and F lie in between. The notes move in small steps.",
      treble="C4 D4 E4 F4 G4", system=1, interval=4, level=1),
    L("Linke Hand: F bis Mittel-C",
      "Jetzt der Bassschlüssel: Seine zwei Punkte umschließen die vierte Linie, dort steht "
      "das F. Von ihm aus steigst du über G, A und H bis zum Mittel-C auf der Hilfslinie "
      "über dem System.",
      name_en="Left hand: F up to middle C",
      desc_en="Now the bass clef: its two dots frame the fourth line, where F sits. From F you "
      "climb through G, A and B to middle C on the ledger line above the staff.",
      bass="F3 G3 A3 B3 C4", system=2, interval=4, level=1),
    L("Violinschlüssel: G bis D",
      "Vom G auf der zweiten Linie aufwärts bis zum D auf der vierten Linie: die Mitte des "
      "Violinsystems. Die Note auf der dritten Linie ist das H, das C darüber steht im dritten "
      "Zwischenraum.",
      name_en="Treble clef: G to D",
      desc_en="From G on the second line up to D on the fourth line: the middle of the treble "
      "staff. The C here sits in the third space, one octave above middle C.",
      treble="G4 A4 B4 C5 D5", system=1, interval=4, level=1),
    L("Bassschlüssel: C bis G",
      "Die linke Hand in C-Lage, eine Oktave unter dem Mittel-C: Das kleine c steht im "
      "zweiten Zwischenraum, das G im obersten. Wieder nur Schritte von Ton zu Ton.",
      name_en="Bass clef: C to G",
      desc_en="The left hand in C position, one octave below middle C: this C sits in the "
      "second space, G in the top space. Again only steps from note to note.",
      bass="C3 D3 E3 F3 G3", system=2, interval=4, level=1),
    L("Violinschlüssel: eine Oktave",
      "Alle Stammtöne vom Mittel-C bis zum C im dritten Zwischenraum. Neben Schritten "
      "kommen jetzt auch Terzen und Quarten vor.",
      name_en="Treble clef: one octave",
      desc_en="All natural notes from middle C up to the C in the third space. Besides steps "
      "you now meet thirds and fourths.",
      treble=naturals("C4", "C5"), system=1, interval=5, level=2),
    L("Bassschlüssel: eine Oktave",
      "Alle Stammtöne vom kleinen c im zweiten Zwischenraum bis zum Mittel-C, in Schritten, "
      "Terzen und Quarten.",
      name_en="Bass clef: one octave",
      desc_en="All natural notes from the C in the second space up to middle C, in steps, "
      "thirds and fourths.",
      bass=naturals("C3", "C4"), system=2, interval=5, level=2),
    L("Linien und Zwischenräume (Schlüssel nach Wahl)",
      "Neun Töne, die ohne Hilfslinien auskommen: im Violinschlüssel vom F im ersten "
      "Zwischenraum bis zum G über der obersten Linie, im Bassschlüssel vom F unter dem System "
      "bis zum G im obersten Zwischenraum; mit beiden Systemen übst du beides zugleich. Achte "
      "darauf, ob eine Note auf einer Linie oder in einem Zwischenraum steht." + STAFF_HINT_DE,
      name_en="Lines and spaces (clef of your choice)",
      desc_en="Nine notes that need no ledger lines: in the treble clef from F in the first "
      "space to G above the top line, in the bass clef from F below the staff to G in the top "
      "space; with both staves you practise both at once. Watch whether a note sits on a line "
      "or in a space." + STAFF_HINT_EN,
      treble=naturals("F4", "G5"), system="?", interval=7, level=2),
    L("Rund um das Mittel-C",
      "Zum ersten Mal beide Systeme: Die linke Hand liest von F bis C im Bassschlüssel, die "
      "rechte von C bis G im Violinschlüssel. Das Mittel-C kann in beiden stehen, auf der "
      "Hilfslinie über dem Bass- oder unter dem Violinsystem. Es ist immer dieselbe Taste.",
      name_en="Around middle C",
      desc_en="Both staves for the first time: the left hand reads F to C in the bass clef, "
      "the right hand C to G in the treble clef. Middle C can stand in either, on the ledger "
      "line above the bass staff or below the treble staff. It is always the same piano key.",
      bass="F3 G3 A3 B3 C4", treble="C4 D4 E4 F4 G4", system=3, interval=5, level=2),
    L("Sprünge im Dreiklang",
      "Nur die Töne des C-Dur-Dreiklangs über zwei Oktaven: C, E und G. Statt Schritten liest "
      "du Terzen, Quarten und Sexten. Von einer Linie zur nächsten oder von einem Zwischenraum "
      "zum nächsten ist es immer eine Terz.",
      name_en="Skips along the C major chord",
      desc_en="Only the notes of the C major chord over two octaves: C, E and G. Instead of "
      "steps you read thirds, fourths and sixths. From one line to the next, or from one space "
      "to the next, is always a third.",
      treble="C4 E4 G4 C5 E5 G5", system=1, interval=8, level=3, time=90, right=25),
    L("Hilfslinien über dem Violinschlüssel",
      "Über der obersten Linie (F) geht es weiter: G direkt darüber, A auf der ersten "
      "Hilfslinie, H darüber und C auf der zweiten Hilfslinie. Zähle die Hilfslinien, bis du "
      "sie nicht mehr zählen musst.",
      name_en="Ledger lines above the treble staff",
      desc_en="The notes go on above the top line (F): G just above it, A on the first ledger "
      "line, B above that and C on the second ledger line. Count the ledger lines until you no "
      "longer need to.",
      treble="F5 G5 A5 B5 C6", system=1, interval=5, level=3, time=90, right=25),
    L("Hilfslinien unter dem Bassschlüssel",
      "Unter der untersten Linie (G) liegen das F, das E auf der ersten Hilfslinie, das D "
      "darunter und das große C auf der zweiten Hilfslinie. Das A im ersten Zwischenraum hilft "
      "dir, dich zurechtzufinden.",
      name_en="Ledger lines below the bass staff",
      desc_en="Below the bottom line (G) lie F, then E on the first ledger line, D under it "
      "and low C on the second ledger line. A in the first space keeps you anchored.",
      bass="C2 D2 E2 F2 G2 A2", system=2, interval=5, level=3, time=90, right=25),
    L("Großer Tonumfang (Schlüssel nach Wahl)",
      "Dreizehn Töne, die bis zu einer Hilfslinie über oder unter das System reichen: im "
      "Violinschlüssel vom D unter der untersten Linie bis zum H über der ersten Hilfslinie, im "
      "Bassschlüssel zwei Oktaven tiefer vom D unter der ersten Hilfslinie bis zum H über der "
      "obersten Linie, oder in beiden Systemen zugleich. Je länger du übst, desto größer "
      "dürfen die Sprünge werden." + STAFF_HINT_DE,
      name_en="Wide range (clef of your choice)",
      desc_en="Thirteen notes reaching up to one ledger line beyond the staff: in the treble "
      "clef from D below the bottom line to B above the first ledger line, in the bass clef two "
      "octaves lower from D below the first ledger line to B above the top line, or on both "
      "staves at once. The longer you practise, the wider the "
      "leaps may become." + STAFF_HINT_EN,
      treble=naturals("D4", "B5"), system="?", interval=8, level=3),
    L("Beide Hände in C-Lage",
      "Jetzt spielen beide Hände: oben die rechte Hand von C bis G, unten die linke Hand "
      "zwischen G und H. Die Noten kommen in ganzen Takten, und die linke Hand klingt immer "
      "eine Terz oder Sexte unter der rechten.",
      name_en="Both hands in C position",
      desc_en="Now both hands play: the right hand from C to G on top, the left hand between G "
      "and B below. The notes come in whole bars, and the left hand always sounds a third or a "
      "sixth below the right.",
      treble="C4 D4 E4 F4 G4", bass=naturals("G2", "B3"), system=3, interval=7, two_hands=1,
      level=3, time=150),
    L("Kreuze und Bs im Violinschlüssel",
      "Die chromatische Tonleiter vom Mittel-C bis zum nächsten C. Ein Kreuz erhöht einen Ton "
      "um einen Halbton (Cis, Fis), ein b erniedrigt ihn (Es, As, B); auf dem Klavier sind "
      "das die schwarzen Tasten. Ein Vorzeichen gilt bis zum Ende des Taktes.",
      name_en="Sharps and flats in the treble clef",
      desc_en="The chromatic scale from middle C to the next C. A sharp raises a note by a "
      "semitone (C sharp, F sharp), a flat lowers it (E flat, A flat, B flat): the black keys "
      "of the piano. An accidental lasts until the end of the bar.",
      treble="C4 C#4 D4 Eb4 E4 F4 F#4 G4 Ab4 A4 Bb4 B4 C5", system=1, interval=5, level=4),
    L("Kreuze und Bs im Bassschlüssel",
      "Die chromatische Tonleiter vom kleinen c bis zum Mittel-C im Bassschlüssel, mit Cis, "
      "Es, Fis, Gis und B. Merke: Ein b vor dem H macht daraus das B.",
      name_en="Sharps and flats in the bass clef",
      desc_en="The chromatic scale from the C in the second space up to middle C in the bass "
      "clef, with C sharp, E flat, F sharp, G sharp and B flat.",
      bass="C3 C#3 D3 Eb3 E3 F3 F#3 G3 G#3 A3 Bb3 B3 C4", system=2, interval=5, level=4),
    L("G-Dur: ein Kreuz",
      "Das Kreuz am Anfang der Zeile steht auf der obersten Linie, dem F, und gilt für jedes "
      "F: In G-Dur wird jedes F als Fis gespielt, auch wenn vor der Note kein Zeichen steht.",
      name_en="G major: one sharp",
      desc_en="The sharp at the start of the line sits on the top line, F, and holds for every F: "
      "in G major each F is played as F sharp, even with no sign in front of the note.",
      treble="D4 E4 F#4 G4 A4 B4 C5 D5 E5 F#5 G5", system=1, key=7, interval=7, level=4),
    L("F-Dur im Bassschlüssel: ein b",
      "Das b am Zeilenanfang steht auf der zweiten Linie, dem H: In F-Dur wird jedes H zum B. "
      "Du liest vom F unter dem System bis zum Mittel-C.",
      name_en="F major in the bass clef: one flat",
      desc_en="The flat at the start of the line sits on the second line, B: in F major every "
      "B becomes B flat. You read from F below the staff up to middle C.",
      bass="F2 G2 A2 Bb2 C3 D3 E3 F3 G3 A3 Bb3 C4", system=2, key=5, interval=7, level=4),
    L("Beide Hände in G-Dur",
      "Beide Hände mit Vorzeichen: rechts von G bis D, links darunter in Terzen und Sexten. "
      "Das Fis der linken Hand steht im Bassschlüssel auf der vierten Linie; das Kreuz am "
      "Zeilenanfang gilt in beiden Systemen.",
      name_en="Both hands in G major",
      desc_en="Both hands with a key signature: the right hand from G to D, the left hand "
      "below it in thirds and sixths. The left hand's F sharp sits on the fourth line of the "
      "bass staff; the sharp at the start of the line holds on both staves.",
      treble="G4 A4 B4 C5 D5", bass="A2 B2 C3 D3 E3 F#3 G3 A3 B3 C4", system=3, key=7,
      interval=7, two_hands=1, level=4, time=150),
    L("Tonleiter in einer Tonart nach Wahl",
      "Die Tonleiter erscheint in der gewählten Dur-Tonart, mit deren Vorzeichen am "
      "Zeilenanfang; denk bei jeder Note an sie. Beginne mit G-, D- oder F-Dur und wage dich "
      "dann weiter." + KEY_HINT_DE,
      name_en="A scale in the key of your choice",
      desc_en="The scale appears in the major key you choose, with that key's signature at "
      "the start of the line; keep it in mind for every note. Start with G, D or F major, then "
      "venture further." + KEY_HINT_EN,
      treble=naturals("C4", "E5"), system=1, key="?", transpose="T", interval=7, level=4),
    L("Bassmelodie mit einzelnen Vorzeichen",
      "Die Töne werden in die gewählte Tonart versetzt, aber ohne Vorzeichen am Zeilenanfang: "
      "Jedes Kreuz und jedes b steht direkt vor seiner Note. So trainierst du das Lesen von "
      "Versetzungszeichen." + KEY_HINT_DE,
      name_en="Bass melody with accidentals written out",
      desc_en="The notes move into the key you choose, but without a key signature: every "
      "sharp and flat stands right in front of its note. A workout for reading "
      "accidentals." + KEY_HINT_EN,
      bass=naturals("C3", "E4"), system=2, key=0, transpose="?", interval=7, level=5,
      right=30),
    L("Großes Notensystem mit Hilfslinien",
      "Das ganze Klaviersystem vom großen C bis zum dreigestrichenen c: Hilfslinien unter dem "
      "Basssystem, zwischen den Systemen und über dem Violinschlüssel. Große Sprünge "
      "zwischen den Systemen sind erlaubt.",
      name_en="Grand staff with ledger lines",
      desc_en="The whole grand staff from low C, two ledger lines below the bass staff, to "
      "high C, two ledger lines above the treble staff: ledger lines below, between and "
      "above. Large leaps between the staves are allowed.",
      bass=naturals("C2", "B3"), treble=naturals("C4", "C6"), system=3, interval=22, level=5),
    L("Alle Töne, alle Sprünge",
      "Die Abschlussprüfung des Grundkurses: alle Töne vom E auf der ersten Hilfslinie unter "
      "dem Bass- bis zum A auf der ersten Hilfslinie über dem Violinsystem, mit Kreuzen und "
      "Bs und ohne Grenze für die Sprünge.",
      name_en="All notes, all leaps",
      desc_en="The final test of the basic course: every note from E on the first ledger line "
      "below the bass staff to A on the first ledger line above the treble staff, with sharps "
      "and flats and no limit on the leaps.",
      bass="E2 F2 F#2 G2 A2 Bb2 B2 C3 C#3 D3 Eb3 E3 F3 F#3 G3 G#3 A3 Bb3 B3",
      treble="C4 C#4 D4 Eb4 E4 F4 F#4 G4 Ab4 A4 Bb4 B4 C5 C#5 D5 Eb5 E5 F5 F#5 G5 Ab5 A5",
      system=3, interval=99, level=5),
]

# ------------------------------------------------------------ treble book ---

VIOLIN = [
    L("Mittel-C, D und E",
      "Der sanfte Einstieg: das Mittel-C auf der Hilfslinie unter dem System, das D direkt "
      "unter der untersten Linie und das E auf ihr. Nur drei Nachbartöne, damit du sie sicher "
      "unterscheidest.",
      treble="C4 D4 E4", interval=4, level=1),
    L("Fünf Töne: C bis G",
      "Die rechte Hand in C-Lage. Zum Mittel-C kommt das G auf der zweiten Linie als zweiter "
      "Orientierungspunkt: Um diese Linie windet sich der Violinschlüssel.",
      treble="C4 D4 E4 F4 G4", interval=4, level=1),
    L("Das G und seine Nachbarn: G bis D",
      "Vom G auf der zweiten Linie aufwärts bis zum D auf der vierten Linie. Die Note auf der "
      "dritten Linie heißt H, das C darüber steht im dritten Zwischenraum.",
      treble="G4 A4 B4 C5 D5", interval=4, level=1),
    L("Eine Oktave: C bis C",
      "Alle Stammtöne vom Mittel-C bis zum C im dritten Zwischenraum, in Schritten, Terzen "
      "und Quarten.",
      treble=naturals("C4", "C5"), interval=5, level=2),
    L("Die Linien: E, G, H, D, F",
      "Nur die fünf Töne auf den Linien, von unten nach oben E, G, H, D und F. Ein Merksatz "
      "hilft: Es geht hurtig durch Fleiß.",
      treble="E4 G4 B4 D5 F5", interval=4, level=2, right=20),
    L("Die Zwischenräume: D, F, A, C, E, G",
      "Nur die Töne zwischen den Linien: das D unter dem System, F, A, C und E in den vier "
      "Zwischenräumen und das G über der obersten Linie.",
      treble="D4 F4 A4 C5 E5 G5", interval=4, level=2, right=20),
    L("Linien und Zwischenräume",
      "Alle elf Töne vom D unter bis zum G über dem System, gemischt. Entscheide bei jeder "
      "Note zuerst: Linie oder Zwischenraum?",
      treble=naturals("D4", "G5"), interval=7, level=2),
    L("Sprünge im Dreiklang",
      "Nur C, E und G über zwei Oktaven. Statt Schritten liest du Terzen, Quarten und Sexten; "
      "von Linie zu Linie ist es immer eine Terz.",
      treble="C4 E4 G4 C5 E5 G5", interval=8, level=3, time=90, right=25),
    L("Hilfslinien unten: bis zum G",
      "Unter dem Mittel-C geht es weiter: das H direkt darunter, das A auf der zweiten "
      "Hilfslinie und das G unter ihr. Dazu D, E und F zur Orientierung.",
      treble="G3 A3 B3 C4 D4 E4 F4", interval=5, level=3, time=90, right=25),
    L("Hilfslinien oben: bis zum E",
      "Über der obersten Linie (F) geht es weiter: das G direkt darüber, das A auf der ersten, "
      "das C auf der zweiten und das E auf der dritten Hilfslinie, H und D dazwischen. "
      "Zähle die Hilfslinien, bis du sie nicht mehr zählen musst.",
      treble="F5 G5 A5 B5 C6 D6 E6", interval=5, level=3, time=90, right=25),
    L("Zwei Oktaven: C bis C",
      "Alle Stammtöne vom Mittel-C bis zum dreigestrichenen c auf der zweiten Hilfslinie. "
      "Die Sprünge dürfen bis zur kleinen Sexte reichen.",
      treble=naturals("C4", "C6"), interval=8, level=3),
    L("Nur Linien: vom Mittel-C bis zum hohen C",
      "Jeder zweite Ton, alle auf einer Linie: das Mittel-C, die fünf Notenlinien und die "
      "ersten beiden Hilfslinien darüber. Von einer Linie zur nächsten ist es immer eine Terz; "
      "bei größeren Sprüngen überspringst du Linien.",
      treble="C4 E4 G4 B4 D5 F5 A5 C6", interval=10, level=3),
    L("Kreuze: Cis, Fis und Gis",
      "Ein Kreuz erhöht die Note um einen Halbton: aus C wird Cis, aus F Fis, aus G Gis. Das "
      "Zeichen gilt bis zum Ende des Taktes.",
      treble="C4 C#4 D4 E4 F4 F#4 G4 G#4 A4 B4 C5 C#5 D5", interval=5, level=4),
    L("Bs: Es, As und B",
      "Ein b erniedrigt die Note um einen Halbton: aus E wird Es, aus A As und aus H das B. "
      "Das Zeichen gilt bis zum Ende des Taktes.",
      treble="C4 D4 Eb4 E4 F4 G4 Ab4 A4 Bb4 B4 C5 D5 Eb5", interval=5, level=4),
    L("G-Dur mit Vorzeichen",
      "Das Kreuz am Zeilenanfang steht auf der obersten Linie und gilt für jedes F in jeder "
      "Oktave: In G-Dur spielst du Fis, auch ohne Zeichen vor der Note.",
      treble="D4 E4 F#4 G4 A4 B4 C5 D5 E5 F#5 G5", key=7, interval=7, level=4),
    L("F-Dur mit Vorzeichen",
      "Das b am Zeilenanfang steht auf der dritten Linie: In F-Dur wird jedes H zum B, in "
      "jeder Oktave und ohne Zeichen vor der Note.",
      treble="C4 D4 E4 F4 G4 A4 Bb4 C5 D5 E5 F5 G5", key=5, interval=7, level=4),
    L("Chromatik mit Hilfslinien",
      "Kreuze und Bs über fast zwei Oktaven, vom H unter dem Mittel-C bis zum A auf der "
      "ersten Hilfslinie über dem System. Sprünge bis zur kleinen Septime.",
      treble="B3 C4 C#4 D4 Eb4 E4 F4 F#4 G4 G#4 A4 Bb4 B4 C5 C#5 D5 Eb5 E5 F5 F#5 G5 Ab5 A5",
      interval=10, level=5),
    L("Melodie in fremder Tonart",
      "Die Töne werden in die gewählte Tonart versetzt, aber ohne Vorzeichen am "
      "Zeilenanfang: Jedes Kreuz und jedes b steht direkt vor seiner Note." + KEY_HINT_DE,
      treble=naturals("C4", "A5"), key=0, transpose="?", interval=8, level=5),
    L("Der ganze Violinschlüssel",
      "Alle Stammtöne vom G unter der zweiten Hilfslinie unten bis zum E auf der dritten "
      "Hilfslinie oben, mit beliebig großen Sprüngen: die Abschlussprüfung dieses Buches.",
      treble=naturals("G3", "E6"), interval=999, level=5),
]

# -------------------------------------------------------------- bass book ---

BASSBUCH = [
    L("Mittel-C, H und A",
      "Der sanfte Einstieg in den Bassschlüssel: das Mittel-C auf der Hilfslinie über dem "
      "System, das H direkt über der obersten Linie und das A auf ihr.",
      bass="A3 B3 C4", system=2, interval=4, level=1),
    L("Das F und seine Nachbarn: F bis C",
      "Die zwei Punkte des Bassschlüssels umschließen die vierte Linie: Dort steht das F. "
      "Von ihm aus steigst du über G, A und H bis zum Mittel-C.",
      bass="F3 G3 A3 B3 C4", system=2, interval=4, level=1),
    L("Linke Hand in C-Lage: C bis G",
      "Eine Oktave unter dem Mittel-C: Das kleine c steht im zweiten Zwischenraum, das G im "
      "obersten. Nur Schritte von Ton zu Ton.",
      bass="C3 D3 E3 F3 G3", system=2, interval=4, level=1),
    L("Eine Oktave: C bis C",
      "Alle Stammtöne vom kleinen c bis zum Mittel-C, in Schritten, Terzen und Quarten.",
      bass=naturals("C3", "C4"), system=2, interval=5, level=2),
    L("Die Linien: G, H, D, F, A",
      "Nur die fünf Töne auf den Linien, von unten nach oben G, H, D, F und A. Die F-Linie "
      "zwischen den Punkten des Schlüssels ist die vierte.",
      bass="G2 B2 D3 F3 A3", system=2, interval=4, level=2, right=20),
    L("Die Zwischenräume: F, A, C, E, G, H",
      "Nur die Töne zwischen den Linien: das F unter dem System, A, C, E und G in den vier "
      "Zwischenräumen und das H über der obersten Linie.",
      bass="F2 A2 C3 E3 G3 B3", system=2, interval=4, level=2, right=20),
    L("Linien und Zwischenräume",
      "Alle elf Töne vom F unter bis zum H über dem System, gemischt. Entscheide bei jeder "
      "Note zuerst: Linie oder Zwischenraum?",
      bass=naturals("F2", "B3"), system=2, interval=7, level=2),
    L("Sprünge im Dreiklang",
      "Nur C, E und G, vom E auf der ersten Hilfslinie bis zum Mittel-C. Statt Schritten "
      "liest du Terzen, Quarten und Sexten.",
      bass="E2 G2 C3 E3 G3 C4", system=2, interval=8, level=3, time=90, right=25),
    L("Hilfslinien oben: bis zum F",
      "Über der obersten Linie (A) geht es weiter: das H direkt darüber, das Mittel-C auf der "
      "ersten Hilfslinie, das D, das E auf der zweiten Hilfslinie und das F darüber. So liest "
      "die linke Hand bis in den Bereich des Violinschlüssels.",
      bass="A3 B3 C4 D4 E4 F4", system=2, interval=5, level=3, time=90, right=25),
    L("Hilfslinien unten: bis zum C",
      "Unter der untersten Linie (G) geht es weiter: das F direkt darunter, das E auf der "
      "ersten Hilfslinie, das D und das große C auf der zweiten Hilfslinie. A und H im System "
      "helfen dir, dich zurechtzufinden.",
      bass=naturals("C2", "B2"), system=2, interval=5, level=3, time=90, right=25),
    L("Zwei Oktaven: C bis C",
      "Alle Stammtöne vom großen C bis zum Mittel-C. Die Sprünge dürfen bis zur kleinen "
      "Sexte reichen.",
      bass=naturals("C2", "C4"), system=2, interval=8, level=3),
    L("Nur Linien: vom großen C bis zum Mittel-C",
      "Jeder zweite Ton, alle auf einer Linie: die beiden Hilfslinien unten, die fünf "
      "Notenlinien und das Mittel-C. Zwischen zwei Nachbarn liegt immer eine Terz.",
      bass="C2 E2 G2 B2 D3 F3 A3 C4", system=2, interval=10, level=3),
    L("Kreuze: Cis, Fis und Gis",
      "Ein Kreuz erhöht die Note um einen Halbton: aus C wird Cis, aus F Fis, aus G Gis. Das "
      "Zeichen gilt bis zum Ende des Taktes.",
      bass="C3 C#3 D3 E3 F3 F#3 G3 G#3 A3 B3 C4 C#4", system=2, interval=5, level=4),
    L("Bs: Es, As und B",
      "Ein b erniedrigt die Note um einen Halbton: aus E wird Es, aus A As und aus H das B. "
      "Das Zeichen gilt bis zum Ende des Taktes.",
      bass="Bb2 C3 D3 Eb3 E3 F3 G3 Ab3 A3 Bb3 B3 C4", system=2, interval=5, level=4),
    L("G-Dur mit Vorzeichen",
      "Das Kreuz am Zeilenanfang steht auf der vierten Linie, dem F, und gilt für jedes F: "
      "In G-Dur spielst du Fis, auch ohne Zeichen vor der Note.",
      bass="F#2 G2 A2 B2 C3 D3 E3 F#3 G3 A3 B3 C4", system=2, key=7, interval=7, level=4),
    L("F-Dur mit Vorzeichen",
      "Das b am Zeilenanfang steht auf der zweiten Linie, dem H: In F-Dur wird jedes H zum B, "
      "in jeder Oktave.",
      bass="F2 G2 A2 Bb2 C3 D3 E3 F3 G3 A3 Bb3 C4", system=2, key=5, interval=7, level=4),
    L("Tonleiter in einer Tonart nach Wahl",
      "Die Tonleiter erscheint in der gewählten Dur-Tonart, mit deren Vorzeichen am "
      "Zeilenanfang. Beginne mit G- oder F-Dur und nimm dann mehr Vorzeichen dazu."
      + KEY_HINT_DE,
      bass=naturals("C3", "E4"), system=2, key="?", transpose="T", interval=7, level=4),
    L("Chromatik mit Hilfslinien",
      "Kreuze und Bs vom E auf der ersten Hilfslinie unten bis zum D über dem Mittel-C, mit "
      "Sprüngen bis zur kleinen Septime.",
      bass="E2 F2 F#2 G2 Ab2 A2 Bb2 B2 C3 C#3 D3 Eb3 E3 F3 F#3 G3 G#3 A3 Bb3 B3 C4 C#4 D4",
      system=2, interval=10, level=5),
    L("Bassmelodie mit einzelnen Vorzeichen",
      "Die Töne werden in die gewählte Tonart versetzt, aber ohne Vorzeichen am "
      "Zeilenanfang: Jedes Kreuz und jedes b steht direkt vor seiner Note." + KEY_HINT_DE,
      bass=naturals("G2", "C4"), system=2, key=0, transpose="?", interval=10, level=5),
    L("Der ganze Bassschlüssel",
      "Alle Stammtöne vom großen C auf der zweiten Hilfslinie unten bis zum E auf der "
      "zweiten Hilfslinie oben, mit Sprüngen bis fast zwei Oktaven: die Abschlussprüfung "
      "dieses Buches.",
      bass=naturals("C2", "E4"), system=2, interval=22, level=5),
]

# -------------------------------------------------------------- keys book ---

TONARTEN = [
    L("C-Dur: ohne Vorzeichen",
      "Der Ausgangspunkt aller Tonarten: C-Dur kommt ohne Kreuze und Bs aus, auf dem Klavier "
      "nur weiße Tasten. Präge dir die Tonleiter vom Mittel-C bis zum C im dritten "
      "Zwischenraum ein; alle anderen Tonarten bauen auf ihr auf.",
      treble=naturals("C4", "C5"), interval=5, level=1, right=20),
    L("G-Dur: ein Kreuz (Fis)",
      "Eine Quinte über C liegt G-Dur mit einem Kreuz. Es steht auf der obersten Linie und "
      "macht jedes F zum Fis.",
      treble="D4 E4 F#4 G4 A4 B4 C5 D5 E5 F#5 G5", key=7, interval=5, level=1, time=90,
      right=20),
    L("F-Dur: ein b (B)",
      "Eine Quinte unter C liegt F-Dur mit einem b. Es steht auf der dritten Linie und macht "
      "jedes H zum B.",
      treble="C4 D4 E4 F4 G4 A4 Bb4 C5 D5 E5 F5", key=5, interval=5, level=2),
    L("D-Dur: zwei Kreuze (Fis, Cis)",
      "Zum Fis kommt das Cis: Jedes neue Kreuz liegt eine Quinte über dem vorigen. In D-Dur "
      "sind F und C erhöht.",
      treble="C#4 D4 E4 F#4 G4 A4 B4 C#5 D5 E5 F#5", key=2, interval=5, level=2),
    L("B-Dur: zwei Bs (B, Es)",
      "Zum B kommt das Es: Jedes neue b liegt eine Quinte unter dem vorigen. In B-Dur sind H "
      "und E erniedrigt.",
      treble="Bb3 C4 D4 Eb4 F4 G4 A4 Bb4 C5 D5 Eb5 F5", key=10, interval=5, level=2),
    L("D-Dur im Bassschlüssel",
      "Dieselben Vorzeichen, anders platziert: Im Bassschlüssel steht das Fis-Kreuz auf der "
      "vierten Linie, das Cis-Kreuz im zweiten Zwischenraum.",
      bass="A2 B2 C#3 D3 E3 F#3 G3 A3 B3 C#4 D4", system=2, key=2, interval=7, level=2),
    L("A-Dur: drei Kreuze",
      "Fis, Cis und Gis: In A-Dur sind F, C und G erhöht. Die Tonleiter reicht vom A unter "
      "dem Mittel-C bis zum E im vierten Zwischenraum.",
      treble="A3 B3 C#4 D4 E4 F#4 G#4 A4 B4 C#5 D5 E5", key=9, interval=7, level=3),
    L("Es-Dur im Bassschlüssel: drei Bs",
      "B, Es und As: In Es-Dur sind H, E und A erniedrigt. Gelesen wird im Bassschlüssel, "
      "vom Es auf der ersten Hilfslinie bis zum B über dem System.",
      bass="Eb2 F2 G2 Ab2 Bb2 C3 D3 Eb3 F3 G3 Ab3 Bb3", system=2, key=3, interval=7, level=3),
    L("E-Dur: vier Kreuze",
      "Fis, Cis, Gis und Dis: In E-Dur sind nur noch A, H und E ohne Kreuz. Achte besonders "
      "auf das Dis direkt unter jedem E.",
      treble="B3 C#4 D#4 E4 F#4 G#4 A4 B4 C#5 D#5 E5 F#5 G#5", key=4, interval=7, level=3),
    L("As-Dur im Bassschlüssel: vier Bs",
      "B, Es, As und Des: In As-Dur bleiben nur C, F und G unverändert. Gelesen wird vom As "
      "im ersten Zwischenraum bis zum Mittel-C.",
      bass="Ab2 Bb2 C3 Db3 Eb3 F3 G3 Ab3 Bb3 C4", system=2, key=8, interval=7, level=3),
    L("Beide Hände in D-Dur",
      "Beide Hände mit zwei Kreuzen: rechts die fünf Töne von D bis A, links darunter in "
      "Terzen und Sexten. Die Vorzeichen stehen in beiden Systemen und gelten in beiden.",
      treble="D4 E4 F#4 G4 A4", bass="G2 A2 B2 C#3 D3 E3 F#3 G3 A3 B3", system=3, key=2,
      interval=7, two_hands=1, level=3, time=150),
    L("H-Dur: fünf Kreuze",
      "Fis, Cis, Gis, Dis und Ais: In H-Dur sind nur E und H ohne Kreuz. Die Tonleiter reicht "
      "vom H unter dem Mittel-C bis zum Fis auf der obersten Linie.",
      treble="B3 C#4 D#4 E4 F#4 G#4 A#4 B4 C#5 D#5 E5 F#5", key=11, interval=8, level=4),
    L("Des-Dur: fünf Bs",
      "B, Es, As, Des und Ges: In Des-Dur sind nur C und F ohne b. Denk bei D, E, G, A und H "
      "an das b, auch wenn keines vor der Note steht.",
      treble="C4 Db4 Eb4 F4 Gb4 Ab4 Bb4 C5 Db5 Eb5 F5 Gb5 Ab5", key=1, interval=8, level=4),
    L("D-Dur im großen Notensystem",
      "Zwei Oktaven D-Dur über beide Systeme: die untere Oktave im Bass-, die obere im "
      "Violinschlüssel. Das Cis direkt über dem Mittel-C steht im Bassschlüssel auf der "
      "ersten Hilfslinie über dem System.",
      bass="D3 E3 F#3 G3 A3 B3 C#4", treble="D4 E4 F#4 G4 A4 B4 C#5 D5", system=3, key=2,
      interval=8, level=4),
    L("Tonleiter in einer Tonart nach Wahl",
      "Die Töne der Tonleiter in der Tonart, die du wählst, mit deren Vorzeichen am "
      "Zeilenanfang. Wiederhole die Lektion in immer neuen Tonarten." + KEY_HINT_DE,
      treble=naturals("C4", "E5"), key="?", transpose="T", interval=5, level=4),
    L("Tonleiter nach Wahl im Bassschlüssel",
      "Wie die vorige Lektion, aber im Bassschlüssel: Hier steht jedes Vorzeichen eine Linie "
      "oder einen Zwischenraum tiefer als im Violinschlüssel." + KEY_HINT_DE,
      bass=naturals("C3", "E4"), system=2, key="?", transpose="T", interval=5, level=4),
    L("Tonart und Notensystem nach Wahl",
      "Du bestimmst beides: unten das Notensystem, nach OK die Tonart im Quintenzirkel. Neun "
      "Töne der Tonleiter, die ohne oder mit wenigen Hilfslinien auskommen.",
      treble=naturals("F4", "G5"), system="?", key="?", transpose="T", interval=7, level=5),
    L("Beide Hände in einer Tonart nach Wahl",
      "Beide Hände in der gewählten Tonart: rechts die ersten fünf Töne der Tonleiter, links "
      "darunter in Terzen und Sexten. Die Vorzeichen gelten in beiden Systemen." + KEY_HINT_DE,
      treble="C4 D4 E4 F4 G4", bass=naturals("G2", "B3"), system=3, key="?", transpose="T",
      interval=7, two_hands=1, level=5, right=30),
    L("Fremde Tonart ohne Vorzeichen",
      "Die Töne beider Systeme werden in die gewählte Tonart versetzt, aber ohne "
      "Vorzeichen am Zeilenanfang: Jedes Kreuz und jedes b steht vor seiner Note und gilt bis "
      "zum Taktende." + KEY_HINT_DE,
      bass=naturals("G2", "B3"), treble=naturals("C4", "G5"), system=3, key=0, transpose="?",
      interval=8, level=5),
    L("As-Dur im großen Notensystem",
      "Vier Bs in beiden Systemen, vom As im ersten Zwischenraum des Bassschlüssels bis zum "
      "Es im vierten Zwischenraum des Violinschlüssels, mit Sprüngen bis zur kleinen Septime.",
      bass="Ab2 Bb2 C3 Db3 Eb3 F3 G3 Ab3 Bb3", treble="C4 Db4 Eb4 F4 G4 Ab4 Bb4 C5 Db5 Eb5",
      system=3, key=8, interval=10, level=5),
    L("H-Dur im Bassschlüssel mit Hilfslinien",
      "Fünf Kreuze über mehr als zwei Oktaven, vom Cis auf der zweiten Hilfslinie unter bis "
      "zum E auf der zweiten Hilfslinie über dem System, mit großen Sprüngen.",
      bass="C#2 D#2 E2 F#2 G#2 A#2 B2 C#3 D#3 E3 F#3 G#3 A#3 B3 C#4 D#4 E4", system=2, key=11,
      interval=22, level=5),
]

BOOKS = [
    Book("ViolinLektionen.ini.de", "A", "Violinschlüssel",
         "Notenlesen im Violinschlüssel für die rechte Hand: vom Mittel-C über Linien und "
         "Zwischenräume zu den Hilfslinien unter und über dem System, dann Kreuze, Bs und die "
         "ersten Tonarten.", "Treble clef", VIOLIN),
    Book("BassLektionen.ini.de", "B", "Bassschlüssel",
         "Notenlesen im Bassschlüssel für die linke Hand: vom Mittel-C abwärts über Linien und "
         "Zwischenräume bis zu den Hilfslinien unten und oben, dann Kreuze, Bs und Tonarten.",
         "Bass clef", BASSBUCH),
    Book("TonartenLektionen.ini.de", "C", "Tonarten",
         "Die Dur-Tonarten im Quintenzirkel, von C-Dur bis zu fünf Kreuzen und fünf Bs, in "
         "beiden Schlüsseln, im großen Notensystem und mit beiden Händen; dazu Lektionen, in "
         "denen du die Tonart selbst wählst.", "Keys", TONARTEN),
    Book("Lektionen.ini.de", "D", "Grundkurs",
         "Der Kurs, mit dem das Programm startet: Violin- und Bassschlüssel im Wechsel, "
         "Hilfslinien, das große Notensystem, Vorzeichen, erste Tonarten und beide Hände.",
         "Basic course", GRUNDKURS, bilingual=True),
]

# ---------------------------------------------------------------- writing ---

FILE_NOTE = "' Written by tools/lessons/make_lessons.py; change the course there."


def suffix(lesson: Lesson, lang: str) -> str:
    if lang == "de":
        return (f" Prüfung: {lesson.right} Fragen in {lesson.time} Sekunden, "
                f"{lesson.wrong} Leben.")
    return (f" Examination: {lesson.right} questions in {lesson.time} seconds, "
            f"{lesson.wrong} lives.")


def lesson_lines(number: int, lesson: Lesson, lang: str) -> list[str]:
    name = lesson.name if lang == "de" else lesson.name_en
    desc = (lesson.desc if lang == "de" else lesson.desc_en) + suffix(lesson, lang)
    return [
        f"[Lesen {number}]",
        f"Name={name}",
        "Noten=" + "|".join(str(v) for v in lesson.values()),
        f"System={lesson.system}",
        f"Tonart={lesson.key}",
        f"Transpose={lesson.transpose}",
        f"Intervall={lesson.interval}",
        f"ZweiHand={lesson.two_hands}",
        f"SpielZeit={lesson.time}",
        f"MaxRichtig={lesson.right}",
        f"MaxFalsch={lesson.wrong}",
        f"Level={lesson.level}",
        f"Beschreibung={desc}",
    ]


def write_ini(path: pathlib.Path, lines: list[str]) -> None:
    for line in lines:
        # A "[" anywhere else would end the section for the reader.
        if "[" in line and not (line.startswith("[") and line.endswith("]")):
            raise ValueError(f"{path.name}: '[' outside a section header: {line}")
    text = "\r\n".join(lines) + "\r\n"
    for ch in text:
        # Only characters that Windows-1252 and Latin-1 encode alike: the
        # program decodes files without a byte-order mark as Latin-1.
        if ord(ch) > 0xFF or 0x80 <= ord(ch) <= 0x9F:
            raise ValueError(f"{path.name}: character {ch!r} is not portable single-byte text")
    path.write_bytes(text.encode("cp1252"))


def lesson_file(title: str, lessons: list[Lesson], lang: str) -> list[str]:
    lines = [f"' Lesmora: {title}", FILE_NOTE, ""]
    for n, lesson in enumerate(lessons, start=1):
        lines += lesson_lines(n, lesson, lang)
        lines.append("")
    return lines[:-1]


def book_file() -> list[str]:
    lines = ["' Lesmora: Übungsbücher", FILE_NOTE, ""]
    for n, book in enumerate(BOOKS, start=1):
        lines += [
            f"[DE {n}]",
            f"Kurz={book.kurz}",
            f"Name={book.name}",
            f"Beschreibung={book.desc}",
            f"Datei={book.file}",
            "Level=" + ",".join(str(v) for v in sorted({les.level for les in book.lessons})),
            "",
        ]
    return lines[:-1]


# ------------------------------------------------------------------- docs ---

KEY_NAMES = {0: "C", 1: "Db", 2: "D", 3: "Eb", 4: "E", 5: "F", 7: "G", 8: "Ab", 9: "A",
             10: "Bb", 11: "B"}
STAFF_NAMES = {1: "treble", 2: "bass", 3: "grand", "?": "chosen (?)"}


def span(values: list[int]) -> str:
    if not values:
        return ""
    lo = min(values, key=midi)
    hi = max(values, key=midi)
    return pitch_name(lo) if lo == hi else f"{pitch_name(lo)}–{pitch_name(hi)}"


def range_text(lesson: Lesson) -> str:
    vals = lesson.values()
    treble = [v for v in vals if v < 100]
    bass = [v for v in vals if v > 100]
    if lesson.system == "?":
        other = [v + 100 for v in treble]
        text = f"treble {span(treble)} / bass {span(other)}"
    elif treble and bass:
        text = f"bass {span(bass)}, treble {span(treble)}"
    else:
        text = span(treble or bass)
    if lesson.transpose in ("T", "?"):
        text += " (written in C, moved to the chosen key)"
    return text


def key_text(lesson: Lesson) -> str:
    if lesson.key == "?" and lesson.transpose == "T":
        return "chosen (? / T)"
    if lesson.transpose == "?":
        sig = "no signature" if lesson.key == 0 else f"{KEY_NAMES[lesson.key]} signature"
        return f"{sig}, notes moved to the chosen key ({lesson.key} / ?)"
    if lesson.key == 0:
        return "C, no signature (0)"
    return f"{KEY_NAMES[lesson.key]} major ({lesson.key})"


def docs() -> str:
    out = [
        "# Lesson books",
        "",
        "The lessons shipped in the data archive, as written by "
        "`tools/lessons/make_lessons.py` (the course is data in that script; edit it there "
        "and run it, then `tools/lessons/check_lessons.py`).",
        "",
        "| Book (`Buch.ini`) | `Kurz` | File | Lessons |",
        "|---|---|---|---|",
    ]
    for n, book in enumerate(BOOKS, start=1):
        out.append(f"| DE {n} {book.name} ({book.title_en}) | {book.kurz} | `{book.file}` "
                   f"| {len(book.lessons)} |")
    out += [
        "",
        "The default course is also `Lektionen.ini.en` (same lessons, English names and "
        "descriptions); the start-up copy puts one of the two into the user folder as the "
        "working copy `Lektionen.ini`. Book `D` makes the same course selectable in the "
        "browser, so that a result code always carries a book letter.",
        "",
        "How the course is graded: level 1 reads landmark notes around middle C (treble C4 and "
        "G4, bass F3 and C4) in five-note positions with `Intervall` 4 (steps and thirds); "
        "level 2 widens to an octave, lines and spaces and the first grand-staff reading; "
        "level 3 brings ledger lines above and below, skips and two octaves, and the first "
        "two-handed lesson; level 4 accidentals and key signatures; level 5 wide ranges, keys "
        "with many accidentals, transposition and free leaps. Within a book the figures for "
        "the examination grow with the level (60 s / 15 questions / 10 lives at level 1 up to "
        "150 s / 40 questions / 5 lives at level 5).",
        "",
        "Columns: **Staff** is `System` (chosen (?) means the browser offers treble, bass or "
        "both); **Key** is `Tonart` and `Transpose`; **Range** gives the written notes as "
        "pitch names (C4 = middle C, B = B natural); **Int.** is `Intervall`, the largest step "
        "in semitones while practising (it grows by one every ten seconds); **2H** is "
        "`ZweiHand`; **Exam** is `SpielZeit` s / `MaxRichtig` questions / `MaxFalsch` lives.",
    ]
    for n, book in enumerate(BOOKS, start=1):
        out += ["", f"## {book.name} ({book.title_en}) — `{book.file}`", ""]
        if book.bilingual:
            out += ["| No. | Name (de / en) | Level | Staff | Key | Range | Int. | 2H | Exam |",
                    "|---|---|---|---|---|---|---|---|---|"]
        else:
            out += ["| No. | Name | Level | Staff | Key | Range | Int. | 2H | Exam |",
                    "|---|---|---|---|---|---|---|---|---|"]
        for i, les in enumerate(book.lessons, start=1):
            name = f"{les.name} / {les.name_en}" if book.bilingual else les.name
            out.append(
                f"| {i} | {name} | {les.level} | {STAFF_NAMES[les.system]} | {key_text(les)} "
                f"| {range_text(les)} | {les.interval} | {les.two_hands} "
                f"| {les.time} s / {les.right} / {les.wrong} |")
    out += [
        "",
        "## Format decisions",
        "",
        "- Files are Windows-1252 with CR LF line ends and use only characters that "
        "Windows-1252 and Latin-1 encode alike (no curly quotes or dashes), because a file "
        "without a byte-order mark is decoded as Latin-1. No value contains \"[\", which would "
        "end the section for the reader.",
        "- Every lesson writes all twelve keys the program reads, in the order `Name`, `Noten`, "
        "`System`, `Tonart`, `Transpose`, `Intervall`, `ZweiHand`, `SpielZeit`, `MaxRichtig`, "
        "`MaxFalsch`, `Level`, `Beschreibung`. `Oktave`, `Notenfenster` and the \"-\" "
        "separator are not written: nothing reads them.",
        "- Lesson 1 of every file has a fixed staff, a fixed key and one hand, since it is "
        "loaded at start-up without the browser.",
        "- Notes of a lesson are written lower staff first, each staff ascending, so that "
        "\"learn and see\" shows them as scales.",
        "- A `System` \"?\" lesson holds treble values only. The loader moves them into the "
        "bass clef by adding 100, which sounds two octaves lower and sits a third lower on the "
        "staff, and choosing both staves doubles them; the ranges were picked to need few "
        "ledger lines in either clef (treble F4–G5 is bass F2–G3).",
        "- Lessons with a chosen key (`Tonart` \"?\" with `Transpose` \"T\", or `Tonart` 0 with "
        "`Transpose` \"?\") are written in C with natural notes. Most span more than an octave "
        "per staff, so that the loader's range keeping folds a transposed note back into the "
        "written range by octaves; the right hand of the two-handed one is a five-note position "
        "that simply moves with the key (A major puts it at A3–E4). The checker loads every "
        "such lesson in all eleven keys and every offered staff.",
        "- Fixed-key lessons use only the scale notes of their key, spelled as the key "
        "signature spells them. Lessons in C with accidentals use the black keys spelled as "
        "sharps or flats, never Cb, Fb, E# or B#.",
        "- Two-handed lessons offer the left hand at least two notes a third or a sixth below "
        "every right-hand note (checked for every chosen key), so the random draw finds a "
        "consonant partner.",
        "- All notes, also after every possible transposition, stay within MIDI 24–89, the "
        "range of the piano samples, and every file has at most 24 lessons so that the "
        "lesson letter of a result code stays within A–Z.",
        "",
    ]
    return "\n".join(out)


def main() -> int:
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parents[2]
    assets = root / "assets"
    assets.mkdir(exist_ok=True)
    write_ini(assets / "Buch.ini", book_file())
    for book in BOOKS:
        if book.bilingual:
            base = book.file[: -len(".de")]
            write_ini(assets / (base + ".de"), lesson_file(book.name, book.lessons, "de"))
            write_ini(assets / (base + ".en"), lesson_file(book.title_en, book.lessons, "en"))
        else:
            write_ini(assets / book.file, lesson_file(book.name, book.lessons, "de"))
    (root / "docs").mkdir(exist_ok=True)
    (root / "docs" / "lessons.md").write_text(docs(), encoding="utf-8")
    total = sum(len(b.lessons) for b in BOOKS)
    print(f"wrote {len(BOOKS)} books, {total} lessons, and docs/lessons.md under {root}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
