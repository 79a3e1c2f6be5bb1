// The ICD-10 codes that depend on the patient's sex, for the rows of the
// behaviour/histology table that point into this list (rule 9).
#pragma once

#include <string_view>

namespace kelvarin {

// 16 entries in 8 groups, numbered from 1. A site entry is a blank, three site
// characters, the code for a man and the code for a woman; each group closes
// with an "aos." entry holding, for each sex, either ':' and a column digit
// (then two blanks, for the man) or a code.
inline constexpr int SexSplitListCount = 16;
inline constexpr std::string_view SexSplitList[SexSplitListCount] = {
    " 809D292D27 ", "aos.:2  :2",   " 809D401D391", "aos.:4  :4",   " 809C509C509", "aos.:1  :1",
    " 50-C50-C50-", "aos.C509C509", " 809C629C56 ", "aos.:1  :1",   " 809D076D073", "aos.:3  :3",
    " 809C629C58 ", "aos.:1  :1",   " 540????C540", "aos.:1  C542",
};

}  // namespace kelvarin
