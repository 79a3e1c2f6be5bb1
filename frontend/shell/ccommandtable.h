// The commands of the front-end: one action per command id, shared by the
// menus, the tool bar and the accelerators. A command runs in the active
// view when the view handles it, else in the handler registered for it; a
// command that nobody handles is greyed.
#pragma once

#include <QObject>
#include <functional>
#include <map>

class QAction;

namespace kelvarin {

class CCommandTarget;

class CCommandTable : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void()>;
  using EnabledTest = std::function<bool()>;

  explicit CCommandTable(QObject* parent = nullptr);

  // The action of a command, made on first use with its status-bar prompt
  // and tool tip from the string table; data() holds the id.
  QAction* Action(int id);
  QAction* FindAction(int id) const;

  // Registers the application-level handler of a command; `enabled`, when
  // given, is asked whenever the command's state is refreshed.
  void SetHandler(int id, Handler handler, EnabledTest enabled = {});
  void RemoveHandler(int id);
  bool HasHandler(int id) const;

  // The view asked first; nullptr when no report window is open.
  void SetTarget(CCommandTarget* target);
  CCommandTarget* Target() const { return m_target; }

  // Whether someone would run the command now.
  bool IsEnabled(int id) const;

  // Runs the command; false when nobody handles it or it is disabled.
  bool Execute(int id);

 public slots:
  // Enables or greys every action by whether a handler would run it now.
  void UpdateActions();

 private:
  struct Entry {
    Handler handler;
    EnabledTest enabled;
  };

  std::map<int, QAction*> m_actions;
  std::map<int, Entry> m_handlers;
  CCommandTarget* m_target = nullptr;
};

}  // namespace kelvarin
