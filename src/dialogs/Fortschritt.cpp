#include "dialogs/Fortschritt.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <functional>
#include <iostream>
#include <set>

#include "data/Daten.h"
#include "data/Files.h"
#include "i18n/Sprache.h"
#include "music/ChromaTyp.h"
#include "notation/MainStaffKept.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "platform/PixelCanvas.h"
#include "settings/IniClass.h"

namespace {
constexpr int64_t kTag = 24LL * 3600 * 1000;
constexpr int64_t kWoche = 7 * kTag;
constexpr int kGross = 2;  // pictures are drawn twice as large and shrunk, for smooth edges

int median(std::vector<int> werte) {
    if (werte.empty()) return 0;
    std::sort(werte.begin(), werte.end());
    const size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

// Low to high; of two spellings of one pitch the lower spelling first.
bool tiefer(int a, int b) {
    const int ma = ChromaTyp::Midi(a), mb = ChromaTyp::Midi(b);
    return ma != mb ? ma < mb : a < b;
}

// Every natural between the lowest and highest note of one staff (chroma values of one
// block are 21 apart; naturals are the spellings 1, 4, 7, 10, 13, 16, 19).
void fuelleNaturals(std::set<int>& noten, int tiefste, int hoechste, int basis) {
    for (int c = basis; c <= basis + 90; ++c) {
        const int s = ChromaTyp::spelling(c);
        if (s < 0 || s % 3 != 1) continue;
        if (!tiefer(c, tiefste) && !tiefer(hoechste, c)) noten.insert(c);
    }
}

std::string sekunden(int ms) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f s", ms / 1000.0);
    return text;
}

std::string datum(int64_t ms) {
    std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[16];
    if (AktSprache == 0)
        std::strftime(text, sizeof text, "%m/%d", &tm);
    else
        std::strftime(text, sizeof text, "%d.%m.", &tm);
    return text;
}

std::string L(const std::string& key) {
    return Lokalisiere("{{" + key + "}}");
}

const ImageFont* schrift(int groesse) {
    static std::map<int, std::shared_ptr<ImageFont>> fonts;
    auto& f = fonts[groesse];
    if (!f) f = LadeSchrift("arial.ttf", groesse, true);
    return f.get();
}

void schreibeText(PixelCanvas& c, const std::string& text, float x, float y, int groesse,
                  Colour farbe, bool mitte = false) {
    c.setFont(schrift(groesse));
    c.setColour(farbe.r, farbe.g, farbe.b);
    c.setAlpha(1);
    c.text(text, mitte ? x - c.textWidth(text) / 2.0f : x, y);
}

// Shrinks a large picture to half its size and writes it.
bool schreibePng(const PixelCanvas& gross, const std::string& datei) {
    PixelCanvas klein(gross.width() / kGross, gross.height() / kGross);
    klein.clear({255, 255, 255});
    klein.setScale(1.0f / kGross, 1.0f / kGross);
    klein.setBlend(Blend::Alpha);
    auto bild = gross.picture("progress");
    klein.imagePart(bild.get(), 0, 0, static_cast<float>(gross.width()),
                    static_cast<float>(gross.height()), 0, 0, gross.width(), gross.height());
    const std::string png = klein.png();
    if (!png.empty() && Files::writeBytes(datei, png)) return true;
    std::cout << "progress: cannot write " << datei << std::endl;
    return false;
}

// ---- the staff picture ----------------------------------------------------------------

constexpr int kStaffBreite = 600 * kGross;
constexpr int kNotenAbstand = 96;  // note spacing at scale 1
constexpr int kTextZeilen = 80;    // room under a staff row for percent and time

std::shared_ptr<NotenFenster> staffRow(int y, int systeme) {
    auto row = NotenFenster::CreateIt(1, y, 100, kNotenAbstand, 1.0f, systeme, 0);
    row->FensterB = kStaffBreite - 22 - (row->VorzeichenGesetzt[7] + 90);
    row->ResetAll();
    row->FensterH = systeme == 3 ? 460 : 300;
    row->SchreibX = 30;
    row->MitSchatten = 0;
    row->MitGruen = 0;
    return row;
}

void legende(PixelCanvas& c, float y) {
    struct Feld {
        int prozent;
        std::string text;
    } felder[] = {
        {95, "90-100 %"}, {80, "75-89 %"}, {60, "50-74 %"}, {20, "0-49 %"}, {-1, L("not asked")}};
    float x = 30;
    for (const Feld& f : felder) {
        const Colour farbe = FarbeFuerTreffer(f.prozent);
        c.setColour(farbe.r, farbe.g, farbe.b);
        c.setAlpha(1);
        c.rect(x, y, 36, 36);
        schreibeText(c, f.text, x + 46, y + 2, 26, {40, 40, 40});
        x += 56 + c.textWidth(f.text) + 40;
    }
}

// One row of the picture: notes of one staff, each column tinted by its accuracy, with
// percent and median time under it.
struct NotenZeile {
    int systeme;  // 1 treble, 2 bass
    std::vector<NotenStand> noten;
};

void zeichneZeile(PixelCanvas& gross, const NotenZeile& zeile, int y) {
    auto row = staffRow(y, zeile.systeme);
    NotenFenster* raw = row.get();
    Note::HauptFenster = [raw] { return raw; };
    for (const NotenStand& stand : zeile.noten) {
        row->ResetVersetzungen();
        NotenFenster::VorTaktpos = 2;
        row->AddChromaNote(stand.Chroma, 2, 1, 1);
    }
    for (const auto& note : row->Liste) note->Aktiv = 1;  // full black, as asked
    row->Draw(gross);
    size_t i = 0;
    for (const auto& note : row->Liste) {
        if (i >= zeile.noten.size()) break;
        const NotenStand& stand = zeile.noten[i++];
        const int prozent = Treffer(stand.Gefragt, stand.Richtig);
        const float mitte = row->NoteOriginX() + note->X + 12;
        const float top = static_cast<float>(row->FensterY + 12);
        const float unter = static_cast<float>(row->FensterY + row->FensterH);
        const Colour farbe = FarbeFuerTreffer(prozent);
        gross.setBlend(Blend::Alpha);
        gross.setColour(farbe.r, farbe.g, farbe.b);
        gross.setAlpha(0.45f);
        // As wide as the step between two notes, so that the columns touch.
        const float breite =
            row->Liste.size() > 1
                ? row->Liste.back()->X / static_cast<float>(zeile.noten.size() - 1) -
                      row->Liste.front()->X / static_cast<float>(zeile.noten.size() - 1)
                : kNotenAbstand * 0.75f;
        gross.rect(std::floor(mitte - breite / 2) + 1, top, std::floor(breite) - 1,
                   unter - top - 6);
        const Colour schwarz = {20, 20, 20};
        schreibeText(gross, prozent < 0 ? "-" : std::to_string(prozent) + "%", mitte, unter + 4, 26,
                     schwarz, true);
        if (stand.MedianMs > 0)
            schreibeText(gross, sekunden(stand.MedianMs), mitte, unter + 40, 24, {70, 70, 70},
                         true);
    }
}

bool zeichneNoten(const std::vector<NotenStand>& noten, const std::string& datei) {
    MainStaffKept kept;
    NotenFenster::HeadLine.clear();
    NotenFenster::NameLine.clear();
    NotenFenster::NameText.clear();
    Note::ZweiHandLektion = [] { return true; };

    const int proZeile =
        std::max(1, static_cast<int>((staffRow(0, 1)->FensterB - 40) / kNotenAbstand));
    std::vector<NotenZeile> zeilen;
    for (int systeme : {1, 2}) {
        for (const NotenStand& n : noten) {
            if ((n.Chroma > 100) != (systeme == 2)) continue;
            if (zeilen.empty() || zeilen.back().systeme != systeme ||
                static_cast<int>(zeilen.back().noten.size()) >= proZeile)
                zeilen.push_back({systeme, {}});
            zeilen.back().noten.push_back(n);
        }
    }
    const int zeilenHoehe = 300 + kTextZeilen;
    PixelCanvas gross(kStaffBreite, static_cast<int>(zeilen.size()) * zeilenHoehe + 70);
    gross.clear({255, 255, 255});
    for (size_t z = 0; z < zeilen.size(); ++z)
        zeichneZeile(gross, zeilen[z], static_cast<int>(z) * zeilenHoehe);
    legende(gross, static_cast<float>(zeilen.size() * zeilenHoehe + 16));
    return schreibePng(gross, datei);
}

// ---- the charts -----------------------------------------------------------------------

constexpr int kChartBreite = 600 * kGross, kChartHoehe = 230 * kGross;
constexpr float kLinks = 110, kRechts = kChartBreite - 110, kOben = 40, kUnten = kChartHoehe - 80;

// The next point of a line chart: a 5 px wide segment from the point before it (none
// while vorX is negative), then its dot; the point becomes the one before the next.
void linienPunkt(PixelCanvas& c, float& vorX, float& vorY, float x, float y, float radius) {
    if (vorX >= 0)
        for (int d = -2; d <= 2; ++d) c.line(vorX, vorY + d, x, y + d);
    c.oval(x - radius, y - radius, 2 * radius, 2 * radius);
    vorX = x;
    vorY = y;
}

void achsen(PixelCanvas& c) {
    c.setAlpha(1);
    c.setColour(225, 225, 225);
    for (int p = 0; p <= 100; p += 25) {
        const float y = kUnten - (kUnten - kOben) * p / 100.0f;
        c.rect(kLinks, y, kRechts - kLinks, 2);
        schreibeText(c, std::to_string(p) + "%", kLinks - 12 - 70, y - 14, 24, {90, 90, 90});
        c.setColour(225, 225, 225);
    }
}

bool zeichneWochen(const std::vector<WochenStand>& wochen, int64_t jetzt,
                   const std::string& datei) {
    PixelCanvas c(kChartBreite, kChartHoehe);
    c.clear({255, 255, 255});
    c.setBlend(Blend::Alpha);
    achsen(c);
    const float schritt = (kRechts - kLinks) / kFortschrittWochen;
    int hoechste = 1000;
    for (const auto& w : wochen) hoechste = std::max(hoechste, w.MedianMs);
    const int sekundenOben = (hoechste + 999) / 1000;
    for (int s = 0; s <= sekundenOben; s += std::max(1, sekundenOben / 4)) {
        const float y = kUnten - (kUnten - kOben) * s / static_cast<float>(sekundenOben);
        schreibeText(c, std::to_string(s) + " s", kRechts + 14, y - 14, 24, {30, 70, 170});
    }
    float vorX = -1, vorY = 0;
    for (int i = 0; i < kFortschrittWochen; ++i) {
        const WochenStand& w = wochen[i];
        const float x = kLinks + schritt * i;
        const int prozent = Treffer(w.Gefragt, w.Richtig);
        if (prozent >= 0) {
            const Colour f = FarbeFuerTreffer(prozent);
            c.setColour(f.r, f.g, f.b);
            c.setAlpha(1);
            const float h = (kUnten - kOben) * prozent / 100.0f;
            c.rect(x + 6, kUnten - h, schritt - 12, h);
        }
        if (i % 4 == 1 || i == kFortschrittWochen - 1)
            schreibeText(c, datum(jetzt - (kFortschrittWochen - i) * kWoche + kTag),
                         x + schritt / 2, kUnten + 14, 22, {90, 90, 90}, true);
        if (w.MedianMs > 0) {
            const float y = kUnten - (kUnten - kOben) * w.MedianMs / (sekundenOben * 1000.0f);
            c.setColour(30, 70, 170);
            c.setAlpha(1);
            linienPunkt(c, vorX, vorY, x + schritt / 2, y, 9);
        }
    }
    schreibeText(c, L("Bars show the right answers") + "   ", kLinks, 2, 24, {60, 60, 60});
    schreibeText(c, L("The line shows the median answer time"), kLinks + 560, 2, 24, {30, 70, 170});
    return schreibePng(c, datei);
}

const Colour kLinienFarben[] = {{30, 70, 170},  {200, 60, 40},  {40, 150, 70},  {150, 60, 170},
                                {220, 140, 20}, {20, 150, 160}, {110, 110, 110}};

bool zeichnePruefungen(const std::map<std::string, std::vector<PruefungsEintrag>>& proLektion,
                       const std::vector<std::string>& namen, int64_t jetzt,
                       const std::string& datei) {
    PixelCanvas c(kChartBreite, kChartHoehe);
    c.clear({255, 255, 255});
    c.setBlend(Blend::Alpha);
    int oben = 150;
    for (const auto& [name, liste] : proLektion)
        for (const auto& p : liste) oben = std::max(oben, p.Bewertung);
    c.setAlpha(1);
    for (int r = 0; r <= oben; r += 50) {
        const float y = kUnten - (kUnten - kOben) * r / static_cast<float>(oben);
        c.setColour(r == 100 ? 120 : 225, r == 100 ? 180 : 225, r == 100 ? 120 : 225);
        c.rect(kLinks, y, kRechts - kLinks, r == 100 ? 4 : 2);
        schreibeText(c, std::to_string(r), kLinks - 70, y - 14, 24, {90, 90, 90});
    }
    const int64_t anfang = jetzt - kFortschrittWochen * kWoche;
    auto xVon = [&](int64_t zeit) {
        return kLinks + (kRechts - kLinks) * static_cast<float>(zeit - anfang) /
                            static_cast<float>(jetzt - anfang);
    };
    for (int i = 1; i < kFortschrittWochen; i += 4)
        schreibeText(c, datum(anfang + i * kWoche), xVon(anfang + i * kWoche), kUnten + 14, 22,
                     {90, 90, 90}, true);
    size_t farbe = 0;
    float legendeX = kLinks;
    for (const auto& [key, liste] : proLektion) {
        const Colour f = kLinienFarben[farbe++ % std::size(kLinienFarben)];
        float vorX = -1, vorY = 0;
        for (const auto& p : liste) {
            const float x = xVon(p.Zeit);
            const float y = kUnten - (kUnten - kOben) * p.Bewertung / static_cast<float>(oben);
            c.setColour(f.r, f.g, f.b);
            c.setAlpha(1);
            linienPunkt(c, vorX, vorY, x, y, 10);
        }
        const std::string name = namen[farbe - 1];
        c.setColour(f.r, f.g, f.b);
        c.rect(legendeX, 8, 30, 20);
        schreibeText(c, name, legendeX + 38, 2, 24, {50, 50, 50});
        legendeX += 38 + c.textWidth(name) + 36;
    }
    if (proLektion.empty())
        schreibeText(c, L("No examination yet"), kChartBreite / 2.0f, kChartHoehe / 2.0f - 20, 30,
                     {120, 120, 120}, true);
    return schreibePng(c, datei);
}

std::string html(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '<')
            out += "&lt;";
        else if (ch == '>')
            out += "&gt;";
        else if (ch == '&')
            out += "&amp;";
        else
            out += ch;
    }
    return out;
}

