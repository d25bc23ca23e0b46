#pragma once
// The work of the exercise: its reset, every timer tick and the frame. Its state is in
// state/ExerciseState.h.

#include "platform/Canvas.h"
#include "platform/FrameRecorder.h"
#include "platform/Gadget.h"
#include "state/ExerciseState.h"

// Sets the exercise up anew for the current method, work step and lesson.
void SpielReset();
// Fits the piano, the note-name buttons and the staff to the current lesson.
void LektionAnpassen();
// Loads lesson `nummer` with staff choice `wahl`, fits the instruments and the staff to
// it and sets the exercise up anew.
void WechsleLektion(int nummer, int wahl);

// One timer tick: the periodic work, then the frame.
void TimerTickt();
// Paints one frame on the main canvas and shows it; a frame like the last is not drawn
// again.
void Malen();
// The recorder of the main canvas's frames, with its counts of frames drawn and skipped.
FrameRecorder& Bildfolge();

// Runs and draws the examination countdown.
void CountDown(Canvas& canvas);
// Schedules the six countdown tones.
void PlayCountdown();

// Keeps the staff window of the exercise inside a window of this client size.
void KlemmeSpielFenster(int breite, int hoehe);
