// The application's Tools commands that run a wizard and a tool program.
#pragma once

namespace kelvarin {

class CQuandorApp;

// The conversions the Conversions menu runs: indices 0 to 9.
inline constexpr int kRunnableConversions = 10;

// Tools > Orvo/Semu Check, Tools > Orvo/Semu Multiple Primary, Tools > File
// Transfer and the commands of the Conversions menu.
void RegisterToolRunCommands(CQuandorApp& app);

}  // namespace kelvarin
