// The message boxes of the wizards: the stop icon for a refusal, the
// information icon for a notice, Yes and No for a question.
#pragma once

#include <QString>

class QWidget;

namespace kelvarin {

void ShowStopMessage(QWidget* parent, const QString& text);
void ShowInformationMessage(QWidget* parent, const QString& text);
// True for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

}  // namespace kelvarin
