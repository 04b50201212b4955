#pragma once
// A melody of the xylophone: notes DO..DO2 (0 to 7) and pauses, read from a
// ".mel" text file of white-space separated tokens: "#DO" .. "#DO2" are
// notes, a positive number N is a pause of N ticks, and a token beginning
// with "!" ends the melody (the rest of the file is ignored).

#include <string>
#include <vector>

class Melody {
public:
    static constexpr int kMaxItems = 500;
    static constexpr int kNotes = 8;
    static constexpr int kPauseBase = 1000;  // a pause of N ticks is kept as N + 1000
    static const char* const kNoteNames[kNotes];

    // Reads the melody `name` ("data_demo\music\<name>.mel"). Throws
    // "Cannot Load Music: <name>" when the file cannot be opened, and the
    // reader's messages (below) for what is wrong inside.
    void load(const std::string& name);
    // Reads melody text; `file` names it in messages, which begin
    // "Plik: <file>" followed by what is wrong: an unknown note, a token that
    // is neither a note nor a positive number, more than 500 items, or no note.
    void read(const std::string& text, const std::string& file);

    // The note of a note name ("DO" .. "DO2", exact letter case), or -1.
    static int noteOf(const std::string& name);
    static bool isPause(int item) { return item >= kPauseBase; }
    static int pauseTicks(int item) { return item - kPauseBase; }

    std::vector<int> items;
};
