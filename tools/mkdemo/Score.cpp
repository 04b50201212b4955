#include "mkdemo/Score.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace mkdemo {

namespace {

int drumKey(char c) {
    switch (c) {
    case 'k': case 's': case 'h': case 'o': case 'c': case 't': case 'p':
        return static_cast<unsigned char>(c);
    default:
        return -1;
    }
}

// Reads "/N", "/N." or "/Nt" at text[pos]; beats = 4 / N.
bool parseLength(const std::string& text, size_t& pos, double& beats, std::string& error) {
    if (pos >= text.size() || text[pos] != '/') return true;
    ++pos;
    size_t start = pos;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) ++pos;
    if (pos == start) {
        error = "a length needs a number after '/'";
        return false;
    }
    int n = std::atoi(text.substr(start, pos - start).c_str());
    if (n != 1 && n != 2 && n != 4 && n != 8 && n != 16 && n != 32) {
        error = "length /" + std::to_string(n) + " is not 1, 2, 4, 8, 16 or 32";
        return false;
    }
    beats = 4.0 / n;
    if (pos < text.size() && text[pos] == '.') {
        beats *= 1.5;
        ++pos;
    } else if (pos < text.size() && text[pos] == 't') {
        beats *= 2.0 / 3.0;
        ++pos;
    }
    return true;
}

bool parsePitch(const std::string& text, size_t& pos, int& octave, int& key, std::string& error) {
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos])));
    if (letter < 'a' || letter > 'g') {
        error = "'" + text + "' is not a note";
        return false;
    }
    int semis = base[letter - 'a'];
    ++pos;
    if (pos < text.size() && text[pos] == '#') {
        ++semis;
        ++pos;
    } else if (pos < text.size() && text[pos] == 'b') {
        --semis;
        ++pos;
    }
    if (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        octave = text[pos] - '0';
        ++pos;
    }
    key = (octave + 1) * 12 + semis;
    return true;
}

}  // namespace

bool parseNoteToken(const std::string& token, bool drums, int& octave, NoteToken& out, std::string& error) {
    out = NoteToken();
    if (token.empty()) {
        error = "empty note";
        return false;
    }
    size_t pos = 0;
    if (token[0] == 'r' || token[0] == 'R') {
        pos = 1;
    } else if (drums) {
        for (;;) {
            int k = pos < token.size() ? drumKey(token[pos]) : -1;
            if (k < 0) {
                error = "'" + token + "' is not a drum (k s h o c t p) or a rest";
                return false;
            }
            out.keys.push_back(k);
            ++pos;
            if (pos < token.size() && token[pos] == '+') {
                ++pos;
                continue;
            }
            break;
        }
    } else {
        for (;;) {
            int key = 0;
            if (pos >= token.size() || !parsePitch(token, pos, octave, key, error)) {
                if (error.empty()) error = "'" + token + "' ends after '+'";
                return false;
            }
            out.keys.push_back(key);
            if (pos < token.size() && token[pos] == '+') {
                ++pos;
                continue;
            }
            break;
        }
    }
    double beats = 0;
    size_t before = pos;
    if (!parseLength(token, pos, beats, error)) return false;
    out.hasLength = pos != before;
    out.beats = beats;
    if (pos != token.size()) {
        error = "unexpected '" + token.substr(pos) + "' in note '" + token + "'";
        return false;
    }
    return true;
}

Instrument instrumentDefaults(const std::string& kind, const Node& where) {
    Instrument i;
    i.kind = kind;
    if (kind == "sine" || kind == "triangle") {
    } else if (kind == "square" || kind == "saw" || kind == "chip") {
        i.sustain = 0.7;
        i.cutoff = kind == "chip" ? 0 : 3500;
    } else if (kind == "flute") {
        i.attack = 0.04, i.decay = 0.15, i.sustain = 0.75, i.release = 0.12, i.vibrato = 0.12, i.noise = 0.04;
    } else if (kind == "pluck") {
        i.attack = 0.002, i.decay = 0.0, i.sustain = 1.0, i.release = 0.08;
    } else if (kind == "bell" || kind == "marimba" || kind == "piano") {
        i.attack = 0.002, i.decay = 0, i.sustain = 1.0, i.release = 0.3;
    } else if (kind == "pad") {
        i.attack = 0.35, i.decay = 0.3, i.sustain = 0.8, i.release = 0.6, i.detune = 12, i.cutoff = 1800;
    } else if (kind == "organ") {
        i.attack = 0.02, i.decay = 0.05, i.sustain = 0.9, i.release = 0.08;
    } else if (kind == "bass") {
        i.attack = 0.005, i.decay = 0.25, i.sustain = 0.55, i.release = 0.08, i.cutoff = 900;
    } else if (kind == "brass") {
        i.attack = 0.05, i.decay = 0.1, i.sustain = 0.8, i.release = 0.1, i.cutoff = 2500;
    } else if (kind == "strings") {
        i.attack = 0.12, i.decay = 0.2, i.sustain = 0.85, i.release = 0.25, i.vibrato = 0.08, i.detune = 8,
        i.cutoff = 3000;
    } else if (kind == "drums") {
    } else if (kind == "chirp") {
        i.attack = 0.005, i.decay = 0.05, i.sustain = 0.6, i.release = 0.03;
    } else if (kind == "noise") {
        i.attack = 0.002, i.decay = 0.2, i.sustain = 0.0, i.release = 0.05;
    } else {
        where.fail("unknown instrument '" + kind +
                   "' (sine triangle square saw chip flute pluck bell marimba piano pad organ bass brass strings "
                   "drums chirp noise)");
    }
    return i;
}

