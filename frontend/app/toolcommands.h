// The application's Tools commands that run a wizard and a tool program.
#pragma once

namespace kelvarin {

class CQuandorApp;

// Tools > Orvo/Semu Check and Tools > Orvo/Semu Multiple Primary.
void RegisterToolRunCommands(CQuandorApp& app);

}  // namespace kelvarin
