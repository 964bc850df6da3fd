// The rules of the game as the Rules dialog shows them: 23 lines, each ended by CR LF.
#pragma once

#include <string_view>

namespace kestalon {

// The blanks are part of the text: two before ":-" after "winds" and "Craks", one after
// "Bamboo", and one at the end of the line about the winds.
inline constexpr std::string_view kRulesText =
    "PC Kestalon is a simple Patience style game played with the 144 Mah Jong\r\n"
    "tiles. The idea is simple, you have to match all the tiles thus removing them from the\r\n"
    "playing board to win the game. However you can ONLY take the tiles from the ends\r\n"
    "of each row.\r\n"
    "\r\n"
    "The tiles are...\r\n"
    "\r\n"
    "The flowers:- MUM, PLUM, ORC, BAM x1 each. Any one of these will match up\r\n"
    "with any other flower. The seasons:- SPR, SUM, AUT, WIN x1 each. These, like the\r\n"
    "flowers, will match with any other season.\r\n"
    "The dragons:- RED, GREEN, WHITE x4 each. One of these will only remove a\r\n"
    "dragon of the same type. The winds  :- NORTH, SOUTH, EAST, WEST x4 each. \r\n"
    "Each wind will match with it's own direction only.\r\n"
    "\r\n"
    "All other tiles will match only to the same \"suit\" and value.\r\n"
    "\r\n"
    "These are...\r\n"
    "\r\n"
    "The Craks  :- Tiles 1 through 9. (Two pairs of each value.)\r\n"
    "The Circles:- Tiles 1 through 9. (Two pairs of each value.)\r\n"
    "The Bamboo :- Tiles 1 through 9. (Two pairs of each value.)\r\n"
    "\r\n"
    "Good Luck!!\r\n";

}  // namespace kestalon
