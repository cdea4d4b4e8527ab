#pragma once
// Pieces of grading that need no solver, kept apart so they can be checked on their own.
#include <cstdint>
#include <string>
#include <string_view>

#include "creator/Random.h"

namespace sv {

// The weight of one method-trail character: later, costlier techniques weigh more.
int TechniqueWeight(char trailCharacter);

// num / den rounded to the nearest integer, halves to the even neighbour (den > 0).
int64_t RoundHalfEven(int64_t num, int64_t den);

// Forty random moves that keep every row, column and block a row, column or block: swaps of
// two rows in a band, two columns in a stack, two bands or two stacks. It moves characters
// only, so it works on plain and encoded puzzles alike.
std::string ScrambleGrid(std::string grid, int blockSize, RandomSource& random);

} // namespace sv
