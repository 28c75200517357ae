// The game state's JSON shapes for figures and items (all texts UTF-8).
#pragma once

#include <nlohmann/json.hpp>

class Item;
class Person;

// {type name kind size loaded capacity selectedAction}, or null for no item.
nlohmann::json ItemToJson(const Item* item);
// A team member or candidate in the full person shape; a zombie in the zombie shape.
nlohmann::json PersonToJson(const Person& person);
