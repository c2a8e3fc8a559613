#include "qt/menu_builder.h"

#include <QAction>
#include <QMenu>

namespace korvo::qt {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CommandMenuBar::CommandMenuBar(QWidget* parent) : QMenuBar(parent) {}

void CommandMenuBar::Install(const app::MenuItem& menu, const QString& name) {
    // The old menu goes with everything in it, as a swapped-out menu is destroyed.
    // Later, not now: Install may run inside the slot of one of these actions.
    clear();
    for (QObject* object : built_)
        object->deleteLater();
    built_.clear();
    commands_.clear();

    menuName_ = name;
    AddEntries(this, menu);
}

void CommandMenuBar::AddEntries(QWidget* target, const app::MenuItem& popup) {
    for (const app::MenuItem& item : popup.children) {
        if (item.separator) {
            QAction* separator = new QAction(this);
            separator->setSeparator(true);
            built_.append(separator);
            target->addAction(separator);
        } else if (item.IsPopup()) {
            QMenu* sub = new QMenu(Utf8(item.label), this);
            built_.append(sub);
            AddEntries(sub, item);
            target->addAction(sub->menuAction());
        } else {
            target->addAction(MakeAction(item));
        }
    }
}

QAction* CommandMenuBar::MakeAction(const app::MenuItem& item) {
    QAction* action = new QAction(Utf8(item.label), this);
    action->setObjectName(QString::number(item.id));
    action->setData(item.id);
    action->setCheckable(item.toggle);
    const int id = item.id;
    connect(action, &QAction::triggered, this, [this, action, id](bool checked) {
        // Qt flips a checkable action before this runs; undo that, the owner
        // decides the mark from the option it keeps.
        if (action->isCheckable()) action->setChecked(!checked);
        emit commandTriggered(id);
    });
    commands_.append(action);
    built_.append(action);
    return action;
}

QList<QAction*> CommandMenuBar::Actions(int id) const {
    QList<QAction*> found;
    for (QAction* action : commands_)
        if (action->data().toInt() == id) found.append(action);
    return found;
}

bool CommandMenuBar::SetChecked(int id, bool checked) {
    const QList<QAction*> actions = Actions(id);
    for (QAction* action : actions) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
    return !actions.isEmpty();
}

bool CommandMenuBar::SetEnabled(int id, bool enabled) {
    const QList<QAction*> actions = Actions(id);
    for (QAction* action : actions)
        action->setEnabled(enabled);
    return !actions.isEmpty();
}

bool CommandMenuBar::IsChecked(int id) const {
    const QList<QAction*> actions = Actions(id);
    return !actions.isEmpty() && actions.front()->isChecked();
}

bool CommandMenuBar::IsEnabled(int id) const {
    const QList<QAction*> actions = Actions(id);
    return !actions.isEmpty() && actions.front()->isEnabled();
}

}  // namespace korvo::qt
