#include "tools/convert/common/messagechain.h"

#include <cassert>

namespace kelvarin {

const char* SelectMessage(const MessageChain& chain, unsigned flags, int result) {
  assert(flags != 0 || result != 0);
  for (int i = 0; i < chain.count; ++i) {
    const MessageRule& rule = chain.rules[i];
    if ((rule.flags & flags) != 0) return rule.message;
    if (result != 0 && (rule.result == result || rule.result == kAnyResult)) return rule.message;
  }
  assert(!"message chain without a rule for everything else");
  return "";
}

}  // namespace kelvarin
