#pragma once
// ALSA and JACK write their own error lines to standard error: on a machine without a
// sound card or a JACK server, some fifty at start-up. Once this is installed each library
// says one line, its first message, on standard output; the program's own lines say what
// it does about it.

void FoldSoundLibraryMessages();
