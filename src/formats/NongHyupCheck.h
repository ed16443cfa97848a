// The check values of the NongHyup member co-operative format, in exact integer arithmetic: a
// floating-point quotient of a large batch total would give other digits than the bank's.
#pragma once

#include <cstdint>

namespace selvane {

// The check value of a data record: the first four decimal places of s / 1111, that is the whole
// part of 10000 x (s mod 1111) / 1111.
int MemberRecordCheck(std::uint64_t s);

// The check value of the end record: q = t / m rounded (half up) to 15 significant decimal
// digits; the whole part of 10000 x the fraction of q. 0 when q has 15 or more digits before the
// decimal point. m must be above 0.
int MemberBatchCheck(std::uint64_t t, std::uint64_t m);

}  // namespace selvane
