// Passport cards: the blank, the photo, the name, and the description, skills and bag wrapped inside the
// card.
#include "ui/passport.h"

#include <algorithm>
#include <cmath>

#include "config/settings.h"
#include "engine/font.h"
#include "engine/language.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "ui/picture_lookup.h"
#include "ui/resources.h"

namespace {

// `head` followed by the names joined with ", ", or by `none` when there are no names.
template <typename List, typename NameOf>
std::string ListLine(const std::string& head, const List& list, NameOf nameOf, const std::string& none) {
  std::string line = head;
  if (list.empty()) return line + none;
  for (size_t k = 0; k < list.size(); ++k) {
    if (k > 0) line += ", ";
    line += nameOf(list[k]);
  }
  return line;
}

// A paragraph too wide for the card, broken before each word that would pass the width.
std::string WrapParagraph(const std::string& paragraph, const hgeFont& font, float width) {
  std::string out;
  float w = 0.0f;
  size_t start = 0;
  while (start < paragraph.size()) {
    // A word keeps the space after it; the last word keeps whatever ends the paragraph.
    const size_t space = paragraph.find(' ', start);
    const size_t end = space == std::string::npos ? paragraph.size() : space + 1;
    const std::string word = paragraph.substr(start, end - start);
    const std::string bare = space == std::string::npos ? word : word.substr(0, word.size() - 1);
    if (w + font.GetStringWidth(bare.c_str(), false) > width) {
      out += '\n';
      w = 0.0f;
    }
    out += word;
    w += font.GetStringWidth(word.c_str(), false);
    start = end;
  }
  return out;
}

// Lines of a text: one more than its line breaks.
int LineCount(const std::string& text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

std::string WrapText(const std::string& text, const hgeFont& font, float width) {
  std::string out;
  size_t start = 0;
  while (start < text.size()) {
    const size_t newline = text.find('\n', start);
    const size_t end = newline == std::string::npos ? text.size() : newline + 1;
    const std::string paragraph = text.substr(start, end - start);
    if (font.GetStringWidth(paragraph.c_str(), false) <= width) {
      out += paragraph;
    } else {
      out += WrapParagraph(paragraph, font, width);
    }
    start = end;
  }
  return out;
}

std::string SkillsLine(const Person& person) {
  return ListLine(Tr("Навыки: "), person.skills, SkillName, Tr("нет"));
}

std::string ItemsLine(const Person& person) {
  return ListLine(
      Tr("С собой: "), person.bag, [](const Item* item) { return ItemName(item->type); }, Tr("ничего нет"));
}

void DrawPassport(const Person& person, float x, float y) {
  if (passportBlank != nullptr) passportBlank->Render(x, y);
  if (hgeSprite* photo = PhotoPicture(person.photo)) photo->Render(x + PASS_PHOTO_X, y + PASS_PHOTO_Y);
  if (font1 == nullptr) return;
  font1->Render(x + PASS_NAME_X, y + PASS_NAME_Y, HGETEXT_LEFT, person.FirstName().c_str());
  // The text keeps the same margin from the card's right edge as the skills line from its left edge.
  const float right = PASS_W - PASS_SKILL_X;
  const float line = std::round(font1->GetHeight() * font1->GetScale());
  const std::string description = WrapText(person.DescriptionText(), *font1, right - PASS_DESC_X);
  font1->Render(x + PASS_DESC_X, y + PASS_DESC_Y, HGETEXT_LEFT, description.c_str());
  std::string skills = WrapText(SkillsLine(person), *font1, right - PASS_SKILL_X);
  const std::string items = WrapText(ItemsLine(person), *font1, right - PASS_ITEMS_X);
  float skillsX = PASS_SKILL_X, skillsY = PASS_SKILL_Y,
        itemsY = PASS_ITEMS_Y + (LineCount(skills) - 1) * line;
  if (itemsY + LineCount(items) * line > PASS_H) {
    // The items need more lines than the card has below the photo: the skills line moves up under the
    // description and leaves its place to them.
    skills = WrapText(SkillsLine(person), *font1, right - PASS_DESC_X);
    skillsX = PASS_DESC_X;
    skillsY = PASS_DESC_Y + LineCount(description) * line;
    itemsY = PASS_SKILL_Y;
  }
  font1->Render(x + skillsX, y + skillsY, HGETEXT_LEFT, skills.c_str());
  font1->Render(x + PASS_ITEMS_X, y + itemsY, HGETEXT_LEFT, items.c_str());
}