std::string csvFeld(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string out = "\"";
    for (char ch : text) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
}

std::string isoZeit(int64_t ms) {
    std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

// A book's name from the archive's book list; the stored key where it has none.
std::string BuchName(const std::string& buch) {
    const std::string name = IniClass::Lesen(DatenPfad + "Buch.ini", buch, "Name");
    return name.empty() ? buch : name;
}

// The notes still to work on: the least accurate, then the slowest, of those asked.
std::vector<NotenStand> schwaechste(const std::vector<NotenStand>& noten) {
    std::vector<NotenStand> gefragt;
    for (const auto& n : noten)
        if (n.Gefragt > 0 && Treffer(n.Gefragt, n.Richtig) < 90) gefragt.push_back(n);
    std::sort(gefragt.begin(), gefragt.end(), [](const NotenStand& a, const NotenStand& b) {
        const int ta = Treffer(a.Gefragt, a.Richtig), tb = Treffer(b.Gefragt, b.Richtig);
        return ta != tb ? ta < tb : a.MedianMs > b.MedianMs;
    });
    if (gefragt.size() > 6) gefragt.resize(6);
    return gefragt;
}
}  // namespace

int Treffer(int gefragt, int richtig) {
    return gefragt <= 0 ? -1 : richtig * 100 / gefragt;
}

