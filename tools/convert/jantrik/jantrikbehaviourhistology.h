// Jantrik's view of the check program's behaviour/histology table: the same
// rows, with the ICD-10 part, except three whose class is a rule number here
// where the check program has an "unlikely" letter.
#pragma once

#include <string_view>

namespace kelvarin {

// The row of a key (four morphology characters and the behaviour character),
// or an empty view when the table has none.
std::string_view FindJantrikBehaviourHistologyRow(std::string_view key);

// The rows that differ from the check program's table, as Jantrik reads them.
inline constexpr std::string_view JantrikClassDifferences[] = {
    "886038 359",   // check: 88603L 359
    "910437C58 +",  // check: 91043KC58 +
    "939317D432 ",  // check: 93931KD432
};

}  // namespace kelvarin
