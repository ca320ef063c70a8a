// The texture map's class descriptor: its names, identity and the object it creates.
#include "plugin/veltrane_class_desc.h"

#include <plugapi.h>

#include "plugin/class_identity.h"
#include "plugin/resource_strings.h"
#include "plugin/veltrane_factory.h"
#include "resources/resource.h"

int VeltraneClassDesc::IsPublic() {
    return TRUE;
}
void* VeltraneClassDesc::Create(BOOL /*loading*/) {
    return CreateVeltraneObject();
}
const MCHAR* VeltraneClassDesc::ClassName() {
    return LoadResourceString(IDS_CLASS_NAME);
}
// Names that scripts and scene files rely on stay the same in every language.
const MCHAR* VeltraneClassDesc::NonLocalizedClassName() {
    return kVeltraneClassName;
}
const MCHAR* VeltraneClassDesc::InternalName() {
    return kVeltraneClassName;
}
SClass_ID VeltraneClassDesc::SuperClassID() {
    return TEXMAP_CLASS_ID;
}
Class_ID VeltraneClassDesc::ClassID() {
    return kVeltraneClassID;
}
const MCHAR* VeltraneClassDesc::Category() {
    return LoadResourceString(IDS_CATEGORY);
}
// The host loads the block descriptors' display strings from this module.
HINSTANCE VeltraneClassDesc::HInstance() {
    return moduleInstance;
}

ClassDesc2* GetVeltraneDesc() {
    // Constructed on first use and destroyed in reverse order of construction, hence after
    // any static that called this from its constructor.
    static VeltraneClassDesc desc;
    return &desc;
}
