#include <gtest/gtest.h>

#include <functional>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "dialogs/InfoFenster.h"
#include "dialogs/InputFenster.h"
#include "dialogs/LektionenAssistent.h"
#include "dialogs/LektionenBrowser.h"
#include "dialogs/Parameter.h"
#include "dialogs/QuestionFenster.h"
#include "exercise/Bewertung.h"
#include "exercise/ExerciseFixture.h"
#include "exercise/SpielFenster.h"
#include "history/Verlauf.h"
#include "i18n/Sprache.h"
#include "input/KlavierTyp.h"
#include "input/TastaturEingabe.h"
#include "input/TastenFeldTyp.h"
#include "lessons/Lektion.h"
#include "lessons/Worte.h"
#include "music/ChromaTyp.h"
#include "music/Tonart.h"
#include "music/Transposer.h"
#include "notation/NotenFenster.h"
#include "notation/NotenPapier.h"
#include "platform/Ui.h"
#include "resultcode/Geheim.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "sound/Phrasen.h"
#include "sound/SoundTyp.h"
#include "state/Maus.h"

namespace {

// One module: how a running program moves it away from its start values, and how to see
// that it is back at them.
struct ModuleCase {
    const char* what;
    std::function<void()> change;
    std::function<bool()> atStart;
};

// The result code's hook as it stands before the result page joins it.
std::string (*unjoinedAnalysis())() {
    static std::string (*unjoined)() = [] {
        auto joined = ErgebnisCode::ReturnAnalyse;
        ErgebnisCode::SetzeStartwerte();
        auto start = ErgebnisCode::ReturnAnalyse;
        ErgebnisCode::ReturnAnalyse = joined;
        return start;
    }();
    return unjoined;
}

std::vector<ModuleCase> modules() {
    using S = Spiel;
    return {
        {"the mouse state", [] { Maus::DragWer = Maus::Klavier, Maus::MausX = 17; },
         [] { return Maus::DragWer == Maus::Keiner && Maus::MausX == 0; }},
        {"the exercise state", [] { S::SpielMode = S::Woerter, S::AktGrade = S::Pruefung; },
         [] { return S::SpielMode == S::KeinSpiel && S::AktGrade == S::Ueben; }},
        {"the exercise's staff window", [] { SpielFenster::MausZeit = 123; },
         [] { return SpielFenster::MausZeit == 400 && !SpielFenster::Haupt; }},
        {"the on-screen piano",
         [] {
             KlavierTyp::TastaturX = 333, KlavierTyp::Scale = 2.0f, KlavierTyp::OktavTranspose = 36;
         },
         [] {
             return KlavierTyp::TastaturX == 120 && KlavierTyp::TastaturY == 500 &&
                    KlavierTyp::Scale == 1.0f && KlavierTyp::OktavTranspose == 24 &&
                    KlavierTyp::Liste.empty();
         }},
        {"the note-name buttons", [] { TastenFeldTyp::Scale = 0.5f; },
         [] { return TastenFeldTyp::Scale == 1.0f; }},
        {"the computer keyboard", [] { TastaturEingabe::MitKreuz = 1; },
         [] { return TastaturEingabe::MitKreuz == 0; }},
        {"the main window", [] { MDI::WindowBreite = 999; },
         [] { return MDI::WindowBreite == 1120 && MDI::WindowHoehe == 700; }},
        {"the platform's windows", [] {}, [] { return Ui::gui == nullptr; }},
        {"the settings cache", [] { IniClass::Lesen("", "Allgemein", "User"); },
         [] { return IniClass::Liste.empty(); }},
        {"the data files", [] {},
         [] { return DatenPfad.empty() && AppPfad.empty() && !ArialNormal && !Schatten; }},
        {"the paths", [] { ApiClass::Slash = "\\"; }, [] { return ApiClass::Slash == "/"; }},
        {"the languages", [] { AktSprache = 0; }, [] { return AktSprache == 1; }},
        {"the spelled pitches", [] {}, [] { return ChromaTyp::Chroma[1]._Name.empty(); }},
        {"the transposition tables", [] { Transposer::Transpose = 4; },
         [] { return Transposer::Transpose == 0 && Transposer::Tonart[7] == nullptr; }},
        {"the key signatures", [] { HatVorzeichenSetzen(2); },
         [] { return HatVorzeichen == std::array<int, 12>{}; }},
        {"the sound scheduler", [] { SoundTyp::AddSound(1000000, 60, 1, 100, 500, 0, 1.0f); },
         [] { return SoundTyp::SoundListe.empty(); }},
        {"the MIDI ports", [] { MIDI::InMessages.push_back({}); },
         [] { return MIDI::InMessages.empty(); }},
        {"the phrases", [] { Phrasen::ZeitDistanz = 250; },
         [] { return Phrasen::ZeitDistanz == 0; }},
        {"the staff windows", [] { NotenFenster::HeadLine = "headline"; },
         [] { return NotenFenster::HeadLine.empty() && !NotenFenster::NotenBild; }},
        {"the note paper", [] { NotenPapier::AktText = "text"; },
         [] { return NotenPapier::AktText.empty(); }},
        {"the lesson", [] {}, [] { return !Lektion::AktLektion && Lektion::ZufallAnzahl == 0; }},
        {"the words", [] {}, [] { return Worte::GesamtListe.empty(); }},
        {"the lesson browser", [] { LektionenBrowser::LastBookAuswahl = 3; },
         [] { return LektionenBrowser::LastBookAuswahl == 1 && !LektionenBrowser::Window; }},
        {"the lesson wizard", [] { LektionenAssistent::LastAssiStep = 7; },
         [] { return LektionenAssistent::LastAssiStep == 40 && !LektionenAssistent::Window; }},
        {"the settings dialog", [] { Parameter::FormLoad(); }, [] { return !Parameter::Window; }},
        {"the information window", [] {},
         [] { return !InfoFenster::Window && !InfoFenster::HtmlAusCode; }},
        {"the name entry", [] {}, [] { return !InputFenster::Window && !InputFenster::CheckCode; }},
        {"the mouse test", [] {}, [] { return !QuestionFenster::Window; }},
        {"the rating", [] { Bewertung = 75; }, [] { return Bewertung == 0; }},
        {"the result code's hooks", [] {},
         [] { return ErgebnisCode::ReturnAnalyse == unjoinedAnalysis(); }},
        {"the result codes", [] { Geheim::PruefSummeOk = 1, Geheim::CodeZeile = 4; },
         [] { return Geheim::PruefSummeOk == 0 && Geheim::CodeZeile == 0; }},
        {"the history", [] { Verlauf::Datei = "somewhere.db"; },
         [] { return Verlauf::Datei.empty(); }},
    };
}

class StartValues : public ExerciseTest {};

TEST_F(StartValues, SetzeStartwerteReturnsEveryModuleToItsStartValues) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    ticksFor(500);
    for (const ModuleCase& module : modules()) {
        module.change();
        EXPECT_FALSE(module.atStart()) << module.what << " was not moved by the running program";
    }
    Programm::SetzeStartwerte();
    for (const ModuleCase& module : modules()) EXPECT_TRUE(module.atStart()) << module.what;
}

}  // namespace
