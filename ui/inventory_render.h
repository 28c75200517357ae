// Drawing the selected member's inventory panel and the message line.
#pragma once

class Person;

// The panel, bag cells, empty cells, filled slots, the active item with its action and numbers, the message.
void DrawInventory(const Person& p);
