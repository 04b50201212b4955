#include "scene/Sprite.h"

#include "scene/LineFormat.h"

using lineformat::clip;
using lineformat::startsWith;

void Sprite::setName(const std::string& text) { name = clip(text, kMaxName); }

void Sprite::setProc(const std::string& procedureName, const std::string& parameter) {
    procName = clip(procedureName, kMaxProcName);
    proc = owner ? owner->findProc(procName) : nullptr;
    param = clip(parameter, kMaxParam);
}

void Sprite::setParam(const std::string& parameter) { param = clip(parameter, kMaxParam); }

bool Sprite::readCommonLine(const char* line) {
    if (startsWith(line, "strName: ")) {
        setName(line + 9);
        return true;
    }
    if (startsWith(line, "strProc: ")) {
        procName = clip(line + 9, kMaxProcName);
        proc = owner ? owner->findProc(procName) : nullptr;
        return true;
    }
    if (startsWith(line, "strParam: ")) {
        setParam(line + 10);
        return true;
    }
    if (startsWith(line, "bForceUpdate: ")) {
        lineformat::parseInt(line, "bForceUpdate: ", forceUpdate);
        return true;
    }
    return false;
}

void Sprite::writeCommonLines(std::string& out) const {
    out += "strName: " + name + "\n";
    out += "strProc: " + procName + "\n";
    out += "strParam: " + param + "\n";
    out += "bForceUpdate: " + std::to_string(forceUpdate) + "\n";
}

bool Sprite::callProc(int event) {
    if (!proc) return false;
    proc(this, event, param.c_str());
    return true;
}
