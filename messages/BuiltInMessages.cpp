#include "messages/BuiltInMessages.h"

#include "res/resource.h"

const BuiltInMessage g_builtInMessages[] = {
    {"MsgBoxTitle", IDS_MSG_TITLE},
    {"MsgBoxOK", IDS_MSG_OK},
    {"ErrVSTNoSupportFile", IDS_MSG_NO_SUPPORT_FILE},
    {"ErrVSTIncNoSupportFile", IDS_MSG_INC_NO_SUPPORT_FILE},
    {"ErrVSTCreateLib", IDS_MSG_CREATE_LIB},
    {nullptr, -1},
};
