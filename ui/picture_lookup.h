// Guarded look-ups into the picture lists, for numbers that come from data.
#pragma once

class hgeSprite;

// Photo picture n; picture 0 for a number outside the list; null while no photo exists.
hgeSprite* PhotoPicture(int n);
// The picture of item type `type`; null for a type without one.
hgeSprite* ItemPicture(int type);
