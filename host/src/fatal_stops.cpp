// The stand-in's fatal stops: the message, then abort.
#include "fatal_stops.h"

#include <cstdio>
#include <cstdlib>

namespace standin {

void NotModelled(const char* what) {
    std::fprintf(stderr, "stand-in host: %s is not modelled\n", what);
    std::abort();
}

void StopEditor(const std::string& why) {
    std::fprintf(stderr, "stand-in material editor: %s\n", why.c_str());
    std::abort();
}

std::string Printable(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != L'\0'; ++text) {
        out += (*text >= 0x20 && *text < 0x7F) ? static_cast<char>(*text) : '?';
    }
    return out;
}

}  // namespace standin
