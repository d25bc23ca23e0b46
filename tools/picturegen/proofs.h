// Proof pictures for looking at the generated pictures; never part of the archive.
#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace picturegen {

// A grand staff drawn the way the staff window draws it, from the note and beam sheets.
QImage makeStaffProof(const QImage& notes, const QImage& beams, const QImage& shadow);

// All pictures side by side with their names and sizes.
QImage makeContactSheet(const std::vector<std::pair<QString, QImage>>& pictures);

// The four-octave keyboard with one key of every overlay kind pressed, drawn at the
// positions the on-screen piano uses.
QImage makeKeyboardProof();

// The button field with names, highlight and octave rings drawn where the field draws
// them, and the click zones outlined.
QImage makeButtonFieldProof();

// The circle of fifths with its click boxes outlined.
QImage makeCircleProof();

}  // namespace picturegen
