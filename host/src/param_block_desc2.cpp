// ParamBlockDesc2: reading the tagged argument list into parameter definitions.
//
// Every argument is read with the type it has after the default argument promotions, as the
// host reads it: int for IDs, flags, counts, string IDs and integer values, double for float
// values and the spinner scale, pointers for names and the dialog procedure. A list that
// asks for something the stand-in does not model stops the process with a message: reading
// on would misinterpret every argument after it.
#include <iparamb2.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "param_storage.h"

namespace standin {

namespace {

std::vector<ParamBlockDesc2*>& LiveDescriptors() {
    static std::vector<ParamBlockDesc2*> descs;
    return descs;
}

[[noreturn]] void Unsupported(const ParamBlockDesc2& desc, const char* what, long detail) {
    std::fprintf(stderr, "stand-in ParamBlockDesc2 \"%ls\": %s (%ld) is not modelled\n",
                 desc.int_name.data(), what, detail);
    std::abort();
}

// Reads the optional block arguments that `flags` announces.
void ReadBlockArgs(ParamBlockDesc2& desc, va_list& ap) {
    const int unmodelled = P_CLASS_PARAMS | P_USE_PARAMS | P_INCLUDE_PARAMS | P_MULTIMAP |
                           P_TEMPLATE_UI | P_AUTO_UI_QT;
    if (desc.flags & unmodelled) Unsupported(desc, "block flag", desc.flags & unmodelled);
    if (desc.flags & P_VERSION) desc.version = static_cast<ULONG>(va_arg(ap, int));
    if (desc.flags & P_AUTO_CONSTRUCT) desc.ref_no = va_arg(ap, int);
    if (desc.flags & P_AUTO_UI) {
        desc.dlg_template = va_arg(ap, int);
        desc.title = va_arg(ap, int);
        desc.test_flags = va_arg(ap, int);
        desc.rollup_flags = va_arg(ap, int);
        desc.dlgProc = va_arg(ap, ParamMap2UserDlgProc*);
    }
    if (desc.flags & P_HASCATEGORY) desc.category = va_arg(ap, int);
}

void ReadValue(ParamStorage storage, va_list& ap, PB2Value& out) {
    if (storage == ParamStorage::Float) {
        out.f = static_cast<float>(va_arg(ap, double));
    } else {
        out.i = va_arg(ap, int);
    }
}

// p_ui for a single-map block: the control type, then its own arguments.
void ReadControl(const ParamBlockDesc2& desc, ParamDef& def, std::vector<int>& ctrlIDs,
                 va_list& ap) {
    const int control = va_arg(ap, int);
    def.ctrl_type = static_cast<ControlType2>(control);
    switch (control) {
        case TYPE_SPINNER: {
            def.spin_type = static_cast<EditSpinnerType>(va_arg(ap, int));
            const int edit = va_arg(ap, int);
            const int spinner = va_arg(ap, int);
            ctrlIDs = {edit, spinner};
            def.scale = static_cast<float>(va_arg(ap, double));
            return;
        }
        case TYPE_INT_COMBOBOX: {
            ctrlIDs = {va_arg(ap, int)};
            const int items = va_arg(ap, int);
            if (items < 0) Unsupported(desc, "negative combo box item count", items);
            for (int k = 0; k < items; ++k) def.item_string_ids.push_back(va_arg(ap, int));
            return;
        }
        default:
            Unsupported(desc, "control type", control);
    }
}

void ReadTags(const ParamBlockDesc2& desc, ParamDef& def, ParamStorage storage,
              std::vector<int>& ctrlIDs, va_list& ap) {
    for (;;) {
        const int tag = va_arg(ap, int);
        switch (tag) {
            case p_end:
                return;
            case p_default:
                if (storage == ParamStorage::OwnersRef)
                    Unsupported(desc, "reference default", def.ID);
                def.has_default = true;
                ReadValue(storage, ap, def.def);
                break;
            case p_range:
                if (storage == ParamStorage::OwnersRef)
                    Unsupported(desc, "reference range", def.ID);
                def.has_range = true;
                ReadValue(storage, ap, def.range_low);
                ReadValue(storage, ap, def.range_high);
                break;
            case p_ui:
                ReadControl(desc, def, ctrlIDs, ap);
                break;
            case p_vals:
                // One value per item of the control declared before.
                if (def.item_string_ids.empty())
                    Unsupported(desc, "p_vals without combo box items", def.ID);
                for (std::size_t k = 0; k < def.item_string_ids.size(); ++k) {
                    def.item_values.push_back(va_arg(ap, int));
                }
                break;
            case p_refno:
                def.refno = static_cast<short>(va_arg(ap, int));
                break;
            case p_nonLocalizedName:
                def.non_localized_name = va_arg(ap, const MCHAR*);
                break;
            default:
                Unsupported(desc, "parameter tag", tag);
        }
    }
}

// The parameters, each closed by p_end, and a final p_end; `ctrlIDs` gets the control IDs of
// each, which its ctrl_IDs will point at once the definitions stay in place.
std::vector<ParamDef> ReadParams(const ParamBlockDesc2& desc,
                                 std::vector<std::vector<int>>& ctrlIDs, va_list& ap) {
    std::vector<ParamDef> defs;
    for (;;) {
        const int id = va_arg(ap, int);
        if (id == p_end) return defs;
        ParamDef def;
        def.ID = static_cast<ParamID>(id);
        def.int_name = va_arg(ap, const MCHAR*);
        const int type = va_arg(ap, int);
        if (type & TYPE_TAB) Unsupported(desc, "table parameter type", type);
        def.type = static_cast<ParamType2>(type);
        def.flags = va_arg(ap, int);
        // The display name's string ID is read as an int (whether the host reads an int or
        // an INT_PTR here is unconfirmed; callers pass int resource IDs).
        def.local_name = va_arg(ap, int);
        const ParamStorage storage = StorageOf(def);
        if (storage == ParamStorage::Unsupported) Unsupported(desc, "parameter type", type);
        for (const ParamDef& earlier : defs) {
            if (earlier.ID == def.ID) Unsupported(desc, "repeated parameter ID", id);
        }
        ctrlIDs.emplace_back();
        ReadTags(desc, def, storage, ctrlIDs.back(), ap);
        defs.push_back(def);
    }
}

}  // namespace

ParamBlockDesc2* FindParamBlockDesc(SClass_ID sclass, Class_ID cid, BlockID id) {
    for (ParamBlockDesc2* desc : LiveDescriptors()) {
        if (desc->ID == id && desc->cd && desc->cd->SuperClassID() == sclass &&
            desc->cd->ClassID() == cid) {
            return desc;
        }
    }
    return nullptr;
}

}  // namespace standin

