// Stand-in: the host's directory of plug-in classes, through which a scene file finds the
// descriptor that creates each stored object.
#pragma once

#include <vector>

#include "../maxtypes.h"
#include "../plugapi.h"
#include "exports.h"

namespace standin {

class STANDIN_EXPORT ClassDirectory {
  public:
    // Knows the host's own classes (the default texture output) from the start.
    ClassDirectory();

    // The process's directory, where loaded modules' classes belong.
    static ClassDirectory& Host();

    // False (and nothing registered) for a null descriptor or a class already known under
    // the same super class and class ID. The directory does not own descriptors; unregister
    // them before they go away (a module's, before it is unloaded).
    bool Register(ClassDesc* cd);
    void Unregister(ClassDesc* cd);
    ClassDesc* Find(SClass_ID sclass, Class_ID cid) const;
    int Count() const { return static_cast<int>(classes_.size()); }

  private:
    std::vector<ClassDesc*> classes_;
};

}  // namespace standin
