// Finding a dialog's controls by their control id, as the dialog tests work them.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QString>
#include <QWidget>

namespace korvo::qt::test {

// The child named `name` (its control id); a failure is noted when there is none.
template <class T>
T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Whether the dialog has a label reading exactly `utf8`.
inline bool HasLabel(QWidget& dialog, const char* utf8) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == QString::fromUtf8(utf8)) return true;
    return false;
}

}  // namespace korvo::qt::test
