#pragma once
// The interactive content of one game picture: a background picture, the
// sprites placed on it, up to 32 canners playing CAN animations into the
// background, up to 10 sounds from its file, and the registry of procedures
// that the file's sprites call by name. Read from and written to
// "data_demo\ascreen\<name>.as"; an editor (Shift) moves, adds and deletes
// areas and sprites and writes the file back (F2).

#include <memory>
#include <string>
#include <vector>

#include "audio/Sound.h"
#include "scene/Canner.h"
#include "scene/Sprite.h"

class Bitmap;

class ActiveScreen : public SpriteOwner {
public:
    static constexpr int kCannerSlots = 32;
    static constexpr int kSoundSlots = 32;
    static constexpr int kMaxFileSounds = 10;  // sound lines one file may hold
    static constexpr size_t kMaxName = 51;     // screen and procedure names

    ActiveScreen();
    ~ActiveScreen();
    ActiveScreen(const ActiveScreen&) = delete;
    ActiveScreen& operator=(const ActiveScreen&) = delete;

    // Procedures are looked up when a sprite's "strProc: " line is read, so
    // register them before loadScreen. findProc ignores letter case.
    void registerProc(const std::string& procName, AreaProc proc);
    AreaProc findProc(const std::string& procName) const override;

    // Shows the loading picture, empties the screen (the background and the
    // registry stay) and reads the file. Throws "Cannot open active screen: %s"
    // when it cannot be opened; what was read before an error stays.
    void loadScreen(std::string screenName);
    // The line handling of loadScreen, on text in memory (also the fuzz target).
    void readScreenText(const std::string& text);
    // Writes the file of the current name through a temporary file; throws
    // "Cannot Create Active Screen File: %s" and leaves the old file intact
    // when that fails.
    void saveScreen();
    // F2 and F3 of the editor: a save or reload that fails is shown over the
    // frame and traced, and the game and the edits go on.
    bool saveFromEditor();
    void reloadFromEditor();
    // The text saveScreen writes.
    std::string screenText() const;

    // Releases the current background and takes `name` from the BitmapCache.
    // Loaded canners follow the new picture.
    void setBackground(const std::string& pictureName);

    // Takes ownership; null is ignored.
    void addSprite(Sprite* sprite);
    void addSprite(std::unique_ptr<Sprite> sprite) { addSprite(sprite.release()); }
    // First sprite of that name, ignoring letter case; null if none.
    Sprite* findSprite(const std::string& spriteName) const;
    int spriteCount() const { return static_cast<int>(sprites_.size()); }
    Sprite* sprite(int index) const { return sprites_.at(static_cast<size_t>(index)).get(); }

    // Areas that hold the pointer when the screen appears are entered only
    // once the pointer moves, so a prompt spoken as the screen appears is not
    // cut by the hint of whatever the pointer happens to rest on. loadScreen
    // starts the hold; entersHeld ends it once the pointer has moved.
    void holdEnters();
    bool entersHeld() override;

    // One tick: Shift toggles edit mode (designer mode only); play mode updates sprites and
    // canners; edit mode handles F2, F3, Ctrl+digit, Ctrl+Delete and the
    // sprites' editing.
    void updateScreen();
    void drawBackground();
    void drawSprites();
    void drawSpritesAndOverlay();
    void drawEditOverlay();
    // Destroys the sprites whose deleted flag is set.
    void removeDeleted();
    // Unloads the canners and sounds and destroys the sprites.
    void clearScreen();

    // Plays the first of the screen's sounds with that name (ignoring case)
    // once; unless `force`, a sound that is playing is left alone.
    void playScreenSound(const std::string& soundName, bool force);
    void stopScreenSounds();
    bool anySoundPlaying() const;
    // True while a canner that does not loop runs (including its sound).
    bool anyCannerRunning() const;
    // Restarts every canner holding the animation of that name (ignoring case).
    void startCanner(const std::string& animName);

    const std::string& screenName() const { return name; }

    // Every active screen that exists now, oldest first: the newest is the
    // one the child sees (a location, a dialog over it, or a game).
    static const std::vector<ActiveScreen*>& liveScreens();

    std::string name;
    Bitmap* background = nullptr;
    int cannerCount = 0;
    Canner canners[kCannerSlots];
    int soundCount = 0;
    Sound sounds[kSoundSlots];
    uint8_t editMode = 0;

private:
    struct ProcEntry {
        std::string name;
        AreaProc proc;
    };

    void handleLine(const char* line, Sprite*& current);
    void addCanner(const std::string& animName, bool loop);
    void addSound(const std::string& soundName);
    void destroySprite(std::unique_ptr<Sprite> sprite);

    bool enterHeld_ = false;
    int heldX_ = 0;
    int heldY_ = 0;
    std::vector<ProcEntry> procs_;
    std::vector<std::unique_ptr<Sprite>> sprites_;
    // The names the file gave the sound slots (kept even when a sound is
    // absent or the game is mute, so saving writes them back).
    std::string soundNames_[kSoundSlots];
    // Sprites destroyed while the list is being walked are kept until the walk ends.
    int walking_ = 0;
    std::vector<std::unique_ptr<Sprite>> retired_;
};
