#pragma once

#include <QCoreApplication>

#include <utility>

// The one way the program holds an object that it shares throughout: made by `make` on first
// use, and deleted with the application object, in the reverse order of making, while what it
// may still release (windows, printers, event filters) is there.
template <class T, class Make>
T& programWide(Make make)
{
    static T* object = nullptr;
    if (!object) {
        object = make();
        qAddPostRoutine([] { delete std::exchange(object, nullptr); });
    }
    return *object;
}
