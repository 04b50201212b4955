#pragma once
// Everything an active screen places on the frame is a Sprite: an invisible
// clickable polygon (ActiveArea), an animated picture (BmpSprite) or a video
// (AviSprite). Sprites call a named procedure of the game (an AreaProc) with
// mouse events; the name is looked up in the registry of the screen that owns
// them (a SpriteOwner, which ActiveScreen is).

#include <cstdint>
#include <string>

class DrawContext;
class Sprite;

// bool proc(sprite, event, param): param is the sprite's param text. The
// result is not used by the sprites.
using AreaProc = bool (*)(Sprite* sprite, int event, const char* param);

// Events handed to an AreaProc.
struct AreaEvent {
    enum : int {
        Tick = 0,        // every tick, for sprites with forceUpdate set
        Click = 1,       // left button went down this tick over the sprite
        RightClick = 2,  // right button went down this tick over the area
        Enter = 3,       // the mouse came over the area
        Leave = 4,       // the mouse left the area
    };
};

// What getKind returns.
struct SpriteKind {
    enum : int { None = 0, ActiveArea = 1, BmpSprite = 2, AviSprite = 3 };
};

// What a sprite asks of the screen that holds it: its procedures by name, the
// sprite the editor is working on, and whether areas are held from being
// entered (see ActiveScreen::holdEnters).
class SpriteOwner {
public:
    // Ignores letter case; null when no procedure has that name.
    virtual AreaProc findProc(const std::string& procName) const = 0;
    virtual bool entersHeld() = 0;

    // The sprite the editor moves or reshapes; at most one at a time.
    Sprite* selectedSprite = nullptr;

protected:
    ~SpriteOwner() = default;
};

class Sprite {
public:
    // Longest texts kept in the fixed-size fields; longer ones are cut.
    static constexpr size_t kMaxName = 29;
    static constexpr size_t kMaxProcName = 31;
    static constexpr size_t kMaxParam = 31;

    Sprite() = default;
    virtual ~Sprite() = default;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    virtual int getKind() const { return SpriteKind::None; }
    // One kind-specific line of the sprite's block in an active-screen file.
    virtual void readLine(const char* line) {}
    // Appends the kind-specific lines of the block.
    virtual void writeLines(std::string& out) const {}
    // One tick while the owner is in edit mode.
    virtual void editUpdate() {}
    // One tick in play mode.
    virtual void update() {}
    virtual void draw() {}
    // Outline and edit information, drawn over the frame in edit mode.
    virtual void drawEditFrame(DrawContext& dc) {}
    // Gives a sprite just created in the editor its first shape at the mouse.
    virtual void placeNew() {}

    void setName(const std::string& text);
    // Sets procName, looks the procedure up in the owner's registry (none
    // without an owner), then sets param.
    void setProc(const std::string& procedureName, const std::string& parameter);
    void setParam(const std::string& parameter);
    void setForceUpdate(int value) { forceUpdate = value; }
    void markDeleted() { deleted = 1; }
    void markNotSaved() { notSaved = 1; }

    // Handles "strName: ", "strProc: ", "strParam: " and "bForceUpdate: ";
    // false for any other line.
    bool readCommonLine(const char* line);
    // The four common lines in the order name, procedure, parameter, force update.
    void writeCommonLines(std::string& out) const;

    // Calls the procedure with this sprite, the event and param; false when
    // the sprite has none.
    bool callProc(int event);

    std::string name = "no name";
    uint8_t notSaved = 0;
    uint8_t deleted = 0;
    int forceUpdate = 0;
    std::string procName;
    AreaProc proc = nullptr;
    std::string param;
    SpriteOwner* owner = nullptr;
};
