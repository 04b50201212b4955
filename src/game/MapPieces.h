#pragma once
// The sixteen pieces of the world map. A game that solves its third level (or
// a hidden find in the world) awards its piece; a new piece is recorded, saved
// with the child's progress and shown on the map. When all sixteen are held,
// the adventure plays the closing movie and the collection starts again.

// Records piece n (0 to 15) and, when it is new, shows the map with the
// number of pieces now held. Other numbers and pieces already held do nothing.
void awardMapPiece(int n);
int mapPiecesHeld();
