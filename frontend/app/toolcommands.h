// The application's Tools commands that run a wizard and a tool program.
#pragma once

namespace kelvarin {

class CQuandorApp;

// Tools > Orvo/Semu Check, Tools > Orvo/Semu Multiple Primary and Tools > File Transfer.
void RegisterToolRunCommands(CQuandorApp& app);

}  // namespace kelvarin
