#pragma once

// The command and control ids of the main window, shared by its menus, its
// enabling rules and its layout.

namespace vx {

enum CommandId : int {
    // File
    ID_FILE_EXPORT = 32778,
    ID_FILE_BRAND_PACK = 32808,
    ID_FILE_ADD_FONTS = 32809,
    ID_FILE_NEW = 32780,
    ID_FILE_TEMPLATE = 32784,
    ID_FILE_LOAD = 32781,
    ID_FILE_SAVE = 32782,
    ID_FILE_SAVE_AS = 32783,
    ID_FILE_IMPORT = 32775,  // also Object, "Import Custom &Bitmap..."
    ID_FILE_SAVE_TEMPLATE = 32785,
    ID_WINDOW_LOGOIMAGE = 32777,  // "Canvas Properties..." and "Logo &Image..."
    ID_FILE_EXIT = 32786,
    // Edit
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_EDIT_COPY_LOGO = 32798,
    IDM_EDIT_BASICCOLOR = 32791,
    ID_EDIT_GRADIENTCOLOR1 = 32795,
    ID_EDIT_GRADIENTCOLOR2 = 32796,
    ID_EDIT_OUTLINECOLOR = 32793,
    ID_EDIT_SHADOWCOLOR = 32794,
    IDM_EDIT_BACKGROUDCOLOR = 32792,
    // Object
    ID_OBJECT_NEWTEXT = 32771,
    ID_OBJECT_NEWIMAGE = 32772,
    IDM_DELETECURRENT = 32776,
    ID_OBJECT_DUPLICATEOBJECT = 32801,
    IDM_CLOSER = 32773,
    IDM_FARTHER = 32774,
    ID_OBJECT_BRINGTOFRONT = 32799,
    ID_OBJECT_SENDTOBACK = 32800,
    // Help
    ID_HELP_HELP = 32802,
    ID_HELP_HOME = 32804,
    ID_HELP_ABOUT = 32806,
    // The "&Window" menu: 40000 + object * 10 + property
    ID_WINDOW_FIRST = 40000,
    ID_WINDOW_LAST = 49999,
};

enum ControlId : int {
    IDC_CUR_OBJECT = 1108,
    IDC_NEXT = 1109,  // "Next": the object at the lower index
    IDC_PREV = 1110,  // "Prev": the object at the higher index
    IDC_NAV1 = 1106,
    IDC_NAV2 = 1107,
    IDC_NAV3 = 1090,
    IDC_NAV4 = 1091,
    IDC_NAV5 = 1092,
    IDC_LOGO = 1117,
    IDC_OBJ_WND = 1017,
    IDC_OUT_WND = 1016,
    IDC_OBJ_LABEL = 1018,
    IDC_OBJ_LEFT = 1111,
    IDC_OBJ_SLIDER = 1113,
    IDC_OBJ_RIGHT = 1112,
    IDC_OBJ_LIB = 1021,
    IDC_QUICK_TEXT = 1034,
    IDC_EDIT_TOP = 1088,
    IDC_EDIT_BOTTOM = 1089,
    IDC_STYLE_LEFT = 1114,
    IDC_STYLE_SLIDER = 1116,
    IDC_STYLE_RIGHT = 1115,
    IDC_STYLE_LABEL = 1019,
    IDC_STYLE_FIRST = 50000,        // style buttons 50000 + n
    IDC_OBJECT_MENU_FIRST = 50100,  // "Current Object" menu entries 50100 + n
};

// The property buttons in the order of ObjectCmd(0..4).
inline constexpr int NAV_IDS[5] = {IDC_NAV1, IDC_NAV2, IDC_NAV3, IDC_NAV4, IDC_NAV5};

}  // namespace vx
