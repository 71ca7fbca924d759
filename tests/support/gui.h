#pragma once
// Finding the window's widgets in GUI tests. Header-only, so that only
// window tests (which link the app) include it.

#include <QObject>
#include <QtGlobal>

// The child of that type (and object name, when given); a missing one ends
// the test run at once, since every later step would dereference it.
template <typename T>
T* Child(QObject* parent, const char* name = nullptr) {
    T* child = name ? parent->findChild<T*>(name) : parent->findChild<T*>();
    if (!child) qFatal("no child %s", name ? name : "of that type");
    return child;
}
