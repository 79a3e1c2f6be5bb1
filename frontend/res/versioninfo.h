// The front-end's version resource: strings compiled in from the build's
// project version, read by key.
#pragma once

#include <string>

namespace kelvarin {

class VersionInfo {
 public:
  // Reads the running program's own version strings; false when it carries
  // none.
  bool LoadModule();
  // The value of a key ("FileVersion", "LegalCopyright"; keys compare
  // without regard to case); empty when nothing was loaded or the key is
  // unknown.
  std::string GetString(const std::string& key) const;

 private:
  bool m_loaded = false;
};

// "Mmm dd yyyy": the date on which the front-end was compiled, in the
// compiler's form (the day padded with a blank).
const char* BuildDate();

}  // namespace kelvarin
