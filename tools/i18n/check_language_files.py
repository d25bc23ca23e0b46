#!/usr/bin/env python3
"""Checks the language files assets/deutsch.ini and assets/English.ini.

Both files are read the way the program reads them:
  1. entries start after a line "[LanguageDefinition]"; a file without it, or without
     a "LanguageId" entry after it, is no language file;
  2. entries end at the next line that begins with "[" (after leading blanks);
  3. an entry is key "=" text, split at the first "="; a line without "=", or whose
     first character is "=", defines nothing;
  4. key and text lose blanks and tabs at the front and blanks, tabs and CR at the
     end; then one pair of double quotes around the whole key or text is removed;
  5. ";" starts a comment unless it is written "\\;" or stands inside the quoted text
     of the entry (after an opening quote and before a later quote on the line);
  6. escapes: \\\\ \\r \\n \\t \\; \\# \\:;
  7. "LanguageId" names the language; a later entry replaces an earlier one; keys
     are compared without regard to letter case.
"{{key}}" tokens are expanded as the program does: "}}" closes the token opened
last, the text of a key is expanded again before it is inserted, a key without a
text shows as written, and a text that leads back to a key being expanded gives
"!ERROR!".

The checker then verifies the vocabulary of both languages, the exact German texts
that a translator would not guess, the numbered phrases of both files, the keys
German leaves open, the spelling of the English texts for misspelled keys, that no
text the program builds leaves "{{" or "!ERROR!" behind, that the wizard's option
lines fall on the line numbers the wizard counts on (needs FreeType and Liberation
Sans), and that docs/vocabulary.md is up to date.

Usage: python3 tools/i18n/check_language_files.py [--write-doc] [repository folder]
  --write-doc  rewrite docs/vocabulary.md from the language files, then check.
Exit status 0 when every check passes, 1 otherwise.
"""

from __future__ import annotations

import ctypes
import ctypes.util
import pathlib
import sys

BOM = "\ufeff"

# ---------------------------------------------------------------------------
# Reading a language file
# ---------------------------------------------------------------------------


class Language:
    def __init__(self) -> None:
        self.name = ""
        self.texts: dict[str, str] = {}      # lower-case key -> text
        self.spelling: dict[str, str] = {}   # lower-case key -> key as written last

    def get(self, key: str) -> str | None:
        return self.texts.get(key.lower())

    def defines(self, key: str) -> bool:
        return key.lower() in self.texts


def _trimmed(text: str) -> str:
    start, end = 0, len(text)
    while start < end and text[start] in " \t":
        start += 1
    while end > start and text[end - 1] in " \t\r":
        end -= 1
    return text[start:end]


def _without_quotes(text: str) -> str:
    if len(text) >= 2 and text[0] == '"' and text[-1] == '"':
        return text[1:-1]
    return text


_ESCAPES = {"\\": "\\", "r": "\r", "n": "\n", "t": "\t", ";": ";", "#": "#", ":": ":"}


