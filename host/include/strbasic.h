// Stand-in: the SDK's character type macros (Unicode build).
#pragma once

#define MCHAR wchar_t
#define _M(x) L##x
#define MCHAR_IS_WCHAR 1
#define _UNICODE 1
