#include "resultcode/Geheim.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>

#include "data/Daten.h"
#include "i18n/Sprache.h"
#include "music/ChromaTyp.h"
#include "platform/Clock.h"
#include "resultcode/CodeServer.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

std::string Geheim::ReturnCode;
std::string Geheim::ReturnAnalyse;
int Geheim::PruefSummeOk = 0;
std::vector<std::string> Geheim::CodeListe;
int Geheim::CodeZeile = 0;
std::function<CalendarDay()> Geheim::today = systemToday;
std::function<int(const std::string&, const std::string&, const std::string&)> Geheim::Senden =
    SendeProtokoll;

namespace {

const std::string kSentNotice = "(wurde bereits an deinen Lehrer gesendet)";
const std::string kFromServer = "(direct from server)";
const std::string kOrMore = "{{or more}}";
constexpr int kLastBook = 99;

char letter(int n) {
    return static_cast<char>('A' + std::clamp(n, 0, Geheim::kLargestLetter));
}

// The value the letter at a position (counted from 1) stands for; 0 past the end.
int letterValue(const std::string& code, size_t position) {
    return position <= code.size() ? static_cast<unsigned char>(code[position - 1]) - 'A' : 0;
}

bool hasPosition(const std::string& code, size_t position) {
    return position <= code.size();
}

// A decoded count with the clamp mark when it reached the largest value of its letters.
std::string countText(int value, int largest) {
    return std::to_string(value) + (value >= largest ? std::string(1, Geheim::kClampMark) : "");
}

std::string withoutMark(const std::string& teil) {
    return Geheim::isClamped(teil) ? teil.substr(0, teil.size() - 1) : teil;
}

std::string toUpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The next code point of a UTF-8 text; a broken sequence gives one byte as 0xFFFD.
char32_t nextCodePoint(const std::string& text, size_t& at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    int length = lead < 0x80         ? 1
                 : (lead >> 5) == 6  ? 2
                 : (lead >> 4) == 14 ? 3
                 : (lead >> 3) == 30 ? 4
                                     : 0;
    if (length == 0 || at + length > text.size()) {
        ++at;
        return 0xFFFD;
    }
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    at += length;
    return value;
}

// The capital A to Z a name letter is written with (accents dropped), or 0 for a
// character that is no Latin letter.
char baseLetter(char32_t c) {
    static const std::string kLatin1 =  // U+00C0 to U+00FF; "." for the two signs
        "AAAAAAACEEEEIIIIDNOOOOO.OUUUUYTSAAAAAAACEEEEIIIIDNOOOOO.OUUUUYTY";
    static const std::string kExtendedA =  // U+0100 to U+017F
        "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGGGGGGHHHHIIIIIIIIIIIIJJKKKLLLLLLLLLLNNNNNNNNNOOOOOOOO"
        "RRRRRRSSSSSSSSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c);
    char base = 0;
    if (c >= 0xC0 && c <= 0xFF) base = kLatin1[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F) base = kExtendedA[c - 0x100];
    return base == '.' ? 0 : base;
}

char shifted(char c, int by) {
    if (c < 'A' || c > 'Z') return c;
    return static_cast<char>('A' + ((c - 'A' + by) % 26 + 26) % 26);
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t bar; (bar = text.find(separator, start)) != std::string::npos; start = bar + 1)
        fields.push_back(text.substr(start, bar - start));
    fields.push_back(text.substr(start));
    return fields;
}

// A field of the server line: a "|" inside a name or book would shift every later field.
std::string lineField(std::string text) {
    std::replace(text.begin(), text.end(), '|', '/');
    return text;
}

}  // namespace

CalendarDay systemToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string HtmlEscape(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            case '{':
                escaped += "&#123;";
                break;
            case '}':
                escaped += "&#125;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Geheim::dateText(const CalendarDay& date) {
    static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[32];
    std::snprintf(text, sizeof text, "%02d %s %d", date.day,
                  kMonths[std::clamp(date.month, 1, 12) - 1], date.year);
    return text;
}

