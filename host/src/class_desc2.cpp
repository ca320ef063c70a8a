// ClassDesc2's list of block descriptors. Block descriptors register themselves on
// construction; the class descriptor does not own them.
#include <iparamb2.h>

ClassDesc2::ClassDesc2() = default;
ClassDesc2::~ClassDesc2() = default;

void ClassDesc2::AddParamBlockDesc(ParamBlockDesc2* pbd) { blockDescs_.push_back(pbd); }
int ClassDesc2::NumParamBlockDescs() { return static_cast<int>(blockDescs_.size()); }
ParamBlockDesc2* ClassDesc2::GetParamBlockDesc(int i) {
    return i >= 0 && i < NumParamBlockDescs() ? blockDescs_[static_cast<std::size_t>(i)] : nullptr;
}
