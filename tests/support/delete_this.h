// Deletes an object of the host's class tree the way the host does, through DeleteThis, so
// that a std::unique_ptr can own one. A null pointer is left alone.
#pragma once

#include <Animatable.h>

struct DeleteThisDeleter {
    void operator()(Animatable* a) const {
        if (a) a->DeleteThis();
    }
};