Colour FarbeFuerTreffer(int prozent) {
    if (prozent < 0) return {200, 200, 200};
    if (prozent >= 90) return {60, 170, 80};
    if (prozent >= 75) return {235, 200, 50};
    if (prozent >= 50) return {240, 140, 50};
    return {220, 55, 50};
}

FortschrittsDaten WerteVerlaufAus(const std::vector<AntwortEintrag>& antworten,
                                  const std::vector<PruefungsEintrag>& pruefungen, int64_t jetzt) {
    FortschrittsDaten d;
    std::map<int, std::pair<NotenStand, std::vector<int>>> proNote;
    std::vector<std::vector<int>> zeiten(kFortschrittWochen);
    d.Wochen.resize(kFortschrittWochen);
    for (const AntwortEintrag& a : antworten) {
        const int64_t alter = jetzt - a.Zeit;
        if (alter < 0) continue;
        if (alter < kFortschrittTage * kTag) {
            auto& [stand, ms] = proNote[a.Chroma];
            stand.Chroma = a.Chroma;
            stand.Gefragt += 1;
            stand.Richtig += a.Richtig;
            if (a.Richtig) ms.push_back(a.Millis);
        }
        const int woche = kFortschrittWochen - 1 - static_cast<int>(alter / kWoche);
        if (woche < 0) continue;
        d.Wochen[woche].Gefragt += 1;
        d.Wochen[woche].Richtig += a.Richtig;
        if (a.Richtig) zeiten[woche].push_back(a.Millis);
    }
    for (int w = 0; w < kFortschrittWochen; ++w) d.Wochen[w].MedianMs = median(zeiten[w]);

    std::set<int> bereich;
    for (const auto& [chroma, eintrag] : proNote) bereich.insert(chroma);
    for (int basis : {0, 100}) {
        int tiefste = -1, hoechste = -1;
        for (int c : bereich) {
            if ((c > 100) != (basis == 100)) continue;
            if (tiefste < 0 || tiefer(c, tiefste)) tiefste = c;
            if (hoechste < 0 || tiefer(hoechste, c)) hoechste = c;
        }
        if (tiefste >= 0) fuelleNaturals(bereich, tiefste, hoechste, basis);
    }
    for (int c : bereich) {
        NotenStand stand;
        stand.Chroma = c;
        if (auto it = proNote.find(c); it != proNote.end()) {
            stand = it->second.first;
            stand.MedianMs = median(it->second.second);
        }
        d.Noten.push_back(stand);
    }
    std::stable_sort(d.Noten.begin(), d.Noten.end(), [](const NotenStand& a, const NotenStand& b) {
        if ((a.Chroma > 100) != (b.Chroma > 100)) return a.Chroma > 100;
        return tiefer(a.Chroma, b.Chroma);
    });

    for (const PruefungsEintrag& p : pruefungen)
        if (jetzt - p.Zeit < kFortschrittWochen * kWoche && p.Zeit <= jetzt)
            d.Pruefungen[p.Buch + " " + std::to_string(p.Lektion)].push_back(p);
    return d;
}

