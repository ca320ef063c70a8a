// Stand-in: IMtlParams, the material editor's services to a parameter dialog; opaque here.
#pragma once

#include "../baseinterface.h"
#include "../standin/exports.h"

class STANDIN_EXPORT IMtlParams : public InterfaceServer {};
