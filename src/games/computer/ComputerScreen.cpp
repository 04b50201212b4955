#include "games/computer/ComputerScreen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/Trace.h"
#include "audio/Music.h"
#include "game/LevelRules.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

namespace {
// The answers keep this far apart and this far from the edges of the space.
constexpr double kApart = 150;
constexpr double kPush = 1.2;
constexpr double kFlightStep = 16;

std::string frameName(const char* format, int i) {
    char name[48];
    std::snprintf(name, sizeof name, format, i);
    return name;
}
}  // namespace

void ComputerScreen::enter() {
    back_.loadOwnScreen("Computer");
    BitmapCache& cache = bitmapCache();
    background_ = cache.get("Computer\\bkg");
    point_ = cache.get("Computer\\point");
    for (int i = 0; i < kHappyFrames; ++i) happy_[i] = cache.get(frameName("Computer\\Anim\\happy%03d", i));
    for (int i = 0; i < kAngryFrames; ++i) angry_[i] = cache.get(frameName("Computer\\Anim\\mad%03d", i));
    font.loadFont("Computer\\fontStd");
    wrong_.loadSound("wrong");
    good_.loadSound("good");
    click_.loadSound("Computer\\click");
    levels = ComputerQuestion::kLevels;
    loadLevel(1);
    update();
    playMusic("computer", true, 100);
}

void ComputerScreen::leave() {
    BitmapCache& cache = bitmapCache();
    for (Bitmap*& b : angry_) cache.release(b);
    for (Bitmap*& b : happy_) cache.release(b);
    cache.release(point_);
    cache.release(background_);
}

void ComputerScreen::loadLevel(int n) {
    level = n;
    happyFrame = angryFrame = -1;
    questionsPerLevel = n < 6 ? 10 : 15;
    questionsLeft = questionsPerLevel;
    state = NewQuestion;
    trace("level-load computer %d", n);
}

void ComputerScreen::newQuestion() {
    question = ComputerQuestion::make(level);
    questionText = question.text();
    for (int i = 0; i < ComputerQuestion::kAnswers; ++i) {
        Answer& a = answers[i];
        a.text = std::to_string(question.answers[i]);
        a.x = std::rand() % 440 + 100;
        a.y = std::rand() % 220 + 50;
        a.width = font.textWidth(a.text);
        a.height = font.fontHeight();
    }
}

void ComputerScreen::moveApart() {
    for (int i = 0; i < ComputerQuestion::kAnswers; ++i) {
        Answer& a = answers[i];
        const int ax = static_cast<int>(a.x + a.width / 2), ay = static_cast<int>(a.y + a.height / 2);
        double sumX = 0, sumY = 0;
        for (int j = 0; j < ComputerQuestion::kAnswers; ++j) {
            if (j == i) continue;
            const Answer& b = answers[j];
            const int bx = static_cast<int>(b.x + b.width / 2), by = static_cast<int>(b.y + b.height / 2);
            const double dx = ax - bx, dy = ay - by, d = std::sqrt(dx * dx + dy * dy);
            if (d >= kApart) continue;
            if (d == 0) {
                // Two answers on the same spot part sideways, the earlier to the left.
                sumX += i < j ? -kPush : kPush;
                continue;
            }
            sumX += dx / d * kPush;
            sumY += dy / d * kPush;
        }
        if (a.x < 70) sumX += (1 - (a.x - 30) / 40) * 3;
        if (a.y < 70) sumY += (1 - (a.y - 30) / 40) * 3;
        if (a.x + a.width > 570) sumX -= (1 - (610 - (a.x + a.width)) / 40) * 3;
        if (a.y + a.height > 290) sumY -= (1 - (330 - (a.y + a.height)) / 40) * 3;
        a.x += sumX;
        a.y += sumY;
    }
}

void ComputerScreen::levelDone() {
    trace("level-solved computer %d", level);
    const LevelChoice choice = askAfterSolved(level >= levels, level == 2, kMapPiece);
    if (choice == LevelChoice::EndGame)
        finish(0);
    else
        loadLevel(choice == LevelChoice::NextLevel ? level + 1 : level);
}

