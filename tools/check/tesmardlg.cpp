#include "tools/check/tesmardlg.h"

namespace kelvarin {

const DialogDescriptor& TesmarDialog() {
  static const DialogDescriptor descriptor =
      StandardProgressDialog("Orvo/Semu check", 250, true, TesmarEngine::kOutputSlot,
                             TesmarEngine::kErrorSlot, TesmarEngine::kWarningSlot);
  return descriptor;
}

}  // namespace kelvarin