def _unescaped(text: str) -> str:
    out = []
    i = 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text) and text[i + 1] in _ESCAPES:
            out.append(_ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def _without_comment(line: str) -> str:
    equals = line.find("=")
    quotes = 0
    i = 0
    while i < len(line):
        char = line[i]
        if char == "\\":
            i += 2
            continue
        in_text = equals != -1 and i > equals
        if char == '"' and in_text:
            quotes += 1
        if char == ";":
            quoted = in_text and quotes % 2 == 1 and line.find('"', i + 1) != -1
            if not quoted:
                return line[:i]
        i += 1
    return line


def parse_language(text: str) -> Language | None:
    """The table of a language file's text, or None when it is no language file."""
    language = Language()
    in_definition = False
    has_id = False
    for raw in text.replace("\r\n", "\n").split("\n"):
        line = _trimmed(raw)
        if not in_definition:
            in_definition = line == "[LanguageDefinition]"
            continue
        if line.startswith("["):
            break
        line = _without_comment(line)
        equals = line.find("=")
        if equals <= 0:
            continue
        key = _unescaped(_without_quotes(_trimmed(line[:equals])))
        value = _unescaped(_without_quotes(_trimmed(line[equals + 1:])))
        if not key:
            continue
        language.texts[key.lower()] = value
        language.spelling[key.lower()] = key
        if key.lower() == "languageid":
            language.name = value
            has_id = True
    return language if has_id else None


def localize(text: str, language: Language | None) -> str:
    """Replaces every "{{key}}" of text by the language's text for key."""
    return _localize(text, language, [])


def _localize(text: str, language: Language | None, busy: list[str]) -> str:
    stack = [""]
    i = 0
    while i < len(text):
        if text.startswith("{{", i):
            stack.append("")
            i += 2
        elif text.startswith("}}", i) and len(stack) > 1:
            key = stack.pop()
            stack[-1] += _replacement(key, language, busy)
            i += 2
        else:
            stack[-1] += text[i]
            i += 1
    while len(stack) > 1:                      # a token never closed stays as written
        rest = "{{" + stack.pop()
        stack[-1] += rest
    return stack[0]


def _replacement(key: str, language: Language | None, busy: list[str]) -> str:
    found = language.get(key) if language else None
    if found is None:
        return key
    if key.lower() in busy:
        return "!ERROR!"
    busy.append(key.lower())
    result = _localize(found, language, busy)
    busy.pop()
    return result


# ---------------------------------------------------------------------------
# What the program asks of the files
# ---------------------------------------------------------------------------

# Every key the program and its page templates use, with the place that shows it.
VOCABULARY = [
    ("6 Octave Piano", "Settings: instrument"),
    ("A", "Mouse test: button"),
    ("All", "Lesson browser: level filter"),
    ("Analyse Student Code", "Main menu: Options"),
    ("Audio Input", "Settings: input page"),
    ("Audio Instrument", "Settings: output page"),
    ("Audio Output", "Settings: output page"),
    ("B", "Mouse test: button"),
    ("BACK", "Information window: button"),
    ("Back", "Wizard: button"),
    ("Bass", "Lesson browser: staff choice; code analysis"),
    ("Beginners", "Lesson browser: level filter"),
    ("Book", "Lesson preview pages; code analysis"),
    ("C", "Mouse test: button"),
    ("Change exercise book", "Main menu: Start"),
    ("Checksum", "Code analysis"),
    ("Computer", "Settings: input page"),
    ("Continue", "Wizard: button"),
    ("Create exercise", "Main menu: Start"),
    ("Create lesson", "Wizard: window title"),
    ("Date", "Code analysis"),
    ("Description", "Lesson preview pages"),
    ("Dictation", "Main menu: Method"),
    ("End game after", "Wizard: steps 9a to 9c"),
    ("Examination", "Main menu: Method; exercise headline"),
    ("Exercise", "Code analysis"),
    ("EXERCISE BOOKS", "Lesson browser: heading"),
    ("EXERCISE CREATION WIZZARD", "Wizard: first step"),
    ("Exit", "Main menu: Start"),
    ("Experts", "Lesson browser: level filter"),
    ("First class performance", "Result page: verdict"),
    ("Fitting Piano", "Settings: instrument"),
    ("for absolut beginners", "Wizard: level step"),
    ("for avarage musician", "Wizard: level step"),
    ("for experienced musician", "Wizard: level step"),
    ("for experts", "Wizard: level step"),
    ("for intermediate learner", "Wizard: level step"),
    ("FORWARD", "Information window: button"),
    ("GM Instrument", "Settings: output page"),
    ("Good", "Result page: verdict"),
    ("Guess Words", "Main menu: Method"),
    ("Guitar", "Settings: instrument"),
    ("Help", "Main menu: Options; wizard: button"),
    ("HERE", "Mouse test: button"),
    ("individual", "Settings: note names"),
    ("Info about", "Main menu: Options"),
    ("Informations", "Information window: title"),
    ("Input", "Name entry: window title"),
    ("Input Name", "Main menu: Options"),
    ("Input test", "Settings: input page"),
    ("Instrument", "Settings: instrument"),
    ("Invalid", "Code analysis"),
    ("Key sound on", "Settings: output page"),
    ("Language/Sprache", "Settings: language list"),
    ("Learn and see", "Main menu: Method"),
    ("Lesson", "Lesson preview pages"),
    ("Lives", "Exercise counters (examination)"),
    ("Major", "Key names (result codes, code analysis)"),
    ("Method", "Main menu"),
    ("MIDI active", "Settings: input test"),
    ("Midi In channel", "Settings: input page"),
    ("MIDI Input", "Settings: input page"),
    ("MIDI Ouput", "Settings: output page"),
    ("Midi Out channel", "Settings: output page"),
    ("Mistakes made", "Code analysis"),
    ("or more", "Code analysis: a value too large for its letters"),
    ("Moderates", "Lesson browser: level filter"),
    ("Mouse Test", "Main menu: Options"),
    ("NearlyGood", "Result page: verdict"),
    ("NearlyRespectable", "Result page: verdict"),
    ("NearlySatisfactory", "Result page: verdict"),
    ("Needed time", "Code analysis"),
    ("No contact", "Settings: input test"),
    ("Note Length", "Settings: note lengths"),
    ("Note name", "Settings: note names"),
    ("Note received", "Settings: input test"),
    ("Octave designation", "Settings: octave names"),
    ("OK", "Lesson browser, information window: button"),
    ("Options", "Main menu"),
    ("Performance", "Code analysis"),
    ("Practice", "Main menu: Method; exercise headline"),
    ("Program settings", "Settings: window title"),
    ("Question", "Mouse test: window title"),
    ("Questions", "Exercise counters (examination)"),
    ("Ready", "Name entry: button; wizard: last step"),
    ("Respectable", "Result page: verdict"),
    ("Right", "Exercise counters (practice)"),
    ("right notes", "Wizard: step 9b"),
    ("Satisfactory", "Result page: verdict"),
    ("Scale", "Code analysis"),
    ("Scrolling Notes", "Main menu: Method"),
    ("Seconds", "Wizard: step 9a"),
    ("Select exercise", "Main menu: Start; lesson browser: title"),
    ("Select Scale", "Circle of fifths: title"),
    ("Settings", "Main menu: Options"),
    ("Sight Read training", "Information page"),
    ("Single Notes", "Main menu: Method"),
    ("Start", "Main menu"),
    ("Step", "Wizard: every step"),
    ("Stopp", "Main menu: Method"),
    ("Student", "Code analysis"),
    ("System", "Code analysis"),
    ("Teacher", "Settings: teacher page"),
    ("Test", "Settings: output page"),
    ("This lesson has no words to guess. Please choose another lesson.", "Note paper: word exercise"),
    ("This lesson has no words to guess. Please choose another lesson.", "Note paper: word exercise"),
    ("This note is named", "Exercise: learn and see"),
    ("Time", "Exercise counters"),
    ("Treble", "Code analysis"),
    ("Unsatisfactory", "Result page: verdict"),
    ("Valid", "Code analysis"),
    ("Very good", "Result page: verdict"),
    ("Very poor/fail", "Result page: verdict"),
    ("Violin", "Lesson browser: staff choice"),
    ("Work steps", "Main menu: Method"),
    ("Wrong", "Exercise counters (practice)"),
    ("wrong notes", "Wizard: step 9c"),
    ("Level", "Lesson browser: preview"),
    ("Key", "Lesson browser: preview"),
    ("Staff", "Lesson browser: preview"),
    ("Treble clef", "Lesson browser: preview"),
    ("Bass clef", "Lesson browser: preview"),
    ("Grand staff", "Lesson browser: preview"),
    ("both hands", "Lesson browser: preview"),
    ("chosen on the circle of fifths", "Lesson browser: preview"),
    ("chosen with the buttons below", "Lesson browser: preview"),
    ("This lesson has no notes to practise", "Lesson browser: preview"),
    ("No lesson at this level", "Lesson browser: preview"),
    ("C major", "Lesson browser: preview"),
    ("D flat major", "Lesson browser: preview"),
    ("D major", "Lesson browser: preview"),
    ("E flat major", "Lesson browser: preview"),
    ("E major", "Lesson browser: preview"),
    ("F major", "Lesson browser: preview"),
    ("G major", "Lesson browser: preview"),
    ("A flat major", "Lesson browser: preview"),
    ("A major", "Lesson browser: preview"),
    ("B flat major", "Lesson browser: preview"),
    ("B major", "Lesson browser: preview"),
]

# The numbered phrases: key, English text (None: the German text), German text.
PHRASES = [
    ("Phrase21", None,
     '*Mit dieser Noten-Software trainieren Sie das "vom-Blatt-Spiel" von Notenschrift.'),
    ("Phrase24", "Design a new exercise for sight reading.",
     "*Erstelle eine neue Übung für Notenlesen."),
    ("Phrase25", "ALLOW SIGNATURES||This signatures will be displayed:||• Sharps #||• Flats b||• Naturals|",
     "*VORZEICHEN ERLAUBEN||Diese Vorzeichen sollen erscheinen dürfen:||• Kreuze #||• Bees b||• Auflösungszeichen|"),
    ("Phrase28", "DEFINE SCALE||The Scale will be:|• C-Major|• Db-Major bbbbb|• D-Major ##|• Eb-Major bbb|"
                 "• E-Major ####|• F-Major b||• G-Major #|• Ab-Major bbbbb|• A-Major ###|• Bb-Major bbb|"
                 "• B-Major #####|",
     "*TONART FESTLEGEN||Die Tonart soll sein:|• C-Dur|• Db-Dur bbbbb|• D-Dur ##|• Eb-Dur bbb|"
     "• E-Dur ####|• F-Dur b||• G-Dur #|• Ab-Dur bbbbb|• A-Dur ###|• Bb-Dur bbb|• H-Dur #####|"),
    ("Phrase29", "DEFINE STAVES||The notes will appear in:||• only Treble||• only Bass||• both staves",
     "*NOTEN-SYSTEM FESTLEGEN||Die Noten sollen in diesen Systemen dargestellt werden:||• nur Violin||"
     "• nur Bass||• beide Systeme"),
    ("Phrase30", "DEFINE BASS-NOTES", "BASS-NOTEN"),
    ("Phrase31", "DEFINE TREBLE-NOTES", "VIOLIN-NOTEN"),
    ("Phrase32", "WITH SIGNATURE", "MIT VORZEICHEN"),
    ("Phrase33", "||Switch Notes on/off:", "*FESTLEGEN||Jetzt Töne einzeln an-/ausschalten:"),
    ("Phrase34", "{{Phrase30}} {{Phrase33}} |({{Phrase45}})",
     "*{{Phrase30}} {{Phrase33}} |({{Phrase45}})"),
    ("Phrase35", "{{Phrase30}} {{Phrase32}} {{Phrase33}}|({{Phrase46}})",
     "*{{Phrase30}} {{Phrase32}} {{Phrase33}}|({{Phrase46}})"),
    ("Phrase36", "MORE {{Phrase30}} {{Phrase32}} {{Phrase33}} ({{Phrase47}})",
     "*WEITERE {{Phrase30}} {{Phrase32}} {{Phrase33}} ({{Phrase47}})"),
    ("Phrase37", "{{Phrase31}} {{Phrase33}} |({{Phrase45}})",
     "*{{Phrase31}} {{Phrase33}} |({{Phrase45}})"),
    ("Phrase38", "{{Phrase31}} {{Phrase32}} {{Phrase33}}|({{Phrase46}})",
     "*{{Phrase31}} {{Phrase32}} {{Phrase33}}|({{Phrase46}})"),
    ("Phrase39", "MORE {{Phrase31}} {{Phrase32}} {{Phrase33}} ({{Phrase47}})",
     "*WEITERE {{Phrase31}} {{Phrase32}} {{Phrase33}} ({{Phrase47}})"),
    ("Phrase40", "END OF NOTES SELECTION", "ENDE DER NOTENAUSWAHL"),
    ("Phrase41", "OCTAVE IMPORTANT||Does the user has to choose the correct octave?||||"
                 "• Octave does not matter||• Octave is important|",
     "OKTAvE WICHTIG||Soll der User auf dem Klavier die korrekte Oktavlage der Noten eingeben müssen?|||"
     "• Oktave egal||• Oktave wichtig|"),
    ("Phrase42", "LEVELS:||What group is this exercise good for?|||",
     "SCHWIERIGKEITSGRAD:||Für welche Gruppe ist diese Übung geeignet?|||"),
    ("Phrase43", "MAXIMUM INTERVAL:||The distance between notes is maximum this:|||• {{INT_3}}||"
                 "• {{INT_6}}||• {{INT_7}}||• {{INT_9}}||• {{INT_16}}||• (does not matter)",
     "MAXIMALES INTERVALL:||Der Abstand zwischen den Fragenoten soll höchsten so groß sein:||"
     "• {{INT_3}}||• {{INT_6}}||• {{INT_7}}||• {{INT_9}}||• {{INT_16}}||• (egal)"),
    ("Phrase44", "TWO HAND EXERCISE:||The exercise is for simultanously both hands on a piano:|||"
                 "• No, Display Notes successively||• Yes, display notes one below the other",
     "ZWEI HAND ÜBUNG:||Die Übung soll gleichzeitig mit beiden Händen am Klavier möglich sein:||"
     "• Nein, Töne nacheinander darstellen||• Ja, Töne untereinander darstellen"),
    ("Phrase45", "Display semitones with #", "Halbtöne mit # darstellen"),
    ("Phrase46", "at first those with #", "zuerst die mit #"),
    ("Phrase47", "now those with #", "jetzt die mit #"),
    ("Phrase48", "You passed the test!", "Den Test hast Du bestanden!"),
    ("Phrase49", "The test is considered failed", "Der Test gilt als nicht bestanden"),
    ("Phrase51", "TITLE AND DESCRIPTION OF THE EXERCISE:", "TITEL UND BESCHREIBUNG DER ÜBUNG:"),
    ("Phrase53", "Exercise will be saved.", "Übung wird gespeichert."),
    ("Phrase54", "Secret Code for teacher", "Geheimcode für Lehrer"),
    ("Phrase55", "You just failed the test", "Den Test hast Du ganz knapp nicht bestanden"),
    ("Phrase56", "You have now almost passed the test", "Den Test hast Du jetzt fast bestanden"),
    ("Phrase57", "You haven't passed the test today", "Den Test hast Du heute noch nicht bestanden"),
    ("Phrase58", "Please enter your first name first...", "Gib bitte zunächst Deinen Vornamen ein..."),
    ("Phrase59", "Enter secret code from student ... (A-Z only)",
     "Geheimcode vom Schüler eingeben... (nur A-Z)"),
    ("Phrase60", "Training: What notes are these?", "Training: Welche Noten sind das?"),
    ("Phrase61", "Exam: Test your performance", "Prüfung: Teste Deine Leistung"),
    ("Phrase62", "The range of notes for this exercise:", "Der Notenumfang dieser Übung:"),
    ("Phrase63", "Mouse Test\rAlways click the button with the 'HERE'",
     "Maus Test\rKlicke immer auf den Button mit 'HIER'"),
]

PHRASE_USE = {
    "Phrase21": "Information page", "Phrase24": "Wizard: first step",
    "Phrase25": "Wizard: step 2", "Phrase28": "Wizard: step 1", "Phrase29": "Wizard: step 3",
    "Phrase30": "inside Phrase34 to 36", "Phrase31": "inside Phrase37 to 39",
    "Phrase32": "inside Phrase35, 36, 38, 39", "Phrase33": "inside Phrase34 to 39",
    "Phrase34": "Wizard: step 4", "Phrase35": "Wizard: step 4b", "Phrase36": "Wizard: step 4c",
    "Phrase37": "Wizard: step 5", "Phrase38": "Wizard: step 5b", "Phrase39": "Wizard: step 5c",
    "Phrase40": "Wizard: step 6", "Phrase41": "Wizard (no step shows it)",
    "Phrase42": "Wizard: step 11", "Phrase43": "Wizard: step 8", "Phrase44": "Wizard: step 10",
    "Phrase45": "inside Phrase34, 37", "Phrase46": "inside Phrase35, 38",
    "Phrase47": "inside Phrase36, 39", "Phrase48": "Result page: pass line",
    "Phrase49": "Result page: pass line", "Phrase51": "Wizard: step 12",
    "Phrase53": "Wizard: step 13", "Phrase54": "Result page: code",
    "Phrase55": "Result page: pass line", "Phrase56": "Result page: pass line",
    "Phrase57": "Result page: pass line", "Phrase58": "Name entry: prompt",
    "Phrase59": "Teacher code entry: prompt", "Phrase60": "Exercise headline (practice)",
    "Phrase61": "Exercise headline (examination)", "Phrase62": "Exercise headline (learn and see)",
    "Phrase63": "Mouse test: instructions",
}

# German texts fixed by the program's screens (menus, verdicts, key names, ...).
GERMAN_EXACT = {
    "Treble": "Violin", "Practice": "Training", "Examination": "Prüfung",
    "Learn and see": "Lernen und sehen", "Seconds": " Sekunden", "OK": "Ok", "HERE": "HIER",
    "Test": "testen", "Input Name": "Vorname eingeben",
    "Analyse Student Code": "Schülercode auswerten", "Moderates": "Fortgeschrittene",
    "Beginners": "Neulinge", "Right": "Richtig", "Wrong": "Falsch", "Lives": "Leben",
    "Questions": "Fragen", "Time": "Zeit", "Step": "Schritt", "Ready": "Fertig",
    "Checksum": "Prüfsumme", "Student": "Schüler", "Teacher": "Lehrer", "Book": "Buch",
    "Lesson": "Lektion", "Description": "Beschreibung", "Major": "Dur",
    # main menu
    "Start": "Start", "Select exercise": "Übung auswählen", "Change exercise book": "Buch wechseln",
    "Create exercise": "Übung erstellen", "Exit": "Ende", "Method": "Methode",
    "Single Notes": "Einzelne Noten", "Scrolling Notes": "Fließende Noten", "Dictation": "Diktat",
    "Guess Words": "Wörter raten", "Work steps": "Arbeitsschritte", "Options": "Optionen",
    "Info about": "Info zu", "Settings": "Einstellungen", "Help": "Hilfe", "Mouse Test": "Maus Test",
    # verdicts of the result page
    "First class performance": "Spitzenleistung", "Very good": "Sehr Gut", "Good": "Gut",
    "NearlyGood": "Ziemlich Gut. Fast bestanden!", "Respectable": "Ganz ordentlich. Weiter so!",
    "NearlyRespectable": "Ziemlich ordentlich. Du wirst besser!",
    "Satisfactory": "Ausreichend. Bitte übe noch ein paar Mal.",
    "NearlySatisfactory": "Fast ausreichend. Das kannst du noch besser!",
    "Unsatisfactory": "Mangelhaft. Übe bitte mit dem Trainer.",
    "Very poor/fail": "Ungenügend. Bleib erst mal beim Training!!!",
    # both spellings of one key
    "BACK": "Zurück", "back": "Zurück",
}

# Keys German leaves without a text: they show as their keys.
GERMAN_UNDEFINED = ["A", "B", "C", "Audio Input", "Audio Instrument", "Audio Output", "Computer",
                    "FORWARD", "GM Instrument", "Input", "Input test", "Instrument",
                    "Language/Sprache", "Program settings", "Question", "Scale", "Select Scale",
                    "Stopp", "System", "Violin"]

# Keys whose own spelling is wrong: German and English texts spelled right.
MISSPELLED = {
    "MIDI Ouput": ("MIDI-Ausgang", "MIDI Output"),
    "EXERCISE CREATION WIZZARD": (None, "EXERCISE CREATION WIZARD"),
    "for absolut beginners": (None, "for absolute beginners"),
    "for avarage musician": (None, "for average musician"),
}
WRONG_SPELLINGS = ["Ouput", "WIZZARD", "absolut ", "avarage"]

# Keys a screen shows that are no English text of their own: English gives them one.
ENGLISH_TEXTS = {
    "Informations": "Information", "Stopp": "Stop", "Moderates": "Intermediates",
    "NearlyGood": "Nearly good. Almost passed!",
    "NearlyRespectable": "Nearly respectable. You are getting better!",
    "NearlySatisfactory": "Nearly satisfactory. You can do better!",
}

INTERVALS_FIXED = {3: ("Sekunde", "Second"), 6: ("Terz", "Third"), 7: ("Quarte", "Fourth"),
                   9: ("Quinte", "Fifth"), 16: ("Oktave", "Octave")}
NOTE_NAMES_EN = "Cb C C# Db D D# Eb E E# Fb F F# Gb G G# Ab A A# Bb B B#".split()
NOTE_NAMES_DE = "Ces C Cis Des D Dis Es E Eis Fes F Fis Ges G Gis As A Ais B H His".split()
LISTS = [("INT", 17, "Interval names"), ("CHO", 13, "Chord names (not shown yet)"),
         ("TON", 21, "Labels of the note table in Listen.ini (not shown yet)")]

# Texts the program builds from tokens: each must expand cleanly in both languages.
PROGRAM_TEXTS = [
    "{{Start}}   ", "{{Select exercise}}", "{{Change exercise book}}", "{{Create exercise}}",
    "{{Exit}}", "{{Method}}   ", "{{Single Notes}}", "{{Scrolling Notes}}", "{{Dictation}}",
    "{{Guess Words}}", "{{Work steps}}", "1. {{Learn and see}}", "2. {{Practice}}",
    "3. {{Examination}}", "{{Stopp}}", "{{Options}}   ", "{{Info about}} Lesmora", "{{Settings}}",
    "{{Help}}", "{{Input Name}}", "{{Analyse Student Code}}", "{{Mouse Test}}",
    "{{Select exercise}}...", "{{Select Scale}}...", "{{Violin}}+{{Bass}}", "{{Teacher}} ID:",
    "{{Sight Read training}} Version", "{{Treble}} & {{Bass}}", "{{This note is named}}: ",
    "{{Student}} = <b>x</b><br>{{Book}} = {{Exercise}} = {{Scale}} = {{System}} = {{Date}} = "
    "{{Needed time}} = {{Performance}} = {{Mistakes made}} = {{Checksum}} = {{Valid}} {{Invalid}}",
]
# The wizard's step texts with the text lines a press may choose.
WIZARD_STEPS = [
    (0, "{{EXERCISE CREATION WIZZARD}}||{{Phrase24}}", None),
    (1, "{{Step}} 1 {{Phrase28}}", [3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14]),
    (2, "{{Step}} 2||{{Phrase25}}", [6, 8, 10]),
    (3, "{{Step}} 3||{{Phrase29}}", [6, 8, 10]),
    (10, "{{Step}} 4||{{Phrase34}}", None),
    (11, "{{Step}} 4b||{{Phrase35}}", None),
    (12, "{{Step}} 4c||{{Phrase36}}", None),
    (14, "{{Step}} 5||{{Phrase37}}", None),
    (15, "{{Step}} 5b||{{Phrase38}}", None),
    (16, "{{Step}} 5c||{{Phrase39}}", None),
    (20, "{{Step}} 6 {{Phrase40}}", None),
    (22, "{{Step}} 8 {{Phrase43}}", [5, 7, 9, 11, 13, 15]),
    (23, "{{Step}} 9a {{End game after}}|| 60 {{Seconds}}", None),
    (24, "{{Step}} 9b {{End game after}}|| 30 {{right notes}}", None),
    (25, "{{Step}} 9c {{End game after}}|| 10 {{wrong notes}}", None),
    (26, "{{Step}} 10  {{Phrase44}}", [5, 7]),
    (30, "{{Step}} 11 {{Phrase42}}• {{for absolut beginners}}||• {{for intermediate learner}}||"
         "• {{for avarage musician}}||• {{for experienced musician}}||• {{for experts}}",
     [5, 7, 9, 11, 13]),
    (31, "{{Step}} 12 {{Phrase51}}", None),
    (38, "{{Step}} 13 {{Phrase53}}", None),
    (40, "{{Ready}}", None),
    (-1, "{{Step}} 9 {{End game after}}||42 {{right notes}}", None),
]
WIZARD_WIDTH = 500
WIZARD_FONT = pathlib.Path("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf")
WIZARD_PIXELS = 18

# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------


class Report:
    def __init__(self) -> None:
        self.failures = 0
        self.passes = 0

    def check(self, ok: bool, what: str) -> bool:
        if ok:
            self.passes += 1
        else:
            self.failures += 1
            print(f"FAIL: {what}")
        return ok


def self_test(report: Report) -> None:
    """The reader itself, on small texts that exercise each rule."""
    def table(*lines: str) -> Language | None:
        return parse_language("\n".join(lines))

    cases = [
        # (lines, key, expected text or None for undefined)
        (["x=1", "[LanguageDefinition]", "LanguageId=T", "x=2"], "x", "2"),      # text before ignored
        (["[LanguageDefinition]", "LanguageId=T", "a=1", "  [Other]", "b=2"], "b", None),
        (["[LanguageDefinition]", "LanguageId=T", "a=1", "[Other]", "a=2"], "a", "1"),
        (["[LanguageDefinition]", "LanguageId=T", "no equals here", "c=3"], "c", "3"),
        (["[LanguageDefinition]", "LanguageId=T", "=d"], "", None),
        (["[LanguageDefinition]", "LanguageId=T", "k=a=b"], "k", "a=b"),
        (["[LanguageDefinition]", "LanguageId=T", "\tk  =  v \t\r"], "k", "v"),
        (["[LanguageDefinition]", "LanguageId=T", 'k = " v "'], "k", " v "),
        (["[LanguageDefinition]", "LanguageId=T", '"spaced key" = v'], "spaced key", "v"),
        (["[LanguageDefinition]", "LanguageId=T", 'k = "a" b "c"'], "k", 'a" b "c'),
        (["[LanguageDefinition]", "LanguageId=T", "k = a ; comment"], "k", "a"),
        (["[LanguageDefinition]", "LanguageId=T", "k = a\\; b"], "k", "a; b"),
        (["[LanguageDefinition]", "LanguageId=T", 'k = "a; b"'], "k", "a; b"),
        (["[LanguageDefinition]", "LanguageId=T", 'k = "a" ; b'], "k", "a"),
        (["[LanguageDefinition]", "LanguageId=T", 'k = "a; b'], "k", '"a'),
        (["[LanguageDefinition]", "LanguageId=T", "; k = a"], "k", None),
        (["[LanguageDefinition]", "LanguageId=T", "k=\\\\ \\r \\n \\t \\# \\: \\q"], "k",
         "\\ \r \n \t # : \\q"),
        (["[LanguageDefinition]", "LanguageId=T", "Key=1", "KEY=2"], "key", "2"),
        (["[LanguageDefinition]", "LanguageId=T", "Input name=x"], "INPUT NAME", "x"),
        (["[LanguageDefinition]\r", "LanguageId=T\r", "k=v\r"], "k", "v"),
    ]
    for lines, key, expected in cases:
        language = table(*lines)
        got = language.get(key) if language else "<no language>"
        report.check(got == expected, f"reader: {lines!r} gives {key!r} = {got!r}, not {expected!r}")
    report.check(table("LanguageId=T", "a=1") is None, "reader: a file without the section line")
    report.check(table("[LanguageDefinition]", "a=1") is None, "reader: a file without LanguageId")
    report.check(table("[LanguageDefinition]", "[Next]", "LanguageId=T") is None,
                 "reader: a LanguageId after the entries ended")

    demo = table("[LanguageDefinition]", "LanguageId=T", "a={{b}}!", "b=B", "loop={{loop2}}",
                 "loop2=x{{loop}}", "nest={{{{b}}}}")
    for text, expected in [("{{a}}", "B!"), ("{{A}} and {{missing}}", "B! and missing"),
                           ("{{loop}}", "x!ERROR!"), ("{{a", "{{a"), ("a}}", "a}}"),
                           ("{{nest}}", "B"), ("plain", "plain")]:
        got = localize(text, demo)
        report.check(got == expected, f"expansion: {text!r} gives {got!r}, not {expected!r}")
    report.check(localize("{{Right}}", None) == "Right", "expansion without a language")


def check_file_form(report: Report, name: str, raw: bytes, language_id: str) -> str:
    report.check(raw.startswith(BOM.encode("utf-8")), f"{name}: begins with a byte-order mark")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        report.check(False, f"{name}: is not UTF-8 ({error})")
        return ""
    body = text.replace("\r\n", "\n")
    report.check("\r" not in body, f"{name}: line ends are LF or CR LF only")
    lines = body.split("\n")
    report.check("[LanguageDefinition]" in (l.strip(" \t") for l in lines),
                 f"{name}: has a [LanguageDefinition] line")
    report.check(not lines[0].lstrip(BOM).startswith("[LanguageDefinition]"),
                 f"{name}: the byte-order mark sits on a line before [LanguageDefinition]")
    language = parse_language(text)
    if report.check(language is not None, f"{name}: is a language file"):
        report.check(language.name == language_id,
                     f"{name}: LanguageId is {language.name!r}, not {language_id!r}")
    return text


def check_german_form(report: Report, text: str) -> None:
    lines = text.replace("\r\n", "\n").split("\n")
    start = next(i for i, l in enumerate(lines) if l.strip(" \t") == "[LanguageDefinition]")
    entries = lines[start + 1:]
    report.check('Seconds = " Sekunden"' in entries, 'deutsch.ini: the line Seconds = " Sekunden"')
    report.check("Analyse Student Code= Schülercode auswerten" in entries,
                 "deutsch.ini: the line 'Analyse Student Code= Schülercode auswerten'")
    bare = [i for i, l in enumerate(entries) if l.strip() == "Octave Names"]
    last_entry = max(i for i, l in enumerate(entries) if "=" in l and not l.lstrip().startswith(";"))
    report.check(bool(bare) and bare[0] < last_entry,
                 "deutsch.ini: a line 'Octave Names' without '=' among the entries")
    report.check(any(l.startswith("Input name=") for l in entries),
                 "deutsch.ini: 'Input name' is written with a lower-case n")
    report.check(any(l.lstrip().startswith(";") for l in entries),
                 "deutsch.ini: comment lines among the entries")
    report.check(any(_without_comment(l) != l for l in entries
                     if "=" in l and not l.lstrip().startswith(";")),
                 "deutsch.ini: an entry followed by a comment")
    escaped = [l for l in entries if "\\;" in l and not l.lstrip().startswith(";")]
    quoted = [l for l in entries if "=" in l and '"' in l and
              ";" in _without_comment(l) and not l.lstrip().startswith(";")]
    report.check(bool(escaped or quoted), "deutsch.ini: a text with '\\;' or a quoted ';'")


def check_languages(report: Report, de: Language, en: Language) -> None:
    undefined = {k.lower() for k in GERMAN_UNDEFINED}
    for key, _ in VOCABULARY:
        if key.lower() in undefined:
            report.check(not de.defines(key), f"German leaves {key!r} undefined")
            report.check(localize("{{" + key + "}}", de) == key, f"German shows {key!r} as itself")
        else:
            report.check(de.defines(key), f"German defines {key!r}")
            report.check(bool((de.get(key) or "").strip()), f"German text of {key!r} is not empty")
    for key, expected in GERMAN_EXACT.items():
        report.check(de.get(key) == expected, f"German {key!r} is {de.get(key)!r}, not {expected!r}")

    for key, english, german in PHRASES:
        report.check(de.get(key) == german, f"German {key} is {de.get(key)!r}")
        wanted = german if english is None else english
        report.check(en.get(key) == wanted, f"English {key} is {en.get(key)!r}")

    for key, (german, english) in MISSPELLED.items():
        if german is not None:
            report.check(de.get(key) == german, f"German {key!r} is {de.get(key)!r}, not {german!r}")
        report.check(en.get(key) == english, f"English {key!r} is {en.get(key)!r}, not {english!r}")
    for language, label in ((de, "German"), (en, "English")):
        for key, _ in VOCABULARY:
            shown = localize("{{" + key + "}}", language)
            for wrong in WRONG_SPELLINGS:
                report.check(wrong not in shown, f"{label} shows {key!r} as {shown!r}")

    for key, english in ENGLISH_TEXTS.items():
        report.check(en.get(key) == english, f"English {key!r} is {en.get(key)!r}, not {english!r}")

    allowed_en = {"languageid"} | {k.lower() for k in MISSPELLED} | {p[0].lower() for p in PHRASES}
    allowed_en |= {k.lower() for k in ENGLISH_TEXTS}
    for prefix, count, _ in LISTS:
        allowed_en |= {f"{prefix}_{i}".lower() for i in range(count)}
    extra = sorted(en.spelling[k] for k in en.texts if k not in allowed_en)
    report.check(not extra, f"English defines only phrases, lists, misspelled keys and keys that are "
                            f"no English text: extra {extra}")

    for prefix, count, _ in LISTS:
        for i in range(count):
            key = f"{prefix}_{i}"
            for language, label in ((de, "German"), (en, "English")):
                report.check(bool((language.get(key) or "").strip()), f"{label} defines {key}")
        for language, label in ((de, "German"), (en, "English")):
            texts = [language.get(f"{prefix}_{i}") for i in range(count)]
            report.check(len(set(texts)) == count, f"{label} {prefix}_ texts are all different")
    for i, (german, english) in INTERVALS_FIXED.items():
        report.check(de.get(f"INT_{i}") == german, f"German INT_{i} is {de.get(f'INT_{i}')!r}")
        report.check(en.get(f"INT_{i}") == english, f"English INT_{i} is {en.get(f'INT_{i}')!r}")
    for i in range(21):
        report.check(en.get(f"TON_{i}") == NOTE_NAMES_EN[i], f"English TON_{i} is {en.get(f'TON_{i}')!r}")
        report.check(de.get(f"TON_{i}") == NOTE_NAMES_DE[i], f"German TON_{i} is {de.get(f'TON_{i}')!r}")

    # Edge cases of the reader on the real files.
    report.check(localize("{{back}}", de) == "Zurück" and localize("{{BACK}}", de) == "Zurück",
                 "German {{back}} and {{BACK}} give Zurück")
    expected34 = "DEFINE BASS-NOTES ||Switch Notes on/off: |(Display semitones with #)"
    got34 = localize("{{Phrase34}}", en)
    report.check(got34 == expected34, f"English {{{{Phrase34}}}} gives {got34!r}")
    report.check(localize("{{Right}}", en) == "Right", "English {{Right}} gives Right")
    report.check(localize("{{Input Name}}", de) == "Vorname eingeben", "German {{Input Name}}")
    report.check(de.get("Seconds") == " Sekunden", "German Seconds keeps its leading blank")
    report.check(localize("{{Step}} 9 {{End game after}}||", de) + "42" +
                 localize(" {{right notes}}", de) == "Schritt 9 Übung beenden nach||42 richtigen Noten",
                 "German slider text of step 9b")

    # No expansion leaves a token behind or runs in a circle.
    texts = [f"{{{{{key}}}}}" for key, _ in VOCABULARY] + [f"{{{{{p[0]}}}}}" for p in PHRASES]
    texts += PROGRAM_TEXTS + [step[1] for step in WIZARD_STEPS]
    for language, label in ((de, "German"), (en, "English")):
        every = texts + [f"{{{{{language.spelling[k]}}}}}" for k in language.texts]
        for text in every:
            shown = localize(text, language)
            report.check("{{" not in shown and "}}" not in shown and "!ERROR!" not in shown,
                         f"{label} {text!r} expands to {shown!r}")


# ---------------------------------------------------------------------------
# Wizard lines: the text block wraps at 500 pixels of Liberation Sans at 18 pixels
# ---------------------------------------------------------------------------


class _Generic(ctypes.Structure):
    _fields_ = [("data", ctypes.c_void_p), ("finalizer", ctypes.c_void_p)]


class _BBox(ctypes.Structure):
    _fields_ = [(n, ctypes.c_long) for n in ("xMin", "yMin", "xMax", "yMax")]


class _Vector(ctypes.Structure):
    _fields_ = [("x", ctypes.c_long), ("y", ctypes.c_long)]


class _Metrics(ctypes.Structure):
    _fields_ = [(n, ctypes.c_long) for n in ("width", "height", "horiBearingX", "horiBearingY",
                                             "horiAdvance", "vertBearingX", "vertBearingY",
                                             "vertAdvance")]


class _Slot(ctypes.Structure):
    _fields_ = [("library", ctypes.c_void_p), ("face", ctypes.c_void_p), ("next", ctypes.c_void_p),
                ("glyph_index", ctypes.c_uint), ("generic", _Generic), ("metrics", _Metrics),
                ("linearHoriAdvance", ctypes.c_long), ("linearVertAdvance", ctypes.c_long),
                ("advance", _Vector)]


class _Face(ctypes.Structure):
    _fields_ = [("num_faces", ctypes.c_long), ("face_index", ctypes.c_long),
                ("face_flags", ctypes.c_long), ("style_flags", ctypes.c_long),
                ("num_glyphs", ctypes.c_long), ("family_name", ctypes.c_char_p),
                ("style_name", ctypes.c_char_p), ("num_fixed_sizes", ctypes.c_int),
                ("available_sizes", ctypes.c_void_p), ("num_charmaps", ctypes.c_int),
                ("charmaps", ctypes.c_void_p), ("generic", _Generic), ("bbox", _BBox),
                ("units_per_EM", ctypes.c_ushort), ("ascender", ctypes.c_short),
                ("descender", ctypes.c_short), ("height", ctypes.c_short),
                ("max_advance_width", ctypes.c_short), ("max_advance_height", ctypes.c_short),
                ("underline_position", ctypes.c_short), ("underline_thickness", ctypes.c_short),
                ("glyph", ctypes.POINTER(_Slot))]


def text_measure():
    """A function giving the width of a text as the program's image font measures it
    (hinted advances of each character), or None when FreeType or the font is missing."""
    library_name = ctypes.util.find_library("freetype")
    if not library_name or not WIZARD_FONT.exists():
        return None
    freetype = ctypes.CDLL(library_name)
    library = ctypes.c_void_p()
    face = ctypes.POINTER(_Face)()
    if freetype.FT_Init_FreeType(ctypes.byref(library)) != 0:
        return None
    if freetype.FT_New_Face(library, str(WIZARD_FONT).encode(), 0, ctypes.byref(face)) != 0:
        return None
    freetype.FT_Set_Pixel_Sizes(face, 0, WIZARD_PIXELS)
    advances: dict[str, int] = {}

    def width(text: str) -> int:
        total = 0
        for char in text:
            if char not in advances:
                freetype.FT_Load_Char(face, ctypes.c_ulong(ord(char)), 0)
                advances[char] = face.contents.glyph.contents.advance.x >> 6
            total += advances[char]
        return total
    return width


def wrap(text: str, width: int, measure) -> list[str]:
    """The lines of the wizard's text block: break at "|", wrap at the last blank that
    fits, later lines without leading or trailing white space."""
    lines = []
    rest = text
    while True:
        cut = None
        if measure(rest) <= width:
            line = rest
        else:
            blanks = [i for i, c in enumerate(rest) if c == " "] + [len(rest)]
            fitting = [i for i in blanks if measure(rest[:i]) <= width]
            if fitting and fitting[-1] < len(rest):
                cut = fitting[-1]
            else:                                # a first word wider than the block
                cut = blanks[0]
            line = rest[:cut]
        if "|" in line:
            cut = rest.index("|")
            line = rest[:cut]
        lines.append(line)
        rest = rest[cut + 1:].strip() if cut is not None else ""
        if not rest:
            return lines


def check_wizard_lines(report: Report, de: Language, en: Language) -> None:
    measure = text_measure()
    if measure is None:
        print(f"SKIPPED: wizard line positions (FreeType or {WIZARD_FONT} missing)")
        return
    for language, label in ((de, "German"), (en, "English")):
        for step, text, choices in WIZARD_STEPS:
            lines = wrap(localize(text, language), WIZARD_WIDTH, measure)
            options = [i for i, line in enumerate(lines) if line.startswith("•")]
            if choices is None:
                continue
            report.check(options == choices,
                         f"{label} wizard step {step}: options on lines {options}, not {choices}: "
                         + " / ".join(f"{i}:{l}" for i, l in enumerate(lines)))


# ---------------------------------------------------------------------------
# docs/vocabulary.md
# ---------------------------------------------------------------------------


def _cell(text: str | None) -> str:
    shown = (text.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")
             .replace("|", "\\|"))
    if shown != shown.strip(" ") or shown == "":
        shown = f'"{shown}"'
    return shown


def vocabulary_doc(de: Language, en: Language) -> str:
    def text_of(language: Language, key: str) -> str:
        found = language.get(key)
        return "(key)" if found is None else f"`{_cell(found)}`"

    out = [
        "# Vocabulary of the language files",
        "",
        "Every key that the program, its menus, dialogs and page templates look up, with the",
        "text that `assets/deutsch.ini` and `assets/English.ini` give it. \"(key)\" means the",
        "language has no entry and the screen shows the key itself. Keys are found without",
        "regard to letter case. In the texts, `|` breaks a line, `\\r` is a line break of a",
        "label and `{{Key}}` inserts the text of another key.",
        "",
        "This page is written by `python3 tools/i18n/check_language_files.py --write-doc`;",
        "the checker fails when it no longer matches the language files.",
        "",
        "## Words and captions",
        "",
        "| Key | German | English | Where it is shown |",
        "|---|---|---|---|",
    ]
    for key, where in VOCABULARY:
        out.append(f"| `{_cell(key)}` | {text_of(de, key)} | {text_of(en, key)} | {where} |")
    out += ["", "## Numbered phrases", "",
            "| Key | German | English | Where it is shown |", "|---|---|---|---|"]
    for key, _, _ in PHRASES:
        out.append(f"| `{key}` | {text_of(de, key)} | {text_of(en, key)} | {PHRASE_USE[key]} |")
    out += ["", "## Lists", "",
            "Intervals are ordered by size; the wizard's interval step shows `INT_3`, `INT_6`,",
            "`INT_7`, `INT_9` and `INT_16`. Chord names run from the triads to the seventh",
            "chords. Note labels follow the spelling order Cb, C, C#, Db ... B, B#.", "",
            "| Key | German | English | Where it is shown |", "|---|---|---|---|"]
    for prefix, count, where in LISTS:
        for i in range(count):
            key = f"{prefix}_{i}"
            shown = where
            if prefix == "INT":
                shown = "Wizard: step 8" if i in INTERVALS_FIXED else "Interval names (not shown yet)"
            out.append(f"| `{key}` | {text_of(de, key)} | {text_of(en, key)} | {shown} |")
    known = {k.lower() for k, _ in VOCABULARY} | {p[0].lower() for p in PHRASES}
    known |= {f"{p}_{i}".lower() for p, c, _ in LISTS for i in range(c)} | {"languageid"}
    others = sorted({lang.spelling[k] for lang in (de, en) for k in lang.texts if k not in known},
                    key=str.lower)
    if others:
        out += ["", "## Other entries", "", "| Key | German | English |", "|---|---|---|"]
        for key in others:
            out.append(f"| `{_cell(key)}` | {text_of(de, key)} | {text_of(en, key)} |")
    return "\n".join(out) + "\n"


# ---------------------------------------------------------------------------


def main(argv: list[str]) -> int:
    write_doc = "--write-doc" in argv
    args = [a for a in argv if a != "--write-doc"]
    root = pathlib.Path(args[0]) if args else pathlib.Path(__file__).resolve().parents[2]
    assets = root / "assets"
    report = Report()

    self_test(report)
    files = {}
    for name, language_id in (("deutsch.ini", "Deutsch"), ("English.ini", "English")):
        path = assets / name
        if not report.check(path.exists(), f"{path} exists"):
            return 1
        files[name] = check_file_form(report, name, path.read_bytes(), language_id)
    de = parse_language(files["deutsch.ini"])
    en = parse_language(files["English.ini"])
    if de is None or en is None:
        print(f"{report.failures} checks failed")
        return 1
    check_german_form(report, files["deutsch.ini"])
    check_languages(report, de, en)
    check_wizard_lines(report, de, en)

    doc_path = root / "docs" / "vocabulary.md"
    doc = vocabulary_doc(de, en)
    if write_doc:
        doc_path.write_text(doc, encoding="utf-8")
        print(f"wrote {doc_path}")
    current = doc_path.read_text(encoding="utf-8") if doc_path.exists() else ""
    report.check(current == doc, f"{doc_path} matches the language files (run with --write-doc)")

    print(f"German: {len(de.texts)} entries, English: {len(en.texts)} entries")
    if report.failures:
        print(f"{report.failures} of {report.passes + report.failures} checks failed")
        return 1
    print(f"all {report.passes} checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
