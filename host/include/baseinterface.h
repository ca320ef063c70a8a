// Stand-in: InterfaceServer, the base of every object that can hand out extension interfaces,
// and BaseInterface, the base of those interfaces.
#pragma once

#include "maxheap.h"
#include "maxtypes.h"
#include "standin/exports.h"

class BaseInterface;

// Polymorphic stand-in classes are exported whole so that their type information is shared
// with the modules deriving from them (MSVC needs no such marking).
class STANDIN_EXPORT InterfaceServer : public MaxHeapOperators {
  public:
    virtual ~InterfaceServer() {}
    // No extension interfaces by default.
    virtual BaseInterface* GetInterface(Interface_ID id) {
        (void)id;
        return nullptr;
    }
};

class STANDIN_EXPORT BaseInterface : public InterfaceServer {
  public:
    ~BaseInterface() override {}
    virtual Interface_ID GetID() { return Interface_ID(0, 0); }
};
