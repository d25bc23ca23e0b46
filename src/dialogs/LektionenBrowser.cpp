#include "dialogs/LektionenBrowser.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "app/MDI.h"
#include "data/Daten.h"
#include "data/Files.h"
#include "data/TextEncoding.h"
#include "dialogs/Dialog.h"
#include "dialogs/LektionsBild.h"
#include "exercise/Spiel.h"
#include "i18n/Sprache.h"
#include "lessons/LektionsBuch.h"
#include "lessons/LektionsDatei.h"
#include "music/Transposer.h"
#include "platform/Ui.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

Gadget* LektionenBrowser::Window = nullptr;
Gadget* LektionenBrowser::QuintenWindow = nullptr;
Gadget* LektionenBrowser::QuintenPanel = nullptr;
Gadget* LektionenBrowser::UberGadget = nullptr;
Gadget* LektionenBrowser::ListBox = nullptr;
Gadget* LektionenBrowser::HtmlView = nullptr;
Gadget* LektionenBrowser::Panel = nullptr;
Gadget* LektionenBrowser::SystemPanel = nullptr;
std::array<Gadget*, 9> LektionenBrowser::Button{};
int LektionenBrowser::ShowMode = SHOW_LEKTIONEN;
std::string LektionenBrowser::Sektion;
int LektionenBrowser::LastBookAuswahl = 1;
int LektionenBrowser::LastLektionauswahl = 1;
int LektionenBrowser::SuchLevel = 0;
int LektionenBrowser::HtmlSystemWahl = 0;