ParamBlockDesc2::ParamBlockDesc2(BlockID blockID, const MCHAR* internalName, StringResID localName,
                                 ClassDesc2* classDesc, USHORT blockFlags, ...)
    : cd(classDesc), int_name(internalName), local_name(localName), ID(blockID), flags(blockFlags) {
    va_list ap;
    va_start(ap, blockFlags);
    standin::ReadBlockArgs(*this, ap);
    defs_ = standin::ReadParams(*this, ctrlIDs_, ap);
    va_end(ap);
    for (std::size_t k = 0; k < defs_.size(); ++k) {
        std::vector<int>& ids = ctrlIDs_[k];
        defs_[k].ctrl_IDs = ids.empty() ? nullptr : ids.data();
        defs_[k].ctrl_count = static_cast<short>(ids.size());
    }
    paramdefs = defs_.data();
    count = static_cast<USHORT>(defs_.size());
    if (cd) cd->AddParamBlockDesc(this);
    standin::LiveDescriptors().push_back(this);
}

ParamBlockDesc2::~ParamBlockDesc2() {
    auto& live = standin::LiveDescriptors();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (cd) cd->RemoveParamBlockDesc(this);
}

void ParamBlockDesc2::SetUserDlgProc(MapID map_id, ParamMap2UserDlgProc* proc) {
    // A single-map block has map 0 only.
    if (map_id != 0) return;
    dlgProc = proc;
    if (cd) cd->SetUserDlgProc(this, map_id, proc);
}

ParamMap2UserDlgProc* ParamBlockDesc2::GetUserDlgProc(MapID id) {
    return id == 0 ? dlgProc : nullptr;
}

int ParamBlockDesc2::IDtoIndex(ParamID id) {
    for (int i = 0; i < Count(); ++i) {
        if (paramdefs[i].ID == id) return i;
    }
    return -1;
}

ParamID ParamBlockDesc2::IndextoID(int i) {
    return i >= 0 && i < Count() ? paramdefs[i].ID : ParamID(-1);
}

ParamDef& ParamBlockDesc2::GetParamDef(ParamID id) {
    const int index = IDtoIndex(id);
    if (index < 0) {
        std::fprintf(stderr, "stand-in ParamBlockDesc2 \"%ls\": no parameter %d\n", int_name.data(),
                     id);
        std::abort();
    }
    return paramdefs[index];
}
