// The built-in message table: each message key with the string-table entry
// of its built-in text, closed by a row with a null key and identifier -1.
#ifndef TELLAN_MESSAGES_BUILTINMESSAGES_H
#define TELLAN_MESSAGES_BUILTINMESSAGES_H

struct BuiltInMessage {
  const char* key;
  int stringId;
};

extern const BuiltInMessage g_builtInMessages[];

// Calls visit with every row up to the terminating one, in table order.
template <typename Visit>
void ForEachBuiltInMessage(Visit visit) {
  for (const BuiltInMessage* row = g_builtInMessages; row->key != nullptr; ++row) visit(*row);
}

#endif
