#pragma once
// The ten round number cards of the quantity windows: a number in 48-point 宋体 on a disc,
// five in an upper row and five, shifted to the right, in a lower one.

#include "ui/ControlArray.h"
#include "ui/Label.h"
#include "ui/Shape.h"

class Form;

// Makes Label2(0..9) over the discs Shape1(0..9), the rows at the two tops given.
void makeNumberCards(Form& form, ControlArray<Label>& Label2, ControlArray<Shape>& Shape1,
                     const double (&tops)[2]);
