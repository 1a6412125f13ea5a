#include "Families.h"

#include <iterator>

const Family kFamilies[] = {
    {"state", "byte-exact chunk round trips; random, cut, mutated chunks, absurd sizes, null pointers", RunStateFamily},
    {"dispatcher", "every opcode with edge values, small and null buffers", RunDispatcherFamily},
    {"parameters", "NaN, infinities, out-of-range indices and values, text entry", RunParameterFamily},
    {"processing", "block sizes 1 to 8192, sample rates, tempi, positions, loops, transport", RunProcessingFamily},
    {"midi", "bad status and data bytes, offsets outside the block and unsorted, floods", RunMidiFamily},
    {"sessions", "long random sessions with chords; every note ends on its channel and note", RunSessionFamily},
    {"threads", "instances on several threads at once; the audio thread goes on while the editor's is held",
     RunThreadFamily},
    {"editor", "editors opened and closed, and kept open while an audio thread plays and automates", RunEditorFamily},
};

const int kFamilyCount = int(std::size(kFamilies));