std::string Geheim::serverLine(const std::string& name, const std::string& buch, int lektion,
                               int sekunden, int bewertung, int fehler, int tonart, int system) {
    std::vector<std::string> fields = {"CODE",
                                       dateText(today()),
                                       lineField(name),
                                       lineField(buch.empty() ? defaultBookLetter() : buch),
                                       std::to_string(lektion),
                                       std::to_string(sekunden),
                                       std::to_string(bewertung),
                                       std::to_string(fehler),
                                       std::to_string(tonart),
                                       std::to_string(system),
                                       std::to_string(IniClass::Value("", "Allgemein", "Lehrer"))};
    std::string line;
    for (const std::string& field : fields) line += (line.empty() ? "" : "|") + field;
    return line;
}

std::string Geheim::handCode(const std::string& name, const std::string& buch, int lektion,
                             int sekunden, int bewertung, int fehler, int tonart, int system) {
    // One letter for the book: the first of "Kurz", or the default book's when it is
    // empty or no capital, so that every later position stays in place.
    std::string kurz = toUpperAscii(buch.substr(0, 1));
    if (kurz.empty() || kurz[0] < 'A' || kurz[0] > 'Z') kurz = toUpperAscii(defaultBookLetter());
    if (kurz.empty()) kurz = "A";
    CalendarDay now = today();
    std::string code;
    code += letter(std::max(bewertung, 0) / 10);
    code += letter(lektion);
    code += ZweiByteCode(now.day + 40 * now.month);
    code += letter(tonart);
    code += NameInCrypt(name);
    code += ZweiByteCode(sekunden);
    code += letter(system);
    code += kurz.substr(0, 1);
    code += letter(fehler);
    return code + PruefSumme(code);
}

std::string Geheim::group(const std::string& code) {
    std::string grouped;
    size_t at = 0;
    for (;;) {
        size_t length = static_cast<size_t>(Runtime::rand(2, 4));
        size_t left = code.size() - at;
        if (left < length) break;
        grouped += code.substr(at, length) + "-";
        at += length;
        if (length >= code.size() - at) break;
    }
    grouped += code.substr(at);
    if (!grouped.empty() && grouped.back() == '-') grouped.pop_back();
    return grouped;
}

std::string Geheim::CryptCode(const std::string& name, const std::string& buch, int lektion,
                              int sekunden, int bewertung, int fehler, int tonart, int system) {
    std::string line = serverLine(name, buch, lektion, sekunden, bewertung, fehler, tonart, system);
    if (Senden(CodeServerAdresse(), CodeServerPfad, line) == 1) return kSentNotice;
    return group(handCode(name, buch, lektion, sekunden, bewertung, fehler, tonart, system));
}

std::string Geheim::ZweiByteCode(int n) {
    n = std::clamp(n, 0, kLargestPair);
    return {static_cast<char>('A' + n / 25), static_cast<char>('A' + n % 25)};
}

std::string Geheim::NameInCrypt(const std::string& name) {
    std::string letters;
    for (size_t at = 0; at < name.size() && letters.size() < 3;)
        if (char c = baseLetter(nextCodePoint(name, at))) letters += c;
    letters.resize(3, kNamePadding);
    for (char& c : letters) c = shifted(c, kNameShift);
    return letters;
}

std::string Geheim::CodeInName(const std::string& text) {
    std::string name = text;
    for (char& c : name) c = shifted(c, -kNameShift);
    return name;
}

std::string Geheim::PruefSumme(const std::string& text) {
    int sum = 0;
    for (char c : text) sum += static_cast<unsigned char>(c);
    return std::string(1, static_cast<char>('A' + sum % 25));
}

int Geheim::PruefSummeCheck(const std::string& code) {
    if (code.empty()) return 0;
    std::string rest = code.substr(0, code.size() - 1);
    return PruefSumme(rest)[0] == code.back() ? 1 : 0;
}

