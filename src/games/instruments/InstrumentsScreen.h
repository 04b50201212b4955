#pragma once
// The musician's band: eight instruments on the stage. Clicking one, a voice
// names it and then it plays while its player moves. The quiz button asks
// the child to find an instrument by its sound alone: the question is
// spoken, the instrument sounds without moving, and the child clicks the one
// that played. No levels, no end other than Escape.

#include <array>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "data/InstrumentNames.h"
#include "gfx/Pointer.h"
#include "scene/ActiveScreen.h"

class Bitmap;

class InstrumentsScreen : public Screen {
public:
    static constexpr int kInstruments = kInstrumentCount;
    static constexpr int kQueue = 5;
    enum Quiz { FreePlay = 0, Question = 1 };
    static constexpr const auto& kSoundNames = kInstrumentSoundNames;
    static constexpr const auto& kVoiceNames = kInstrumentVoiceNames;
    static constexpr const auto& kCannerNames = kInstrumentCannerNames;

    InstrumentsScreen() = default;
    ~InstrumentsScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    // The procedures of the screen "Instruments": an instrument (argument
    // "1" to "8") and the quiz button. Clicks while sounds are queued are
    // ignored.
    void instrumentEvent(int instrument, int event);
    void quizEvent(int event);

    bool queueEmpty() const { return queue[0] == nullptr; }
    // The instrument whose sound this is, or -1.
    int instrumentOf(const Sound* sound) const;

    // State, open to tests.
    int quiz = FreePlay;
    int answer = 0;
    std::array<Sound*, kQueue> queue{};
    HoverPointer hover;
    int moving = -1;  // the instrument whose player moves with its tune, or -1
    ActiveScreen screen;

private:
    void startQueue(std::initializer_list<Sound*> sounds);
    void pointerEvent(int event);
    void nextInQueue();
    void keepPlayerMoving();

    Sound instruments_[kInstruments];
    Sound voices_[kInstruments];
    Sound good_, wrong_, question_;
    Bitmap* quizOn_ = nullptr;
    Bitmap* quizOff_ = nullptr;
    BackButton back_;
};

// The running band (its procedures reach it through this).
InstrumentsScreen* runningInstrumentsScreen();
