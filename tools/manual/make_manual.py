#!/usr/bin/env python3
"""Writes the manual pages assets/Anleitung.html (German) and assets/Anleitung.en.html
(English) from the texts below, so both keep the same sections, anchors and pictures.
The pictures come from `exerciseshots assets manual`."""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2]

SECTIONS = ["start", "bildschirm", "methoden", "arbeitsschritte", "antworten", "lektion",
            "pruefung", "einstellungen", "midi", "dateien"]

DE = {
    "lang": "de", "title": "Lesmora – Anleitung", "contents": "Inhalt", "top": "nach oben",
    "intro": "Mit Lesmora lernst du, Noten vom Blatt zu lesen. Das Programm zeigt dir Noten, "
             "und du sagst, welche es sind: mit der Maus, mit der Tastatur oder auf einem "
             "Keyboard. Diese Anleitung erklärt alles Schritt für Schritt.",
    "names": {
        "start": "Der erste Start", "bildschirm": "Der Bildschirm und seine Teile",
        "methoden": "Die Methoden", "arbeitsschritte": "Die Arbeitsschritte",
        "antworten": "Vier Wege zu antworten", "lektion": "Eine Übung und eine Tonart wählen",
        "pruefung": "Die Prüfung und der Code für deine Lehrerin oder deinen Lehrer",
        "einstellungen": "Die Einstellungen", "midi": "Ein MIDI-Keyboard anschließen",
        "dateien": "Wo Lesmora seine Dateien ablegt"},
    "body": {
        "start": """
<p>Wenn Lesmora startet, fragt es nach deinem <b>Vornamen</b>. Tippe ihn ein (nur Buchstaben,
mindestens drei) und klicke auf <b>Fertig</b>. Beim allerersten Mal folgt ein kurzer
<b>Maus-Test</b>: Klicke elfmal auf den Knopf, auf dem <b>HIER</b> steht. So weiß das Programm,
wie schnell du mit der Maus bist.</p>
<p>Danach siehst du das Hauptfenster. Es läuft noch keine Übung: Du startest sie im Menü
<b>Methode</b>. Die Texte sind am Anfang immer deutsch; die Sprache stellst du in den
<a href="#einstellungen">Einstellungen</a> um.</p>
""",
        "bildschirm": """
<p class="bild"><img src="Anleitung-Bildschirm-de.png" width="560" height="350"></p>
<ul>
<li><b>Das Notenpapier</b> mit dem Notensystem: Hier erscheinen die Noten, die du benennen
sollst. Über dem System steht, was gerade geübt wird.</li>
<li><b>Die Zähler</b> oben rechts: <b>Zeit</b>, <b>Richtig</b> und <b>Falsch</b>. In der
Prüfung zeigen sie die Zeit, die übrigen <b>Fragen</b> und die übrigen <b>Leben</b>.</li>
<li><b>Das Klavier</b> unten oder das <b>Notenfeld</b> mit 21 Knöpfen für die Notennamen.
Beide kannst du mit der Maus an eine andere Stelle ziehen; das Notensystem auch.</li>
<li><b>Die Menüs</b> oben: <b>Start</b> (Übung auswählen, Buch wechseln, Übung erstellen,
Ende), <b>Methode</b> (wie geübt wird) und <b>Optionen</b> (Info, Einstellungen, Hilfe,
Vorname eingeben, Schülercode auswerten, Maus Test).</li>
</ul>
<p class="tipp">Tipp: Der kleine Knopf links am Klavier macht es größer – dreimal klicken,
und es ist wieder so groß wie am Anfang.</p>
""",
        "methoden": """
<p>Im Menü <b>Methode</b> wählst du, wie die Noten kommen:</p>
<ul>
<li><b>Einzelne Noten</b>: Eine Note nach der anderen steht auf einem kleinen System. Du
antwortest mit den Notennamen-Knöpfen.</li>
<li><b>Fließende Noten</b>: Die Noten laufen in ganzen Takten von rechts nach links durch,
bei manchen Übungen für beide Hände auf zwei Systemen. Du antwortest am Klavier.</li>
<li><b>Wörter raten</b>: Ein Wort ist mit Noten geschrieben (zum Beispiel A-C-H-E). Tippe die
Buchstaben auf der Tastatur.</li>
</ul>
<p class="bild"><img src="Anleitung-Einzelnoten-de.png" width="560" height="350"></p>
""",
        "arbeitsschritte": """
<p>Unter <b>Methode</b> findest du auch die drei Arbeitsschritte:</p>
<ol>
<li><b>Lernen und sehen</b>: Alle Noten der Übung stehen da. Jede Note, die du spielst, wird
aufgeschrieben und benannt. Hier gibt es keine Zeit und keine Fehler – nur schauen und
ausprobieren.</li>
<li><b>Training</b>: Die Uhr läuft, und Lesmora zählt richtige und falsche Antworten. Noten,
die du oft verwechselst, kommen öfter dran.</li>
<li><b>Prüfung</b>: Zeig, was du kannst! Mehr dazu unter
<a href="#pruefung">Die Prüfung</a>.</li>
</ol>
<p class="bild"><img src="Anleitung-Lernen-de.png" width="560" height="350"></p>
<p>Mit <b>Stopp</b> hältst du jede Übung an.</p>
""",
        "antworten": """
<ol>
<li><b>Notennamen-Knöpfe</b>: Klicke auf den Namen der Note, zum Beispiel <b>D</b>. Für
Kreuz und Be gibt es eigene Knöpfe (Cis, Des …). Graue Knöpfe kommen in der Übung nicht vor.
Eine falsche Antwort wird rot; nach zwei falschen Versuchen im Training zeigt ein grüner Knopf
die richtige.</li>
<li><b>Computer-Tastatur</b>: Tippe den Buchstaben: C, D, E, F, G, A und H (B geht auch).
Halte die Pfeiltaste <b>nach oben</b> gedrückt für ein Kreuz (Cis) und die Pfeiltaste
<b>nach unten</b> für ein Be (Des).</li>
<li><b>Klavier auf dem Bildschirm</b>: Klicke auf die Taste. Sie klingt, und die Antwort
zählt. Hier zählt auch die Oktave: Spiele die Note genau da, wo sie steht.</li>
<li><b>MIDI-Keyboard</b>: Spiele die Note auf deinem echten Keyboard. Wie du es anschließt,
steht unter <a href="#midi">MIDI-Keyboard</a>.</li>
</ol>
""",
        "lektion": """
<p>Im Menü <b>Start</b> öffnet <b>Übung auswählen</b> das Übungsbuch. Links steht die Liste
der Übungen, rechts eine Vorschau mit den Noten der Übung. Mit <b>Alle</b>, <b>Neulinge</b>,
<b>Fortgeschrittene</b> und <b>Experten</b> siehst du nur die Übungen, die zu dir passen.</p>
<ul>
<li>Wähle eine Übung und klicke auf <b>OK</b>.</li>
<li>Lässt eine Übung das System offen, wählst du unten <b>Violin</b>, <b>Bass</b> oder
beide.</li>
<li>Lässt eine Übung die Tonart offen, erscheint der <b>Quintenzirkel</b>: Klicke auf die
Tonart, in der du üben willst.</li>
</ul>
<p><b>Buch wechseln</b> zeigt alle Übungsbücher; ein anderes Buch bringt neue Übungen.
Mit <b>Übung erstellen</b> baut ein Assistent Schritt für Schritt eine eigene Übung.</p>
""",
        "pruefung": """
<p>Wähle unter <b>Methode</b> den Schritt <b>3. Prüfung</b>. Ein Countdown zählt sechs
Sekunden herunter, mit sechs Tönen. Dann geht es los:</p>
<p class="bild"><img src="Anleitung-Countdown-de.png" width="560" height="350"></p>
<ul>
<li>Die <b>Zeit</b> läuft rückwärts. Jede richtige Antwort schenkt dir ein kleines bisschen
Zeit.</li>
<li>Die <b>Fragen</b> werden bei jeder richtigen Antwort weniger. Ein erster Fehler bei einer
Note bringt eine Frage dazu.</li>
<li>Jeder Fehler kostet ein <b>Leben</b>.</li>
</ul>
<p class="bild"><img src="Anleitung-Pruefung-de.png" width="560" height="350"></p>
<p>Die Prüfung endet, wenn alle Fragen beantwortet sind, wenn die Leben aufgebraucht sind oder
wenn die Zeit um ist. Dann zeigt Lesmora dein <b>Ergebnis</b>: wie viele Noten richtig waren,
deine Fehler, die Zeit und ein Urteil. Bestanden hast du, wenn du die Fragen in der erlaubten
Zeit (oder schneller) geschafft hast. Ein Akkord klingt zum Schluss.</p>
<p class="bild"><img src="Anleitung-Ergebnis-de.png" width="420"></p>
<p>Bei einer <b>bestandenen</b> Prüfung meldet Lesmora das Ergebnis an deine Lehrerin oder
deinen Lehrer. Klappt das nicht (zum Beispiel ohne Internet), steht auf der Seite ein
<b>Geheimcode für Lehrer</b>: vierzehn Buchstaben und ein Prüfbuchstabe. Schreib ihn ab und
gib ihn weiter. Die Lehrerin oder der Lehrer tippt ihn unter <b>Optionen – Schülercode
auswerten</b> ein und sieht dein Ergebnis.</p>
<p>Mit <b>OK</b> beginnt gleich die nächste Prüfung mit dem Countdown. Schließt du das Fenster
mit dem Kreuz oben, geht es ohne neue Prüfung weiter.</p>
""",
        "einstellungen": """
<p><b>Optionen – Einstellungen</b> hat vier Seiten; oben wählst du sie mit vier Bildern.
Alles wirkt sofort und wird gleich gespeichert.</p>
<ul>
<li><b>Seite 1</b>: das Instrument auf dem Bildschirm (Klavier passend zur Übung oder mit
6 Oktaven), die Notennamen (C Cis Des …, C C# Db … oder Do Re Mi), die Oktavbezeichnung,
die Notenlängen der fließenden Noten und die <b>Sprache</b>.</li>
<li><b>Seite 2</b>: die Nummer deiner Lehrerin oder deines Lehrers.</li>
<li><b>IN</b>: wie du antwortest (Computer oder MIDI IN), das MIDI-Gerät, der Kanal und ein
Eingangstest mit Ampel.</li>
<li><b>OUT</b>: ob der Klang aus dem Computer oder über MIDI kommt, das Instrument, der Kanal,
der Tastenton und ein Knopf zum Probehören.</li>
</ul>
""",
        "midi": """
<ol>
<li>Schließe das Keyboard mit einem USB-Kabel (oder einem MIDI-Adapter) an und schalte es
ein – am besten, bevor du Lesmora startest.</li>
<li>Öffne <b>Optionen – Einstellungen</b> und klicke oben auf <b>IN</b>.</li>
<li>Wähle <b>MIDI IN</b> und in der Liste <b>MIDI-Eingang</b> dein Keyboard.</li>
<li>Spiele eine Taste. Die <b>Ampel</b> im Eingangstest wird grün, und daneben steht, welche
Note ankam.</li>
</ol>
<h3>Es kommt nichts an?</h3>
<ul>
<li>Ist das Keyboard eingeschaltet und das Kabel fest? Manche Keyboards haben eine eigene
USB-Buchse für MIDI.</li>
<li>Steht das Keyboard in der Liste? Wenn nicht: Lesmora beenden, Keyboard neu anstecken,
Lesmora wieder starten.</li>
<li>Bleibt die Ampel rot? Stelle den <b>MIDI-Eingangskanal</b> auf den Kanal, auf dem das
Keyboard sendet (meist 1).</li>
<li>Auf Linux braucht das Keyboard ALSA oder einen laufenden JACK-Server; frag im Zweifel
einen Erwachsenen, der sich mit dem Computer auskennt.</li>
</ul>
""",
        "dateien": """
<p>Lesmora legt seine Dateien in einen eigenen Ordner für dich:
<b>~/.local/share/Corvello/Lesmora/</b> (im persönlichen Ordner, der Punkt macht ihn
unsichtbar). Darin liegen:</p>
<ul>
<li><b>Lesmora.Ini</b>: deine Einstellungen und dein Vorname.</li>
<li><b>Lektionen.ini</b>: das Übungsbuch, mit dem du gerade übst.</li>
<li><b>Bewertung.html</b>: die Seite deiner letzten Prüfung.</li>
<li>Diese Anleitung, die Info-Seite und ihre Bilder. Sie werden bei jedem Start neu
geschrieben.</li>
</ul>
<p class="tipp">Löschst du den Ordner, fängt Lesmora wieder ganz von vorn an.</p>
"""},
}

