// Stand-in: the parameter block system's value types, control types and the tags of a block
// descriptor's tagged argument list.
#pragma once

// Value types. ParamType holds the types shared with the older parameter blocks; ParamType2
// continues the numbering.
enum ParamType {
    TYPE_FLOAT = 0,
    TYPE_INT = 1,
    TYPE_RGBA = 2,
    TYPE_POINT3 = 3,
    TYPE_BOOL = 4,
};

enum ParamType2 {
    TYPE_ANGLE = TYPE_BOOL + 1,
    TYPE_PCNT_FRAC,
    TYPE_WORLD,
    TYPE_STRING,
    TYPE_FILENAME,
    TYPE_HSV,
    TYPE_COLOR_CHANNEL,
    TYPE_TIMEVALUE,
    TYPE_RADIOBTN_INDEX,
    TYPE_MTL,
    TYPE_TEXMAP,
    TYPE_BITMAP,
    TYPE_INODE,
    TYPE_REFTARG = 18,
    TYPE_INDEX,
    TYPE_MATRIX3,
    TYPE_PBLOCK2,
    TYPE_POINT4,
    TYPE_FRGBA = 23,
    // Added to a type to make a table of values of that type.
    TYPE_TAB = 0x0800,
};

// Rollout controls a parameter can be bound to. ControlType holds the older ones; ControlType2
// continues the numbering.
enum ControlType {
    TYPE_SPINNER = 0,
    TYPE_RADIO,
    TYPE_SINGLECHEKBOX,
    TYPE_MULTICHEKBOX,
    TYPE_COLORSWATCH,
};
#define TYPE_SINGLECHECKBOX TYPE_SINGLECHEKBOX
#define TYPE_MULTICHECKBOX TYPE_MULTICHEKBOX

enum ControlType2 {
    TYPE_EDITBOX = TYPE_COLORSWATCH + 1,
    TYPE_CHECKBUTTON,
    TYPE_PICKNODEBUTTON,
    TYPE_TEXMAPBUTTON,
    TYPE_MTLBUTTON,
    TYPE_BITMAPBUTTON,
    TYPE_FILEOPENBUTTON,
    TYPE_FILESAVEBUTTON,
    TYPE_INTLISTBOX,
    TYPE_FLOATLISTBOX,
    TYPE_STRINGLISTBOX,
    TYPE_NODELISTBOX,
    TYPE_SLIDER,
    TYPE_BUTTON,
    TYPE_POINT3LISTBOX,
    TYPE_SHADERSUBPARAMETERBLOCK,
    TYPE_POINT4LISTBOX,
    TYPE_COLORSWATCH_FRGBA,
    TYPE_INT_COMBOBOX = 23,
    TYPE_POINT2LISTBOX,
    TYPE_FLOAT_EDITABLE_COMBOBOX,
};

// Tags of the optional per-parameter entries of ParamBlockDesc2's argument list. They are
// large negative numbers so that they cannot be mistaken for the values that follow them.
enum ParamTags {
    p_default = -(1 << 30),
    p_ms_default,
    p_range,
    p_ui,
    p_validator,
    p_accessor,
    p_vals,
    p_refno,
    p_subtexno,
    p_submtlno,
    p_dim,
    p_classID,
    p_sclassID,
    p_enabled,
    p_enable_ctrls,
    p_prompt,
    p_caption,
    p_init_file,
    p_file_types,
    p_ctrl_ids,
    p_uix,
    p_configurable_default,
    p_tooltip,
    p_assetTypeID,
    p_assetTypeName,
    p_defaults_and_ranges_in_meters,
    p_nonLocalizedName,
    p_end = p_default + 1024,
};