namespace {
int pairValue(const std::string& paar) {
    if (paar.size() < 2) return 0;
    return (static_cast<unsigned char>(paar[0]) - 'A') * 25 +
           (static_cast<unsigned char>(paar[1]) - 'A');
}
}  // namespace

std::string Geheim::CodeInDatum(const std::string& paar) {
    if (paar.size() < 2) return "";
    int n = pairValue(paar);
    return std::to_string(n % 40) + "." + std::to_string(n / 40);
}

std::string Geheim::CodeInWert(const std::string& paar) {
    if (paar.size() < 2) return "";
    return std::to_string(pairValue(paar));
}

bool Geheim::isClamped(const std::string& teil) {
    return !teil.empty() && teil.back() == kClampMark;
}

std::string Geheim::AnalyseHandCode(const std::string& code) {
    ReturnCode = code;
    std::string letters;
    for (char c : toUpperAscii(code))
        if (c != '-' && c != ' ') letters += c;
    // A code of another length cannot be checked: its positions do not line up.
    PruefSummeOk = letters.size() == 14 ? PruefSummeCheck(letters) : 0;
    auto pair = [&](size_t from) { return letters.substr(std::min(from - 1, letters.size()), 2); };
    auto count = [&](size_t position, int factor, int largest) -> std::string {
        if (!hasPosition(letters, position)) return "";
        return countText(letterValue(letters, position) * factor, largest * factor);
    };
    auto plain = [&](size_t position) -> std::string {
        return hasPosition(letters, position) ? std::to_string(letterValue(letters, position)) : "";
    };
    std::vector<std::string> teile(10);
    std::string date = CodeInDatum(pair(3));
    teile[1] = date.empty() ? "" : date + ".202?";
    teile[2] = CodeInName(letters.substr(std::min<size_t>(5, letters.size()), 3));
    teile[3] = hasPosition(letters, 12) ? letters.substr(11, 1) : "";
    teile[4] = count(2, 1, kLargestLetter);
    std::string sekunden = CodeInWert(pair(9));
    teile[5] = sekunden.empty() ? "" : countText(std::stoi(sekunden), kLargestPair);
    teile[6] = count(1, 10, kLargestLetter);
    teile[7] = count(13, 1, kLargestLetter);
    teile[8] = plain(5);
    teile[9] = plain(11);
    return ErstelleTextAusTeilen(teile);
}

std::string Geheim::AnalyseAutoCode(const std::string& zeile) {
    ReturnCode = kFromServer;
    PruefSummeOk = 1;
    std::vector<std::string> fields = splitAt(zeile, '|');
    if (fields[0] != "CODE") return "";
    return ErstelleTextAusTeilen(fields);
}

std::string Geheim::bookSection(const std::string& kurz) {
    for (int n = 1; n <= kLastBook; ++n) {
        std::string sektion = "DE " + std::to_string(n);
        if (IniClass::Lesen(DatenPfad + "Buch.ini", sektion, "Kurz") == kurz) return sektion;
    }
    return "DE " + std::to_string(kLastBook + 1);
}

std::string Geheim::bookName(const std::string& kurz) {
    return IniClass::Lesen(DatenPfad + "Buch.ini", bookSection(kurz), "Name");
}

std::string Geheim::lessonName(const std::string& kurz, const std::string& lektion) {
    std::string datei = IniClass::Lesen(DatenPfad + "Buch.ini", bookSection(kurz), "Datei");
    if (datei.empty()) return "";
    return IniClass::Lesen(DatenPfad + datei, "Lesen " + lektion, "Name");
}

std::string Geheim::staffText(const std::string& system) {
    if (system == "1") return "{{Treble}}";
    if (system == "2") return "{{Bass}}";
    if (system == "3") return "{{Treble}} & {{Bass}}";
    return HtmlEscape(system);
}

