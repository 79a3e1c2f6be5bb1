#include "frontend/res/versioninfo.h"

#include <algorithm>
#include <cctype>

#include "frontend/res/versionstrings.h"

namespace kelvarin {
namespace {

struct VersionString {
  const char* key;
  const char* value;
};

constexpr VersionString kVersionStrings[] = {
    {"FileVersion", KELVARIN_FILE_VERSION},
    {"LegalCopyright", KELVARIN_LEGAL_COPYRIGHT},
};

bool SameKey(const std::string& a, const char* b) {
  const std::string other(b);
  return std::equal(a.begin(), a.end(), other.begin(), other.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

// The strings are compiled into the program, so its own block is always there.
bool VersionInfo::LoadModule() {
  m_loaded = true;
  return true;
}

std::string VersionInfo::GetString(const std::string& key) const {
  if (!m_loaded || key.empty()) return std::string();
  for (const VersionString& entry : kVersionStrings)
    if (SameKey(key, entry.key)) return entry.value;
  return std::string();
}

const char* BuildDate() { return __DATE__; }

}  // namespace kelvarin
