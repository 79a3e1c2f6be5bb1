// Synthetic records for timing the older conversion programs: ICD-O-1,
// ICD-9 and ICD-10 codes, mostly convertible, some not.
#pragma once

#include <string>

#include "bench/datagen.h"

namespace kelvarin {

// 40 characters: registration number 1-10, sex 11, site or code 12-15,
// morphology 16-19, behaviour 20, grade 21, filler.
void IcdO1BenchRecord(long long i, BenchRandom& random, std::string* record);
void Icd9BenchRecord(long long i, BenchRandom& random, std::string* record);
void Icd10BenchRecord(long long i, BenchRandom& random, std::string* record);

// The conversion row of these records, codes appended; "%llu" for the file size.
const char* OlderConversionRow();

}  // namespace kelvarin
