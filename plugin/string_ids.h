// IDs of the string-table entries that the module's own code loads.
#pragma once

#define IDS_LIB_DESCRIPTION 1
#define IDS_CATEGORY 2
#define IDS_CLASS_NAME 3
