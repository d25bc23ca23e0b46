#pragma once
// The information window: an HTML view and three buttons. It shows the program's info
// page, the manual, any page of the user folder by name, the result page that ends an
// examination, or the teacher's code-analysis page. For the manual the two extra
// buttons move back and forward in the view's history; for the code page they step
// through the result lines fetched from the result-code server.

#include <array>
#include <string>

#include "platform/Gadget.h"

struct InfoFenster {
    static constexpr int BUT_OK = 0, BUT_BACK = 1, BUT_FORWARD = 2;
    static constexpr int SHOW_INFO = 0, SHOW_ANLEITUNG = 1, SHOW_DATEI = 2, SHOW_BEWERTUNG = 3,
                         SHOW_CODE = 4, SHOW_FORTSCHRITT = 5;

    static Gadget* Window;
    static Gadget* HtmlView;
    static std::array<Gadget*, 3> Button;
    static int WasIstZuSehen;     // the mode of the last ShowAs
    static bool LoeschenGefragt;  // the progress page asks whether to clear the history

    // Writes AppPfad + "Code.html" for the server line `schritt` lines on (+1 the next,
    // -1 the previous, 0 the current); the code-analysis module joins it. None: the code
    // page is not built yet and the view stays on the info page.
    static void (*HtmlAusCode)(int schritt);

    static void FormLoad();
    // Opens the window on a page: 0 the info page, 1 the manual `name` + ".html" in the
    // current language, 2 the file `name`, 3 the result page, 4 the code page, 5 the
    // progress page of the current learner, whose first extra button clears the history
    // after a question.
    static void ShowAs(int mode, const std::string& name);
    static void Event(Gadget* source);
    static void SetzeStartwerte();
};
