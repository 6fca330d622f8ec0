#pragma once
// A row of pictures that shrinks as it grows: one picture has the size of the largest
// template, and every further picture takes a tenth of the difference to the smallest
// template off each picture (169 pixels for one, 89 for eleven at the design sizes).

// The side of each picture of a row of count pictures. Where the rule would leave no
// picture at all (more than 22 at the design sizes), the pictures share the row's width,
// no larger than the smallest template.
double ShrinkingSide(double largest, double smallest, int count, double rowWidth);
