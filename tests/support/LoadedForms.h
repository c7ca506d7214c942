#pragma once

struct FormSet;

// The program's page images loaded into a form set of the tests' own, once per test binary.
// A test that loads other images into a form loads the form's own image back when done.
FormSet& loadedForms();
