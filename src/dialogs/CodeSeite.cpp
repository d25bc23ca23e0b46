#include "dialogs/CodeSeite.h"

#include <iostream>

#include "data/Daten.h"
#include "data/Files.h"
#include "dialogs/Dialog.h"
#include "dialogs/InfoFenster.h"
#include "dialogs/InputFenster.h"
#include "exercise/Bewertung.h"
#include "i18n/Sprache.h"
#include "resultcode/Geheim.h"

namespace {
// The code template of the current language; a language without one of its own gets
// the German template.
std::optional<std::string> CodeVorlage() {
    static const char* const kEndung[] = {".en", ".de"};
    if (AktSprache >= 0 && AktSprache <= 1)
        if (auto vorlage = Files::readText(DatenPfad + "code.vorl" + kEndung[AktSprache]))
            return vorlage;
    return Files::readText(DatenPfad + "code.vorl.de");
}

std::string ReturnCodeAlsText() {
    return HtmlEscape(Geheim::ReturnCode);
}
std::string ReturnAnalyse() {
    return Geheim::ReturnAnalyse;
}
int PruefSummeOk() {
    return Geheim::PruefSummeOk;
}
std::string CryptCode(const std::string& name, const std::string& buch, int lektion, int sekunden,
                      int bewertung, int fehler, int tonart, int system) {
    return Geheim::CryptCode(name, buch, lektion, sekunden, bewertung, fehler, tonart, system);
}
}  // namespace

void HtmlAusCode(int schritt) {
    if (schritt != 0) Geheim::holeCodeZeile(schritt);
    auto vorlage = CodeVorlage();
    if (!vorlage) std::cout << "code page: no template" << std::endl;
    std::string seite;
    for (const std::string& zeile : Files::lines(vorlage.value_or("")))
        seite += ParseBewertungsZeile(zeile) + "\r\n";
    Files::writeBytes(AppPfad + "Code.html", seite);
}

void CheckCode(const std::string& code) {
    if (code.size() >= 12) {
        std::string buchstaben;
        for (char c : code) {
            if (c == ' ' || c == '-') continue;
            if (c < 'A' || c > 'Z') return;  // refused: the input window stays open
            buchstaben += c;
        }
        Geheim::AnalyseHandCode(buchstaben);
    }
    InfoFenster::ShowAs(InfoFenster::SHOW_CODE, "");
    SchliesseDialog(InputFenster::Window);
}

void VerbindeErgebnisCode() {
    ErgebnisCode::CryptCode = CryptCode;
    ErgebnisCode::ReturnCode = ReturnCodeAlsText;
    ErgebnisCode::ReturnAnalyse = ReturnAnalyse;
    ErgebnisCode::PruefSummeOk = PruefSummeOk;
    InfoFenster::HtmlAusCode = HtmlAusCode;
    InputFenster::CheckCode = CheckCode;
}
