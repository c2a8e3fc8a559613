// The main window's menu bar, built from one of the program's menus.
//
// Every command item is a QAction named after its command id (objectName "3442",
// data() 3442). A command may stand in the menu more than once (the import
// commands under both stock markets); the helpers act on every copy.
// Check marks belong to the program's state: choosing a toggle item does not
// flip its mark by itself; the owner sets it with SetChecked after acting.
#pragma once

#include <QList>
#include <QMenuBar>
#include <QString>

#include "app/menu_resource.h"

class QAction;
class QMenu;

namespace korvo::qt {

class CommandMenuBar : public QMenuBar {
    Q_OBJECT
  public:
    explicit CommandMenuBar(QWidget* parent = nullptr);

    // Replaces whatever the bar holds by `menu`; every check mark starts off.
    void Install(const app::MenuItem& menu, const QString& name);
    // The name given to the last Install ("KORVOMENU", ...).
    const QString& MenuName() const { return menuName_; }

    // The actions of one command (empty when the installed menu lacks it).
    QList<QAction*> Actions(int id) const;

    // Each returns false when the installed menu has no such command.
    bool SetChecked(int id, bool checked);
    bool SetEnabled(int id, bool enabled);
    bool IsChecked(int id) const;
    bool IsEnabled(int id) const;

  signals:
    void commandTriggered(int id);

  private:
    void AddEntries(QWidget* target, const app::MenuItem& popup);
    QAction* MakeAction(const app::MenuItem& item);

    QString menuName_;
    QList<QAction*> commands_;
    QList<QObject*> built_;  // everything made by the last Install, owned by the bar
};

}  // namespace korvo::qt
