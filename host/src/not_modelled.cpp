#include "not_modelled.h"

#include <cstdio>
#include <cstdlib>

namespace standin {

void NotModelled(const char* what) {
    std::fprintf(stderr, "stand-in host: %s is not modelled\n", what);
    std::abort();
}

}  // namespace standin
