// The editors' "コピー", "切り取り", "張り付け" and "アンドゥ" buttons
// (2501 to 2504): each acts on the box data::ClipboardTarget names, the last
// one that reported a change.
#pragma once

#include <QBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "data/clipboard_target.h"

namespace korvo::qt {

// Adds the four buttons to `row`; they act on the dialog's child named after
// the target's control id.
void AddClipboardButtons(QWidget& dialog, QBoxLayout& row, const data::ClipboardTarget& target);

// Makes the box report the user's changes to the target under its control id.
void ReportChanges(QLineEdit& box, data::ClipboardTarget& target);
void ReportChanges(QPlainTextEdit& box, data::ClipboardTarget& target);

}  // namespace korvo::qt
