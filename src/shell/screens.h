#pragma once
// The screen registry: one instance of each screen for the whole run, created
// the first time any code touches it (its Form_Load then runs once). Only the
// product information viewer is ever destroyed and made afresh.
#include <string>

namespace vellimar {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;

namespace screens {

Form1& form1();
Form2& form2();
Form3& form3();
Form4& form4();
Form5& form5();
Form6& form6();

// Whether screen `number` (1 to 6) exists, without creating it.
bool exists(int number);
// Destroys the product information viewer; the next touch creates a fresh one.
void close_form5();
// Destroys every screen, so that the next touch starts as a fresh run.
void reset_all();

} // namespace screens

// Put in front of every data file name; set when the category menu loads.
extern std::string DataPrefix;

} // namespace vellimar