std::string Geheim::defaultBookLetter() {
    // The working lesson file starts as a copy of "Lektionen.ini" + language suffix.
    auto isDefaultLessonFile = [](std::string datei) {
        for (char& c : datei) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return datei == "lektionen.ini.de" || datei == "lektionen.ini.en";
    };
    for (int n = 1; n <= kLastBook; ++n) {
        std::string sektion = "DE " + std::to_string(n);
        if (isDefaultLessonFile(IniClass::Lesen(DatenPfad + "Buch.ini", sektion, "Datei")))
            return IniClass::Lesen(DatenPfad + "Buch.ini", sektion, "Kurz");
    }
    std::cout << "resultcode: no book holds the default lesson file" << std::endl;
    return "";
}

std::string Geheim::currentBookLetter() {
    std::string sektion = IniClass::Lesen("", "Allgemein", "Buch");
    if (sektion.empty()) return defaultBookLetter();
    return IniClass::Lesen(DatenPfad + "Buch.ini", sektion, "Kurz");
}

std::string Geheim::ErstelleTextAusTeilen(const std::vector<std::string>& teile) {
    auto teil = [&](size_t k) { return k < teile.size() ? teile[k] : std::string(); };
    // A clamped value shows its number and "or more" after its unit.
    auto value = [&](size_t k, const std::string& unit) {
        std::string shown = HtmlEscape(withoutMark(teil(k))) + unit;
        return isClamped(teil(k)) ? shown + kOrMore : shown;
    };
    std::string lessonShown = isClamped(teil(4))
                                  ? "{{Lesson}} " + HtmlEscape(withoutMark(teil(4))) + " " + kOrMore
                                  : HtmlEscape(lessonName(teil(3), teil(4)));
    std::string text =
        "{{Student}} = <b>" + HtmlEscape(teil(2)) + "</b><br>" + "{{Book}} = <b>'" +
        HtmlEscape(bookName(teil(3))) + "'</b><br>" + "{{Exercise}} = <b>'" + lessonShown +
        "'</b><br>" + "{{Scale}} = <b>'" +
        HtmlEscape(ChromaTyp::NameDerTonArt(LenientInt(teil(8)))) + "'</b><br>" +
        "{{System}} = <b>'" + staffText(teil(9)) + "'</b><br>" + "{{Date}} = <b>" +
        HtmlEscape(teil(1)) + "</b><br>" + "{{Needed time}} = <b>" + value(5, "sec ") + "</b><br>" +
        "{{Performance}} = <b>" + value(6, "% ") + "</b><br>" + "{{Mistakes made}} = <b>" +
        value(7, isClamped(teil(7)) ? " " : "") + "</b> <br><br>" + "{{Checksum}} = <b>" +
        (PruefSummeOk == 1 ? "{{Valid}}" : "{{Invalid}}") + "</b>";
    ReturnAnalyse = Lokalisiere(text);
    return ReturnAnalyse;
}

void Geheim::LadeCodeServerListe(const std::string& server) {
    std::vector<std::string> zeilen;
    if (!HoleTextZeilen(server, CodeListePfad, zeilen)) {
        std::cout << "resultcode: no list from " << server << ", the list stays as it was"
                  << std::endl;
        return;
    }
    std::vector<std::string> liste;
    for (auto zeile = zeilen.rbegin(); zeile != zeilen.rend(); ++zeile)
        if (zeile->compare(0, 5, "CODE|") == 0) liste.push_back(*zeile);
    CodeListe = std::move(liste);
    std::cout << "resultcode: " << CodeListe.size() << " result lines from " << server << std::endl;
    if (!CodeListe.empty()) AnalyseAutoCode(CodeListe[0]);
}

void Geheim::holeCodeZeile(int schritt) {
    const long neu = static_cast<long>(CodeZeile) + schritt;
    if (neu < 0 || neu >= static_cast<long>(CodeListe.size())) return;
    CodeZeile = static_cast<int>(neu);
    AnalyseAutoCode(CodeListe[CodeZeile]);
}

void Geheim::SetzeStartwerte() {
    CodeZeile = 0;
    ReturnCode.clear();
    ReturnAnalyse.clear();
    PruefSummeOk = 0;
    CodeListe.clear();
    today = systemToday;
    Senden = SendeProtokoll;
}
