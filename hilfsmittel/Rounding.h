#pragma once

// x rounded to n decimal places (n < 0: to tens, hundreds, ...), halves up
// towards +infinity. Scales in steps of 10 and 0.1, each rounded to a double,
// so that the proofs print what they always printed: 2.675 -> 2.68, 1.005 -> 1.0.
double qtx_round(double x, int n);
