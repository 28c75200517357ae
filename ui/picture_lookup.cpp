// Guarded look-ups into the photo and item picture lists.
#include "ui/picture_lookup.h"

#include "ui/resources.h"

hgeSprite* PhotoPicture(int n) {
  if (photos.empty()) return nullptr;
  return n >= 0 && n < static_cast<int>(photos.size()) ? photos[n] : photos[0];
}

hgeSprite* ItemPicture(int type) {
  return type >= 0 && type < static_cast<int>(itemPictures.size()) ? itemPictures[type] : nullptr;
}
