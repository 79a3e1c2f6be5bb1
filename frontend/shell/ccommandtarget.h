// Something that answers menu commands before the application does: the
// active report view.
#pragma once

namespace kelvarin {

class CCommandTarget {
 public:
  virtual ~CCommandTarget() = default;
  virtual bool HandlesCommand(int id) const = 0;
  // Whether a handled command can run now (e.g. Copy needs a selection).
  virtual bool IsCommandEnabled(int id) const = 0;
  virtual void OnCommand(int id) = 0;
};

}  // namespace kelvarin
