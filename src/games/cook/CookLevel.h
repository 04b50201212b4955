#pragma once
// The parameters of one cook level, read from "bitmaps\cook\level%02d": how
// fast plates and pigs move, how long a pig eats, how many pigs come in all
// and how many sit at the tables at once. A value the game cannot play is
// refused with the key named; missingKey tells a key the script lacks.

class Parser;

struct CookLevel {
    static constexpr int kMaxPigsOnScreen = 40;  // the pig slots of the screen
    // More pigs than this could not be fed in any sitting.
    static constexpr int kMaxPigsToFeed = 999;

    float plateFullSpeed = 0, plateEmptySpeed = 0, pigHungrySpeed = 0, pigEatingSpeed = 0;
    int pigEatingTime = 0, pigsToFeed = 0, pigsOnScreen = 0;

    void read(Parser& parser);
    // The first of the seven keys the last read did not find, or null.
    const char* missingKey() const;

private:
    unsigned seen_ = 0;  // one bit per key, in the order of kKeys
};
