#pragma once
// Keeps the staff window's class-wide state that drawing a second staff disturbs (the
// main staff's texts, the bar position, the staff the notes ask for their bar) and puts
// it back when it goes out of scope: a picture drawn by the staff code beside the
// exercise leaves the exercise's staff as it was.

#include <functional>
#include <string>

#include "notation/Note.h"
#include "notation/NotenFenster.h"

class MainStaffKept {
  public:
    MainStaffKept()
        : headLine_(NotenFenster::HeadLine),
          nameLine_(NotenFenster::NameLine),
          nameText_(NotenFenster::NameText),
          vorTaktpos_(NotenFenster::VorTaktpos),
          hauptFenster_(Note::HauptFenster),
          zweiHand_(Note::ZweiHandLektion) {}
    ~MainStaffKept() {
        NotenFenster::HeadLine = headLine_;
        NotenFenster::NameLine = nameLine_;
        NotenFenster::NameText = nameText_;
        NotenFenster::VorTaktpos = vorTaktpos_;
        Note::HauptFenster = hauptFenster_;
        Note::ZweiHandLektion = zweiHand_;
    }
    MainStaffKept(const MainStaffKept&) = delete;
    MainStaffKept& operator=(const MainStaffKept&) = delete;

  private:
    std::string headLine_, nameLine_, nameText_;
    int vorTaktpos_;
    std::function<NotenFenster*()> hauptFenster_;
    std::function<bool()> zweiHand_;
};
