#pragma once
// Player mode and designer mode. Players (children) get the game only: no
// screen editor, no level editors, no developer keys, so nothing they press can
// change the game's data. Designers switch the tools on deliberately, with
// --designer or (designer 1) in the per-user settings.

bool designerMode();
void setDesignerMode(bool on);