std::string VerlaufAlsCsv(const std::vector<AntwortEintrag>& antworten,
                          const std::vector<PruefungsEintrag>& pruefungen) {
    std::string csv =
        "kind,time,user,book,lesson,key,staff,method,step,asked,answer,right,ms,device,"
        "seconds,played,mistakes,rating\r\n";
    for (const AntwortEintrag& a : antworten)
        csv += "answer," + isoZeit(a.Zeit) + "," + csvFeld(a.User) + "," + csvFeld(a.Buch) + "," +
               std::to_string(a.Lektion) + "," + std::to_string(a.Tonart) + "," +
               std::to_string(a.System) + "," + std::to_string(a.Methode) + "," +
               std::to_string(a.Arbeitsschritt) + "," + a.Gefragt + "," + csvFeld(a.Antwort) + "," +
               std::to_string(a.Richtig) + "," + std::to_string(a.Millis) + "," +
               std::to_string(a.Geraet) + ",,,,\r\n";
    for (const PruefungsEintrag& p : pruefungen)
        csv += "examination," + isoZeit(p.Zeit) + "," + csvFeld(p.User) + "," + csvFeld(p.Buch) +
               "," + std::to_string(p.Lektion) + "," + std::to_string(p.Tonart) + "," +
               std::to_string(p.System) + ",,3,,,,,," + std::to_string(p.Sekunden) + "," +
               std::to_string(p.Gespielt) + "," + std::to_string(p.Fehler) + "," +
               std::to_string(p.Bewertung) + "\r\n";
    return csv;
}

