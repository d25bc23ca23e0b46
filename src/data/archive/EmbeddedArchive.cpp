#include "data/EmbeddedArchive.h"

extern "C" const unsigned char lesmora_archive_begin[];
extern "C" const unsigned char lesmora_archive_end[];

const unsigned char* embeddedArchiveData() {
    return lesmora_archive_begin;
}

size_t embeddedArchiveSize() {
    return static_cast<size_t>(lesmora_archive_end - lesmora_archive_begin);
}
