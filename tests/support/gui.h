#pragma once
// Finding the window's widgets in GUI tests. Header-only, so that only
// window tests (which link the app) include it.

#include <QListWidget>
#include <QObject>
#include <QSpinBox>
#include <QtGlobal>

// The child of that type (and object name, when given); a missing one ends
// the test run at once, since every later step would dereference it.
template <typename T>
T* Child(QObject* parent, const char* name = nullptr) {
    T* child = name ? parent->findChild<T*>(name) : parent->findChild<T*>();
    if (!child) qFatal("no child %s", name ? name : "of that type");
    return child;
}

// Adds one aya through the window as the user would: sura row in the combo,
// aya row in its list, repetitions and pause in the spin boxes, then Add.
template <typename Window>
void AddAya(Window* window, int suraIndex, int ayaRow, int reps = 1, int pause = 0) {
    window->SuraSelected(suraIndex);
    Child<QSpinBox>(window, "ayaRepSpin")->setValue(reps);
    Child<QSpinBox>(window, "ayaPauseSpin")->setValue(pause);
    Child<QListWidget>(window, "ayaListBox")->setCurrentRow(ayaRow);
    window->AddOne();
}
