// The commands a click on the map gives the selected member: search, move, put down a dragged item.
#pragma once

class Map;

// Member `member` searches the search spot in `cell` next to it.
void SearchSpot(Map& map, int member, int cell);
// Member `member` walks its cheapest path towards `cell`, as far as its action points pay for.
void MoveMember(Map& map, int member, int cell);
// The dragged item is put on member `member`'s own cell, or handed to the member in `cell`.
void PutDownDragged(Map& map, int member, int cell);
