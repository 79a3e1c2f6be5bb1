// Message boxes of the programs: stop icon for errors, information icon for
// notices, Yes and No without an icon for questions. The texts are shown as
// given; the line end pair CR LF of a text shows as one line break. A box
// shows the normal cursor, also in the middle of work under the wait cursor.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kelvarin {

enum class MessageKind { kStop, kInformation, kQuestion };

// Result of a question: true for Yes.
bool ShowMessage(QWidget* parent, MessageKind kind, const QString& text);

inline void ShowStopMessage(QWidget* parent, const QString& text) {
  ShowMessage(parent, MessageKind::kStop, text);
}
inline void ShowInformationMessage(QWidget* parent, const QString& text) {
  ShowMessage(parent, MessageKind::kInformation, text);
}
inline bool AskYesNo(QWidget* parent, const QString& text) {
  return ShowMessage(parent, MessageKind::kQuestion, text);
}

// Tests replace the modal box: the handler sees every message and answers
// questions. An empty function restores the real boxes.
using MessageHandler = std::function<bool(MessageKind kind, const QString& text)>;
void SetMessageHandler(MessageHandler handler);

// The default system beep.
void Beep();

// Folder of the running program's executable, without a trailing '/'.
QString ProgramFolder();

}  // namespace kelvarin
