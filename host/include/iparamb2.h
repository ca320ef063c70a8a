// Stand-in: parameter blocks (ParamBlock2): ClassDesc2, the class descriptor that builds an
// object's parameter blocks and rollouts from its declared block descriptors.
#pragma once

#include <vector>

#include "iparamb2Typedefs.h"
#include "plugapi.h"

class ReferenceMaker;
class ReferenceTarget;
class ParamBlockDesc2;
class IParamMap2;
class IAutoMParamDlg;
class IMtlParams;
class ParamMap2UserDlgProc;

class STANDIN_EXPORT ClassDesc2 : public ClassDesc {
public:
    PB2Export ClassDesc2();
    PB2Export ~ClassDesc2() override;

    PB2Export void AddParamBlockDesc(ParamBlockDesc2* pbd);
    PB2Export int NumParamBlockDescs();
    PB2Export ParamBlockDesc2* GetParamBlockDesc(int i);
    PB2Export ParamBlockDesc2* GetParamBlockDescByID(BlockID id);

    PB2Export void InvalidateUI(ParamBlockDesc2* pbd);
    PB2Export void InvalidateUI(ParamBlockDesc2* pbd, ParamID id, int tabIndex = -1);
    PB2Export void MakeAutoParamBlocks(ReferenceMaker* owner) override;
    PB2Export IParamMap2* GetParamMap(ParamBlockDesc2* pbd, MapID map_id = 0);
    PB2Export bool SetUserDlgProc(ParamBlockDesc2* pbd, MapID map_id,
                                  ParamMap2UserDlgProc* proc = nullptr);
    PB2Export IAutoMParamDlg* CreateParamDlgs(HWND hwMtlEdit, IMtlParams* imp,
                                              ReferenceTarget* obj);
    PB2Export void Reset(ReferenceMaker* owner, BOOL updateUI = TRUE,
                         BOOL callSetHandlers = TRUE);

private:
    std::vector<ParamBlockDesc2*> blockDescs_;
};
