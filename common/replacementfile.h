// A file written beside the one it replaces and renamed over its name once
// complete, so that nothing of the old file is touched before then and a
// write that fails or is given up leaves it as it was.
#pragma once

#include <cstddef>
#include <string>

#include "common/fileidentity.h"

namespace kelvarin {

// Creates a new file of this process's own in the folder of `path`, so that
// it can be renamed over it, with the permissions a new file gets. Its name
// is short and means nothing, six letters or digits and ".tmp", so that it
// fits in the folder whatever the length of the name it stands in for.
// Returns its descriptor, its name in *created and its identity in *id, or -1.
int CreateFileBeside(const std::string& path, std::string* created, FileId* id);

// ReplacementFile: a new file of this process's own in the folder of a path,
// so that it can be renamed over it. A link at the path is replaced and never
// written through, another name of the old file keeps its bytes, and a
// replacement never put in place is removed when the object goes.
class ReplacementFile {
 public:
  // Creates the new file, empty, with the permissions a new file gets. None
  // is created when `path` names anything but a regular file that opens for
  // writing (a read-only file stays as the user made it), or when its folder
  // takes no new file.
  explicit ReplacementFile(const std::string& path);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  bool Created() const { return !m_name.empty(); }
  // The new file's name, under which it is written.
  const std::string& Name() const { return m_name; }
  // Writes bytes into the new file through its own descriptor; false when a
  // write fails.
  bool Write(const void* data, size_t size);

  enum class Placement {
    kPlaced,
    kNotWritten,  // its permissions, its flush to disk or its close failed
    kNotRenamed,  // whole on disk, but the folder took no rename over the path
  };
  // Gives the new file the permissions of the file the path names now (a
  // new file keeps its own), puts it on disk and renames it over the path.
  // Unless placed, the new file is removed when the object goes, and the old
  // one stays as it was.
  Placement PutInPlace();

 private:
  std::string m_path;
  std::string m_name;
  int m_fd = -1;
  FileId m_id;
  bool m_placed = false;
};

}  // namespace kelvarin
