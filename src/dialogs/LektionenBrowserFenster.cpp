// The lesson browser's two windows: building them, opening them on the books or the
// lessons, and what their gadgets do.

#include <algorithm>
#include <iostream>

#include "app/Programm.h"
#include "data/Daten.h"
#include "dialogs/Dialog.h"
#include "dialogs/LektionenBrowser.h"
#include "lessons/LektionsBuch.h"
#include "lessons/LektionsDatei.h"
#include "music/Transposer.h"
#include "platform/Ui.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

namespace {
using B = LektionenBrowser;

constexpr int kBreite = 820, kHoehe = 440;
constexpr int kKreisBreite = 488, kKreisHoehe = 382;

Gui& gui() {
    return *Ui::gui;
}

Gadget* radio(int x, int y, int width, Gadget* parent, const std::string& caption) {
    return gui().createGadget(GadgetClass::RadioButton, x, y, width, 24, parent, caption);
}

void buildBrowserWindow() {
    const int x = std::max(0, (gui().desktopWidth() - kBreite) / 2);
    const int y = std::max(0, (gui().desktopHeight() - kHoehe) / 2);
    B::Window =
        gui().createWindow("{{Select exercise}}...", x, y, kBreite, kHoehe, nullptr,
                           WindowStyle::TitleBar | WindowStyle::ToolWindow | WindowStyle::Hidden);
    gui().setBackground(B::Window, 155, 155, 155);
    B::Button[B::BUT_OK] = gui().createGadget(GadgetClass::Button, 700, 410, 100, 24, B::Window,
                                              "{{OK}}", GadgetStyle::Default);
    B::HtmlView = gui().createGadget(GadgetClass::HtmlView, 385, 5, 430, 390, B::Window);
    gui().setFollowLinks(B::HtmlView, false);

    Gadget* rahmen =
        gui().createGadget(GadgetClass::Panel, 5, 5, 380, 390, B::Window, "", GadgetStyle::Sunken);
    gui().setBackground(rahmen, 200, 200, 200);
    // The heading lies over the list's frame, so it is made after it.
    B::UberGadget = gui().createGadget(GadgetClass::Label, 16, 10, 358, 50, B::Window, "",
                                       GadgetStyle::Centred);
    gui().setFont(B::UberGadget, 20);
    gui().setBackground(B::UberGadget, 200, 200, 200);
    B::ListBox = gui().createGadget(GadgetClass::ListBox, 8, 105, 360, 270, rahmen);
    gui().setFont(B::ListBox, 13);
    B::Panel = gui().createGadget(GadgetClass::Panel, 1, 51, 360, 50, rahmen);
    B::Button[B::BUT_ALL] = radio(5, 5, 150, B::Panel, "{{All}}");
    B::Button[B::BUT_ANF] = radio(5, 25, 150, B::Panel, "{{Beginners}}");
    B::Button[B::BUT_FORT] = radio(200, 5, 150, B::Panel, "{{Moderates}}");
    B::Button[B::BUT_EXP] = radio(200, 25, 150, B::Panel, "{{Experts}}");
    gui().setValue(B::Button[B::BUT_ALL], 1);

    B::SystemPanel = gui().createGadget(GadgetClass::Panel, 450, 400, 240, 33, B::Window, "",
                                        GadgetStyle::Hidden);
    gui().setBackground(B::SystemPanel, 255, 222, 222);
    B::Button[B::BUT_VIOL] =
        gui().createGadget(GadgetClass::RadioButton, 5, 2, 70, 24, B::SystemPanel, "{{Violin}}");
    B::Button[B::BUT_BASS] =
        gui().createGadget(GadgetClass::RadioButton, 75, 2, 70, 24, B::SystemPanel, "{{Bass}}");
    B::Button[B::BUT_BEID] = gui().createGadget(GadgetClass::RadioButton, 145, 2, 90, 24,
                                                B::SystemPanel, "{{Violin}}+{{Bass}}");
    gui().setValue(B::Button[B::BUT_VIOL], 1);
}

void buildCircleWindow() {
    const int x = std::max(0, (gui().desktopWidth() - kKreisBreite) / 2);
    const int y = std::max(0, (gui().desktopHeight() - kKreisHoehe) / 2);
    B::QuintenWindow =
        gui().createWindow("{{Select Scale}}...", x, y, kKreisBreite, kKreisHoehe, nullptr,
                           WindowStyle::TitleBar | WindowStyle::ToolWindow | WindowStyle::Hidden);
    B::QuintenPanel =
        gui().createGadget(GadgetClass::Panel, 0, 0, kKreisBreite, kKreisHoehe, B::QuintenWindow);
    gui().setPicture(B::QuintenPanel, LadeBild("Quinte.png"));
}

// Shows the staff buttons for a lesson that leaves its staff open, with the treble staff
// chosen; hides them for any other lesson.
void fitStaffButtons(int nummer) {
    const bool offen = IniClass::Lesen(lessonFile(), lessonSection(nummer), "System").find('?') !=
                       std::string::npos;
    gui().setVisible(B::SystemPanel, offen);
    if (offen) {
        gui().setValue(B::Button[B::BUT_VIOL], 1);
        gui().setValue(B::Button[B::BUT_BASS], 0);
        gui().setValue(B::Button[B::BUT_BEID], 0);
    }
    B::HtmlSystemWahl = offen ? 1 : 0;
}

void showPreview(int nummer) {
    B::HtmlAusBrowser(std::to_string(nummer));
    gui().loadFile(B::HtmlView, AppPfad + "Lektion.html");
}

// The list shown, with the item for `nummer` selected; when the list lacks it, its
// first item. Returns the number selected, 0 for an empty list.
int fillList(const std::vector<BrowserEintrag>& eintraege, int nummer) {
    gui().clearItems(B::ListBox);
    int gewaehlt = -1;
    for (size_t i = 0; i < eintraege.size(); ++i) {
        gui().addItem(B::ListBox, eintraege[i].Text, std::to_string(eintraege[i].Nummer));
        if (eintraege[i].Nummer == nummer) gewaehlt = static_cast<int>(i);
    }
    if (gewaehlt < 0 && !eintraege.empty()) gewaehlt = 0;
    gui().setValue(B::ListBox, gewaehlt);
    return gewaehlt < 0 ? 0 : eintraege[gewaehlt].Nummer;
}

// A lesson can be confirmed when it is listed and has notes; a book when it is listed.
void fitOkButton(int nummer) {
    bool bereit = nummer > 0 && (B::ShowMode == B::SHOW_BUECHER || B::HatNoten(nummer));
    gui().setEnabled(B::Button[B::BUT_OK], bereit);
}

void checkLevelButton() {
    const int knopf = B::SuchLevel == 1   ? B::BUT_ANF
                      : B::SuchLevel == 3 ? B::BUT_FORT
                      : B::SuchLevel == 5 ? B::BUT_EXP
                                          : B::BUT_ALL;
    for (int b = B::BUT_ALL; b <= B::BUT_EXP; ++b) gui().setValue(B::Button[b], b == knopf);
}

void confirmBook() {
    if (!B::WechsleBuch(B::LastBookAuswahl)) {
        std::cout << "browser: book " << B::LastBookAuswahl << " cannot be opened" << std::endl;
        return;
    }
    B::Show();
}

void confirmLesson() {
    Transposer::Transpose = 0;
    if (!B::HatNoten(B::LastLektionauswahl)) return;
    if (B::LetzterSchrittTonarten() == 1) return;
    B::LadeGewaehlteLektion();
}

void listSelected() {
    const int index = gui().value(B::ListBox);
    if (index < 0) return;
    const std::string data = gui().itemData(B::ListBox, index);
    if (data.empty()) return;
    const int nummer = LenientInt(data);
    if (B::ShowMode == B::SHOW_LEKTIONEN) {
        B::LastLektionauswahl = nummer;
        fitStaffButtons(nummer);
    } else {
        B::LastBookAuswahl = nummer;
    }
    fitOkButton(nummer);
    showPreview(nummer);
}

void circlePressed() {
    const Event& druck = Programm::AktuellesEvent;
    if (druck.id != EventId::MouseDown) return;
    const int t = B::TransposeWahl(druck.x, druck.y);
    if (t < 0) return;
    Transposer::Transpose = t;
    B::LadeGewaehlteLektion(true);
}

bool is(Gadget* source, int knopf) {
    return source && source == B::Button[knopf];
}
}  // namespace

