#pragma once
// The bytes of DATEN.ZIP as linked into the executable.

#include <cstddef>

const unsigned char* embeddedArchiveData();
size_t embeddedArchiveSize();