EN = {
    "lang": "en", "title": "Lesmora – Manual", "contents": "Contents", "top": "back to top",
    "intro": "Lesmora helps you learn to read music at sight. It shows you notes and you say "
             "which they are: with the mouse, with the computer keyboard or on a keyboard "
             "instrument. This manual explains everything step by step.",
    "names": {
        "start": "The first start", "bildschirm": "The screen and its parts",
        "methoden": "The methods", "arbeitsschritte": "The work steps",
        "antworten": "Four ways to answer", "lektion": "Choosing a lesson and a key",
        "pruefung": "The examination and the code for your teacher",
        "einstellungen": "The settings", "midi": "Connecting a MIDI keyboard",
        "dateien": "Where Lesmora keeps its files"},
    "body": {
        "start": """
<p>When Lesmora starts, it asks for your <b>first name</b>. Type it (letters only, at least
three) and click <b>Ready</b>. The very first time a short <b>mouse test</b> follows: click
eleven times on the button that says <b>HERE</b>. Then the program knows how quick you are
with the mouse.</p>
<p>Now you see the main window. No exercise is running yet: you start one from the
<b>Method</b> menu. The texts are always German at first; switch the language in the
<a href="#einstellungen">settings</a>.</p>
""",
        "bildschirm": """
<p class="bild"><img src="Anleitung-Bildschirm-en.png" width="560" height="350"></p>
<ul>
<li><b>The note paper</b> with the staff: the notes you are to name appear here. Above the
staff it says what you are practising.</li>
<li><b>The counters</b> at the top right: <b>Time</b>, <b>Right</b> and <b>Wrong</b>. In the
examination they show the time, the <b>questions</b> left and the <b>lives</b> left.</li>
<li><b>The piano</b> at the bottom, or the <b>button field</b> with 21 buttons for the note
names. You can drag both to another place with the mouse; the staff too.</li>
<li><b>The menus</b> at the top: <b>Start</b> (select exercise, change exercise book, create
exercise, exit), <b>Method</b> (how you practise) and <b>Options</b> (info, settings, help,
input name, analyse student code, mouse test).</li>
</ul>
<p class="tipp">Tip: the small button at the left of the piano makes it bigger – click it
three times and it is back to its first size.</p>
""",
        "methoden": """
<p>In the <b>Method</b> menu you choose how the notes come:</p>
<ul>
<li><b>Single Notes</b>: one note after the other on a small staff. You answer with the
note-name buttons.</li>
<li><b>Scrolling Notes</b>: the notes move through in whole bars from right to left, in some
lessons for both hands on two staffs. You answer on the piano.</li>
<li><b>Guess Words</b>: a word is written in notes (for example A-C-H-E). Type its letters on
the keyboard.</li>
</ul>
<p class="bild"><img src="Anleitung-Einzelnoten-en.png" width="560" height="350"></p>
""",
        "arbeitsschritte": """
<p>The <b>Method</b> menu also holds the three work steps:</p>
<ol>
<li><b>Learn and see</b>: all notes of the lesson are shown. Every note you play is written
down and named. No clock, no mistakes – just look and try.</li>
<li><b>Practice</b>: the clock runs and Lesmora counts right and wrong answers. Notes you
often mix up come more often.</li>
<li><b>Examination</b>: show what you can do! See <a href="#pruefung">the
examination</a>.</li>
</ol>
<p class="bild"><img src="Anleitung-Lernen-en.png" width="560" height="350"></p>
<p><b>Stopp</b> stops any exercise.</p>
""",
        "antworten": """
<ol>
<li><b>Note-name buttons</b>: click the name of the note, for example <b>D</b>. Sharps and
flats have buttons of their own (C#, Db …). Grey buttons do not occur in the lesson. A wrong
answer turns red; after two wrong tries in practice a green button shows the right one.</li>
<li><b>Computer keyboard</b>: type the letter: C, D, E, F, G, A and H (B works too). Hold the
<b>up</b> arrow key for a sharp (C#) and the <b>down</b> arrow key for a flat (Db).</li>
<li><b>Piano on the screen</b>: click the key. It sounds and the answer counts. Here the
octave counts too: play the note exactly where it stands.</li>
<li><b>MIDI keyboard</b>: play the note on your real keyboard. How to connect it is told
under <a href="#midi">MIDI keyboard</a>.</li>
</ol>
""",
        "lektion": """
<p>In the <b>Start</b> menu, <b>Select exercise</b> opens the exercise book. On the left is the
list of lessons, on the right a preview with the lesson's notes. <b>All</b>,
<b>Beginners</b>, <b>Moderates</b> and <b>Experts</b> show only the lessons that suit you.</p>
<ul>
<li>Pick a lesson and click <b>OK</b>.</li>
<li>If a lesson leaves the staff open, choose <b>Violin</b>, <b>Bass</b> or both below.</li>
<li>If a lesson leaves the key open, the <b>circle of fifths</b> appears: click the key you
want to practise in.</li>
</ul>
<p><b>Change exercise book</b> lists all exercise books; another book brings new lessons.
<b>Create exercise</b> opens a wizard that builds a lesson of your own step by step.</p>
""",
        "pruefung": """
<p>Choose the step <b>3. Examination</b> in the <b>Method</b> menu. A countdown counts six
seconds down, with six tones. Then it starts:</p>
<p class="bild"><img src="Anleitung-Countdown-en.png" width="560" height="350"></p>
<ul>
<li>The <b>time</b> runs backwards. Every right answer gives you a little time back.</li>
<li>The <b>questions</b> go down with every right answer. A first mistake on a note adds a
question.</li>
<li>Every mistake costs a <b>life</b>.</li>
</ul>
<p class="bild"><img src="Anleitung-Pruefung-en.png" width="560" height="350"></p>
<p>The examination ends when all questions are answered, when the lives are used up or when
the time is over. Then Lesmora shows your <b>result</b>: how many notes were right, your
mistakes, the time and a verdict. You have passed when you answered the questions within the
allowed time (or faster). A chord sounds at the end.</p>
<p class="bild"><img src="Anleitung-Ergebnis-en.png" width="420"></p>
<p>For a <b>passed</b> examination Lesmora reports the result to your teacher. If that does
not work (without internet, say), the page shows a <b>secret code for the teacher</b>:
fourteen letters and a check letter. Copy it and pass it on. Your teacher types it under
<b>Options – Analyse Student Code</b> and sees your result.</p>
<p><b>OK</b> starts the next examination at once, with the countdown. Closing the window with
the cross at the top goes on without a new examination.</p>
""",
        "einstellungen": """
<p><b>Options – Settings</b> has four pages; choose them with the four pictures at the top.
Everything works at once and is saved at once.</p>
<ul>
<li><b>Page 1</b>: the instrument on the screen (a piano that fits the lesson, or one of 6
octaves), the note names (C Cis Des …, C C# Db … or Do Re Mi), the octave names, the note
lengths of the scrolling notes, and the <b>language</b>.</li>
<li><b>Page 2</b>: your teacher's number.</li>
<li><b>IN</b>: how you answer (computer or MIDI IN), the MIDI device, its channel and an input
test with a signal light.</li>
<li><b>OUT</b>: whether the sound comes from the computer or goes out over MIDI, the
instrument, the channel, the key sound and a button to listen.</li>
</ul>
""",
        "midi": """
<ol>
<li>Connect the keyboard with a USB cable (or a MIDI adapter) and switch it on – best before
you start Lesmora.</li>
<li>Open <b>Options – Settings</b> and click <b>IN</b> at the top.</li>
<li>Choose <b>MIDI IN</b>, and your keyboard in the <b>MIDI Input</b> list.</li>
<li>Play a key. The <b>signal light</b> of the input test turns green, and beside it you read
which note arrived.</li>
</ol>
<h3>Nothing arrives?</h3>
<ul>
<li>Is the keyboard switched on and the cable plugged in firmly? Some keyboards have a USB
socket of their own for MIDI.</li>
<li>Is the keyboard in the list? If not: quit Lesmora, plug the keyboard in again, start
Lesmora again.</li>
<li>Does the light stay red? Set the <b>Midi In channel</b> to the channel the keyboard sends
on (usually 1).</li>
<li>On Linux the keyboard needs ALSA or a running JACK server; if in doubt, ask a grown-up who
knows the computer well.</li>
</ul>
""",
        "dateien": """
<p>Lesmora keeps its files in a folder of its own for you:
<b>~/.local/share/Corvello/Lesmora/</b> (in your home folder; the dot hides it). In it:</p>
<ul>
<li><b>Lesmora.Ini</b>: your settings and your first name.</li>
<li><b>Lektionen.ini</b>: the exercise book you are practising with.</li>
<li><b>Bewertung.html</b>: the page of your last examination.</li>
<li>This manual, the info page and their pictures. They are written anew at every start.</li>
</ul>
<p class="tipp">If you delete the folder, Lesmora starts again from the very beginning.</p>
"""},
}


