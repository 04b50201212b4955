#pragma once
// The data of the band game's eight instruments, in the order of the stage's
// areas "1" to "8": the instrument's sound, the voice that names it and the
// animation of its player. The game plays them; the data checker lists them.

inline constexpr int kInstrumentCount = 8;

inline constexpr const char* kInstrumentSoundNames[kInstrumentCount] = {
    "Instruments\\Bebny",   "Instruments\\Gitara",   "Instruments\\Harmonia", "Instruments\\Kontrabas",
    "Instruments\\Organy",  "Instruments\\Saksofon", "Instruments\\Skrzypce", "Instruments\\Traba"};
inline constexpr const char* kInstrumentVoiceNames[kInstrumentCount] = {
    "Voice\\g_insDrums", "Voice\\g_insGuitar", "Voice\\g_insAccordion", "Voice\\g_insDoublebass",
    "Voice\\g_insOrgan", "Voice\\g_insSax",    "Voice\\g_insViolin",    "Voice\\g_insTuba"};
inline constexpr const char* kInstrumentCannerNames[kInstrumentCount] = {
    "instruments-bebny",  "instruments-gitara",   "instruments-harmonia", "instruments-kontrabas",
    "instruments-organy", "instruments-saksofon", "instruments-skrzypce", "instruments-traba"};
