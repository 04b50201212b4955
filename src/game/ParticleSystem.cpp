#include "game/ParticleSystem.h"

#include <cmath>
#include <cstdlib>

#include "gfx/Display.h"
#include "gfx/Surface.h"

void ParticleSystem::init(int n) {
    capacity_ = n < 0 ? 0 : n;
    gravity = 0.1f;
    sparks_.assign(static_cast<size_t>(capacity_), Spark{});
}

void ParticleSystem::clear() {
    if (capacity_ > 0) sparks_.assign(static_cast<size_t>(capacity_), Spark{});
}

void ParticleSystem::spawn(float x, float y, float vx, float vy, float gravityFactor, int size) {
    for (Spark& s : sparks_) {
        if (s.size >= 1) continue;
        s.x = x;
        s.y = y;
        s.vx = vx;
        s.vy = vy;
        s.gravityFactor = gravityFactor;
        s.size = static_cast<signed char>(size < 1 ? 1 : (size > 2 ? 2 : size));
        return;
    }
}

void ParticleSystem::burstUp(float x, float y, float speed, float gravityFactor, int size) {
    const double degrees = (std::rand() % 180) + 180;
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    float vy = static_cast<float>(std::sin(radians) * speed);
    // sin(180 deg) is a hair above zero in floating point; a spark thrown
    // "up" must never start moving down.
    if (vy > 0.0f) vy = 0.0f;
    spawn(x, y, static_cast<float>(std::cos(radians) * speed), vy, gravityFactor, size);
}

void ParticleSystem::update() {
    for (Spark& s : sparks_) {
        if (s.size <= 0) continue;
        s.x += s.vx;
        s.y += s.vy;
        s.vy = gravity * s.gravityFactor + s.vy;
        if (!(s.x >= 0.0f && s.x <= 639.0f && s.y >= 0.0f && s.y <= 479.0f)) s.size = 0;
    }
}

void ParticleSystem::draw(Surface& target, int dx, int dy) const {
    const uint16_t white = display().rgb(255, 255, 255);
    auto put = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < target.width() && y < target.height() && x < 640 && y < 480)
            target.at(x, y) = white;
    };
    for (const Spark& s : sparks_) {
        if (s.size <= 0) continue;
        const int col = static_cast<int>(dx + s.x);
        const int row = static_cast<int>(dy + s.y);
        put(col, row);
        if (s.size == 2) {
            put(col + 1, row);
            put(col, row + 1);
            put(col + 1, row + 1);
        }
    }
}

void ParticleSystem::draw(int dx, int dy) const {
    if (Surface* t = display().getTarget()) draw(*t, dx, dy);
}

int ParticleSystem::liveCount() const {
    int n = 0;
    for (const Spark& s : sparks_) n += s.size > 0;
    return n;
}
