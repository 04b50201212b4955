#pragma once
// Checks of the things screens and code name: pictures, sounds and tracks in
// their volumes, CAN animations, AVI movies, animation files and font
// scripts. Each is read with the engine's own reader once; a missing thing is
// reported where it is named, a broken one once at its own file.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "check/DataNeeds.h"
#include "check/Report.h"
#include "data/Volume.h"
#include "scene/CanFormat.h"

namespace check {

// Where a name is used: the file and line that name it (or, for names the
// code uses, the file that should exist) and why it is needed ("" for data).
struct Where {
    std::string file;
    int line = 0;
    std::string why;
};

struct PictureInfo {
    bool exists = false;
    bool ok = false;
    int width = 0;
    int height = 0;
};

struct CanInfo {
    bool ok = false;
    CanHeader header;
};

class AssetChecker {
public:
    explicit AssetChecker(Report& report);
    ~AssetChecker();

    // Opens "sounds" and "tracks"; a volume that cannot be opened is reported
    // once and its entries are not looked at.
    void openVolumes();

    const PictureInfo& picture(const std::string& name, const Where& where, bool fullScreen = false);
    void sound(const std::string& name, const Where& where);
    void track(const std::string& name, const Where& where);
    CanInfo can(const std::string& name, const Where& where);
    void avi(const std::string& name, const Where& where);
    // `modes`: the modes the code sets (and frames it waits for); `user`
    // names who sets them in messages.
    void animation(const std::string& name, const Where& where, const std::vector<ModeNeed>& modes = {},
                   const std::string& user = "");
    void font(const FontNeed& need, const Where& where);

    // The data path of a resource as it lies on disk, relative to the data
    // root ("data_demo/bitmaps/cook/bkg.tga"); as written when it is missing.
    static std::string displayPath(const std::string& dataPath);
    static std::string displayPath(int kind, const std::string& name);

    // Data files already read (resolved paths), so that the check of files
    // nobody names can skip them.
    void markRead(const std::string& dataPath);
    // How many distinct things were looked at (for the summary line).
    std::string summary() const;
    bool wasRead(const std::string& dataPath) const;

private:
    struct SoundInfo;
    struct AnimInfo;

    // Reports `what` at `where`, naming the missing file when it is not the
    // place reported.
    void missing(const Where& where, const std::string& what, const std::string& file = "");
    // Reads a picture once; a broken file is reported at the file, a missing
    // one not at all.
    const PictureInfo& pictureQuiet(const std::string& name);
    const AnimInfo& readAnimation(const std::string& name);
    void checkModes(const AnimInfo& info, const std::vector<ModeNeed>& modes, const std::string& user);

    Report& report_;
    Volume sounds_, tracks_;
    bool soundsOpen_ = false, tracksOpen_ = false;
    std::map<std::string, PictureInfo> pictures_;
    std::set<std::string> sizeReported_;
    std::map<std::string, int> soundState_, trackState_;
    std::map<std::string, CanInfo> cans_;
    std::map<std::string, bool> avis_;
    std::map<std::string, std::unique_ptr<AnimInfo>> anims_;
    std::map<std::string, bool> fonts_;
    std::set<std::string> read_;
};

}  // namespace check
