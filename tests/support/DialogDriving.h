// Driving the dialogs that code under test shows and waits on in their own event loop.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

namespace testsupport {

// Acts on the top-level window `name` once it shows, while the code under test waits in its
// own event loop. The watch ends with `owner`.
inline void WhenShown(const char* name, QObject* owner, std::function<void(QWidget*)> act) {
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, [=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible()) {
                poll->stop();
                act(w);
                return;
            }
        }
    });
    poll->start(10);
}

// The control `name`(`index`) of an indexed family in `dialog`.
template <typename T>
T* IndexedChild(QWidget* dialog, const char* name, int index) {
    for (T* child : dialog->findChildren<T*>(QString::fromLatin1(name))) {
        if (child->property("index").toInt() == index)
            return child;
    }
    ADD_FAILURE() << name << "(" << index << ") missing";
    return nullptr;
}

}  // namespace testsupport
