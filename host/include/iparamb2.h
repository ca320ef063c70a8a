// Stand-in: parameter blocks (ParamBlock2): the block descriptor declared by a tagged
// argument list, the parameter block interface, and ClassDesc2, the class descriptor that
// builds an object's blocks from its descriptors.
#pragma once

#include <vector>

#include "custcont.h"
#include "iparamb2Typedefs.h"
#include "paramtype.h"
#include "plugapi.h"
#include "ref.h"
#include "strclass.h"

class Texmap;
class Mtl;
class ClassDesc2;
class ParamBlockDesc2;
class IParamBlock2;
class IParamMap2;
class IAutoMParamDlg;
class IMtlParams;
class ParamMap2UserDlgProc;

namespace standin {
class ParamBlockAccess;
}  // namespace standin

// Block descriptor flags.
#define P_CLASS_PARAMS 0x0001
#define P_AUTO_CONSTRUCT 0x0002
#define P_AUTO_UI 0x0004
#define P_USE_PARAMS 0x0008
#define P_INCLUDE_PARAMS 0x0010
#define P_MULTIMAP 0x0020
#define P_CALLSETS_ON_LOAD 0x0040
#define P_HASCATEGORY 0x0080
#define P_TEMPLATE_UI 0x0100
#define P_VERSION 0x0200
#define P_AUTO_UI_QT 0x0400

// Parameter flags.
#define P_ANIMATABLE 0x00000001
#define P_TRANSIENT 0x00000002
#define P_NO_INIT 0x00000004
#define P_COMPUTED_NAME 0x00000008
#define P_INVISIBLE 0x00000010
#define P_RESET_DEFAULT 0x00000020
#define P_SUBANIM 0x00000040
#define P_TV_SHOW_ALL 0x00000080
#define P_NO_REF 0x00000100
#define P_OWNERS_REF 0x00000200
#define P_CAN_CONVERT 0x00000400
#define P_SUBTEX 0x00000800
#define P_VARIABLE_SIZE 0x00001000
#define P_READ_ONLY 0x00008000
#define P_OBSOLETE 0x40000000
#define P_READ_SECOND_FLAG_VALUE 0x80000000

// One value of a parameter definition (a default or a range end), as its type stores it.
class PB2Value : public MaxHeapOperators {
  public:
    union {
        int i = 0;
        float f;
        ReferenceTarget* r;
    };
};

// One parameter as the descriptor's argument list declared it. The fields named like the
// host's ParamDef hold the same data; the host's has many more. The last group is the
// stand-in's own record of the optional entries.
class ParamDef : public MaxHeapOperators {
  public:
    ParamID ID = -1;
    const MCHAR* int_name = nullptr;
    ParamType2 type = static_cast<ParamType2>(TYPE_FLOAT);
    int flags = 0;
    StringResID local_name = 0;
    PB2Value def;
    PB2Value range_low;
    PB2Value range_high;
    ControlType2 ctrl_type = static_cast<ControlType2>(TYPE_SPINNER);
    EditSpinnerType spin_type = EDITTYPE_FLOAT;
    int* ctrl_IDs = nullptr;  // spinner: edit field, spinner; combo box: the box
    short ctrl_count = 0;
    float scale = 0.0f;
    short refno = -1;
    const MCHAR* non_localized_name = nullptr;

    bool has_default = false;
    bool has_range = false;
    std::vector<int> item_string_ids;  // combo box items, in order
    std::vector<int> item_values;      // p_vals; empty means item i has value i
};

// The description of a parameter block, shared by every block built from it. Declared once
// per block as a static in the plug-in: the constructor reads the tagged argument list and
// enters the descriptor in `cd`.
class STANDIN_EXPORT ParamBlockDesc2 : public InterfaceServer, public MaxSDK::Util::Noncopyable {
  public:
    // `...` is the tagged list: the optional block arguments that `flags` asks for, then per
    // parameter its ID, internal name, type, flags, display-name string ID and tagged entries
    // closed by p_end, and a final p_end. Entries the stand-in does not model stop the
    // process with a message rather than being misread.
    PB2Export ParamBlockDesc2(BlockID ID, const MCHAR* int_name, StringResID local_name,
                              ClassDesc2* cd, USHORT flags, ...);
    PB2Export ~ParamBlockDesc2() override;

    // Sets the procedure of map `map_id` (0: a single map is modelled) and hands it to the
    // newest open rollout's map, which then owns it; without one, the next rollout built
    // takes it.
    PB2Export void SetUserDlgProc(MapID map_id, ParamMap2UserDlgProc* proc = nullptr);
    inline void SetUserDlgProc(ParamMap2UserDlgProc* proc = nullptr) { SetUserDlgProc(0, proc); }
    PB2Export ParamMap2UserDlgProc* GetUserDlgProc(MapID id = 0);
    void InvalidateUI(ParamID id, int tabIndex = -1);

    int Count() { return count; }
    // -1 when no parameter has `id`.
    PB2Export int IDtoIndex(ParamID id);
    // -1 outside 0..Count()-1.
    PB2Export ParamID IndextoID(int i);
    // `id` must be declared (the host indexes its table unchecked); the stand-in stops the
    // process otherwise.
    PB2Export ParamDef& GetParamDef(ParamID id);

    ParamDef* paramdefs = nullptr;
    ClassDesc2* cd;
    const MSTR int_name;
    StringResID local_name;
    BlockID ID;
    USHORT count = 0;
    ULONG version = 0;
    USHORT flags;
    int ref_no = 0;
    int dlg_template = 0;
    int title = 0;
    int test_flags = 0;
    int rollup_flags = 0;
    ParamMap2UserDlgProc* dlgProc = nullptr;
    int category = 0;

