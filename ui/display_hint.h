// What the pointer shows beside it over the display: an item's name and numbers, a member's figures.
#pragma once

#include <string>

class Item;
class Person;

// The lines for `item`, Windows-1251: its name; the rounds loaded and the magazine of a firearm, the rounds
// in an ammunition box; the selected action with its cost.
std::string ItemHint(const Item& item);
// The lines for team member `p`, Windows-1251: name, life of the maximum, action points.
std::string MemberHint(const Person& p);
// The hint for the display under window pixel (x, y): a bag cell, a slot or the active-item cell of the
// selected member, a row of the open pop-up list, or a member's photo; "" elsewhere. Changes nothing.
std::string DisplayHint(float x, float y);
