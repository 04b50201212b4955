#include "games/domino/DominoLevelFile.h"

#include "app/Exception.h"
#include "data/Parser.h"
#include "games/domino/DominoBoard.h"

namespace {

int pieceType(Parser& parser) {
    const int t = parser.readInt();
    if (t < 0 || t >= DominoBoard::kTypes) throw Exception("Piece type %d: the types are 0 to 5", t);
    return t;
}

void readLevel(Parser& parser, DominoBoard& board, DominoLevelFile& file) {
    board.clear();
    file.background.clear();
    file.dropped = 0;
    int pieces = 0;
    while (parser.nextBranch()) {
        if (parser.is("piece") || parser.is("piece_set")) {
            if (++pieces > DominoBoard::kMaxPieces) throw Exception("More than %d pieces", DominoBoard::kMaxPieces);
        }
        if (parser.is("piece")) {
            if (!board.addToTray(pieceType(parser))) ++file.dropped;
        } else if (parser.is("piece_set")) {
            const int t = pieceType(parser);
            const int c = parser.readPosition("piece_set column");
            const int r = parser.readPosition("piece_set row");
            if (!board.addToSite(t, c, r)) throw Exception("Piece at (%d, %d) lies off the board", c, r);
        } else if (parser.is("blocked")) {
            const int c = parser.readPosition("blocked column");
            const int r = parser.readPosition("blocked row");
            board.setBlocked(c, r);
        } else if (parser.is("background")) {
            file.background = parser.readString();
        }
        parser.leaveBranch();
    }
}

}  // namespace

void DominoLevelFile::read(FILE* file, const std::string& path, DominoBoard& board) {
    try {
        Parser parser(file);
        readLevel(parser, board, *this);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
}

void DominoLevelFile::readText(const std::string& text, const std::string& path, DominoBoard& board) {
    try {
        Parser parser(text);
        readLevel(parser, board, *this);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
}

std::string DominoLevelFile::text(const std::string& background, const DominoBoard& board) {
    std::string out = "(background " + background + ")\n";
    for (int i = 0; i < board.count; ++i) {
        const DominoBoard::Piece& p = board.pieces[static_cast<size_t>(i)];
        if (p.state != DominoBoard::OnSite) out += "(piece " + std::to_string(p.type) + ")\n";
    }
    for (int i = 0; i < board.count; ++i) {
        const DominoBoard::Piece& p = board.pieces[static_cast<size_t>(i)];
        if (p.state == DominoBoard::OnSite)
            out += "(piece_set " + std::to_string(p.type) + " " + std::to_string(p.column) + " " +
                   std::to_string(p.row) + ")\n";
    }
    for (int c = 0; c < DominoBoard::kColumns; ++c)
        for (int r = 0; r < DominoBoard::kRows; ++r)
            if (board.cell(c, r) == DominoBoard::kBlocked)
                out += "(blocked " + std::to_string(c) + " " + std::to_string(r) + ")\n";
    return out;
}