def page(texts):
    out = [
        "<html lang=\"%s\">" % texts["lang"],
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"styles.css\">",
        "<title>%s</title></head>" % texts["title"],
        "<body>",
        "<a name=\"inhalt\"></a>",
        "<p class=\"logo\" align=\"center\"><img src=\"logo.png\"></p>",
        "<p>%s</p>" % texts["intro"],
        "<h2>%s</h2>" % texts["contents"],
        "<table class=\"inhalt\" width=\"100%\" cellpadding=\"6\"><tr><td><ol>",
    ]
    for key in SECTIONS:
        out.append("<li><a href=\"#%s\">%s</a></li>" % (key, texts["names"][key]))
    out.append("</ol></td></tr></table>")
    for number, key in enumerate(SECTIONS, 1):
        out.append("<h2><a name=\"%s\"></a>%d. %s</h2>" % (key, number, texts["names"][key]))
        out.append(texts["body"][key].strip())
        out.append("<p class=\"klein\" align=\"right\"><a href=\"#inhalt\">&uarr; %s</a></p>"
                   % texts["top"])
    out += ["</body>", "</html>", ""]
    return "\r\n".join(out)


if __name__ == "__main__":
    (ROOT / "assets" / "Anleitung.html").write_bytes(page(DE).encode("utf-8"))
    (ROOT / "assets" / "Anleitung.en.html").write_bytes(page(EN).encode("utf-8"))
    print("wrote assets/Anleitung.html and assets/Anleitung.en.html")
