// Stand-in: stdmat.h, the standard materials' header; here only the way to imtl.h.
#pragma once

#include "imtl.h"
