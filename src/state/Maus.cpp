#include "state/Maus.h"

int Maus::MausX = 0;
int Maus::MausY = 0;
int Maus::MausLinks = 0;
int Maus::MausRechts = 0;
int Maus::DragWer = Maus::Keiner;