void SchreibeFortschritt(const std::string& ordner, const std::string& user, bool loeschenFragen) {
    Verlauf::Schreibe();
    const auto antworten = Verlauf::Antworten(user);
    const auto pruefungen = Verlauf::Pruefungen(user);
    const int64_t jetzt = Verlauf::Jetzt();
    const FortschrittsDaten d = WerteVerlaufAus(antworten, pruefungen, jetzt);
    std::vector<std::string> lektionsNamen;
    for (const auto& [key, liste] : d.Pruefungen)
        lektionsNamen.push_back(BuchName(liste.front().Buch) + " · " + L("Lesson") + " " +
                                std::to_string(liste.front().Lektion));

    const bool notenBild =
        !d.Noten.empty() && zeichneNoten(d.Noten, ordner + "FortschrittNoten.png");
    zeichneWochen(d.Wochen, jetzt, ordner + "FortschrittWochen.png");
    zeichnePruefungen(d.Pruefungen, lektionsNamen, jetzt, ordner + "FortschrittPruefungen.png");
    Files::writeBytes(ordner + "Verlauf.csv", VerlaufAlsCsv(antworten, pruefungen));

    std::string s =
        "<html><head><meta charset=\"utf-8\"><link rel=\"stylesheet\" href=\"styles.css\">"
        "</head><body>\r\n";
    s += "<h2>" + html(L("Progress")) + ": " + html(user) + "</h2>\r\n";
    if (loeschenFragen) {
        s += "<table border=\"1\" cellpadding=\"8\" bgcolor=\"#ffe0d0\"><tr><td><b>" +
             html(L("Clear the whole history of")) + " " + html(user) + " (" +
             std::to_string(antworten.size()) + " " + html(L("answers")) + ")?</b><br>" +
             html(L("Press Clear history again to clear it. OK keeps it.")) +
             "</td></tr></table>\r\n";
    }
    if (antworten.empty() && pruefungen.empty()) {
        s +=
            "<p>" + html(L("No answers yet. Practise, and your progress shows here.")) + "</p>\r\n";
    } else {
        const auto schwach = schwaechste(d.Noten);
        s += "<h3>" + html(L("Notes of the last 30 days")) + "</h3>\r\n<p>";
        if (schwach.empty()) {
            s += html(L("Every note you were asked is read well."));
        } else {
            s += "<b>" + html(L("Practise these notes")) + ":</b> ";
            for (size_t i = 0; i < schwach.size(); ++i) {
                const NotenStand& n = schwach[i];
                s += (i ? ", " : "") + html(ChromaTyp::Name(n.Chroma)) + " (" +
                     std::to_string(Treffer(n.Gefragt, n.Richtig)) + "%)";
            }
        }
        s += "</p>\r\n";
        if (notenBild)
            s += "<p><img src=\"FortschrittNoten.png\"></p>\r\n<p>" +
                 html(L("Under each note: right answers in percent and the median answer time.")) +
                 "</p>\r\n";
        s += "<h3>" + html(L("Accuracy and median answer time per week")) + "</h3>\r\n";
        s += "<p><img src=\"FortschrittWochen.png\"></p>\r\n";
        s += "<h3>" + html(L("Examination ratings per lesson")) + "</h3>\r\n";
        s += "<p><img src=\"FortschrittPruefungen.png\"></p>\r\n";
    }
    s += "<p>" + html(L("The whole history as CSV")) + ": <a href=\"Verlauf.csv\">" +
         html(ordner + "Verlauf.csv") + "</a></p>\r\n</body></html>\r\n";
    if (!Files::writeBytes(ordner + "Fortschritt.html", s))
        std::cout << "progress: cannot write the page in " << ordner << std::endl;
}