void ComputerScreen::fly() {
    Answer& a = answers[chosen];
    const double tx = kQuestionX + font.textWidth(questionText) + 10, ty = kQuestionY;
    const double dx = static_cast<int>(tx - a.x), dy = static_cast<int>(ty - a.y);
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d <= kFlightStep) {
        a.x = tx;
        a.y = ty;
        state = Judging;
        return;
    }
    a.x += dx / (d / kFlightStep);
    a.y += dy / (d / kFlightStep);
}

void ComputerScreen::judge() {
    if (chosen == 0) {
        good_.playSound(1.0);
        happyFrame = 0;
    } else {
        questionsLeft = std::min(questionsLeft + 1, questionsPerLevel);
        wrong_.playSound(1.0);
        angryFrame = 0;
    }
    animationTick = 0;
    state = Animating;
}

void ComputerScreen::animate() {
    if (++animationTick % 2 != 0) return;
    if (happyFrame >= 0 && ++happyFrame >= kHappyFrames) {
        happyFrame = -1;
        state = NewQuestion;
    }
    if (angryFrame >= 0) {
        if (++angryFrame == kHideAtAngryFrame) answerHidden = true;
        if (angryFrame >= kAngryFrames) {
            angryFrame = -1;
            state = NewQuestion;
        }
    }
}

void ComputerScreen::update() {
    const InputState& in = input();
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    switch (state) {
        case NewQuestion:
            if (questionsLeft-- < 1) {
                levelDone();
                break;
            }
            newQuestion();
            answerHidden = false;
            state = Choosing;
            break;
        case Choosing: {
            moveApart();
            if (!in.leftClicked) break;
            const int picked = answerAt(in.mouseX, in.mouseY);
            if (picked >= 0) {
                chosen = picked;
                click_.playSound(1.0);
                trace("answer computer %s%s", questionText.c_str(), answers[picked].text.c_str());
                state = Flying;
            }
            break;
        }
        case Flying:
            fly();
            break;
        case Judging:
            judge();
            break;
        case Animating:
            animate();
            break;
    }
}

bool ComputerScreen::hitsAnswer(int i, int px, int py, int reach) const {
    const Answer& a = answers[i];
    if (!a.holds(px, py)) return false;
    if (!font.picture || !font.picture->surface) return true;  // no glyphs to test against
    return font.hitsText(static_cast<int>(a.x), static_cast<int>(a.y), a.text, px, py, reach);
}

int ComputerScreen::answerAt(int px, int py) const {
    // The answers are drawn from the last to the first, so the first one
    // under the mouse is the one the child sees there. A click counts on the
    // digits' drawn pixels, not on the empty parts of their font cells; only
    // a click beside every digit goes to one a few pixels away, so that the
    // reach around a digit on top never takes a click meant for the digit
    // drawn right there.
    for (int reach : {0, kHitReach})
        for (int i = 0; i < ComputerQuestion::kAnswers; ++i)
            if (hitsAnswer(i, px, py, reach)) return i;
    return -1;
}

void ComputerScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    font.drawString(kQuestionX, kQuestionY, questionText);
    if (state != NewQuestion)
        for (int i = ComputerQuestion::kAnswers - 1; i >= 0; --i) {
            if (i == chosen && answerHidden) continue;
            font.drawString(static_cast<int>(answers[i].x), static_cast<int>(answers[i].y), answers[i].text);
        }
    if (point_)
        for (int i = 0; i < questionsLeft; ++i) point_->draw(30 + i * point_->width, 25, DrawKeyed);
    Bitmap* figure = happyFrame >= 0 ? happy_[happyFrame] : angryFrame >= 0 ? angry_[angryFrame] : nullptr;
    if (figure) figure->draw(640 - figure->width, 480 - figure->height, DrawKeyed);
    back_.draw();
    drawPointer(input().pointerPicture);
}
