// Animatable's out-of-line members: the defaults every scene object starts from (no name, no sub-
// animatables, deletion through DeleteThis).
#include <Animatable.h>

Animatable::Animatable() = default;
Animatable::~Animatable() = default;

void Animatable::DeleteThis() {
    delete this;
}

void Animatable::GetClassName(MSTR& s, bool localized) const {
    (void)localized;
    s = MSTR();
}

Class_ID Animatable::ClassID() {
    return Class_ID(0, 0);
}

void* Animatable::GetInterface(ULONG id) {
    (void)id;
    return nullptr;
}

BaseInterface* Animatable::GetInterface(Interface_ID id) {
    return InterfaceServer::GetInterface(id);
}

MSTR Animatable::SubAnimName(int i, bool localized) {
    (void)i;
    (void)localized;
    return MSTR();
}
