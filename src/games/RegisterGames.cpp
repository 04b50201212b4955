#include "games/RegisterGames.h"

#include <memory>

#include "game/GameTable.h"
#include "games/alchemist/AlchemistScreen.h"
#include "games/comets/CometsScreen.h"
#include "games/computer/ComputerScreen.h"
#include "games/cook/CookScreen.h"
#include "games/fireman/FiremanScreen.h"
#include "games/hats/HatsScreen.h"
#include "games/instruments/InstrumentsScreen.h"
#include "games/jigsaw/JigsawScreen.h"
#include "games/mower/MowerScreen.h"
#include "games/domino/DominoScreen.h"
#include "games/pipe/PipeScreen.h"
#include "games/sky/SkyScreen.h"
#include "games/train/TrainScreen.h"
#include "games/twins/TwinsScreen.h"
#include "games/painter/PainterScreen.h"
#include "games/xylophone/XylophoneScreen.h"

void registerGames() {
    // One line per game: registerGame(code, factory taking the difficulty).
    registerGame('0', [](int difficulty) { return std::make_unique<AlchemistScreen>(difficulty); });
    registerGame('1', [](int difficulty) { return std::make_unique<CometsScreen>(difficulty); });
    registerGame('2', [](int) { return std::make_unique<SkyScreen>(); });
    registerGame('3', [](int difficulty) { return std::make_unique<CookScreen>(difficulty); });
    registerGame('5', [](int difficulty) { return std::make_unique<FiremanScreen>(difficulty); });
    registerGame('6', [](int difficulty) { return std::make_unique<MowerScreen>(difficulty); });
    registerGame('B', [](int) { return std::make_unique<PainterScreen>(); });
    registerGame('C', [](int difficulty) { return std::make_unique<JigsawScreen>(difficulty); });
    registerGame('A', [](int) { return std::make_unique<XylophoneScreen>(); });
    registerGame('9', [](int) { return std::make_unique<InstrumentsScreen>(); });
    registerGame('4', [](int) { return std::make_unique<DominoScreen>(); });
    registerGame('D', [](int difficulty) { return std::make_unique<PipeScreen>(difficulty); });
    registerGame('F', [](int) { return std::make_unique<TrainScreen>(); });
    registerGame('8', [](int) { return std::make_unique<TwinsScreen>(); });
    registerGame('7', [](int) { return std::make_unique<HatsScreen>(); });
    registerGame('E', [](int) { return std::make_unique<ComputerScreen>(); });
}