  private:
    std::vector<ParamDef> defs_;
    std::vector<std::vector<int>> ctrlIDs_;  // what each definition's ctrl_IDs points at
};

// Whether a parameter has controls in a rollout.
#define has_ui(d) ((d).ctrl_count > 0)

// A parameter block: the values of one object's parameters, per time, as declared by its
// descriptor. Writing a value notifies the block's dependents (its owner) at once.
class STANDIN_EXPORT IParamBlock2 : public ReferenceTarget {
  public:
    virtual BlockID ID() = 0;
    virtual ReferenceMaker* GetOwner() = 0;
    virtual ParamBlockDesc2* GetDesc() = 0;

    // The overloads for each value type make a double argument ambiguous, as on the host.
    virtual BOOL SetValue(ParamID id, TimeValue t, float v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, int v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, Mtl* v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, Texmap* v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, ReferenceTarget* v, int tabIndex = 0) = 0;

    // Writes the value at t and narrows `ivalid` to the span over which it holds. FALSE for
    // an unknown ID or a parameter of another type.
    virtual BOOL GetValue(ParamID id, TimeValue t, float& v, Interval& ivalid,
                          int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, int& v, Interval& ivalid, int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, Mtl*& v, Interval& ivalid, int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, Texmap*& v, Interval& ivalid,
                          int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, ReferenceTarget*& v, Interval& ivalid,
                          int tabIndex = 0) = 0;

    virtual int GetInt(ParamID id, TimeValue t = 0, int tabIndex = 0) = 0;
    int GetInt(const ParamID id, const TimeValue t, Interval& validity, const int tabIndex = 0) {
        int v = 0;
        GetValue(id, t, v, validity, tabIndex);
        return v;
    }
    virtual float GetFloat(ParamID id, TimeValue t = 0, int tabIndex = 0) = 0;

    // The parameter whose change the block is notifying about right now; -1 when none is
    // (a change relayed without a parameter, or after the notification). The second form
    // also gives the tab index, and leaves `tabIndex` alone when it returns -1.
    virtual ParamID LastNotifyParamID() = 0;
    virtual ParamID LastNotifyParamID(int& tabIndex) = 0;

    // The parameter map showing this block in an open rollout; null while none is open.
    virtual IParamMap2* GetMap(MapID map_id = 0) = 0;
};

class STANDIN_EXPORT ClassDesc2 : public ClassDesc {
  public:
    PB2Export ClassDesc2();
    PB2Export ~ClassDesc2() override;

    PB2Export void AddParamBlockDesc(ParamBlockDesc2* pbd);
    PB2Export int NumParamBlockDescs() override;
    PB2Export ParamBlockDesc2* GetParamBlockDesc(int i) override;
    PB2Export ParamBlockDesc2* GetParamBlockDescByID(BlockID id) override;

    // Redraws the controls of the descriptor's open parameter maps: all of them, or those of
    // parameter `id` (tabIndex -1: every entry).
    PB2Export void InvalidateUI(ParamBlockDesc2* pbd);
    PB2Export void InvalidateUI(ParamBlockDesc2* pbd, ParamID id, int tabIndex = -1);
    // Builds a block at its defaults for every P_AUTO_CONSTRUCT descriptor and makes it the
    // owner's reference `ref_no`. New blocks always start at the defaults: the host's choice
    // between defaults and last used values (P_RESET_DEFAULT) is not modelled.
    PB2Export void MakeAutoParamBlocks(ReferenceMaker* owner) override;
    PB2Export IParamMap2* GetParamMap(ParamBlockDesc2* pbd, MapID map_id = 0);
    // Gives an open parameter map its dialog procedure; false when the map is not open.
    PB2Export bool SetUserDlgProc(ParamBlockDesc2* pbd, MapID map_id,
                                  ParamMap2UserDlgProc* proc = nullptr);
    // Builds the master dialog for `obj` with one rollout per P_AUTO_UI descriptor, from its
    // dialog template in HInstance()'s resources; each rollout's procedure (the descriptor's,
    // if it has one now) receives WM_INITDIALOG. The stand-in stops with a message when a
    // binding does not fit the template. The caller deletes the dialog with DeleteThis.
    PB2Export IAutoMParamDlg* CreateParamDlgs(HWND hwMtlEdit, IMtlParams* imp,
                                              ReferenceTarget* obj);
    // Returns every parameter of the owner's auto-constructed blocks to its default, dropping
    // animation keys, and notifies the owner once per block with LastNotifyParamID -1.
    // Parameters held by the owner (P_OWNERS_REF) are left alone. The stand-in has no set
    // handlers (accessors) to call.
    PB2Export void Reset(ReferenceMaker* owner, BOOL updateUI = TRUE, BOOL callSetHandlers = TRUE);

  private:
    friend class ParamBlockDesc2;
    friend class standin::ParamBlockAccess;

    // A parameter map shown in a rollout, with the descriptor and map ID of its block.
    struct OpenMap {
        ParamBlockDesc2* desc;
        MapID id;
        IParamMap2* map;
    };

    void RemoveParamBlockDesc(ParamBlockDesc2* pbd);

    std::vector<ParamBlockDesc2*> blockDescs_;
    std::vector<OpenMap> openMaps_;
    void* uiLog_ = nullptr;  // the stand-in's observer of InvalidateUI, if a test set one
};

inline void ParamBlockDesc2::InvalidateUI(ParamID id, int tabIndex) {
    cd->InvalidateUI(this, id, tabIndex);
}