namespace {

// The branch without its first value (the count of a repeat, the level of a vel).
Node withoutFirstValue(const Node& c) {
    Node body = c;
    body.values.erase(body.values.begin());
    body.sequence.clear();
    for (const auto& [isChild, i] : c.sequence) {
        if (isChild)
            body.sequence.emplace_back(true, i);
        else if (i > 0)
            body.sequence.emplace_back(false, i - 1);
    }
    return body;
}

void readNotes(const Node& notes, bool drums, int& octave, double& beat, double& length, double velocity,
               std::vector<ScoreNote>& out) {
    for (const auto& [isChild, index] : notes.sequence) {
        if (isChild) {
            const Node& c = notes.children[index];
            if (c.key == "repeat") {
                int times = c.integer(0);
                if (times < 1 || times > 64) c.fail("repeat count must be 1..64");
                // The count is the first value; the notes are everything after it.
                Node body = withoutFirstValue(c);
                for (int t = 0; t < times; ++t) readNotes(body, drums, octave, beat, length, velocity, out);
            } else if (c.key == "vel") {
                double v = c.num(0);
                Node body = withoutFirstValue(c);
                readNotes(body, drums, octave, beat, length, v, out);
            } else {
                c.fail("only (repeat n ...) and (vel v ...) may stand among notes");
            }
            continue;
        }
        const std::string& t = notes.values[index];
        if (t == "|") continue;
        if (t == "<" || t == ">") {
            octave += t == "<" ? -1 : 1;
            continue;
        }
        NoteToken nt;
        std::string error;
        if (!parseNoteToken(t, drums, octave, nt, error)) notes.fail(error);
        if (nt.hasLength) length = nt.beats;
        if (!nt.keys.empty()) {
            ScoreNote n;
            n.start = beat;
            n.length = length;
            n.keys = nt.keys;
            n.velocity = velocity;
            out.push_back(n);
        }
        beat += length;
    }
}

}  // namespace

Score parseScore(const Node& node) {
    Score s;
    s.name = node.str(0);
    s.tempo = node.option("tempo", 120);
    if (s.tempo < 20 || s.tempo > 400) node.fail("tempo must be 20..400");
    s.loop = node.option("loop", 0) != 0;
    s.tail = node.option("tail", s.loop ? 2.0 : 0.5);
    s.gain = node.option("gain", 1.0);
    if (const Node* e = node.child("echo")) {
        s.echoDelay = e->num(0);
        s.echoFeedback = e->num(1);
        if (s.echoDelay <= 0 || s.echoDelay > 2 || s.echoFeedback < 0 || s.echoFeedback > 0.9)
            e->fail("echo needs a delay of 0..2 s and a feedback of 0..0.9");
    }
    for (const Node* v : node.all("voice")) {
        ScoreVoice voice;
        voice.name = v->str(0, "voice");
        std::string kind = v->optionText("instrument", "sine");
        voice.instrument = instrumentDefaults(kind, *v);
        Instrument& in = voice.instrument;
        in.attack = v->option("attack", in.attack);
        in.decay = v->option("decay", in.decay);
        in.sustain = v->option("sustain", in.sustain);
        in.release = v->option("release", in.release);
        in.vibrato = v->option("vibrato", in.vibrato);
        in.slide = v->option("slide", in.slide);
        in.cutoff = v->option("cutoff", in.cutoff);
        in.detune = v->option("detune", in.detune);
        in.noise = v->option("noise", in.noise);
        in.hold = v->option("hold", in.hold);
        voice.volume = v->option("volume", 0.5);
        voice.pan = v->option("pan", 0);
        if (voice.pan < -1 || voice.pan > 1) v->fail("pan must be -1..1");
        int octave = static_cast<int>(v->option("octave", 4));
        double beat = v->option("start", 0);
        double length = 1;
        for (const Node* n : v->all("notes"))
            readNotes(*n, kind == "drums", octave, beat, length, 1.0, voice.notes);
        voice.beats = beat;
        if (voice.beats > s.beats) s.beats = voice.beats;
        s.voices.push_back(std::move(voice));
    }
    if (s.voices.empty()) node.fail("a score needs at least one voice");
    if (node.has("length")) s.beats = node.option("length", s.beats);
    if (s.beats <= 0) node.fail("the score has no notes");
    return s;
}

}  // namespace mkdemo
