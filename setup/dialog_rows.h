// Rows of dialog controls kept clear of something placed in pixels, whatever size the
// dialog units of the template come to on the screen at hand.
#pragma once

// tops: each row's top, top to bottom; floors: the least top each row may have. Every row
// keeps its distance to the row above and moves down (never up) as far as its floor, or the
// row above, asks: shifts receives how far each row moves.
void RowShifts(const int* tops, const int* floors, int count, int* shifts);
