#pragma once

#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace gaikyo::test {

// A control of a window by its name; a test cannot go on without it.
template <class T> T* widget(QWidget* window, const QString& name) {
    T* w = window ? window->findChild<T*>(name) : nullptr;
    if (!w)
        qFatal("no widget %s", qPrintable(name));
    return w;
}

inline void clickButton(QWidget* window, const QString& name) {
    QTest::mouseClick(widget<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace gaikyo::test
