#pragma once
// A fixed pool of sparks (one- or two-pixel white dots with velocity and
// gravity), shared by the games that throw sparks. Spawning never allocates: a
// full pool drops new sparks.

#include <cstddef>
#include <vector>

class Surface;

class ParticleSystem {
public:
    struct Spark {
        float x = 0, y = 0, vx = 0, vy = 0, gravityFactor = 0;
        signed char size = 0;  // 0 = free, 1 = one pixel, 2 = two by two
    };

    void init(int n);
    void clear();
    void spawn(float x, float y, float vx, float vy, float gravityFactor, int size);
    // A spark thrown upwards at a random angle between 180 and 359 degrees.
    void burstUp(float x, float y, float speed, float gravityFactor, int size);
    void update();
    // Writes the sparks as white pixels into the surface (the frame), offset by (dx, dy).
    void draw(Surface& target, int dx, int dy) const;
    void draw(int dx, int dy) const;  // into the display's current target

    int capacity() const { return capacity_; }
    int liveCount() const;
    const Spark& spark(int i) const { return sparks_[static_cast<size_t>(i)]; }

    float gravity = 0.1f;

private:
    std::vector<Spark> sparks_;
    int capacity_ = -1;
};
