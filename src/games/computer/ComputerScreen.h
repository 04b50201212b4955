#pragma once
// The programmer's game: a sum is written on the computer's screen and four
// numbers float apart in the space above it. The child clicks one; it flies
// to its place after "=", and the little robot in the corner cheers a right
// answer or gets cross at a wrong one, which adds a question to the level.
// Ten levels of ten or fifteen sums each: addition, subtraction,
// multiplication and their mixtures, first up to 10, then up to 20 (products
// up to 100). Solving the second level earns a piece of the map.

#include <string>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "games/computer/ComputerQuestion.h"
#include "scene/BitmapFont.h"

class Bitmap;

class ComputerScreen : public Screen {
public:
    static constexpr int kMapPiece = 2;
    static constexpr int kHappyFrames = 24;
    static constexpr int kAngryFrames = 17;
    static constexpr int kHideAtAngryFrame = 14;
    static constexpr int kQuestionX = 210, kQuestionY = 400;

    enum State { NewQuestion = 0, Choosing = 1, Flying = 2, Judging = 4, Animating = 5 };

    struct Answer {
        std::string text;
        double x = 0, y = 0;
        int width = 0, height = 0;
        bool holds(int px, int py) const { return x <= px && px < x + width && y <= py && py < y + height; }
    };

    ComputerScreen() = default;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    void loadLevel(int n);
    // Writes a new question and scatters its answers over the space.
    void newQuestion();
    // Pushes the answers apart and away from the edges of the space (one tick).
    void moveApart();
    // Whether a click at (px, py) lands on the drawn digits of answer i.
    bool hitsAnswer(int i, int px, int py, int reach = kHitReach) const;
    // The answer a click at (px, py) picks, or -1.
    int answerAt(int px, int py) const;
    // How far from a digit's drawn pixels a click still counts.
    static constexpr int kHitReach = 3;

    // State, open to tests.
    ComputerQuestion question;
    std::string questionText;
    Answer answers[ComputerQuestion::kAnswers];
    int state = NewQuestion;
    int chosen = 0;
    bool answerHidden = false;
    int happyFrame = -1, angryFrame = -1, animationTick = 0;
    int level = 1;
    int levels = ComputerQuestion::kLevels;
    int questionsPerLevel = 10;
    int questionsLeft = 0;
    BitmapFont font;

private:
    void levelDone();
    void fly();
    void judge();
    void animate();

    Bitmap* background_ = nullptr;
    Bitmap* point_ = nullptr;
    Bitmap* happy_[kHappyFrames] = {};
    Bitmap* angry_[kAngryFrames] = {};
    Sound wrong_, good_, click_;
    BackButton back_;
};
