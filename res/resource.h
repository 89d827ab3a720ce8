// Resource identifiers of TELLAN. Shared by the C++ sources and the Windows
// resource script, so it must stay plain preprocessor definitions.
#ifndef TELLAN_RES_RESOURCE_H
#define TELLAN_RES_RESOURCE_H

#define IDD_TELLAN_DIALOG 102
#define IDR_MAINFRAME 128

// Settings store names.
#define IDS_REG_XMLFILENAME 3040
#define IDS_REG_XMLNEUTRALFILENAME 3041
#define IDS_REG_APPENDPATH 3050
#define IDS_REG_SETTINGS_SUBKEY 3060
#define IDS_REG_PRODUCT_KEY 3140
#define IDS_REG_INSTALLFOLDER 3141

// Built-in message texts.
#define IDS_MSG_TITLE 3170
#define IDS_MSG_OK 3171
#define IDS_MSG_NO_SUPPORT_FILE 3172
#define IDS_MSG_INC_NO_SUPPORT_FILE 3173
#define IDS_MSG_CREATE_LIB 3174

#endif