void LektionenBrowser::FormLoad() {
    if (Ui::gui) {
        buildBrowserWindow();
        buildCircleWindow();
        RegistriereDialog(&Window, Event);
        RegistriereDialog(&QuintenWindow, Event);
    }
    if (IniClass::Lesen("", "Allgemein", "Buch").empty()) return;
    const int buch = GueltigesBuch();
    if (buch == 0) {
        std::cout << "browser: the saved book cannot be used; the lessons stay as they are"
                  << std::endl;
        return;
    }
    WechsleBuch(buch);
    LastBookAuswahl = buch;
}

void LektionenBrowser::ShowBooks() {
    if (!Ui::gui || !Window) return;
    gui().setText(UberGadget, "{{EXERCISE BOOKS}}");
    gui().setVisible(Panel, false);
    gui().setVisible(SystemPanel, false);
    Sektion = "DE ";
    ShowMode = SHOW_BUECHER;
    ZeigeModal(Window);
    LastBookAuswahl = std::max(1, fillList(BuchListe(), LastBookAuswahl));
    fitOkButton(LastBookAuswahl);
    showPreview(LastBookAuswahl);
    gui().activate(ListBox);
}

void LektionenBrowser::Show() {
    if (!Ui::gui || !Window) return;
    const int buch = GueltigesBuch();
    if (buch == 0) {
        ShowBooks();
        return;
    }
    gui().setText(UberGadget, LektionsBuch::Lies(buch)->Name);
    gui().setVisible(Panel, true);
    checkLevelButton();
    Sektion = "Lesen ";
    ShowMode = SHOW_LEKTIONEN;
    ZeigeModal(Window);
    const int gewaehlt = fillList(LektionsListe(SuchLevel), LastLektionauswahl);
    if (gewaehlt > 0) LastLektionauswahl = gewaehlt;
    fitStaffButtons(gewaehlt);
    fitOkButton(gewaehlt);
    showPreview(gewaehlt);
    gui().activate(ListBox);
}

void LektionenBrowser::Event(Gadget* source) {
    if (!source) return;
    if (source == QuintenPanel) {
        circlePressed();
    } else if (is(source, BUT_OK)) {
        ShowMode == SHOW_BUECHER ? confirmBook() : confirmLesson();
    } else if (source == ListBox) {
        listSelected();
    } else if (ShowMode == SHOW_LEKTIONEN) {
        const int levels[] = {0, 1, 3, 5};
        for (int knopf = BUT_ALL; knopf <= BUT_EXP; ++knopf)
            if (is(source, knopf)) {
                SuchLevel = levels[knopf - BUT_ALL];
                Show();
                return;
            }
        for (int knopf = BUT_VIOL; knopf <= BUT_BEID; ++knopf)
            if (is(source, knopf)) {
                HtmlSystemWahl = knopf - BUT_VIOL + 1;
                showPreview(LastLektionauswahl);  // the notes on the staff just chosen
            }
    }
}
