#include "frontend/shell/ccommandtable.h"

#include <QAction>

#include "frontend/shell/ccommandtarget.h"
#include "frontend/shell/shellmessage.h"

namespace kelvarin {

CCommandTable::CCommandTable(QObject* parent) : QObject(parent) {}

QAction* CCommandTable::Action(int id) {
  if (QAction* existing = FindAction(id)) return existing;
  auto* action = new QAction(this);
  action->setData(id);
  action->setObjectName(QStringLiteral("command%1").arg(id));
  const QString prompt = ResText(id);
  const int newline = prompt.indexOf(QLatin1Char('\n'));
  action->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
  // What a click on the command's menu item or button says in help mode.
  action->setWhatsThis(action->statusTip());
  if (newline >= 0) {
    action->setToolTip(prompt.mid(newline + 1));
    action->setIconText(prompt.mid(newline + 1));
  }
  action->setEnabled(IsEnabled(id));
  connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
  m_actions.emplace(id, action);
  return action;
}

QAction* CCommandTable::FindAction(int id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

void CCommandTable::SetHandler(int id, Handler handler, EnabledTest enabled) {
  Q_ASSERT(handler);
  m_handlers[id] = Entry{std::move(handler), std::move(enabled)};
  if (QAction* action = FindAction(id)) action->setEnabled(IsEnabled(id));
}

void CCommandTable::RemoveHandler(int id) {
  m_handlers.erase(id);
  if (QAction* action = FindAction(id)) action->setEnabled(IsEnabled(id));
}

bool CCommandTable::HasHandler(int id) const { return m_handlers.count(id) != 0; }

void CCommandTable::SetTarget(CCommandTarget* target) {
  m_target = target;
  UpdateActions();
}

bool CCommandTable::IsEnabled(int id) const {
  if (m_target && m_target->HandlesCommand(id)) return m_target->IsCommandEnabled(id);
  const auto it = m_handlers.find(id);
  if (it == m_handlers.end()) return false;
  return !it->second.enabled || it->second.enabled();
}

bool CCommandTable::Execute(int id) {
  if (!IsEnabled(id)) return false;
  if (m_target && m_target->HandlesCommand(id)) {
    m_target->OnCommand(id);
    return true;
  }
  // Copied: the handler may replace itself while it runs.
  const Handler handler = m_handlers.at(id).handler;
  handler();
  return true;
}

void CCommandTable::UpdateActions() {
  for (const auto& [id, action] : m_actions) action->setEnabled(IsEnabled(id));
}

}  // namespace kelvarin
