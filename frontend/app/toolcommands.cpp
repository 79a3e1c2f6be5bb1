#include "frontend/app/toolcommands.h"

#include "frontend/app/cquandorapp.h"
#include "frontend/app/toolrun.h"
#include "frontend/res/commandids.h"
#include "frontend/shell/cmainframe.h"

namespace kelvarin {

void RegisterToolRunCommands(CQuandorApp& app) {
  const auto host = [&app] {
    return ToolRunHost{
        &app.Job(),
        app.PgmFolder(),
        app.MainFrame(),
        [&app](const QString& path) { app.OpenDocumentFile(path); },
        [&app](const QString& topic) {
          app.HtmlHelp(topic.isEmpty() ? app.HelpFilePath()
                                       : app.HelpFilePath() + QStringLiteral("::") + topic);
        },
    };
  };
  app.Commands().SetHandler(kIdToolsCheck, [host] { RunCheck(host()); });
  app.Commands().SetHandler(kIdToolsMultiplePrimary, [host] { RunMultiplePrimary(host()); });
  app.Commands().SetHandler(kIdFileTransfer, [host] { RunFileTransfer(host()); });
  // Conversions: one handler for each command of indices 0 to 9; ICD-O-3 ->
  // ICCC-3 (index 10) has none and stays greyed.
  for (int index = 0; index < kRunnableConversions; ++index)
    app.Commands().SetHandler(kIdConversionFirst + index,
                              [host, index] { RunConversion(host(), index); });
}

}  // namespace kelvarin
