// The host's directory of plug-in classes, in which a scene file looks up the class of each stored
// object.
#include <standin/class_directory.h>

#include <algorithm>

#include "default_texture_output.h"

namespace standin {

ClassDirectory::ClassDirectory() {
    Register(DefaultTextureOutputDesc());
}

ClassDirectory& ClassDirectory::Host() {
    static ClassDirectory directory;
    return directory;
}

bool ClassDirectory::Register(ClassDesc* cd) {
    if (!cd || Find(cd->SuperClassID(), cd->ClassID())) return false;
    classes_.push_back(cd);
    return true;
}

void ClassDirectory::Unregister(ClassDesc* cd) {
    classes_.erase(std::remove(classes_.begin(), classes_.end(), cd), classes_.end());
}

ClassDesc* ClassDirectory::Find(SClass_ID sclass, Class_ID cid) const {
    for (ClassDesc* cd : classes_) {
        if (cd->SuperClassID() == sclass && cd->ClassID() == cid) return cd;
    }
    return nullptr;
}

}  // namespace standin