namespace {
constexpr int kLetzteNummer = 99;
const char* const kBildDatei = "LektionNoten.png";

// The eleven click boxes of "Quinte.png", in the order they are tested, with the
// transposition each picks (semitones up from C).
struct KlickBox {
    int x0, y0, transpose;
};
constexpr KlickBox kKreis[11] = {
    {289, 307, 11},  // B
    {352, 244, 4},   // E
    {376, 157, 9},   // A
    {352, 70, 2},    // D
    {289, 6, 7},     // G
    {202, -17, 0},   // C, at the top
    {115, 6, 5},     // F
    {51, 69, 10},    // B flat
    {28, 156, 3},    // E flat
    {51, 244, 8},    // A flat
    {114, 307, 1},   // D flat
};
constexpr int kBoxBreite = 83, kBoxHoehe = 59;

std::string trimmed(const std::string& text) {
    size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return "";
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

std::string htmlText(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string lessonValue(const std::string& sektion, const char* key) {
    return IniClass::Lesen(lessonFile(), sektion, key);
}

bool leftOpen(const std::string& sektion, const char* key) {
    return trimmed(lessonValue(sektion, key)) == "?";
}

// The lesson as the preview shows it: in the staff chosen below the list, not moved.
std::shared_ptr<Lektion> previewLesson(int nummer) {
    const int kept = Transposer::Transpose;
    Transposer::Transpose = 0;
    int wahl = leftOpen(lessonSection(nummer), "System") ? LektionenBrowser::HtmlSystemWahl : 0;
    std::shared_ptr<Lektion> lektion = readLesson(nummer, wahl);
    Transposer::Transpose = kept;
    return lektion;
}

const char* const kTonartNamen[12] = {
    "{{C major}}",
    "{{D flat major}}",
    "{{D major}}",
    "{{E flat major}}",
    "{{E major}}",
    "{{F major}}",
    "",
    "{{G major}}",
    "{{A flat major}}",
    "{{A major}}",
    "{{B flat major}}",
    "{{B major}}",
};

std::string keyInWords(const std::string& sektion) {
    if (leftOpen(sektion, "Tonart") || leftOpen(sektion, "Transpose"))
        return Lokalisiere("{{chosen on the circle of fifths}}");
    int tonart = LenientInt(lessonValue(sektion, "Tonart"));
    if (tonart < 0 || tonart > 11 || tonart == 6) return "";
    return Lokalisiere(kTonartNamen[tonart]);
}

std::string staffInWords(const std::string& sektion) {
    std::string worte;
    if (leftOpen(sektion, "System")) {
        worte = "{{chosen with the buttons below}}";
    } else {
        switch (LenientInt(lessonValue(sektion, "System"))) {
            case 1:
                worte = "{{Treble clef}}";
                break;
            case 2:
                worte = "{{Bass clef}}";
                break;
            case 3:
                worte = "{{Grand staff}}";
                break;
        }
    }
    if (IniClass::Value(lessonFile(), sektion, "ZweiHand") == 1) worte += ", {{both hands}}";
    return Lokalisiere(worte);
}

std::string numberOrNothing(const std::string& sektion, const char* key, const char* unit) {
    if (trimmed(lessonValue(sektion, key)).empty()) return "";
    return std::to_string(IniClass::Value(lessonFile(), sektion, key)) + unit;
}

// What the lesson page tells beyond the lesson file's own texts, by placeholder number.
std::string lessonFact(int platzhalter, const std::string& sektion) {
    switch (platzhalter) {
        case 10:
            return numberOrNothing(sektion, "Level", "");
        case 11:
            return keyInWords(sektion);
        case 12:
            return staffInWords(sektion);
        case 13:
            return numberOrNothing(sektion, "MaxRichtig", "");
        case 14:
            return numberOrNothing(sektion, "SpielZeit", " s");
        case 15:
            return numberOrNothing(sektion, "MaxFalsch", "");
        default:
            return "";
    }
}

// The picture of the notes and the notice beside it are made once per page.
struct PageExtras {
    std::string bild;     // the <img> element, or empty
    std::string hinweis;  // why the lesson cannot be loaded, or empty
};
PageExtras seitenExtras;

// The value of a placeholder for a section; false for a number the templates do not use.
bool placeholderValue(int platzhalter, const std::string& sektion, std::string& wert) {
    switch (platzhalter) {
        case 1:
            wert = htmlText(lessonValue(sektion, "Name"));
            return true;
        case 2:
            wert = htmlText(lessonValue(sektion, "Beschreibung"));
            return true;
        case 3:
        case 4: {
            std::optional<LektionsBuch> buch = LektionsBuch::AusSektion(sektion);
            wert = !buch ? "" : htmlText(platzhalter == 3 ? buch->Name : buch->Beschreibung);
            return true;
        }
        case 10:
        case 11:
        case 12:
        case 13:
        case 14:
        case 15:
            wert = htmlText(lessonFact(platzhalter, sektion));
            return true;
        case 20:
            wert = seitenExtras.bild;
            return true;
        case 21:
            wert = seitenExtras.hinweis;
            return true;
        default:
            return false;
    }
}

void dropWorkingCopyCache() {
    IniClass::UpdateIniFile(lessonFile());
}
}  // namespace

int LektionenBrowser::Quintenwahl(int x, int y) {
    for (int box = 0; box < 11; ++box) {
        const KlickBox& b = kKreis[box];
        if (x >= b.x0 && x <= b.x0 + kBoxBreite - 1 && y >= b.y0 && y <= b.y0 + kBoxHoehe - 1)
            return box + 1;
    }
    return 0;
}

int LektionenBrowser::TransposeWahl(int x, int y) {
    int box = Quintenwahl(x, y);
    return box == 0 ? -1 : kKreis[box - 1].transpose;
}

std::vector<BrowserEintrag> LektionenBrowser::BuchListe() {
    std::vector<BrowserEintrag> liste;
    for (const LektionsBuch& buch : LektionsBuch::Alle())
        liste.push_back({"• " + buch.Name, buch.Nummer});
    const LektionsBuch eigenes = LektionsBuch::EigenesBuch();  // listed after the shipped ones
    liste.push_back({"• " + eigenes.Name, eigenes.Nummer});
    return liste;
}

std::vector<BrowserEintrag> LektionenBrowser::LektionsListe(int suchLevel) {
    std::vector<BrowserEintrag> liste;
    for (int nummer = 1; nummer <= kLetzteNummer; ++nummer) {
        const std::string sektion = lessonSection(nummer);
        std::string name = lessonValue(sektion, "Name");
        if (name.empty()) continue;
        int level = IniClass::Value(lessonFile(), sektion, "Level");
        if (suchLevel != 0 && std::abs(level - suchLevel) > 1) continue;
        liste.push_back({"• " + name, nummer});
    }
    return liste;
}

std::string LektionenBrowser::FuelleZeile(const std::string& zeile, const std::string& sektion) {
    size_t auf = zeile.find('{');
    if (auf == std::string::npos || auf == 0) return zeile;
    int platzhalter = LenientInt(zeile.substr(auf + 1, 3));
    std::string wert;
    if (!placeholderValue(platzhalter, sektion, wert)) wert = "!PARSER-ERROR!";
    return zeile.substr(0, auf) + wert + zeile.substr(std::min(zeile.size(), auf + 5));
}

void LektionenBrowser::HtmlAusBrowser(const std::string& nummer) {
    const bool buecher = ShowMode == SHOW_BUECHER;
    const std::string vorlage = buecher ? "BuchHtml.vorl" : "LektionHtml.vorl";
    std::optional<std::string> text = Files::readText(DatenPfad + vorlage);
    if (!text) {
        std::cout << "browser: the template " << vorlage << " is missing" << std::endl;
        return;
    }
    seitenExtras = {};
    if (!buecher) {
        const int lektion = LenientInt(nummer);
        std::shared_ptr<Lektion> vorschau = previewLesson(lektion);
        if (SchreibeLektionsBild(*vorschau, AppPfad + kBildDatei))
            seitenExtras.bild = std::string("<img src=\"") + kBildDatei + "\" alt=\"\">";
        else if (!lessonValue(lessonSection(lektion), "Name").empty())
            seitenExtras.hinweis =
                htmlText(Lokalisiere("{{This lesson has no notes to practise}}"));
        else
            seitenExtras.hinweis = htmlText(Lokalisiere("{{No lesson at this level}}"));
    }
    std::string seite;
    for (const std::string& zeile : Files::lines(*text))
        seite += FuelleZeile(Lokalisiere(zeile), Sektion + nummer) + "\r\n";
    Files::writeBytes(AppPfad + "Lektion.html", encodeWindows1252Html(seite));
}

int LektionenBrowser::GueltigesBuch() {
    const std::string sektion = IniClass::Lesen("", "Allgemein", "Buch");
    if (sektion.empty()) return 0;
    std::optional<LektionsBuch> buch = LektionsBuch::Aktuelles();
    if (!buch || buch->Nummer < 1) return 0;
    if (buch->Eigenes) return buch->Nummer;  // an own book not yet written has no lessons
    if (buch->Datei.empty() || !Files::exists(buch->Quelle())) {
        std::cout << "browser: the lesson file of " << sektion << " is missing" << std::endl;
        return 0;
    }
    return buch->Nummer;
}

bool LektionenBrowser::WechsleBuch(int nummer) {
    std::optional<LektionsBuch> buch = LektionsBuch::Lies(nummer);
    if (!buch || buch->Datei.empty()) return false;
    dropWorkingCopyCache();
    if (buch->Eigenes && !Files::exists(buch->Quelle())) Files::writeBytes(buch->Quelle(), "");
    if (!Files::copy(buch->Quelle(), lessonFile())) {
        std::cout << "browser: cannot copy " << buch->Datei << "; the lessons stay as they were"
                  << std::endl;
        return false;
    }
    IniClass::Schreiben("", "Allgemein", "Buch", buch->Sektion);
    return true;
}

bool LektionenBrowser::HatNoten(int nummer) {
    const std::string noten = lessonValue(lessonSection(nummer), "Noten");
    size_t anfang = 0;
    while (anfang <= noten.size()) {
        size_t ende = std::min(noten.find('|', anfang), noten.size());
        if (LenientInt(noten.substr(anfang, ende - anfang)) > 0) return true;
        anfang = ende + 1;
    }
    return false;
}

int LektionenBrowser::LetzterSchrittTonarten() {
    const std::string sektion = lessonSection(LastLektionauswahl);
    if (!leftOpen(sektion, "Tonart") && !leftOpen(sektion, "Transpose")) return 0;
    if (Window && QuintenWindow) ZeigeModal(QuintenWindow);
    return 1;
}

// The one place where the browser changes the lesson: the lesson is loaded on the chosen
// staff and becomes current with its instruments and staff refitted.
void LektionenBrowser::LadeGewaehlteLektion(bool ausDemKreis) {
    if (!HatNoten(LastLektionauswahl)) {
        std::cout << "browser: lesson " << LastLektionauswahl << " has no notes to practise"
                  << std::endl;
        return;
    }
    LadeLektion(LastLektionauswahl, HtmlSystemWahl);
    Spiel::SpielMode = MDI::SpielModeCheck();
    SpielReset();
    if (!Ui::gui) return;
    if (ausDemKreis && QuintenWindow) Ui::gui->postEvent({EventId::WindowClose, QuintenWindow});
    if (Window) Ui::gui->postEvent({EventId::WindowClose, Window});
}

void LektionenBrowser::SetzeStartwerte() {
    Window = QuintenWindow = QuintenPanel = UberGadget = ListBox = HtmlView = Panel = SystemPanel =
        nullptr;
    Button.fill(nullptr);
    ShowMode = SHOW_LEKTIONEN;
    Sektion.clear();
    LastBookAuswahl = 1;
    LastLektionauswahl = 1;
    SuchLevel = 0;
    HtmlSystemWahl = 0;
}
