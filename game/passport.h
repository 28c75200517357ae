// The passport rules: what a profession and a trait give a new team member.
#pragma once

class Person;

// Writes the profession text and grants the profession's skills and items (draws included).
void ApplyProfession(Person& person);
// Appends the trait text and grants the trait's skills, items and life changes.
void ApplyTrait(Person& person);
